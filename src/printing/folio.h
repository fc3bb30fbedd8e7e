#pragma once

#include "printing/composicion.h"

#include <functional>

namespace impresion {

// What the plain-sheet print shows besides the bet cells.
struct Folio {
    Boleto boleto;
    QString fecha;
    std::array<QString, boleto::partidos> partidos;    // names, empty for no match
    std::array<QString, boleto::partidos> selectores;  // base sign or set of signs
    std::array<bool, boleto::partidos> variables {};   // variable marks
    // The width in printer dots of a text in the face the names print in,
    // at (dx, dy) dots per inch; names wider than their room are cut to fit
    // with it. Without it, names print whole.
    std::function<int(const QString& texto, int dx, int dy)> ancho_de_texto;
};

// The whole slip on a plain sheet: the slip picture (twice from 9 bets up),
// the column picture with the base signs, the date, the numbered match names,
// an X for every sign of every printed column and for every variable match,
// and the Pleno's line under the matches. A name wider than its room ends in
// "…" before its dotted label.
// dx and dy are the printer's dots per inch.
Composicion composicion_folio(const Folio& folio, int dx, int dy);

}  // namespace impresion
