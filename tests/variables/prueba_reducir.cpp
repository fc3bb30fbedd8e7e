// "Reducir" in the percentages window, the promise labels of the main
// window, and shares typed into the percentages table.
#include "apoyo/apoyo.h"
#include "apoyo_variables.h"

#include "common/aleatorio.h"
#include "slip/ventana.h"
#include "variables/variables.h"
#include "widgets/busca_componente.h"
#include "widgets/componentevalor1x2doble.h"
#include "widgets/mensajes.h"
#include "widgets/rejilla.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

QString texto_de(const QString& etiqueta)
{
    QApplication::processEvents();
    return widget_de<QLabel>(ventana, etiqueta)->text();
}

// Ten bets, matches 1 to 4 variable triples with shares, the other ten "1".
void cuatro_triples()
{
    elige_numero_de_apuestas(10);
    for (int m = 5; m <= 14; ++m)
        pulsa_selector(m, QLatin1Char('1'));
    const QStringList porcentajes = {QStringLiteral("50/30/20"), QStringLiteral("40/35/25"),
                                     QStringLiteral("34/33/33"), QStringLiteral("20/30/50")};
    for (int m = 1; m <= 4; ++m) {
        marca_variable(m, nombre(QStringLiteral("Partido "), m));
        const QStringList p = porcentajes[m - 1].split(QLatin1Char('/'));
        pon_porcentajes(m, p[0], p[1], p[2]);
    }
}

QStringList filas_variables()
{
    QStringList filas;
    for (int fila = 0; fila < 5; ++fila)
        filas.append(tabla_variables()->celda(0, fila) + QLatin1Char(':') + fila_variables(fila));
    return filas;
}

QStringList tras_resultados(bool reducir_antes)
{
    Ventanas_de_prueba ventanas;
    cuatro_triples();
    en_porcentajes([reducir_antes] {
        if (reducir_antes)
            pulsa_boton(ventana_variables, QStringLiteral("boton_reducir"));
        pulsa_boton(ventana_variables, QStringLiteral("Button3"));
    });
    return filas_variables();
}

}  // namespace

class Prueba_reducir : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Nine of the ten columns are the ternary Hamming code; fixed matches
    // keep their "1" and no number is drawn.
    void cuatro_triples_en_diez_columnas_garantizan_13()
    {
        Ventanas_de_prueba ventanas;
        QCOMPARE(widget(ventana_variables, QStringLiteral("boton_reducir"))->geometry(), QRect(376, 140, 73, 49));
        QCOMPARE(widget_de<QPushButton>(ventana_variables, QStringLiteral("boton_reducir"))->text(),
                 QStringLiteral("Reducir"));
        cuatro_triples();
        QStringList primera;
        en_porcentajes([&] {
            pulsa_boton(ventana_variables, QStringLiteral("boton_reducir"));
            primera = filas_variables();
            pulsa_boton(ventana_variables, QStringLiteral("boton_reducir"));
        });
        QCOMPARE(aleatorio::semilla(), 0u);
        QCOMPARE(filas_variables(), primera);
        QCOMPARE(Mensajes::capturados(), QStringList());
        QCOMPARE(texto_de(QStringLiteral("garantia")), QStringLiteral("Garantía: 13 aciertos"));
        for (int m = 1; m <= 4; ++m) {
            QCOMPARE(tabla_variables()->celda(0, m - 1), nombre(QStringLiteral("Partido "), m));
            QVERIFY(fila_variables(m - 1).left(10).count(QLatin1Char('.')) == 0);
            QCOMPARE(fila_variables(m - 1).mid(10), QString(6, QLatin1Char('.')));
            QCOMPARE(columnas_de(m), fila_variables(m - 1, 10).toLower() + QString(6, QLatin1Char('0')));
            QCOMPARE(selector_de(m), QStringLiteral("1x2"));
            QCOMPARE(widget_de<Tvalor1x2_doble>(ventana, nombre(QStringLiteral("signo"), m))->Tag(), 1);
        }
        for (int m = 5; m <= 14; ++m)
            QCOMPARE(columnas_de(m), QStringLiteral("1111111111000000"));
    }

    void resultados_tras_reducir_reparte_igual()
    {
        QCOMPARE(tras_resultados(true), tras_resultados(false));
    }

    // Missing shares stop "Reducir" before it writes anything.
    void sin_porcentajes_no_cambia_nada()
    {
        Ventanas_de_prueba ventanas;
        cuatro_triples();
        pon_porcentajes(3, QString(), QString(), QString());
        en_porcentajes([] { pulsa_boton(ventana_variables, QStringLiteral("boton_reducir")); });
        QCOMPARE(Mensajes::capturados(), QStringList({QStringLiteral("faltan campos por rellenar")}));
        QCOMPARE(tabla_variables()->celda(0, 0), QString());
        QCOMPARE(columnas_de(1), QString(16, QLatin1Char('0')));
    }

    void las_etiquetas_siguen_al_boleto()
    {
        Ventanas_de_prueba ventanas;
        for (const QString& etiqueta : {QStringLiteral("garantia"), QStringLiteral("probabilidades")}) {
            QCOMPARE(texto_de(etiqueta), QString());
            QCOMPARE(solapado(widget(ventana, etiqueta)), QString());
        }
        elige_numero_de_apuestas(4);
        QCOMPARE(texto_de(QStringLiteral("garantia")), QStringLiteral("Garantía: 0 aciertos"));
        for (int m = 1; m <= 14; ++m)
            pulsa_selector(m, QLatin1Char('x'));
        QCOMPARE(texto_de(QStringLiteral("garantia")), QStringLiteral("Garantía: 14 aciertos"));
        QCOMPARE(texto_de(QStringLiteral("probabilidades")),
                 QStringLiteral("14: 100,0 % · 13: 0,0 % · 12: 0,0 % · 11: 0,0 % · 10: 0,0 %"));
        // A new variable mark blanks the match and has no shares yet.
        marca_variable(2, QStringLiteral("B - B"));
        QCOMPARE(texto_de(QStringLiteral("garantia")), QStringLiteral("Garantía: 13 aciertos"));
        QCOMPARE(texto_de(QStringLiteral("probabilidades")), QString());
        pon_porcentajes(2, QStringLiteral("50"), QStringLiteral("0"), QStringLiteral("50"));
        en_porcentajes([] { pulsa_boton(ventana_variables, QStringLiteral("Button3")); });
        QCOMPARE(texto_de(QStringLiteral("garantia")), QStringLiteral("Garantía: 14 aciertos"));
        // A hand edit that leaves "2" unplayed: half the results miss it.
        for (int k = 1; k <= 4; ++k)
            pulsa_celda(tabla_variables(), k, 0, Qt::LeftButton);
        QCOMPARE(texto_de(QStringLiteral("garantia")), QStringLiteral("Garantía: 14 aciertos"));
        QCOMPARE(texto_de(QStringLiteral("probabilidades")),
                 QStringLiteral("14: 50,0 % · 13: 50,0 % · 12: 0,0 % · 11: 0,0 % · 10: 0,0 %"));
        pulsa_boton(ventana, QStringLiteral("Button1"));
        QCOMPARE(texto_de(QStringLiteral("garantia")), QString());
        QCOMPARE(texto_de(QStringLiteral("probabilidades")), QString());
    }

    // The first digit replaces the share, the next ones add to it; Tab and
    // Enter go on to the next share, then the next variable match.
    void porcentajes_tecleados()
    {
        Ventanas_de_prueba ventanas;
        marca_variable(2, QStringLiteral("B - B"));
        marca_variable(6, QStringLiteral("F - F"));
        en_porcentajes([] {
            Trejilla* tabla = tabla_1x2();
            pulsa_celda(tabla, 1, 2, Qt::MiddleButton);
            QTest::keyClicks(tabla, QStringLiteral("50"));
            QTest::keyClick(tabla, Qt::Key_Tab);
            QTest::keyClicks(tabla, QStringLiteral("3a0"));
            QTest::keyClick(tabla, Qt::Key_Return);
            QTest::keyClicks(tabla, QStringLiteral("2"));
            QTest::keyClick(tabla, Qt::Key_Enter);
            QTest::keyClicks(tabla, QStringLiteral("700"));
            QTest::keyClick(tabla, Qt::Key_Tab);
            QTest::keyClick(tabla, Qt::Key_Tab);
            QTest::keyClicks(tabla, QStringLiteral("9"));
        });
        QCOMPARE(porcentajes_de(2), QStringLiteral("50/30/2"));
        QCOMPARE(porcentajes_de(6), QStringLiteral("70/0/9"));
        QCOMPARE(porcentajes_de(3), QStringLiteral("//"));
    }
};

QTEST_MAIN(Prueba_reducir)
#include "prueba_reducir.moc"
