#include "widgets/papel.h"

#include <QPalette>
#include <QWidget>

void sobre_papel(QWidget* widget)
{
    QPalette colores = widget->palette();
    for (const QPalette::ColorRole letra : {QPalette::WindowText, QPalette::Text})
        colores.setColor(letra, tinta());
    for (const QPalette::ColorRole fondo : {QPalette::Window, QPalette::Base})
        colores.setColor(fondo, Qt::white);
    widget->setPalette(colores);
}
