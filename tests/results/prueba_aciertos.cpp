// The hits window driven as a user does: "comprobar" copies the slip, the
// results are clicked on the window's own selectors, "ACIERTOS" counts the
// hits and the prizes by category and "cerrar" closes; "Nuevo" on the main
// window clears results, totals and prizes.
#include "apoyo/apoyo.h"

#include "results/aciertos.h"
#include "slip/ventana.h"
#include "widgets/busca_componente.h"
#include "widgets/componentevalor1x2.h"
#include "widgets/componentevalor1x2doble.h"
#include "widgets/rejilla.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

Trejilla* tabla()
{
    return widget_de<Trejilla>(ventana_aciertos, QStringLiteral("tabla_aciertos"));
}

Trejilla* totales()
{
    return widget_de<Trejilla>(ventana_aciertos, QStringLiteral("tabla_aciertos_finales"));
}

Tvalor1x2_doble* resultado(int m)
{
    return prueba::selector(m, ventana_aciertos);
}

using prueba::celda;

// The totals of bet columns 1 to 16, separated by blanks ("" for an empty cell).
QStringList fila_totales()
{
    QStringList fila;
    for (int c = 1; c <= 16; ++c)
        fila.append(totales()->celda(c, 0));
    return fila;
}

QStringList repite(int veces, const QString& texto)
{
    QStringList lista;
    for (int i = 0; i < veces; ++i)
        lista.append(texto);
    return lista;
}

// Brings a result selector to a sign ('0' for none) by clicking it.
void pon_resultado(int m, QChar signo)
{
    Tvalor1x2_doble* selector = resultado(m);
    if (selector->signo1() == QString(signo))
        return;
    pulsa_signo(selector, signo == QLatin1Char('0') ? selector->signo1().at(0) : signo);
}

QString resultados_puestos()
{
    QString signos;
    for (int m = 1; m <= 14; ++m)
        signos += resultado(m)->signo1();
    return signos;
}

// "comprobar", then on the open window: the results (14 signs, '0' for
// none, a blank to leave a selector as it is), "ACIERTOS" when asked, and
// "cerrar". `al_abrir` receives the totals the window showed on opening.
void comprueba(const QString& resultados, bool cuenta = true, QStringList* al_abrir = nullptr)
{
    if (resultados.size() != 14)
        qFatal("14 results expected, not %d", int(resultados.size()));
    al_abrirse(ventana_aciertos, [resultados, cuenta, al_abrir] {
        if (al_abrir)
            *al_abrir = fila_totales();
        for (int m = 1; m <= 14; ++m)
            if (resultados[m - 1] != QLatin1Char(' '))
                pon_resultado(m, resultados[m - 1]);
        if (cuenta)
            pulsa_boton(ventana_aciertos, QStringLiteral("boton_aciertos"));
        pulsa_boton(ventana_aciertos, QStringLiteral("boton_cerrar"));
    });
    pulsa_boton(ventana, QStringLiteral("boton_comprobar"));
}

void pon_base(const QString& signos)
{
    for (int m = 1; m <= 14; ++m)
        pulsa_selector(m, signos[m - 1]);
}

const QString catorce = QStringLiteral("1x21x21x21x21x");

}  // namespace

class Prueba_aciertos : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void disposicion()
    {
        Ventanas_de_prueba ventanas;
        QCOMPARE(ventana_aciertos->windowTitle(), QStringLiteral("Aciertos"));
        const int arriba[14] = {30, 48, 65, 83, 101, 119, 136, 155, 173, 191, 207, 225, 243, 261};
        for (int m = 1; m <= 14; ++m) {
            QCOMPARE(resultado(m)->mapTo(ventana_aciertos, QPoint(0, 0)), QPoint(36, arriba[m - 1]));
            QCOMPARE(resultado(m)->signo1(), QStringLiteral("0"));
        }
        auto* aciertos = widget_de<QPushButton>(ventana_aciertos, QStringLiteral("boton_aciertos"));
        QCOMPARE(aciertos->text(), QStringLiteral("ACIERTOS"));
        QCOMPARE(aciertos->geometry(), QRect(8, 296, 67, 25));
        auto* cerrar = widget_de<QPushButton>(ventana_aciertos, QStringLiteral("boton_cerrar"));
        QCOMPARE(cerrar->text(), QStringLiteral("cerrar"));
        QCOMPARE(cerrar->geometry(), QRect(308, 324, 75, 25));

        QCOMPARE(tabla()->geometry(), QRect(88, 8, 521, 273));
        QCOMPARE(totales()->geometry(), QRect(88, 296, 521, 21));
        QCOMPARE(tabla()->celda(0, 0), QString());
        QCOMPARE(tabla()->celda(1, 0), QStringLiteral(" 1"));
        QCOMPARE(tabla()->celda(16, 0), QStringLiteral(" 16"));
        QCOMPARE(totales()->celda(0, 0), QStringLiteral(" ACIERTOS "));
        QCOMPARE(fila_totales(), repite(16, QString()));
        // Each count stands under its bet column.
        for (int c = 0; c <= 16; ++c) {
            QCOMPARE(totales()->rect_celda(c, 0).left(), tabla()->rect_celda(c, 0).left());
            QCOMPARE(totales()->rect_celda(c, 0).width(), c == 0 ? 180 : 20);
        }
    }

    // All 16 columns are copied whatever the bets count; "x" becomes "X" and
    // no sign an empty cell. The main window is left as it was.
    void comprobar_copia_nombres_y_signos()
    {
        Ventanas_de_prueba ventanas;
        elige_apuestas(10);
        for (int m = 1; m <= 13; ++m)
            prueba::etiqueta_partido(m)
                ->setText(QStringLiteral("Local %1 - Visitante %1").arg(m));
        pon_base(catorce);
        celda(1, 4)->set_signo2(QLatin1Char('x'));  // column 12, past the bets count
        comprueba(QStringLiteral("              "), false);
        QVERIFY(!ventana_aciertos->isVisible());

        QCOMPARE(tabla()->celda(0, 1), QStringLiteral("Local 1 - Visitante 1"));
        QCOMPARE(tabla()->celda(0, 14), QString());
        for (int m = 1; m <= 14; ++m) {
            const QString signo = catorce.mid(m - 1, 1).toUpper();
            for (int c = 1; c <= 16; ++c) {
                const QString esperado = c <= 10 ? signo : (c == 12 && m == 1 ? QStringLiteral("X") : QString());
                QCOMPARE(tabla()->celda(c, m), esperado);
            }
            QCOMPARE(celda(m, 1)->signo1(), catorce[m - 1]);
        }
        QCOMPARE(celda(1, 4)->signo2(), QLatin1Char('x'));
        QCOMPARE(fila_totales(), repite(16, QString()));
    }

    void sin_resultados_cero_aciertos()
    {
        Ventanas_de_prueba ventanas;
        elige_apuestas(4);
        pon_base(catorce);
        comprueba(QStringLiteral("00000000000000"));
        QCOMPARE(fila_totales(), repite(4, QStringLiteral("0")) + repite(12, QString()));
    }

    // Results entered as "x" hit cells that show "X"; a match without a name
    // counts like any other.
    void catorce_aciertos()
    {
        Ventanas_de_prueba ventanas;
        elige_apuestas(6);
        pon_base(catorce);
        comprueba(catorce);
        QCOMPARE(resultados_puestos(), catorce);
        QCOMPARE(fila_totales(), repite(6, QStringLiteral("14")) + repite(10, QString()));

        // Match 2 cleared, match 3 and match 14 wrong.
        comprueba(QStringLiteral(" 01          1"));
        QCOMPARE(fila_totales(), repite(6, QStringLiteral("11")) + repite(10, QString()));
    }

    // A count with 16 bets, then 4: columns 5 to 16 keep the earlier counts,
    // and the window reopens with its results and totals as it was closed.
    void cuatro_apuestas_tras_dieciseis()
    {
        Ventanas_de_prueba ventanas;
        elige_apuestas(16);
        // As a loaded bet file would leave the cells.
        for (int m = 1; m <= 14; ++m)
            for (int c = 1; c <= 8; ++c) {
                celda(m, c)->set_signo1(QLatin1Char('1'));
                celda(m, c)->set_signo2(QLatin1Char('1'));
            }
        comprueba(QStringLiteral("11111000000000"));
        QCOMPARE(fila_totales(), repite(16, QStringLiteral("5")));

        elige_apuestas(4);
        pon_base(QStringLiteral("22222222222222"));
        QStringList al_abrir;
        comprueba(QStringLiteral("              "), true, &al_abrir);
        QCOMPARE(al_abrir, repite(16, QStringLiteral("5")));
        QCOMPARE(resultados_puestos(), QStringLiteral("11111000000000"));
        QCOMPARE(fila_totales(), repite(4, QStringLiteral("0")) + repite(12, QStringLiteral("5")));
    }

    // With no bets count the rule gives 2 columns.
    void sin_numero_de_apuestas()
    {
        Ventanas_de_prueba ventanas;
        for (int m = 1; m <= 14; ++m)
            for (int c = 1; c <= 8; ++c) {
                celda(m, c)->set_signo1(QLatin1Char('x'));
                celda(m, c)->set_signo2(QLatin1Char('x'));
            }
        comprueba(QStringLiteral("xxx00000000000"));
        QCOMPARE(fila_totales(), repite(2, QStringLiteral("3")) + repite(14, QString()));
    }

    // "Nuevo" empties the totals row, title included, and the results; the
    // copied table stays. A later count leaves the title cell empty.
    void nuevo_vacia_resultados_y_totales()
    {
        Ventanas_de_prueba ventanas;
        elige_apuestas(4);
        pon_base(catorce);
        comprueba(catorce);
        pulsa_boton(ventana, QStringLiteral("Button1"));
        QCOMPARE(resultados_puestos(), QStringLiteral("00000000000000"));
        QCOMPARE(fila_totales(), repite(16, QString()));
        QCOMPARE(totales()->celda(0, 0), QString());
        QCOMPARE(tabla()->celda(1, 2), QStringLiteral("X"));

        elige_apuestas(6);
        pon_base(QStringLiteral("11111111111111"));
        comprueba(QStringLiteral("1111111       "));
        QCOMPARE(fila_totales(), repite(6, QStringLiteral("7")) + repite(10, QString()));
        QCOMPARE(totales()->celda(0, 0), QString());
    }

    // Each played column wins the category of its own hits; columns past
    // the bets count win none. "Nuevo" empties the prizes with the totals.
    void premios_por_categoria_data()
    {
        QTest::addColumn<int>("apuestas");
        QTest::addColumn<QList<int>>("aciertos");
        QTest::addColumn<QString>("premios");
        QTest::newRow("catorce") << 4 << QList<int> {14, 14, 14, 14, 14, 14, 14, 14}
                                 << QStringLiteral("14: 4 · 13: 0 · 12: 0 · 11: 0 · 10: 0");
        QTest::newRow("una de cada") << 6 << QList<int> {14, 13, 12, 11, 10, 9, 14, 14}
                                     << QStringLiteral("14: 1 · 13: 1 · 12: 1 · 11: 1 · 10: 1");
        QTest::newRow("dieciséis") << 16 << QList<int> {13, 13, 12, 12, 12, 11, 11, 11, 11, 10, 10, 10, 10, 10, 9, 0}
                                   << QStringLiteral("14: 0 · 13: 2 · 12: 3 · 11: 4 · 10: 5");
    }

    void premios_por_categoria()
    {
        QFETCH(int, apuestas);
        QFETCH(QList<int>, aciertos);
        QFETCH(QString, premios);
        Ventanas_de_prueba ventanas;
        auto* categorias = widget_de<QLabel>(ventana_aciertos, QStringLiteral("categorias"));
        QCOMPARE(solapado(categorias), QString());
        QCOMPARE(categorias->toolTip(),
                 QStringLiteral("1.ª categoría: 14 aciertos\n2.ª categoría: 13 aciertos\n"
                                "3.ª categoría: 12 aciertos\n4.ª categoría: 11 aciertos\n"
                                "5.ª categoría: 10 aciertos"));
        QCOMPARE(categorias->text(), QString());

        elige_apuestas(apuestas);
        for (int k = 1; k <= aciertos.size(); ++k)
            columna_con(catorce, k, aciertos[k - 1]);
        comprueba(catorce);
        QCOMPARE(categorias->text(), premios);
        QVERIFY(categorias->fontMetrics().horizontalAdvance(premios) <= categorias->width());
        pulsa_boton(ventana, QStringLiteral("Button1"));
        QCOMPARE(categorias->text(), QString());
    }
};

QTEST_MAIN(Prueba_aciertos)
#include "prueba_aciertos.moc"
