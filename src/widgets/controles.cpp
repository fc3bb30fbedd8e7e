#include "widgets/controles.h"

#include <QLabel>
#include <QPushButton>

QPushButton* crea_boton(QWidget* padre, const QString& nombre, const QString& caption, QRect sitio)
{
    auto* pulsador = new QPushButton(caption, padre);
    pulsador->setObjectName(nombre);
    pulsador->setGeometry(sitio);
    pulsador->setAutoDefault(false);
    return pulsador;
}

QLabel* crea_etiqueta(QWidget* padre, const QString& nombre, const QString& caption, QPoint sitio)
{
    auto* label = new QLabel(caption, padre);
    label->setObjectName(nombre);
    label->move(sitio);
    label->adjustSize();
    return label;
}
