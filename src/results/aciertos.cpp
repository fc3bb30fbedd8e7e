#include "results/aciertos.h"

Tventana_aciertos* ventana_aciertos = nullptr;

Tventana_aciertos::Tventana_aciertos()
    : Tventana_secundaria(QStringLiteral("Aciertos"), 629, 392)
{
    ventana_aciertos = this;
    setObjectName(QStringLiteral("ventana_aciertos"));
    move(106, 67);
}

Tventana_aciertos::~Tventana_aciertos()
{
    if (ventana_aciertos == this)
        ventana_aciertos = nullptr;
}

void Tventana_aciertos::vacia_resultado(int) {}
void Tventana_aciertos::vacia_totales() {}
