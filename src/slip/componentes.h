#pragma once

#include "common/boleto.h"

#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QWidget;
class Trejilla;
class Tvalor1x2;
class Tvalor1x2_doble;

// The one place that knows what the slip's widgets are called. Each accessor
// asks `ventana` (the main window, or the hits window for its own selectors)
// for the widget by name and throws, naming it, when there is none.
namespace componentes {

QString nombre_celda(int partido, int hueco);  // "signo3_col7"
QString nombre_selector(int partido);          // "signo3"
QString nombre_marca(int partido);             // "Checkvar3"
QString nombre_etiqueta_partido(int partido);  // "partido3"
QString nombre_numero_partido(int partido);    // row number: "Label1", then "Label3" for match 2 on

Tvalor1x2* celda(const QWidget* ventana, int partido, int hueco);
Tvalor1x2_doble* selector(const QWidget* ventana, int partido);
QCheckBox* marca(const QWidget* ventana, int partido);
QLabel* etiqueta_partido(const QWidget* ventana, int partido);
Trejilla* tabla_variables(const QWidget* ventana);
QComboBox* apuestas(const QWidget* ventana);

// The sign of bet column 1..16 of a match, from the page of the cell that holds it.
QChar signo_de_columna(const QWidget* ventana, int partido, int columna);
void pon_signo_de_columna(const QWidget* ventana, int partido, int columna, QChar signo);

}  // namespace componentes
