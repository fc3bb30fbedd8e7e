#include "files/archivo_quiniela.h"

#include "common/archivo_regular.h"
#include "common/error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <sys/stat.h>
#include <utility>

namespace archivo_quiniela {

namespace {

const QString extension = QStringLiteral(".qui");

// Qt leaves errno as the failing system call set it, except where it refuses
// a folder or a write-protected file itself. A missing folder on the way is
// what the I/O layer calls an invalid file name, a missing file alone is
// "File not found".
[[noreturn]] void falla(const QString& ruta)
{
    int codigo = errno;
    const QFileInfo archivo(ruta);
    if (archivo.isDir())
        codigo = EISDIR;
    else if (codigo == ENOENT && !archivo.dir().exists())
        codigo = ENOTDIR;
    else if (codigo == 0 && archivo.exists() && !archivo.isWritable())
        codigo = EACCES;
    else if (codigo == 0)
        codigo = EIO;
    throw Error_tolvera(texto_de_error(codigo));
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

// Unbuffered, so that a short write shows at once: committed, it would
// replace the old file with a cut one. Only in a folder where no new file
// can be made beside the old one is the old file written over in place.
void escribe(const QString& ruta, const QByteArray& registro)
{
    // The save follows a link to the file it leads to; a device, a FIFO or
    // a folder there would be replaced by a regular file, or written to.
    struct stat datos {};
    if (::stat(QFile::encodeName(ruta).constData(), &datos) == 0 && !S_ISREG(datos.st_mode))
        throw Error_tolvera(texto_de_error(EACCES));
    QSaveFile archivo(ruta);
    archivo.setDirectWriteFallback(true);
    errno = 0;
    if (!archivo.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        falla(ruta);
    errno = 0;
    if (archivo.write(registro) != registro.size()) {
        if (errno == 0)
            errno = ENOSPC;
        const int codigo = errno;
        archivo.cancelWriting();
        errno = codigo;
        falla(ruta);
    }
    errno = 0;
    if (!archivo.commit())
        falla(ruta);
}

QByteArray lee(const QString& ruta, qint64 tamano)
{
    archivo_regular::Lectura lectura = archivo_regular::lee(ruta, tamano);
    if (lectura.error != 0) {
        errno = lectura.error;
        falla(ruta);
    }
    if (lectura.bytes.size() < tamano)
        throw Error_tolvera(QStringLiteral("Read beyond end of file"));
    return std::move(lectura.bytes);
}

}  // namespace archivo_quiniela
