// The dots on the official slip, computed without a printer: the worked
// example at 600 dots per inch, the blocks printed per bets count and the
// rounding of every coordinate.
#include "apoyo/apoyo.h"
#include "printing/quiniela.h"

#include <QTest>

using namespace impresion;

namespace {

Boleto boleto_vacio(int apuestas)
{
    Boleto boleto;
    boleto.apuestas = apuestas;
    return boleto;
}

Rectangulo punto(int x, int y)
{
    return {x, y, x + 47, y + 47};
}

}  // namespace

class Prueba_composicion_quiniela : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void redondeo_a_par()
    {
        QCOMPARE(R(0.5L), 0);
        QCOMPARE(R(1.5L), 2);
        QCOMPARE(R(2.5L), 2);
        QCOMPARE(R(-1.5L), -2);
        QCOMPARE(R(-2.5L), -2);
        QCOMPARE(R(2.4999L), 2);
        QCOMPARE(R(2.5001L), 3);
        QCOMPARE(R(1341.0L), 1341);
    }

    // Every coordinate the worked example gives: rows of matches 1 and 14,
    // the boxes of columns 1 and 8, the dot size and the second block.
    void ejemplo_600_puntos_por_pulgada()
    {
        Boleto boleto = boleto_vacio(16);
        boleto.signo1[0][0] = QLatin1Char('1');
        boleto.signo2[0][0] = QLatin1Char('x');
        boleto.signo1[13][0] = QLatin1Char('2');
        boleto.signo1[0][7] = QLatin1Char('x');
        boleto.signo2[0][7] = QLatin1Char('1');
        boleto.signo1[13][7] = QLatin1Char('2');

        const Composicion operaciones = composicion_quiniela(boleto, 600, 600);
        QVERIFY(std::holds_alternative<Relleno_negro>(operaciones.front()));
        const std::vector<Rectangulo> esperados = {
            punto(1812, 1341),         // column 1, match 1, "1"
            punto(1902, 1341 + 3307),  // column 9, match 1, "x"
            punto(1991, 2891),         // column 1, match 14, "2"
            punto(3754, 1341),         // column 8, match 1, "x"
            punto(3664, 1341 + 3307),  // column 16, match 1, "1"
            punto(3843, 2891),         // column 8, match 14, "2"
        };
        QCOMPARE(puntos(operaciones), esperados);
    }

    void ocho_apuestas_o_menos_un_bloque()
    {
        Boleto boleto = boleto_vacio(8);
        for (auto& fila : boleto.signo1)
            fila.fill(QLatin1Char('1'));
        for (auto& fila : boleto.signo2)
            fila.fill(QLatin1Char('2'));
        const std::vector<Rectangulo> rects = puntos(composicion_quiniela(boleto, 600, 600));
        QCOMPARE(rects.size(), size_t(8 * 14));
        for (const Rectangulo& r : rects) {
            QVERIFY(r.abajo <= 2891 + 47);
            QVERIFY(r.izquierda != 1991);
        }
    }

    // Column slots outer, matches inner, and each cell's second block right
    // after its first.
    void diez_apuestas_segundo_bloque_desde_pagina_2()
    {
        Boleto boleto = boleto_vacio(10);
        boleto.signo1[0][0] = QLatin1Char('1');
        boleto.signo2[0][0] = QLatin1Char('2');
        boleto.signo2[0][1] = QLatin1Char('x');
        boleto.signo2[13][7] = QLatin1Char('1');
        const std::vector<Rectangulo> esperados = {
            punto(1812, 1341),
            punto(1991, 1341 + 3307),
            punto(2166, 1341 + 3307),
            punto(3664, 2891 + 3307),
        };
        QCOMPARE(puntos(composicion_quiniela(boleto, 600, 600)), esperados);
    }

    void cuatro_apuestas_y_ninguna_elegida()
    {
        // The "x" box of the last slot looked at: 2166 for slot 2, 2695 for 4, 3224 for 6.
        for (const auto& [apuestas, x_ultima] : {std::pair {4, 2695}, {2, 2166}, {6, 3224}}) {
            Boleto boleto = boleto_vacio(apuestas);
            for (auto& fila : boleto.signo1)
                fila.fill(QLatin1Char('x'));
            for (auto& fila : boleto.signo2)
                fila.fill(QLatin1Char('x'));
            const std::vector<Rectangulo> rects = puntos(composicion_quiniela(boleto, 600, 600));
            QCOMPARE(rects.size(), size_t(apuestas * 14));
            QCOMPARE(rects.back().izquierda, x_ultima);
            QCOMPARE(rects.back().arriba, 2891);
        }
    }

    // The "x" of column 3 at R(3 x kx x 1.12 + kx x 6.93), here 1215.
    void otra_resolucion_en_cada_eje()
    {
        Boleto boleto = boleto_vacio(10);
        boleto.signo1[0][0] = QLatin1Char('1');
        boleto.signo2[0][2] = QLatin1Char('x');
        const std::vector<Rectangulo> esperados = {{906, 1609, 906 + 24, 1609 + 57},
                                                  {1215, 1609 + 3968, 1215 + 24, 1609 + 3968 + 57}};
        QCOMPARE(puntos(composicion_quiniela(boleto, 300, 720)), esperados);
    }

    // Only a damaged file brings such signs; they print nothing.
    void signos_desconocidos_no_imprimen()
    {
        Boleto boleto = boleto_vacio(16);
        boleto.signo1[0][0] = QLatin1Char('X');
        boleto.signo1[1][1] = QLatin1Char('a');
        boleto.signo2[2][2] = QChar();
        boleto.signo2[3][3] = QLatin1Char(' ');
        const Composicion operaciones = composicion_quiniela(boleto, 600, 600);
        QCOMPARE(operaciones.size(), size_t(1));
    }
};

QTEST_APPLESS_MAIN(Prueba_composicion_quiniela)
#include "prueba_composicion_quiniela.moc"
