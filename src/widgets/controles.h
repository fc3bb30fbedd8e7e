#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// Buttons and labels at the fixed places of the window layouts, named as the
// handlers find them. No button is a default one: Return does only what the
// widget with the focus does with it, and never presses a button of the window.
QPushButton* crea_boton(QWidget* padre, const QString& nombre, const QString& caption, QRect sitio);

// A label as wide and high as its caption.
QLabel* crea_etiqueta(QWidget* padre, const QString& nombre, const QString& caption, QPoint sitio);
