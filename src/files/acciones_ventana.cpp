// The main window's handlers of the bet files.
#include "slip/ventana.h"

void Tventana::Button2Click() {}
void Tventana::Button3Click() {}
