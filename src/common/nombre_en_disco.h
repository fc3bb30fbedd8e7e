#pragma once

#include <QByteArray>
#include <QString>

// File names are bytes, and Qt reads them as UTF-8, losing every byte that is
// not (a Latin-1 "ñ" written by an older system). A name the program takes
// from the system keeps such a byte as the lone surrogate U+DC00 + byte, which
// no valid name holds, so that it goes back to disk as the same byte; every
// other character is UTF-8, as Qt writes it.
namespace nombre_en_disco {

QString de_bytes(const QByteArray& bytes);
QByteArray a_bytes(const QString& nombre);

// The name a write by `nombre` reaches: a link is followed to what it
// points at, existing or not, link after link; a name that is no link is
// itself. A loop of links gives the last name reached.
QByteArray sigue_enlaces(const QByteArray& nombre);

// Whether a name that came through Qt (a dialog) stands for a different
// entry than the one the user saw: a part of it shows U+FFFD where its folder
// holds an entry that only reads so once decoded. Writing or reading by such a
// name would reach another file, or none.
bool ha_perdido_bytes(const QString& ruta);

// Throws Error_tolvera, naming the file, when ha_perdido_bytes.
void comprueba(const QString& ruta);

}  // namespace nombre_en_disco
