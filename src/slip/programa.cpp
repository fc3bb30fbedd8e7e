#include "slip/programa.h"

#include "matches/partidos.h"
#include "results/aciertos.h"
#include "slip/ventana.h"
#include "variables/variables.h"

void crea_ventanas()
{
    new Tventana;
    new Tventana_partidos;
    new Tventana_variables;
    new Tventana_aciertos;
}

void destruye_ventanas()
{
    delete ventana_aciertos;
    delete ventana_variables;
    delete ventana_partidos;
    delete ventana;
}
