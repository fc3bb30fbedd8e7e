#pragma once

#include <QByteArray>
#include <QString>

// Every text that crosses a file or the network is single-byte Windows-1252;
// inside the program it is a QString.
namespace ansi {

QString a_texto(const QByteArray& bytes);
QString a_texto(char byte);

// Characters outside the code page become '?'.
QByteArray a_bytes(const QString& texto);
char a_byte(QChar caracter);

// The text as the code page can hold it: a character outside it becomes the
// nearest letter inside it ("ş" -> "s", "Ł" -> "L"), and goes when there is
// none. A text the code page holds comes back as it is.
QString guardable(const QString& texto);

// The lower-case partner of a byte by the code page's own rules: A-Z and the
// accented capitals, Š, Œ, Ž and Ÿ. Other bytes come back unchanged.
char minuscula(char byte);

}  // namespace ansi
