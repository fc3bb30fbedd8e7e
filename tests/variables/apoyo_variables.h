#pragma once

// What the tests of the variable distribution share: variable matches made as
// a user makes them, the percentages window opened with "variables", and the
// signs read back from the grids and the bet cells.

#include <QString>
#include <QStringList>

#include <functional>

class Trejilla;

// elige_apuestas of the shared support, with the pointer moved off first: a
// second choice of the same entry finds the pointer already on it, the move
// that unblocks the list's release never arrives, and the list stays open.
void elige_numero_de_apuestas(int apuestas);

// Names match m (as the matches window would) and checks its variable mark.
void marca_variable(int partido, const QString& nombre_partido);

// Opens the percentages window with "variables", runs `accion` inside it and
// closes it with "Cerrar". Check results after it returns: a failed check
// inside would leave the window open.
void en_porcentajes(const std::function<void()>& accion);

Trejilla* tabla_1x2();
Trejilla* tabla_variables();

// Shares as a bet file would leave them.
void pon_porcentajes(int partido, const QString& p1, const QString& px, const QString& p2);
// "35/32/33"
QString porcentajes_de(int partido);

// Cells 1 to `columnas` of a row of the variables table, '.' for an empty one.
QString fila_variables(int fila, int columnas = 16);
// Signs of bet columns 1 to 16 of a match, from its bet cells.
QString columnas_de(int partido);
QString selector_de(int partido);
