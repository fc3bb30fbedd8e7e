#pragma once

#include "printing/folio.h"
#include "printing/pintor.h"

class Tventana;

// What the prints take from the main window at the moment of printing.
impresion::Boleto lee_boleto(const Tventana& ventana);
impresion::Folio lee_folio(const Tventana& ventana);

// The slip and column pictures as the main window shows them; one that could
// not be shown is decoded again here, so its error ends the print before any
// page goes out.
impresion::Laminas laminas_de(const Tventana& ventana);
