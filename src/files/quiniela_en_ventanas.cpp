#include "files/quiniela_en_ventanas.h"

#include "matches/partidos.h"
#include "slip/componentes.h"
#include "slip/ventana.h"
#include "variables/variables.h"
#include "widgets/busca_componente.h"
#include "widgets/componentevalor1x2.h"
#include "widgets/componentegoles.h"
#include "widgets/componentevalor1x2doble.h"
#include "widgets/flechas.h"
#include "widgets/rejilla.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace quiniela_en_ventanas {

namespace {

using registro_quiniela::Quiniela;

Trejilla* tabla_partidos()
{
    return componente<Trejilla>(ventana_partidos, QStringLiteral("tabla_partidos"));
}

Trejilla* tabla_pleno()
{
    return componente<Trejilla>(ventana_partidos, QStringLiteral("tabla_pleno"));
}

Tgoles* goles(const QString& nombre_selector)
{
    return componente<Tgoles>(ventana, nombre_selector);
}

Trejilla* tabla_1x2()
{
    return componente<Trejilla>(ventana_variables, QStringLiteral("tabla_1x2"));
}

Trejilla* tabla_variables()
{
    return componentes::tabla_variables(ventana);
}

QComboBox* apuestas()
{
    return componentes::apuestas(ventana);
}

Tvalor1x2_doble* selector(int m)
{
    return componentes::selector(ventana, m);
}

QCheckBox* marca(int m)
{
    return componentes::marca(ventana, m);
}

Tvalor1x2* celda(int m, int c)
{
    return componentes::celda(ventana, m, c);
}

// Teams, match names and variable marks. Checking or unchecking a box runs
// its click handler, which resets the match's selector and bet cells.
void restaura_partidos(const Quiniela& quiniela)
{
    int k = 0;
    for (int m = 1; m <= boleto::partidos; ++m) {
        const int fila = m - 1;
        tabla_partidos()->pon_celda(1, fila, quiniela.equipos_local[fila]);
        tabla_partidos()->pon_celda(2, fila, quiniela.equipos_visitante[fila]);
        const QString partido = nombre_partido(tabla_partidos()->celda(1, fila), tabla_partidos()->celda(2, fila));
        componentes::etiqueta_partido(ventana, m)->setText(partido);
        if (quiniela.marcas_variables[fila]) {
            marca(m)->setChecked(true);
            tabla_1x2()->pon_celda(0, m, partido);
            tabla_variables()->pon_celda(0, k, partido);
            ++k;
        } else {
            marca(m)->setChecked(false);
            tabla_1x2()->pon_celda(0, m, QString());
        }
    }
    // Names left from an earlier slip would stand beside empty columns.
    for (int fila = k; fila < boleto::partidos; ++fila)
        tabla_variables()->pon_celda(0, fila, QString());
}

void restaura_signos(const Quiniela& quiniela)
{
    for (int m = 1; m <= boleto::partidos; ++m) {
        const int fila = m - 1;
        selector(m)->set_signo1(quiniela.signos_partido[fila]);
        tabla_1x2()->pon_celda(1, m, quiniela.porcentajes_1[fila]);
        tabla_1x2()->pon_celda(2, m, quiniela.porcentajes_x[fila]);
        tabla_1x2()->pon_celda(3, m, quiniela.porcentajes_2[fila]);
        if (apuestas()->isEnabled() && !quiniela.signos_partido[fila].isEmpty())
            apuestas()->setEnabled(false);
    }
    for (int c = 1; c <= boleto::huecos; ++c) {
        for (int m = 1; m <= boleto::partidos; ++m) {
            const int fila = m - 1;
            celda(m, c)->set_signo1(quiniela.signos_pagina1[fila][c - 1]);
            celda(m, c)->set_signo2(quiniela.signos_pagina2[fila][c - 1]);
            tabla_variables()->pon_celda(c, fila, quiniela.variables[c - 1][fila]);
            tabla_variables()->pon_celda(c + 8, fila, quiniela.variables[c + 7][fila]);
        }
    }
}

}  // namespace

Quiniela recoge()
{
    Quiniela quiniela;
    quiniela.indice_apuestas = apuestas()->currentIndex();
    quiniela.fecha = componente<QLineEdit>(ventana, QStringLiteral("fecha"))->text();
    for (int m = 1; m <= boleto::partidos; ++m) {
        const int fila = m - 1;
        quiniela.signos_partido[fila] = selector(m)->signo1();
        quiniela.marcas_variables[fila] = marca(m)->isChecked();
        quiniela.equipos_local[fila] = tabla_partidos()->celda(1, fila);
        quiniela.equipos_visitante[fila] = tabla_partidos()->celda(2, fila);
        quiniela.porcentajes_1[fila] = tabla_1x2()->celda(1, m);
        quiniela.porcentajes_x[fila] = tabla_1x2()->celda(2, m);
        quiniela.porcentajes_2[fila] = tabla_1x2()->celda(3, m);
    }
    for (int c = 1; c <= boleto::huecos; ++c) {
        for (int m = 1; m <= boleto::partidos; ++m) {
            const int fila = m - 1;
            quiniela.signos_pagina1[fila][c - 1] = celda(m, c)->signo1();
            quiniela.signos_pagina2[fila][c - 1] = celda(m, c)->signo2();
            quiniela.variables[c - 1][fila] = tabla_variables()->celda(c, fila);
            quiniela.variables[c + 7][fila] = tabla_variables()->celda(c + 8, fila);
        }
    }
    return quiniela;
}

void restaura(const Quiniela& quiniela)
{
    apuestas()->setCurrentIndex(quiniela.indice_apuestas);
    componente<Tflechas>(ventana, QStringLiteral("paginas"))->setEnabled(quiniela.indice_apuestas >= 3);
    componente<QLineEdit>(ventana, QStringLiteral("fecha"))->setText(quiniela.fecha);
    restaura_partidos(quiniela);
    restaura_signos(quiniela);
}

registro_pleno::Pleno recoge_pleno()
{
    return {tabla_pleno()->celda(1, 0), tabla_pleno()->celda(2, 0), goles(QStringLiteral("pleno_local"))->valor(),
            goles(QStringLiteral("pleno_visitante"))->valor()};
}

void restaura_pleno(const registro_pleno::Pleno& pleno)
{
    tabla_pleno()->pon_celda(1, 0, pleno.local);
    tabla_pleno()->pon_celda(2, 0, pleno.visitante);
    componente<QLabel>(ventana, QStringLiteral("partido15"))->setText(nombre_partido(pleno.local, pleno.visitante));
    goles(QStringLiteral("pleno_local"))->set_valor(pleno.goles_local);
    goles(QStringLiteral("pleno_visitante"))->set_valor(pleno.goles_visitante);
}

QByteArray contenido_archivo()
{
    return registro_quiniela::codifica(recoge()) + registro_pleno::codifica(recoge_pleno());
}

}  // namespace quiniela_en_ventanas
