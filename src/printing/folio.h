#pragma once

#include "printing/composicion.h"

namespace impresion {

// What the plain-sheet print shows besides the bet cells.
struct Folio {
    Boleto boleto;
    QString fecha;
    std::array<QString, boleto::partidos> partidos;    // names, empty for no match
    std::array<QString, boleto::partidos> selectores;  // base sign or set of signs
    std::array<bool, boleto::partidos> variables {};   // variable marks
};

// The whole slip on a plain sheet: the slip picture (twice from 9 bets up),
// the column picture with the base signs, the date, the numbered match names,
// an X for every sign of every printed column and for every variable match.
// dx and dy are the printer's dots per inch.
Composicion composicion_folio(const Folio& folio, int dx, int dy);

}  // namespace impresion
