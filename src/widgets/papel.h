#pragma once

#include <QColor>

class QWidget;

// The pictures of the slip are white paper. What is laid over them, and what
// stands for them, is ink on paper whatever the desktop's colours: a dark
// theme would otherwise write its light text onto the white boxes.
inline QColor tinta()
{
    return Qt::black;
}

// Black text on white paper as the widget's colours, in every state. A label
// over a picture shows no paper of its own; one that fills its background
// shows white.
void sobre_papel(QWidget* widget);
