#include "slip/programa.h"

#include "matches/partidos.h"
#include "results/aciertos.h"
#include "slip/ventana.h"
#include "variables/variables.h"

#include <QApplication>
#include <QFont>

void crea_ventanas()
{
    // The windows are laid out to the pixel for an 8-point sans-serif face.
    QFont letra;
    letra.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    letra.setPointSize(8);
    QApplication::setFont(letra);

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
