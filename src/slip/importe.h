#pragma once

#include <QString>

// What one bet of the pools costs, in euro cents.
constexpr int precio_apuesta_centimos = 75;

// The price of a slip of that many bets as a Spaniard writes it: "Importe: 9,00 €".
QString texto_importe(int apuestas);
