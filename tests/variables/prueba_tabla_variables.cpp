// Hand edits of the variables table, the repeated-column warning, and how
// "Nuevo" and the variable marks meet the distribution.
#include "apoyo/apoyo.h"
#include "apoyo_variables.h"

#include "slip/ventana.h"
#include "variables/variables.h"
#include "widgets/busca_componente.h"
#include "widgets/componentevalor1x2doble.h"
#include "widgets/mensajes.h"
#include "widgets/rejilla.h"

#include <QTest>

namespace {

// A distribution of one or more matches, all with the same shares.
void distribuye(int apuestas, const QList<int>& partidos, const QString& p1, const QString& px, const QString& p2)
{
    elige_numero_de_apuestas(apuestas);
    for (int m : partidos) {
        marca_variable(m, nombre(QStringLiteral("Partido "), m));
        pon_porcentajes(m, p1, px, p2);
    }
    en_porcentajes([] { pulsa_boton(ventana_variables, QStringLiteral("Button3")); });
    Mensajes::olvida();
}

}  // namespace

class Prueba_tabla_variables : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void forma_de_la_tabla()
    {
        Ventanas_de_prueba ventanas;
        Trejilla* tabla = tabla_variables();
        QCOMPARE(QSize(tabla->columnas(), tabla->filas()), QSize(17, 14));
        QCOMPARE(tabla->ancho_columna(0), 180);
        QCOMPARE(tabla->ancho_columna(16), 30);
        QCOMPARE(tabla->alto_fila(13), 16);
    }

    void cada_boton_escribe_su_signo()
    {
        Ventanas_de_prueba ventanas;
        distribuye(12, {4}, QStringLiteral("34"), QStringLiteral("33"), QStringLiteral("33"));
        const QString antes = fila_variables(0);
        pulsa_celda(tabla_variables(), 10, 0, Qt::MiddleButton);
        pulsa_celda(tabla_variables(), 11, 0, Qt::LeftButton);
        pulsa_celda(tabla_variables(), 12, 0, Qt::RightButton);
        QCOMPARE(fila_variables(0), antes.left(9) + QStringLiteral("X12") + antes.mid(12));
        QCOMPARE(columnas_de(4).mid(9, 3), QStringLiteral("x12"));
        QCOMPARE(columnas_de(4).left(9), antes.left(9).replace(QLatin1Char('X'), QLatin1Char('x')));
        QCOMPARE(selector_de(4), QStringLiteral("1x2"));
    }

    void pulsaciones_que_no_cambian_nada()
    {
        Ventanas_de_prueba ventanas;
        distribuye(8, {2}, QStringLiteral("34"), QStringLiteral("33"), QStringLiteral("33"));
        const QString fila = fila_variables(0);
        const QString columnas = columnas_de(2);
        pulsa_celda(tabla_variables(), 9, 0, Qt::LeftButton);
        pulsa_celda(tabla_variables(), 0, 0, Qt::RightButton);
        pulsa_celda(tabla_variables(), 3, 1, Qt::LeftButton);
        QCOMPARE(fila_variables(0), fila);
        QCOMPARE(fila_variables(1), QString(16, QLatin1Char('.')));
        QCOMPARE(columnas_de(2), columnas);
        QCOMPARE(Mensajes::capturados(), QStringList());
    }

    void columnas_repetidas_tras_cada_cambio()
    {
        Ventanas_de_prueba ventanas;
        distribuye(4, {1}, QStringLiteral("34"), QStringLiteral("33"), QStringLiteral("33"));
        pulsa_celda(tabla_variables(), 1, 0, Qt::LeftButton);
        pulsa_celda(tabla_variables(), 2, 0, Qt::MiddleButton);
        pulsa_celda(tabla_variables(), 3, 0, Qt::LeftButton);
        pulsa_celda(tabla_variables(), 4, 0, Qt::MiddleButton);
        QCOMPARE(fila_variables(0, 4), QStringLiteral("1X1X"));
        QCOMPARE(columnas_de(1).left(4), QStringLiteral("1x1x"));
        const QString aviso = QStringLiteral("Estan repetidas las columnas : 1 y 3 , 2 y 4");
        QCOMPARE(Mensajes::capturados().last(), aviso);
        const qsizetype avisos = Mensajes::capturados().size();
        pulsa_celda(tabla_variables(), 4, 0, Qt::MiddleButton);
        QCOMPARE(Mensajes::capturados().size(), avisos + 1);
        QCOMPARE(Mensajes::capturados().last(), aviso);
    }

    // Unmarked after the distribution and the percentages window opened
    // since: the row has no match behind it any more.
    void fila_de_un_partido_que_ya_no_es_variable()
    {
        Ventanas_de_prueba ventanas;
        distribuye(8, {2}, QStringLiteral("34"), QStringLiteral("33"), QStringLiteral("33"));
        pulsa_marca(2);
        en_porcentajes([] {});
        const QString fila = fila_variables(0);
        pulsa_celda(tabla_variables(), 1, 0, Qt::RightButton);
        QCOMPARE(fila_variables(0), fila);
        QCOMPARE(columnas_de(2), QString(16, QLatin1Char('0')));
        QCOMPARE(Mensajes::capturados(), QStringList());
    }

    void dos_partidos_del_mismo_nombre_cambian_el_primero()
    {
        Ventanas_de_prueba ventanas;
        elige_numero_de_apuestas(4);
        for (int m : {3, 6}) {
            marca_variable(m, QStringLiteral("Igual - Igual"));
            pon_porcentajes(m, QStringLiteral("100"), QStringLiteral("0"), QStringLiteral("0"));
        }
        en_porcentajes([] { pulsa_boton(ventana_variables, QStringLiteral("Button3")); });
        pulsa_celda(tabla_variables(), 2, 1, Qt::RightButton);
        QCOMPARE(fila_variables(1, 4), QStringLiteral("1211"));
        QCOMPARE(columnas_de(3).left(4), QStringLiteral("1211"));
        QCOMPARE(columnas_de(6).left(4), QStringLiteral("1111"));
    }

    // "Nuevo" empties the variables table and unlocks the selectors but
    // leaves the percentages window alone; the marks it clears then cost
    // the shares at the next opening.
    void nuevo_tras_una_distribucion()
    {
        Ventanas_de_prueba ventanas;
        distribuye(6, {1, 2}, QStringLiteral("40"), QStringLiteral("30"), QStringLiteral("30"));
        pulsa_boton(ventana, QStringLiteral("Button1"));
        QCOMPARE(fila_variables(0), QString(16, QLatin1Char('.')));
        QCOMPARE(tabla_variables()->celda(0, 0), QString());
        QCOMPARE(selector_de(1), QStringLiteral("0"));
        QCOMPARE(widget_de<Tvalor1x2_doble>(ventana, QStringLiteral("signo1"))->Tag(), 0);
        QCOMPARE(porcentajes_de(1), QStringLiteral("40/30/30"));

        elige_numero_de_apuestas(6);
        en_porcentajes([] {});
        QCOMPARE(porcentajes_de(1), QStringLiteral("//"));
        marca_variable(1, QStringLiteral("Partido 1"));
        en_porcentajes([] { pulsa_boton(ventana_variables, QStringLiteral("Button3")); });
        QCOMPARE(Mensajes::capturados(), QStringList({QStringLiteral("faltan campos por rellenar")}));
    }
};

QTEST_MAIN(Prueba_tabla_variables)
#include "prueba_tabla_variables.moc"
