#pragma once

#include "printing/composicion.h"

#include <vector>

namespace impresion {

// Where the slip picture goes on the page so that its boxes lie under the
// dots of the official-slip print, for a printer of dx by dy dots per inch:
// once under the first block, and once more under the second when that many
// bets fill it. Only the preview draws it: the paper slip has its own boxes.
std::vector<Rectangulo> laminas_bajo_puntos(int apuestas, int dx, int dy);

}  // namespace impresion
