// Shares into counts, counts into columns, and the list of alike columns.
#include "common/aleatorio.h"
#include "variables/porcentajes.h"
#include "variables/repeticiones.h"
#include "variables/reparto.h"

#include <QTest>

using reparto::Cuentas;
using reparto::Porcentajes;

Q_DECLARE_METATYPE(Porcentajes)
Q_DECLARE_METATYPE(Cuentas)

namespace {

QString texto(const std::vector<char>& signos)
{
    QString columnas;
    for (char signo : signos)
        columnas += signo == '\0' ? QLatin1Char('.') : QLatin1Char(signo);
    return columnas;
}

QList<QStringList> columnas_de_filas(const QStringList& filas)
{
    QList<QStringList> columnas(filas.first().size());
    for (const QString& fila : filas)
        for (qsizetype k = 0; k < fila.size(); ++k)
            columnas[k].append(fila[k] == QLatin1Char('.') ? QString() : QString(fila[k]));
    return columnas;
}

}  // namespace

class Prueba_reparto : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cuentas_de_ejemplo_data()
    {
        QTest::addColumn<Porcentajes>("porcentajes");
        QTest::addColumn<int>("n");
        QTest::addColumn<Cuentas>("cuentas");
        QTest::newRow("34/33/33 x4") << Porcentajes{34, 33, 33} << 4 << Cuentas{2, 1, 1};
        QTest::newRow("34/33/33 x8") << Porcentajes{34, 33, 33} << 8 << Cuentas{3, 3, 2};
        QTest::newRow("34/33/33 x16") << Porcentajes{34, 33, 33} << 16 << Cuentas{6, 5, 5};
        QTest::newRow("33/34/33 x8") << Porcentajes{33, 34, 33} << 8 << Cuentas{3, 3, 2};
        QTest::newRow("50/25/25 x14") << Porcentajes{50, 25, 25} << 14 << Cuentas{7, 4, 3};
        QTest::newRow("90/5/5 x4") << Porcentajes{90, 5, 5} << 4 << Cuentas{2, 1, 1};
        QTest::newRow("5/90/5 x10") << Porcentajes{5, 90, 5} << 10 << Cuentas{1, 8, 1};
        QTest::newRow("1/98/1 x16") << Porcentajes{1, 98, 1} << 16 << Cuentas{1, 14, 1};
        QTest::newRow("25/0/75 x6") << Porcentajes{25, 0, 75} << 6 << Cuentas{2, 0, 4};
        QTest::newRow("10/10/80 x4") << Porcentajes{10, 10, 80} << 4 << Cuentas{1, 1, 2};
        QTest::newRow("100/0/0 x10") << Porcentajes{100, 0, 0} << 10 << Cuentas{10, 0, 0};
    }

    void cuentas_de_ejemplo()
    {
        QFETCH(Porcentajes, porcentajes);
        QFETCH(int, n);
        QFETCH(Cuentas, cuentas);
        const Cuentas obtenidas = reparto::cuenta_columnas(porcentajes, n);
        QCOMPARE(QList<int>({obtenidas.c1, obtenidas.cx, obtenidas.c2}),
                 QList<int>({cuentas.c1, cuentas.cx, cuentas.c2}));
    }

    // "1" and "X" tied for the smallest share with no count at 1: the rules
    // alone never finish; "X" gives the column.
    void empate_de_1_y_x_quita_de_x()
    {
        QCOMPARE(reparto::cuenta_columnas({33, 33, 34}, 8), (Cuentas{3, 2, 3}));
        QCOMPARE(reparto::cuenta_columnas({33, 33, 34}, 14), (Cuentas{5, 4, 5}));
        QCOMPARE(reparto::cuenta_columnas({22, 22, 56}, 16), (Cuentas{4, 3, 9}));
    }

    void todos_los_porcentajes_con_todas_las_apuestas()
    {
        int casos = 0;
        for (int p1 = 0; p1 <= 100; ++p1) {
            for (int px = 0; px <= 100 - p1; ++px) {
                const int p2 = 100 - p1 - px;
                for (int n = 2; n <= 16; n += 2) {
                    const Cuentas c = reparto::cuenta_columnas({p1, px, p2}, n);
                    const bool bien = c.c1 >= 0 && c.cx >= 0 && c.c2 >= 0 && c.c1 + c.cx + c.c2 == n
                                      && (p1 > 0 || c.c1 == 0) && (px > 0 || c.cx == 0) && (p2 > 0 || c.c2 == 0);
                    if (!bien)
                        QFAIL(qPrintable(QStringLiteral("%1/%2/%3 x%4 -> %5/%6/%7")
                                             .arg(p1).arg(px).arg(p2).arg(n).arg(c.c1).arg(c.cx).arg(c.c2)));
                }
                ++casos;
            }
        }
        QCOMPARE(casos, 5151);
    }

    // Whole numbers a two-character share field of a bet file can hold, in
    // any mix, need not add up to 100; the counts still end at n.
    void porcentajes_de_archivo_terminan()
    {
        for (int p1 = -9; p1 <= 99; ++p1)
            for (int px = -9; px <= 99; ++px)
                for (int p2 : {-9, -1, 0, 1, 33, 50, 98, 99})
                    for (int n = 2; n <= 16; n += 2) {
                        const Cuentas c = reparto::cuenta_columnas({p1, px, p2}, n);
                        if (c.c1 + c.cx + c.c2 != n)
                            QFAIL(qPrintable(QStringLiteral("%1/%2/%3 x%4").arg(p1).arg(px).arg(p2).arg(n)));
                    }
    }

    // Seed 0, 8 bets, counts 3 / 3 / 2. Each draw: seed <- seed * 134775813
    // + 1 (mod 2^32), k = (seed * 8) >> 32, then the first free column from k:
    //   seed          seed * 8      k   column                   sign
    //   1             8             0   0 is the name: 1          1
    //   134775814     1078206512    0   1 taken: 2                1
    //   3698175007    29585400056   6   6                         1
    //   870078620     6960628960    1   1, 2 taken: 3             x
    //   1172187917    9377503336    2   2, 3 taken: 4             x
    //   2884733762    23077870096   5   5                         x
    //   1368768587    10950148696   2   2 to 6 taken: 7           2
    //   694906232     5559249856    1   1 to 7 taken: 8           2
    void colocacion_fijada_por_la_semilla()
    {
        aleatorio::fija_semilla(0);
        QCOMPARE(texto(reparto::coloca_signos({3, 3, 2}, 8)), QStringLiteral("11xxx122"));
        QCOMPARE(aleatorio::semilla(), 694906232u);
    }

    // Whatever the draws, each sign gets exactly its count and nothing
    // lands beyond n.
    void colocacion_reparte_las_cuentas()
    {
        aleatorio::fija_semilla(12345);
        for (int n = 2; n <= 16; n += 2) {
            for (int ronda = 0; ronda < 50; ++ronda) {
                const Cuentas c = reparto::cuenta_columnas({ronda % 40, 60 - ronda % 40, 40}, n);
                const QString columnas = texto(reparto::coloca_signos(c, n));
                QCOMPARE(columnas.size(), n);
                QCOMPARE(columnas.count(QLatin1Char('1')), c.c1);
                QCOMPARE(columnas.count(QLatin1Char('x')), c.cx);
                QCOMPARE(columnas.count(QLatin1Char('2')), c.c2);
            }
        }
        // Counts short of n leave columns empty and still take n draws.
        aleatorio::fija_semilla(7);
        QCOMPARE(texto(reparto::coloca_signos({1, 0, 0}, 4)).count(QLatin1Char('.')), 3);
        const quint32 tras_colocar = aleatorio::semilla();
        aleatorio::fija_semilla(7);
        for (int i = 0; i < 4; ++i)
            aleatorio::sorteo(4);
        QCOMPARE(tras_colocar, aleatorio::semilla());
    }

    void lectura_de_porcentajes()
    {
        QCOMPARE(porcentajes::lee(QStringLiteral("0")), 0);
        QCOMPARE(porcentajes::lee(QStringLiteral("100")), 100);
        QCOMPARE(porcentajes::lee(QStringLiteral("-5")), -5);
        QCOMPARE(porcentajes::lee(QStringLiteral("+7")), 7);
        for (const char* malo : {"", "-", "a5", "5a", " 5", "5 ", "1.5", "99999999999", "\xd9\xa3"})
            QVERIFY2(!porcentajes::lee(QString::fromUtf8(malo)), malo);
    }

    void lista_de_columnas_repetidas()
    {
        // Columns 1, 2 and 5 alike, and 3 and 4.
        QCOMPARE(repeticiones::lista(columnas_de_filas({QStringLiteral("11XX1"), QStringLiteral("22..2")})),
                 QStringLiteral("1 y 2 , 1 y 5 , 2 y 5 , 3 y 4"));
        QCOMPARE(repeticiones::lista(columnas_de_filas({QStringLiteral("1X1X")})), QStringLiteral("1 y 3 , 2 y 4"));
        QCOMPARE(repeticiones::lista(columnas_de_filas({QStringLiteral("1X2"), QStringLiteral("121")})), QString());
        // A column without a sign in row 0 is never the first of a pair.
        QCOMPARE(repeticiones::lista(columnas_de_filas({QStringLiteral("..1"), QStringLiteral("XX.")})), QString());
        QCOMPARE(repeticiones::lista(columnas_de_filas({QStringLiteral("....")})), QString());
        // All 16 columns take part, the last pair included; letter case counts.
        QCOMPARE(repeticiones::lista(columnas_de_filas({QStringLiteral("1X21X21X21X21X22"),
                                                        QStringLiteral("111XXX222111XXXX"),
                                                        QStringLiteral("111111111XXXXXXX")})),
                 QStringLiteral("15 y 16"));
        QCOMPARE(repeticiones::lista(columnas_de_filas({QStringLiteral("Xx")})), QString());
    }
};

QTEST_APPLESS_MAIN(Prueba_reparto)
#include "prueba_reparto.moc"
