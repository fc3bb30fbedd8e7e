#include "slip/programa.h"

#include "matches/partidos.h"
#include "results/aciertos.h"
#include "slip/ventana.h"
#include "variables/variables.h"
#include "widgets/letras.h"

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
    ventana->vigila_cambios();
}

void destruye_ventanas()
{
    delete ventana_aciertos;
    delete ventana_variables;
    delete ventana_partidos;
    delete ventana;
}
