#pragma once

#include "common/boleto.h"

#include <QString>

#include <array>
#include <optional>

// A slip as the promise labels read it, and the texts they show.
namespace sistemas {

struct Boleto {
    // Played columns 1 to columnas; 0 while no bets count is chosen.
    int columnas = 0;
    // signos[m - 1][k - 1]: '1', 'x' or '2', anything else for no sign.
    std::array<std::array<char, boleto::columnas>, boleto::partidos> signos{};
    std::array<bool, boleto::partidos> variable{};
    // Shares of "1", "X" and "2" of the variable matches; nothing when a
    // share cell is empty or not a whole number.
    std::array<std::optional<std::array<int, 3>>, boleto::partidos> porcentajes;
};

struct Textos {
    QString garantia;
    QString probabilidades;
};

// "Garantía: 13 aciertos", empty while no bets count is chosen. Over every
// result made of each match's played signs, a match without one a miss.
// "14: 3,7 % · 13: 25,9 % · 12: 42,0 % · 11: 21,5 % · 10: 5,9 %": the
// variable matches drawn from their shares, every other match's result one
// of its played signs (so "if the fixed matches are right"); empty while a
// variable match has no shares to draw from.
Textos promete(const Boleto& boleto);

}  // namespace sistemas
