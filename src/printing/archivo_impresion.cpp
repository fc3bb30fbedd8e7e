#include "printing/archivo_impresion.h"

#include "common/error.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The end of every PDF document Qt writes; a document cut short lacks it.
constexpr char fin_de_documento[] = "%%EOF";

QByteArray nombre_de(const QString& ruta)
{
    return QFile::encodeName(ruta);
}

// A name of its own beside the file, made as a file of the user's default
// permissions, or of the old file's when there is one. Empty when the folder
// takes no new file; errno says why.
QString crea_al_lado(const QString& destino, const struct stat* anterior)
{
    for (int intento = 0; intento < 100; ++intento) {
        const QString nombre = destino + QStringLiteral(".%1").arg(QRandomGenerator::global()->generate(), 8, 16,
                                                                    QLatin1Char('0'));
        const int descriptor = ::open(nombre_de(nombre).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor < 0 && errno == EEXIST)
            continue;
        if (descriptor < 0)
            return {};
        if (anterior)
            ::fchmod(descriptor, anterior->st_mode & 07777);
        ::close(descriptor);
        return nombre;
    }
    return {};
}

}  // namespace

Archivo_impresion::Archivo_impresion(const QString& archivo)
    : archivo_(archivo), destino_(archivo)
{
    const QFileInfo enlace(archivo);
    if (enlace.isSymLink() && enlace.exists())
        destino_ = enlace.canonicalFilePath();
    struct stat datos {};
    const bool existe = ::stat(nombre_de(destino_).constData(), &datos) == 0;
    // A write-protected file is not to be replaced, however free its folder.
    if (existe && (!S_ISREG(datos.st_mode) || ::access(nombre_de(destino_).constData(), W_OK) != 0))
        falla();
    temporal_ = crea_al_lado(destino_, existe ? &datos : nullptr);
    if (temporal_.isEmpty()) {
        if (!existe || errno != EACCES)
            falla();
        temporal_ = destino_;
        en_su_sitio_ = true;
    }
}

Archivo_impresion::~Archivo_impresion()
{
    if (!en_su_sitio_)
        ::unlink(nombre_de(temporal_).constData());
}

void Archivo_impresion::termina(bool trabajo_terminado)
{
    if (!trabajo_terminado || !completo())
        falla();
    if (en_su_sitio_)
        return;
    if (::rename(nombre_de(temporal_).constData(), nombre_de(destino_).constData()) != 0)
        falla();
    en_su_sitio_ = true;
}

void Archivo_impresion::falla()
{
    throw Error_tolvera(QStringLiteral("Cannot print on %1").arg(archivo_));
}

bool Archivo_impresion::completo() const
{
    const int descriptor = ::open(nombre_de(temporal_).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    struct stat datos {};
    char cola[64] {};
    ssize_t leidos = -1;
    if (::fstat(descriptor, &datos) == 0 && datos.st_size > 0) {
        const off_t desde = std::max<off_t>(0, datos.st_size - off_t(sizeof cola));
        leidos = ::pread(descriptor, cola, sizeof cola, desde);
    }
    // Blocks the disk has not yet found room for fail here, not later.
    const bool en_disco = ::fsync(descriptor) == 0;
    ::close(descriptor);
    return en_disco && leidos > 0 && QByteArray(cola, leidos).trimmed().endsWith(fin_de_documento);
}
