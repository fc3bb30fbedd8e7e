#pragma once

#include "printing/ajuste.h"
#include "printing/composicion.h"

namespace impresion {

// How far the adjustment moves every dot, in printer dots right and down.
struct Desplazamiento {
    int x;
    int y;
};
Desplazamiento desplazamiento(const Ajuste& ajuste, int dx, int dy);

// The dots that go into the boxes of the official slip fed into the printer:
// bet columns 1 to 8 in the first block, 9 to 16 in the second, 14 cm lower,
// and the Pleno's two forecasts once, when the adjustment says where their
// boxes are; every dot moved as the adjustment says.
// dx and dy are the printer's dots per inch.
Composicion composicion_quiniela(const Boleto& boleto, int dx, int dy, const Ajuste& ajuste = {});

// A sheet to hold against a slip in the light: a dot in every box of column
// 1 of both blocks and in the eight boxes of the Pleno, adjusted alike.
Composicion composicion_hoja_prueba(const Ajuste& ajuste, int dx, int dy);

}  // namespace impresion
