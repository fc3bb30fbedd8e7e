#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Decodes a JPEG held in memory with libjpeg-turbo. A damaged picture throws
// Error_tolvera naming `origen`; it never crashes and never returns half a
// picture.
QImage carga_jpeg(const QByteArray& datos, const QString& origen);

// Reads a picture from the program's resources (":/laminas/...") or a file.
QImage carga_jpeg(const QString& ruta);
