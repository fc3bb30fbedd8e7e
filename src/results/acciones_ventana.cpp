// The main window's handler of the results checking.
#include "slip/ventana.h"

void Tventana::boton_comprobarClick() {}
