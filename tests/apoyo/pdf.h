#pragma once

// Prints read back as pixels: the PDF a print left, turned into pictures by
// poppler's tools, and the tests of ink and paper on them.

#include <QImage>
#include <QList>
#include <QRgb>
#include <QString>
#include <QStringList>

// The standard output of a poppler tool; a missing tool or a failed run ends
// the test run, naming it.
QString ejecuta(const char* nombre_programa, const QStringList& argumentos);

// Every page of the PDF at `puntos_por_pulgada`, in order.
QList<QImage> rasteriza(const QString& pdf, int puntos_por_pulgada);

bool blanco(QRgb color);
bool oscuro(QRgb color);
