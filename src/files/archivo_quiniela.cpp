#include "files/archivo_quiniela.h"

#include "common/archivo_al_lado.h"
#include "common/archivo_regular.h"
#include "common/error.h"
#include "common/nombre_en_disco.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace archivo_quiniela {

namespace {

const QString extension = QStringLiteral(".qui");

// What the I/O layer calls an invalid file name is a missing folder on the
// way; a missing file alone is "File not found".
[[noreturn]] void falla(const QByteArray& nombre, int codigo)
{
    struct stat datos {};
    if (::stat(nombre.constData(), &datos) == 0 && S_ISDIR(datos.st_mode))
        codigo = EISDIR;
    else if (codigo == ENOENT) {
        const qsizetype barra = nombre.lastIndexOf('/');
        const QByteArray carpeta = barra < 0 ? QByteArray(".") : nombre.left(barra + 1);
        if (::stat(carpeta.constData(), &datos) != 0 || !S_ISDIR(datos.st_mode))
            codigo = ENOTDIR;
    } else if (codigo == 0) {
        codigo = EIO;
    }
    throw Error_tolvera(texto_de_error(codigo));
}

// Until the whole record is written or a write fails; 0 or its errno.
int escribe_todo(int descriptor, const QByteArray& bytes, off_t desde)
{
    qsizetype hecho = 0;
    while (hecho < bytes.size()) {
        const ssize_t escritos = ::pwrite(descriptor, bytes.constData() + hecho, bytes.size() - hecho, desde + hecho);
        if (escritos < 0 && errno == EINTR)
            continue;
        if (escritos < 0)
            return errno;
        if (escritos == 0)
            return ENOSPC;
        hecho += escritos;
    }
    return 0;
}

// Where no new file can be made beside the old one, the old file is written
// over. Truncating it first would leave it empty to a process killed right
// after; instead the record goes in with one write from the start, which a
// kill cannot cut (it fits in one page, and the system copies a page whole),
// so the file holds the old record or the new one. What an older, longer
// record left past the new one is blanked by that same write up to the end
// of the page, and cut off only once the new record is on disk.
void escribe_en_su_sitio(const QByteArray& destino, const QByteArray& registro)
{
    constexpr qint64 pagina = 4096;
    const int descriptor = ::open(destino.constData(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        falla(destino, errno);
    struct stat datos {};
    int codigo = ::fstat(descriptor, &datos) != 0 ? errno : (S_ISREG(datos.st_mode) ? 0 : EACCES);
    if (codigo == 0) {
        QByteArray bloque = registro;
        const qint64 cubre = std::min<qint64>(datos.st_size, std::max<qint64>(pagina, registro.size()));
        if (bloque.size() < cubre)
            bloque.append(QByteArray(cubre - bloque.size(), '\0'));
        codigo = escribe_todo(descriptor, bloque, 0);
    }
    if (codigo == 0 && ::fsync(descriptor) != 0)
        codigo = errno;
    if (codigo == 0 && datos.st_size > registro.size() && ::ftruncate(descriptor, registro.size()) != 0)
        codigo = errno;
    if (::close(descriptor) != 0 && codigo == 0)
        codigo = errno;
    if (codigo != 0)
        falla(destino, codigo);
}

}  // namespace

QString texto_de_error(int codigo)
{
    switch (codigo) {
    case ENOENT:
        return QStringLiteral("File not found");
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return QStringLiteral("Invalid filename");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Too many open files");
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return QStringLiteral("File access denied");
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return QStringLiteral("Disk full");
    default:
        return QStringLiteral("I/O error %1").arg(codigo);
    }
}

QString con_extension(const QString& ruta)
{
    const QString componente = ruta.mid(ruta.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype punto = componente.lastIndexOf(QLatin1Char('.'));
    if (punto >= 0 && componente.mid(punto) == extension)
        return ruta;
    return ruta + extension;
}

void escribe(const QString& ruta, const QByteArray& registro)
{
    // The save follows a link to the file it leads to, and keeps the link; a
    // device, a FIFO or a folder there would be replaced by a regular file,
    // or written to.
    const QByteArray destino = nombre_en_disco::sigue_enlaces(nombre_en_disco::a_bytes(ruta));
    struct stat datos {};
    const bool existe = ::stat(destino.constData(), &datos) == 0;
    if (existe && !S_ISREG(datos.st_mode))
        falla(destino, EACCES);
    // A write-protected file is not to be replaced, however free its folder.
    if (existe && ::access(destino.constData(), W_OK) != 0)
        falla(destino, errno);
    Archivo_al_lado nuevo(destino, existe ? &datos : nullptr);
    if (!nuevo.creado()) {
        if (!existe || nuevo.error() != EACCES)
            falla(destino, nuevo.error());
        escribe_en_su_sitio(destino, registro);
        return;
    }
    int codigo = escribe_todo(nuevo.descriptor(), registro, 0);
    if (codigo == 0)
        codigo = nuevo.pon_en_su_sitio();
    if (codigo != 0)
        falla(destino, codigo);
}

QByteArray lee(const QString& ruta, qint64 tamano)
{
    return lee(ruta, tamano, tamano);
}

QByteArray lee(const QString& ruta, qint64 minimo, qint64 maximo)
{
    archivo_regular::Lectura lectura = archivo_regular::lee(ruta, maximo);
    if (lectura.error != 0)
        falla(nombre_en_disco::a_bytes(ruta), lectura.error);
    if (lectura.bytes.size() < minimo)
        throw Error_tolvera(QStringLiteral("Read beyond end of file"));
    return std::move(lectura.bytes);
}

}  // namespace archivo_quiniela
