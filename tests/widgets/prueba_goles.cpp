// The goal selector of the Pleno al 15 pressed with the mouse: quarters,
// clearing, and the values it takes by program.
#include "apoyo/apoyo.h"

#include "widgets/componentegoles.h"

#include <QTest>

class Prueba_goles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // 52 pixels: 0-13 give "0", 14-26 "1", 27-39 "2", 40-51 "M".
    void los_cuartos_de_52_pixeles()
    {
        QWidget padre;
        Tgoles goles(&padre);
        QCOMPARE(goles.width(), 52);
        QCOMPARE(goles.property("valor").toString(), QString());
        QString elegidos;
        for (int x = 0; x < goles.width(); ++x) {
            goles.set_valor(QString());
            pulsa(&goles, QPoint(x, 5));
            elegidos += goles.valor();
        }
        QCOMPARE(elegidos, QString(14, QLatin1Char('0')) + QString(13, QLatin1Char('1'))
                               + QString(13, QLatin1Char('2')) + QString(12, QLatin1Char('M')));
    }

    // A press on the chosen box clears it, one on another box moves the X;
    // every press is told to the owner after the value changed.
    void pulsaciones_eligen_cambian_y_borran()
    {
        QWidget padre;
        Tgoles goles(&padre);
        QStringList vistos;
        connect(&goles, &Tetiqueta_marcas::OnMouseDown, &goles, [&] { vistos += goles.valor(); });
        for (const int x : {45, 45, 20, 33, 33, 5})
            pulsa(&goles, QPoint(x, 10));
        QCOMPARE(vistos, (QStringList {QStringLiteral("M"), QString(), QStringLiteral("1"), QStringLiteral("2"),
                                       QString(), QStringLiteral("0")}));
        QCOMPARE(goles.Caption(), QStringLiteral("X   "));
    }

    void valores_por_programa_data()
    {
        QTest::addColumn<QString>("escrito");
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QString>("caption");
        QTest::newRow("M") << QStringLiteral("M") << QStringLiteral("M") << QStringLiteral("   X");
        QTest::newRow("2") << QStringLiteral("2") << QStringLiteral("2") << QStringLiteral("  X ");
        QTest::newRow("vacio") << QString() << QString() << QStringLiteral("    ");
        QTest::newRow("minuscula") << QStringLiteral("m") << QString() << QStringLiteral("    ");
        QTest::newRow("tres") << QStringLiteral("3") << QString() << QStringLiteral("    ");
        QTest::newRow("dos letras") << QStringLiteral("01") << QString() << QStringLiteral("    ");
    }

    void valores_por_programa()
    {
        QFETCH(QString, escrito);
        QFETCH(QString, valor);
        QFETCH(QString, caption);
        QWidget padre;
        Tgoles goles(&padre);
        goles.set_valor(QStringLiteral("0"));
        QVERIFY(goles.setProperty("valor", escrito));
        QCOMPARE(goles.valor(), valor);
        QCOMPARE(goles.Caption(), caption);
    }
};

QTEST_MAIN(Prueba_goles)
#include "prueba_goles.moc"
