// The Pleno al 15 on the hits window, the Especial category and the slip's
// winnings from the prize of one bet in each category, in euros.
#include "apoyo/apoyo.h"

#include "results/aciertos.h"
#include "results/importes.h"
#include "slip/ventana.h"
#include "widgets/componentegoles.h"
#include "widgets/componentevalor1x2.h"
#include "widgets/componentevalor1x2doble.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <optional>

namespace {

const QString catorce = QStringLiteral("1x21x21x21x21x");

// Presses the box of each goal (a blank leaves the selector empty).
void pulsa_goles(const QWidget* propietaria, const QString& raiz, const QString& goles)
{
    const QString lados[] = {QStringLiteral("_local"), QStringLiteral("_visitante")};
    for (int i = 0; i < 2; ++i) {
        if (goles[i] == QLatin1Char(' '))
            continue;
        auto* selector = widget_de<Tgoles>(propietaria, raiz + lados[i]);
        pulsa(selector, QPoint(13 * static_cast<int>(QStringLiteral("012M").indexOf(goles[i])) + 6, 10));
    }
}

QLabel* etiqueta(const char* nombre_etiqueta)
{
    return widget_de<QLabel>(ventana_aciertos, QString::fromLatin1(nombre_etiqueta));
}

QLineEdit* caja(int categoria)
{
    static const char* const nombres[] = {"premio_especial", "premio_1", "premio_2", "premio_3", "premio_4",
                                          "premio_5"};
    return widget_de<QLineEdit>(ventana_aciertos, QString::fromLatin1(nombres[categoria]));
}

}  // namespace

class Prueba_premios : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void importes_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<qint64>("centimos");  // -1: no amount
        QTest::newRow("miles") << QStringLiteral("1.234,56") << qint64(123456);
        QTest::newRow("millones") << QStringLiteral(" 1.234.567,8 ") << qint64(123456780);
        QTest::newRow("sin puntos") << QStringLiteral("1234,56") << qint64(123456);
        QTest::newRow("entero") << QStringLiteral("12") << qint64(1200);
        QTest::newRow("medio euro") << QStringLiteral("0,5") << qint64(50);
        QTest::newRow("vacio") << QString() << qint64(0);
        QTest::newRow("punto decimal") << QStringLiteral("12.34") << qint64(-1);
        QTest::newRow("tres decimales") << QStringLiteral("1,234") << qint64(-1);
        QTest::newRow("negativo") << QStringLiteral("-5") << qint64(-1);
        QTest::newRow("letras") << QStringLiteral("diez") << qint64(-1);
        QTest::newRow("coma sola") << QStringLiteral("12,") << qint64(-1);
        QTest::newRow("trece cifras") << QStringLiteral("1234567890123") << qint64(-1);
    }

    void importes()
    {
        QFETCH(QString, texto);
        QFETCH(qint64, centimos);
        const std::optional<qint64> leido = importes::centimos(texto);
        QCOMPARE(leido.value_or(-1), centimos);
        if (leido && !texto.trimmed().isEmpty())
            QCOMPARE(importes::centimos(importes::texto(*leido)), leido);
    }

    void importes_escritos()
    {
        QCOMPARE(importes::texto(0), QStringLiteral("0,00"));
        QCOMPARE(importes::texto(50), QStringLiteral("0,50"));
        QCOMPARE(importes::texto(100000), QStringLiteral("1.000,00"));
        QCOMPARE(importes::texto(247118678), QStringLiteral("2.471.186,78"));
    }

    // Four columns: two with 14 hits, one with 13 and one with 10. The
    // Pleno's forecast and result as two goals each (a blank for none).
    void especial_y_premio_data()
    {
        QTest::addColumn<QString>("pronostico");
        QTest::addColumn<QString>("resultado");
        QTest::addColumn<QStringList>("premios");
        QTest::addColumn<QString>("categorias");
        QTest::addColumn<QString>("premio");
        const QStringList premios = {QStringLiteral("1.234.567,89"), QStringLiteral("1.000"), QStringLiteral("50,5"),
                                     QString(), QString(), QStringLiteral("0,5")};
        const QString cuentas = QStringLiteral("14: 2 · 13: 1 · 12: 0 · 11: 0 · 10: 1");
        QTest::newRow("sin pleno") << QStringLiteral("  ") << QStringLiteral("  ") << premios << cuentas
                                   << QStringLiteral("Premio: 2.051,00 €");
        QTest::newRow("pleno acertado") << QStringLiteral("1M") << QStringLiteral("1M") << premios
                                        << QStringLiteral("Especial: 2 · ") + cuentas
                                        << QStringLiteral("Premio: 2.471.186,78 €");
        QTest::newRow("pleno fallado") << QStringLiteral("1M") << QStringLiteral("12") << premios
                                       << QStringLiteral("Especial: 0 · ") + cuentas
                                       << QStringLiteral("Premio: 2.051,00 €");
        QTest::newRow("resultado a medias") << QStringLiteral("1M") << QStringLiteral("1 ") << premios
                                            << QStringLiteral("Especial: - · ") + cuentas
                                            << QStringLiteral("Premio: 2.051,00 €");
        QTest::newRow("sin pronostico") << QStringLiteral("  ") << QStringLiteral("00") << premios
                                        << QStringLiteral("Especial: - · ") + cuentas
                                        << QStringLiteral("Premio: 2.051,00 €");
        QTest::newRow("nada que cobrar") << QStringLiteral("00") << QStringLiteral("00") << QStringList(6, QString())
                                         << QStringLiteral("Especial: 2 · ") + cuentas
                                         << QStringLiteral("Premio: 0,00 €");
    }

    void especial_y_premio()
    {
        QFETCH(QString, pronostico);
        QFETCH(QString, resultado);
        QFETCH(QStringList, premios);
        QFETCH(QString, categorias);
        QFETCH(QString, premio);
        Ventanas_de_prueba ventanas;
        elige_apuestas(4);
        for (const auto& [k, aciertos] : {std::pair {1, 14}, {2, 14}, {3, 13}, {4, 10}})
            columna_con(catorce, k, aciertos);
        pulsa_goles(ventana, QStringLiteral("pleno"), pronostico);
        al_abrirse(ventana_aciertos, [&] {
            QCOMPARE(widget_de<Tgoles>(ventana_aciertos, QStringLiteral("pronostico_pleno_local"))->valor(),
                     pronostico.left(1).trimmed());
            for (int m = 1; m <= 14; ++m)
                pulsa_signo(prueba::selector(m, ventana_aciertos), catorce[m - 1]);
            pulsa_goles(ventana_aciertos, QStringLiteral("resultado_pleno"), resultado);
            for (int i = 0; i < 6; ++i)
                QTest::keyClicks(caja(i), premios[i]);
            QCOMPARE(etiqueta("premio")->text(), QString());
            pulsa_boton(ventana_aciertos, QStringLiteral("boton_aciertos"));
            pulsa_boton(ventana_aciertos, QStringLiteral("boton_cerrar"));
        });
        pulsa_boton(ventana, QStringLiteral("boton_comprobar"));
        QCOMPARE(etiqueta("categorias")->text(), categorias);
        // Six categories named with the Especial, five without.
        QCOMPARE(etiqueta("categorias")->toolTip().count(QLatin1Char('\n')),
                 categorias.startsWith(QStringLiteral("Especial")) ? 5 : 4);
        QCOMPARE(etiqueta("premio")->text(), premio);

        pulsa_boton(ventana, QStringLiteral("Button1"));
        QCOMPARE(etiqueta("premio")->text(), QString());
        QCOMPARE(widget_de<Tgoles>(ventana_aciertos, QStringLiteral("resultado_pleno_local"))->valor(), QString());
    }

    // A box that holds no amount marks itself and holds the sum back; the
    // counts stay, and putting the box right brings the sum back at once.
    void un_importe_malo()
    {
        Ventanas_de_prueba ventanas;
        elige_apuestas(4);
        al_abrirse(ventana_aciertos, [] {
            QTest::keyClicks(caja(2), QStringLiteral("12.34"));
            pulsa_boton(ventana_aciertos, QStringLiteral("boton_aciertos"));
            QCOMPARE(etiqueta("premio")->text(), QStringLiteral("Premio: revisa los importes"));
            QCOMPARE(etiqueta("categorias")->text(), QStringLiteral("14: 0 · 13: 0 · 12: 0 · 11: 0 · 10: 0"));
            QVERIFY(!caja(2)->toolTip().isEmpty());
            QVERIFY(caja(1)->toolTip().isEmpty());
            QVERIFY(caja(2)->palette().color(QPalette::Base) != caja(1)->palette().color(QPalette::Base));
            caja(2)->setText(QStringLiteral("12,34"));
            QCOMPARE(etiqueta("premio")->text(), QStringLiteral("Premio: 0,00 €"));
            QVERIFY(caja(2)->toolTip().isEmpty());
            pulsa_boton(ventana_aciertos, QStringLiteral("boton_cerrar"));
        });
        pulsa_boton(ventana, QStringLiteral("boton_comprobar"));
    }
};

QTEST_MAIN(Prueba_premios)
#include "prueba_premios.moc"
