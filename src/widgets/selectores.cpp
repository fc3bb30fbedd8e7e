#include "widgets/selectores.h"

#include "geometria_laminas.h"
#include "widgets/busca_componente.h"
#include "widgets/componentevalor1x2doble.h"

void crea_selectores(QWidget* padre, QPoint imagen)
{
    for (int m = 1; m <= 14; ++m) {
        auto* selector = new Tvalor1x2_doble(padre);
        selector->setObjectName(nombre(QStringLiteral("signo"), m));
        selector->move(imagen + QPoint(laminas::selector_izquierda, laminas::selector_arriba[m - 1]));
    }
}
