#pragma once

#include "printing/composicion.h"

namespace impresion {

// Where the slip picture goes on the page so that its boxes lie under the
// dots of the official-slip print, for a printer of dx by dy dots per inch.
// Only the preview draws it there: the paper slip carries its own boxes.
Rectangulo lamina_bajo_puntos(int dx, int dy);

}  // namespace impresion
