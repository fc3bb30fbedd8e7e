#include "widgets/flechas.h"

#include <QHBoxLayout>
#include <QToolButton>

Tflechas::Tflechas(QWidget* padre, int minimo, int maximo)
    : QWidget(padre), minimo_(minimo), maximo_(maximo), posicion_(minimo)
{
    auto* disposicion = new QHBoxLayout(this);
    disposicion->setContentsMargins(0, 0, 0, 0);
    disposicion->setSpacing(0);
    menos_ = new QToolButton(this);
    menos_->setArrowType(Qt::LeftArrow);
    mas_ = new QToolButton(this);
    mas_->setArrowType(Qt::RightArrow);
    disposicion->addWidget(menos_);
    disposicion->addWidget(mas_);
    connect(menos_, &QToolButton::clicked, this, [this] { paso(-1); });
    connect(mas_, &QToolButton::clicked, this, [this] { paso(1); });
}

void Tflechas::pon_posicion(int posicion)
{
    posicion_ = qBound(minimo_, posicion, maximo_);
}

void Tflechas::paso(int cambio)
{
    pon_posicion(posicion_ + cambio);
    Q_EMIT clicked();
}
