#include "widgets/selectores.h"

#include "common/geometria_laminas.h"
#include "slip/componentes.h"
#include "widgets/componentevalor1x2doble.h"

void crea_selectores(QWidget* padre, QPoint imagen)
{
    for (int m = 1; m <= boleto::partidos; ++m) {
        auto* selector = new Tvalor1x2_doble(padre);
        selector->setObjectName(componentes::nombre_selector(m));
        selector->move(imagen + QPoint(laminas::selector_izquierda, laminas::selector_arriba[m - 1]));
    }
}
