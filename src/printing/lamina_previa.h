#pragma once

#include "printing/ajuste.h"
#include "printing/composicion.h"

#include <vector>

namespace impresion {

// Where the slip picture goes on the page so that its boxes lie under the
// dots of the official-slip print, for a printer of dx by dy dots per inch:
// once under the first block, and once more under the second when that many
// bets fill it. The adjustment moves it with the dots, as it stands for the
// slip where the user's printer really has it. Only the preview draws it: the
// paper slip has its own boxes.
std::vector<Rectangulo> laminas_bajo_puntos(int apuestas, int dx, int dy, const Ajuste& ajuste = {});

}  // namespace impresion
