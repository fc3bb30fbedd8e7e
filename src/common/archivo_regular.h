#pragma once

#include <QByteArray>
#include <QString>

// Reading a file the user named without trusting what the name stands for:
// a FIFO, a socket, a device or a folder under that name, or behind a link
// of that name, is refused without waiting on it, and no more than a bound
// number of bytes is ever taken in.
namespace archivo_regular {

struct Lectura {
    QByteArray bytes;  // the file's first bytes, at most as many as were asked for
    int error = 0;  // errno of the failure, 0 when read: EISDIR for a folder, EACCES for any other non-file
};

Lectura lee(const QString& ruta, qint64 maximo);

}  // namespace archivo_regular
