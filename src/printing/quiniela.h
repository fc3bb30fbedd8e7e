#pragma once

#include "printing/composicion.h"

namespace impresion {

// The dots that go into the boxes of the official slip fed into the printer:
// bet columns 1 to 8 in the first block, 9 to 16 in the second, 14 cm lower.
// dx and dy are the printer's dots per inch.
Composicion composicion_quiniela(const Boleto& boleto, int dx, int dy);

}  // namespace impresion
