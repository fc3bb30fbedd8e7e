#include "slip/programa.h"

#include "matches/partidos.h"
#include "results/aciertos.h"
#include "sistemas/promesa.h"
#include "slip/ventana.h"
#include "variables/variables.h"
#include "widgets/busca_componente.h"
#include "widgets/letras.h"
#include "widgets/rejilla.h"

#include <QApplication>

void crea_ventanas()
{
    // Each window sets its face itself; the application's font is for what
    // no window sets, such as message boxes and the printer's canvas.
    QApplication::setFont(letra_ventanas());

    new Tventana;
    new Tventana_partidos;
    new Tventana_variables;
    new Tventana_aciertos;
    // The promise labels read the shares, so they come once both windows are there.
    new Tpromesa(ventana, componente<Trejilla>(ventana_variables, QStringLiteral("tabla_1x2")));
    ventana->vigila_cambios();
}

void destruye_ventanas()
{
    delete ventana_aciertos;
    delete ventana_variables;
    delete ventana_partidos;
    delete ventana;
}
