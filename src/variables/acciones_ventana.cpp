// The main window's handlers of the variable distribution: opening the
// percentages window, placing one variable match's signs, hand edits of the
// variables table and the repeated-column check.
#include "slip/componentes.h"
#include "slip/ventana.h"

#include "variables/repeticiones.h"
#include "variables/reparto.h"
#include "variables/variables.h"
#include "widgets/busca_componente.h"
#include "widgets/componentevalor1x2.h"
#include "widgets/componentevalor1x2doble.h"
#include "widgets/mensajes.h"
#include "widgets/rejilla.h"

#include <QCheckBox>
#include <QLabel>

#include <array>

namespace {

Trejilla* tabla_1x2()
{
    return componente<Trejilla>(ventana_variables, QStringLiteral("tabla_1x2"));
}

// The variables table writes the draw as a capital X; the bet cells keep it
// lower case.
QString texto_de_tabla(QChar signo)
{
    return signo == QLatin1Char('x') ? QStringLiteral("X") : QString(signo);
}

// The percentages table is the only link from a row of the variables table
// back to its match: the first variable match of exactly that name.
int partido_de_nombre(const QString& nombre_partido)
{
    const Trejilla* porcentajes = tabla_1x2();
    for (int m = 1; m <= boleto::partidos; ++m)
        if (porcentajes->celda(0, m) == nombre_partido)
            return m;
    return 0;
}

QChar signo_de_boton(Qt::MouseButton boton)
{
    switch (boton) {
    case Qt::LeftButton: return QLatin1Char('1');
    case Qt::MiddleButton: return QLatin1Char('x');
    case Qt::RightButton: return QLatin1Char('2');
    default: return {};
    }
}

}  // namespace

// Rows of matches that are no longer variable lose their shares; the others
// keep theirs and take the current name.
void Tventana::boton_variablesClick()
{
    Trejilla* porcentajes = tabla_1x2();
    for (int m = 1; m <= boleto::partidos; ++m) {
        if (componentes::marca(this, m)->isChecked())
            porcentajes->pon_celda(0, m, componentes::etiqueta_partido(this, m)->text());
        else
            porcentajes->vacia_fila(m);
    }
    porcentajes->pon_celda(0, 0, QStringLiteral("        Partidos   (%)"));
    porcentajes->pon_celda(1, 0, QStringLiteral("  1"));
    porcentajes->pon_celda(2, 0, QStringLiteral("  X"));
    porcentajes->pon_celda(3, 0, QStringLiteral("  2"));
    ventana_variables->exec();
}

void Tventana::coloca_variables(const QString& nombre_partido, int partido, int c1, int cx, int c2)
{
    coloca_signos(nombre_partido, partido, reparto::coloca_signos({c1, cx, c2}, numero_apuestas()));
}

// The selector shows the set of signs used and is locked once it shows a
// set; a match that got one sign only keeps the selector's text as it was.
void Tventana::coloca_signos(const QString& nombre_partido, int partido, const std::vector<char>& signos)
{
    reparto::Cuentas cuentas;
    for (char signo : signos) {
        cuentas.c1 += signo == '1' ? 1 : 0;
        cuentas.cx += signo == 'x' ? 1 : 0;
        cuentas.c2 += signo == '2' ? 1 : 0;
    }
    auto* selector = componentes::selector(this, partido);
    const QString juego = reparto::juego_de_signos(cuentas);
    if (!juego.isEmpty())
        selector->set_signo1(juego);
    if (selector->signo1().size() > 1)
        selector->setTag(1);

    int fila = 0;
    while (fila < tabla_variables->filas() && !tabla_variables->celda(0, fila).isEmpty())
        ++fila;
    tabla_variables->pon_celda(0, fila, nombre_partido);

    for (int k = 1; k <= static_cast<int>(signos.size()); ++k) {
        const QChar signo = QLatin1Char(signos[static_cast<std::size_t>(k - 1)]);
        if (signo == QChar())
            continue;
        tabla_variables->pon_celda(k, fila, texto_de_tabla(signo));
        componentes::pon_signo_de_columna(this, partido, k, signo);
    }
}

// Left "1", middle "X", right "2", into one cell of the table and the one bet
// cell behind it. A row whose match is no longer variable (unmarked, and the
// percentages window opened since) has no bet cells to keep in step, so the
// press is refused rather than leaving the table and the slip apart.
void Tventana::tabla_variablesMouseDown(Qt::MouseButton boton, int x, int y)
{
    const int n = numero_apuestas();
    int k = 0;
    int fila = 0;
    if (!tabla_variables->celda_en({x, y}, k, fila) || k == 0 || k > n)
        return;
    const QString nombre_partido = tabla_variables->celda(0, fila);
    const QChar signo = signo_de_boton(boton);
    if (nombre_partido.isEmpty() || signo == QChar())
        return;
    const int partido = partido_de_nombre(nombre_partido);
    if (partido == 0)
        return;
    tabla_variables->pon_celda(k, fila, texto_de_tabla(signo));
    componentes::pon_signo_de_columna(this, partido, k, signo);
    comprueba_repeticiones();
}

void Tventana::comprueba_repeticiones()
{
    QList<QStringList> columnas;
    const int n = numero_apuestas();
    for (int k = 1; k <= n; ++k) {
        QStringList celdas;
        for (int fila = 0; fila < tabla_variables->filas(); ++fila)
            celdas.append(tabla_variables->celda(k, fila));
        columnas.append(celdas);
    }
    const QString pares = repeticiones::lista(columnas);
    if (!pares.isEmpty())
        Mensajes::muestra(QStringLiteral("Estan repetidas las columnas : ") + pares);
}
