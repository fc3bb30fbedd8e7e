#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The team lists "primera.txt" and "segunda.txt": plain text, one team per
// line. Where each is read from is matches/ubica_equipos.h's to say.
namespace archivo_equipos {

// Windows-1252 as the program writes them; a user's editor may have saved
// them as UTF-8, which is taken when the bytes are valid UTF-8 and not plain
// ASCII (where both read the same).
QString descodifica(const QByteArray& bytes);

// Every line unchanged, in order: no trimming, no sorting, empty lines kept.
// A line ends at CR, LF or the pair CR LF; a last line break ends the last
// line and starts no empty one.
QStringList lineas(const QString& texto);

// No real list comes near these; a file past them is no list of teams, and
// holding it whole could exhaust the memory.
constexpr qint64 bytes_maximos = 1024 * 1024;
constexpr qsizetype caracteres_maximos = 1000;

// Throws Error_tolvera "Cannot open file <nombre>" when it cannot be read or
// is no regular file, and a report of its own when it is past the limits:
// such a list is refused whole.
QStringList lee(const QString& nombre);

}  // namespace archivo_equipos
