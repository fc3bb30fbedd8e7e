#include "common/archivo_regular.h"

#include "common/nombre_en_disco.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace archivo_regular {

namespace {

int error_de_no_regular(mode_t modo)
{
    return S_ISDIR(modo) ? EISDIR : EACCES;
}

int lee_hasta(int descriptor, qint64 maximo, QByteArray& bytes)
{
    char bufer[64 * 1024];
    while (bytes.size() < maximo) {
        const auto pedidos = static_cast<size_t>(std::min<qint64>(sizeof bufer, maximo - bytes.size()));
        const ssize_t leidos = ::read(descriptor, bufer, pedidos);
        if (leidos < 0 && errno == EINTR)
            continue;
        if (leidos < 0)
            return errno;
        if (leidos == 0)
            break;
        bytes.append(bufer, leidos);
    }
    return 0;
}

}  // namespace

Lectura lee(const QString& ruta, qint64 maximo)
{
    Lectura lectura;
    const QByteArray nombre = nombre_en_disco::a_bytes(ruta);
    // Opening some devices acts on them (a tape rewinds, a modem line rises),
    // so they are refused before the open; the check on the opened
    // descriptor then covers a name that changed in between.
    struct stat datos {};
    if (::stat(nombre.constData(), &datos) == 0 && !S_ISREG(datos.st_mode)) {
        lectura.error = error_de_no_regular(datos.st_mode);
        return lectura;
    }
    // Without O_NONBLOCK, opening a FIFO waits for a writer for ever.
    const int descriptor = ::open(nombre.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        lectura.error = errno;
        return lectura;
    }
    if (::fstat(descriptor, &datos) != 0)
        lectura.error = errno;
    else if (!S_ISREG(datos.st_mode))
        lectura.error = error_de_no_regular(datos.st_mode);
    else
        lectura.error = lee_hasta(descriptor, maximo, lectura.bytes);
    ::close(descriptor);
    if (lectura.error != 0)
        lectura.bytes.clear();
    return lectura;
}

}  // namespace archivo_regular
