#pragma once

#include <QByteArray>
#include <QString>

// Bet files on disk. Every failure throws Error_tolvera with the text the I/O
// layer gives it ("File not found", "Disk full" ...); the general error report
// adds the full stop.
namespace archivo_quiniela {

// A chosen name gets ".qui" unless its extension is exactly ".qui", letter
// case included: "jornada7.QUI" becomes "jornada7.QUI.qui".
QString con_extension(const QString& ruta);

// Writes the record beside the old file and renames it into place, so that a
// failed write leaves whatever file had that name whole; where the folder
// takes no new file, writes the old file over in place, so that a process
// killed at any moment leaves the old record or the new one, whole. A link is
// followed and kept. A name that stands for anything but a regular file is
// "File access denied", and nothing is touched. The name's bytes are those
// of nombre_en_disco, so a name read from the system writes that file.
void escribe(const QString& ruta, const QByteArray& registro);

// The first `tamano` bytes of the file; a shorter file is "Read beyond end of
// file", and anything under that name that is not a regular file is "File
// access denied". Opened for reading only, so that a write-protected file
// can be read.
QByteArray lee(const QString& ruta, qint64 tamano);

// As above, but up to `maximo` bytes of a file of at least `minimo`.
QByteArray lee(const QString& ruta, qint64 minimo, qint64 maximo);

// The I/O layer's text for a system error code.
QString texto_de_error(int codigo);

}  // namespace archivo_quiniela
