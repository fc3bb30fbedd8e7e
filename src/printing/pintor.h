#pragma once

#include "printing/composicion.h"

#include <QImage>

#include <functional>

class QPainter;

namespace impresion {

struct Laminas {
    QImage quiniela;
    QImage columna;
};

// Plays a list onto a painter that works in device dots: texts at 8 points,
// black on an opaque white box the size of their cell, in the device's
// default face until a change of face; pictures stretched to their
// rectangles; ellipses drawn with a one-dot black pen.
void reproduce(QPainter& pintor, const Composicion& operaciones, const Laminas& laminas);

// The width in dots of a text as reproduce draws it in the face "arial" on
// a device of dx, dy dots per inch.
int ancho_de_texto(const QString& texto, int dx, int dy);

// One document of one page, with an empty name, on the chosen printer. The
// list is composed once the document has begun, for the printer's own
// resolution. Throws Error_tolvera when there is no printer, or it cannot
// begin or end the document; a file printed into is replaced only by a whole
// document (printing/archivo_impresion.h).
void imprime(const std::function<Composicion(int dx, int dy)>& compone, const Laminas& laminas);

}  // namespace impresion
