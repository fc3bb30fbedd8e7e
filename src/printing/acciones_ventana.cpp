// The main window's handlers of the prints.
#include "slip/ventana.h"

void Tventana::print1Click() {}
void Tventana::print2Click() {}
