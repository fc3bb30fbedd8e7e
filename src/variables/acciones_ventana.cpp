// The main window's handlers of the variable distribution.
#include "slip/ventana.h"

void Tventana::boton_variablesClick() {}
void Tventana::coloca_variables(const QString&, int, int, int, int) {}
void Tventana::tabla_variablesMouseDown(Qt::MouseButton, int, int) {}
void Tventana::comprueba_repeticiones() {}
