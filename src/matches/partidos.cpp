#include "matches/partidos.h"

Tventana_partidos* ventana_partidos = nullptr;

Tventana_partidos::Tventana_partidos()
    : Tventana_secundaria(QStringLiteral("Partidos"), 512, 466)
{
    ventana_partidos = this;
    setObjectName(QStringLiteral("ventana_partidos"));
}

Tventana_partidos::~Tventana_partidos()
{
    if (ventana_partidos == this)
        ventana_partidos = nullptr;
}

void Tventana_partidos::vacia_equipos() {}
