#include "common/archivo_al_lado.h"

#include <QRandomGenerator>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

constexpr int cifras = 8;

// Eight hex digits of which one at least is a letter: a suffix of digits
// alone reads as a date ("folio.pdf.20240101"), and is the user's.
bool es_sufijo(const QByteArray& sufijo)
{
    bool letra = false;
    for (const char c : sufijo) {
        letra = letra || (c >= 'a' && c <= 'f');
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    }
    return sufijo.size() == cifras && letra;
}

QByteArray sufijo_nuevo()
{
    QByteArray sufijo;
    do
        sufijo = QByteArray::number(QRandomGenerator::global()->generate(), 16).rightJustified(cifras, '0');
    while (!es_sufijo(sufijo));
    return sufijo;
}

// A leftover is a regular file of this user that no living process holds
// locked; it is removed only if the name still stands for the file locked.
void quita_si_abandonado(const QByteArray& ruta)
{
    const int descriptor = ::open(ruta.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return;
    struct stat abierto {};
    struct stat ahora {};
    if (::fstat(descriptor, &abierto) == 0 && S_ISREG(abierto.st_mode) && abierto.st_uid == ::geteuid()
        && ::flock(descriptor, LOCK_EX | LOCK_NB) == 0 && ::lstat(ruta.constData(), &ahora) == 0
        && ahora.st_dev == abierto.st_dev && ahora.st_ino == abierto.st_ino)
        ::unlink(ruta.constData());
    ::close(descriptor);
}

void quita_abandonados(const QByteArray& destino)
{
    const qsizetype barra = destino.lastIndexOf('/');
    const QByteArray carpeta = barra < 0 ? QByteArray(".") : destino.left(barra + 1);
    const QByteArray base = destino.mid(barra + 1);
    DIR* lista = ::opendir(carpeta.constData());
    if (!lista)
        return;
    while (const dirent* entrada = ::readdir(lista)) {
        const QByteArray nombre(entrada->d_name);
        if (nombre.startsWith(base + '.') && es_sufijo(nombre.mid(base.size() + 1)))
            quita_si_abandonado(barra < 0 ? nombre : carpeta + nombre);
    }
    ::closedir(lista);
}

}  // namespace

Archivo_al_lado::Archivo_al_lado(const QByteArray& destino, const struct stat* anterior)
    : destino_(destino)
{
    quita_abandonados(destino_);
    for (int intento = 0; intento < 100; ++intento) {
        nombre_ = destino_ + '.' + sufijo_nuevo();
        descriptor_ = ::open(nombre_.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor_ >= 0 || errno != EEXIST)
            break;
    }
    if (descriptor_ < 0) {
        error_ = errno;
        nombre_.clear();
        return;
    }
    ::flock(descriptor_, LOCK_EX);
    if (anterior)
        ::fchmod(descriptor_, anterior->st_mode & 07777);
}

Archivo_al_lado::~Archivo_al_lado()
{
    if (descriptor_ < 0)
        return;
    if (!en_su_sitio_)
        ::unlink(nombre_.constData());
    ::close(descriptor_);
}

int Archivo_al_lado::pon_en_su_sitio()
{
    if (::fsync(descriptor_) != 0 || ::rename(nombre_.constData(), destino_.constData()) != 0)
        return errno;
    en_su_sitio_ = true;
    return 0;
}
