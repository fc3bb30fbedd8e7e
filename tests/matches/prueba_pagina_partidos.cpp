// Cutting the round's matches out of the operator's page: the 30-byte piece
// after each marker, the split at the hyphen, the 12-byte away window and the
// pages that cannot be read.
#include "matches/pagina_partidos.h"

#include <QTest>

using pagina_partidos::Equipos;

namespace {

// One match per line, as the page lists them, with markup around the names.
QByteArray pagina(int partido = 0, const QByteArray& texto = {})
{
    QByteArray resultado = "<html><body><p>Quiniela de la jornada</p><table>\n";
    for (int n = 1; n <= 14; ++n) {
        const QByteArray linea =
            n == partido ? texto : "LOCAL" + QByteArray::number(n) + " - VISITA</td><td>domingo";
        resultado += "<tr><td>" + QByteArray::number(n) + " . " + linea + "</td></tr>\n";
    }
    return resultado + "</table></body></html>";
}

}  // namespace

class Prueba_pagina_partidos : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ejemplo_de_la_jornada()
    {
        const QByteArray texto = pagina(3, "ALCOR - BRENES, domingo 17.00 h");
        QCOMPARE(pagina_partidos::trozo(texto, 3), QByteArray("ALCOR - BRENES, domingo 17.00 "));
        const auto partidos = pagina_partidos::lee(texto);
        QVERIFY(partidos);
        QCOMPARE((*partidos)[2].local, QStringLiteral("Alcor "));
        QCOMPARE((*partidos)[2].visitante, QStringLiteral("Brenes "));
        // The name "OK" then makes of them has two blanks before the hyphen.
        QCOMPARE((*partidos)[2].local + QStringLiteral(" - ") + (*partidos)[2].visitante,
                 QStringLiteral("Alcor  - Brenes "));
    }

    void pagina_entera()
    {
        const auto partidos = pagina_partidos::lee(pagina());
        QVERIFY(partidos);
        for (int n = 1; n <= 14; ++n) {
            // "LOCAL1 - " keeps the blank; "VISITA</td><td>do" keeps only the capitals.
            QCOMPARE((*partidos)[n - 1].local, QStringLiteral("Local%1 ").arg(n));
            QCOMPARE((*partidos)[n - 1].visitante, QStringLiteral("Visita"));
        }
    }

    void separacion_data()
    {
        QTest::addColumn<QByteArray>("trozo");
        QTest::addColumn<QString>("local");
        QTest::addColumn<QString>("visitante");
        const auto fila = [](const char* caso, const char* trozo, const char16_t* local, const char16_t* visitante) {
            QTest::newRow(caso) << QByteArray(trozo) << QString::fromUtf16(local) << QString::fromUtf16(visitante);
        };
        fila("dia en mayusculas", "ALCOR - BRENES, DOMINGO 17.00 ", u"Alcor ", u"Brenes domin");
        fila("dos palabras en casa", "REAL MADRID - BETIS</td>", u"Real madrid ", u"Betis");
        fila("dos palabras fuera y blancos al final", "SEVILLA - LAS PALMAS  </td>", u"Sevilla ", u"Las palmas  ");
        fila("visitante largo", "BETIS - DEPORTIVO ALAVES", u"Betis ", u"Deportivo ala");
        fila("enye", "CORU\xD1" "A - LOGRO\xD1\xC9S", u"Coruña ", u"Logroés");
        fila("acentos y dieresis", "C\xC1" "DIZ - M\xC1LAGA \xDA\xD3\xCD\xDC", u"Cádiz ", u"Málaga úóí");
        fila("iniciales acentuadas", "\xC1VILA - \xC9IBAR", u"Ávila ", u"Éibar");
        fila("iniciales minusculas", "aLCOR - bRENES", u"alcor ", u"brenes");
        fila("letras de 0x8A en adelante", "KO\x8A" "ICE - \x8A" "AB\x8A" "AC", u"Košice ", u"Šabac");
        fila("sin blanco ante el guion", "ALCOR- BRENES", u"Alcor", u"Brenes");
        fila("primer guion", "SANT-ANDREU - EUROPA", u"Sant", u"Ndreu  europ");
        fila("solo la inicial fuera", "ALCOR - B", u"Alcor ", u"B");
    }

    void separacion()
    {
        QFETCH(QByteArray, trozo);
        const auto equipos = pagina_partidos::separa(trozo);
        QVERIFY(equipos);
        QTEST(equipos->local, "local");
        QTEST(equipos->visitante, "visitante");
    }

    void trozos_ilegibles_data()
    {
        QTest::addColumn<QByteArray>("trozo");
        QTest::newRow("vacio") << QByteArray();
        QTest::newRow("sin guion") << QByteArray("ALCOR BRENES, domingo 17.00 h");
        QTest::newRow("guion al principio") << QByteArray("- BRENES");
        QTest::newRow("guion al final") << QByteArray("ALCOR -");
        QTest::newRow("sin inicial visitante") << QByteArray("ALCOR - ");
    }

    void trozos_ilegibles()
    {
        QFETCH(QByteArray, trozo);
        QVERIFY(!pagina_partidos::separa(trozo));
    }

    void trozo_de_treinta()
    {
        QCOMPARE(pagina_partidos::trozo("x 7 . 123456789012345678901234567890123", 7),
                 QByteArray("123456789012345678901234567890"));
        QCOMPARE(pagina_partidos::trozo("12 . CORTO", 12), QByteArray("CORTO"));
        QCOMPARE(pagina_partidos::trozo("fin 5 . ", 5), QByteArray(""));
        QVERIFY(!pagina_partidos::trozo("5 .", 5));
        QVERIFY(!pagina_partidos::trozo("5. ALCOR", 5));
    }

    void la_primera_marca_manda()
    {
        // "1 . " first occurs inside "11 . " when match 11 is listed first.
        QByteArray texto = pagina();
        texto.prepend("11 . PRIMERO - ANTES\n");
        const auto partidos = pagina_partidos::lee(texto);
        QVERIFY(partidos);
        QCOMPARE((*partidos)[0].local, QStringLiteral("Primero "));
        QCOMPARE((*partidos)[10].local, QStringLiteral("Primero "));
        QCOMPARE((*partidos)[1].local, QStringLiteral("Local2 "));
    }

    void paginas_ilegibles_data()
    {
        QTest::addColumn<QByteArray>("texto");
        QTest::newRow("vacia") << QByteArray();
        QTest::newRow("sin partidos") << QByteArray("<html><body>Servicio no disponible</body></html>");
        QByteArray sin_marca_14 = pagina();
        sin_marca_14.replace("14 . ", "14 , ");
        QTest::newRow("falta la marca 14") << sin_marca_14;
        QByteArray sin_marca_5 = pagina();
        sin_marca_5.replace("5 . ", "5 - ");
        QTest::newRow("falta la marca 5") << sin_marca_5;
        QTest::newRow("guion mas alla de 30") << pagina(9, "UNIONDEPORTIVAALMERIAYCOMARCA - BRENES");
        QTest::newRow("sin guion") << pagina(1, "ALCOR, BRENES");
        QTest::newRow("termina tras el guion") << pagina().left(pagina().indexOf("14 . ") + 15);
    }

    void paginas_ilegibles()
    {
        QFETCH(QByteArray, texto);
        QVERIFY(!pagina_partidos::lee(texto));
    }
};

QTEST_MAIN(Prueba_pagina_partidos)
#include "prueba_pagina_partidos.moc"
