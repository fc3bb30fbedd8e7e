#pragma once

#include <QChar>

#include <array>

// The slip's sizes and where a bet column lives: column k of 1..16 is held
// by column slot k of the first block (page 1) up to 8, and by slot k - 8 of
// the second block (page 2) from 9.
namespace boleto {

constexpr int partidos = 14;
constexpr int huecos = 8;
constexpr int columnas = 2 * huecos;
constexpr QChar sin_signo = QLatin1Char('0');

constexpr int pagina_de_columna(int columna) { return columna <= huecos ? 1 : 2; }
constexpr int hueco_de_columna(int columna) { return columna <= huecos ? columna : columna - huecos; }

// The signs of one page's bet cells, [match - 1][column slot - 1].
using Signos_pagina = std::array<std::array<QChar, huecos>, partidos>;

constexpr Signos_pagina pagina_sin_signos()
{
    Signos_pagina pagina {};
    for (auto& fila : pagina)
        fila.fill(sin_signo);
    return pagina;
}

}  // namespace boleto
