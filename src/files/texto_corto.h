#pragma once

#include <QByteArray>
#include <QString>

// The short strings of the bet files: a length byte, then `capacidad` bytes
// of which the first `length` are the text, in Windows-1252.
namespace texto_corto {

// Writes the text, cut to the capacity, at `en`; the bytes past it stay. A
// letter the code page lacks is kept as its nearest one, cut with the rest.
void pon(QByteArray& registro, int en, int capacidad, const QString& texto);

// A length byte beyond the capacity is read as the capacity.
QString lee(const QByteArray& registro, int en, int capacidad);

}  // namespace texto_corto
