#pragma once

#include <QString>

#include <array>
#include <optional>

// The shares of one row of the percentages table and how the mouse moves
// them: the left button adds one to the pressed share, the right button takes
// one away, and the partner share pays for it, so a row set with the mouse
// always adds up to 100.
namespace porcentajes {

// Shares of "1", "X" and "2", at 0, 1 and 2. Wide enough that a share read
// from a bet file can move by one whatever it holds.
using Fila = std::array<qint64, 3>;

// What a row gets on its first press.
inline constexpr Fila de_partida = {34, 33, 33};

// A share cell's text as a whole number: an optional sign and decimal digits
// that fit an int. Anything else, the empty text included, is no share.
std::optional<int> lee(const QString& texto);

// The share that pays: the next one in the cycle 1 -> X -> 2 -> 1, or the
// remaining one when that one is 0.
int pareja(const Fila& fila, int pulsada);

// False, leaving the row alone, at the limits: a share of 99 or more takes
// no more, a share of 0 or less gives no more.
bool suma(Fila& fila, int pulsada);
bool resta(Fila& fila, int pulsada);

}  // namespace porcentajes
