// The Pleno al 15 in the matches window: picks into its row, "OK" and
// "Nuevo", and the download's 15th match, which only a page that has it
// brings.
#include "servidor_prueba.h"

#include "apoyo/apoyo.h"
#include "matches/HTTPGet.h"
#include "apoyo/carpeta_equipos.h"
#include "matches/partidos.h"
#include "slip/ventana.h"
#include "widgets/mensajes.h"
#include "widgets/rejilla.h"

#include <QLabel>
#include <QListWidget>
#include <QTest>

#include <functional>

namespace {

Trejilla* rejilla(const char* nombre_rejilla)
{
    return widget_de<Trejilla>(ventana_partidos, QString::fromLatin1(nombre_rejilla));
}

// Both team cells of the Pleno's row, home first.
QStringList pleno()
{
    return {rejilla("tabla_pleno")->celda(1, 0), rejilla("tabla_pleno")->celda(2, 0)};
}

QString partido15()
{
    return widget_de<QLabel>(ventana, QStringLiteral("partido15"))->text();
}

void elige(int entrada)
{
    elige_equipo(lista_equipos(QStringLiteral("equipos_primera")), entrada);
}

// The operator's page with 14 matches, then `quince` as the 15th line
// (nothing for a page without one).
QByteArray pagina(const QByteArray& quince)
{
    QByteArray texto = "<html><body><table>\n";
    for (int n = 1; n <= 14; ++n)
        texto += "<tr><td>" + QByteArray::number(n) + " . LOCAL" + QByteArray(1, char('A' + n))
                 + " - VISITANTE</td></tr>\n";
    if (!quince.isNull())
        texto += "<tr><td>Pleno al 15</td><td>15 . " + quince + "</td></tr>\n";
    return texto + "</table></body></html>\n";
}

}  // namespace

class Prueba_pleno_partidos : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        for (const char* variable : {"http_proxy", "HTTP_PROXY", "all_proxy", "ALL_PROXY"})
            qunsetenv(variable);
    }

    // The 28 picks fill the 14 matches and a 29th overwrites match 14's away
    // team, the Pleno untouched. A click on its team cells makes it the
    // target, home then away, where it stays; a click in the match table
    // gives the picks back to it.
    void elecciones_en_el_pleno()
    {
        Carpeta_equipos carpeta;
        Ventanas_de_prueba ventanas;
        elige_apuestas(8);
        en_partidos([] {
            Trejilla* partidos = rejilla("tabla_partidos");
            Trejilla* fila_pleno = rejilla("tabla_pleno");
            QCOMPARE(fila_pleno->celda(0, 0), QStringLiteral("15"));
            for (int i = 0; i < 29; ++i)
                elige(i % 14);
            QCOMPARE(partidos->celda(2, 6), QStringLiteral("R. Oviedo"));
            QCOMPARE(partidos->celda(1, 13), QStringLiteral("Osasuna"));
            QCOMPARE(partidos->celda(2, 13), QStringLiteral("Alavés"));
            QCOMPARE(pleno(), QStringList(2, QString()));

            pulsa_celda(fila_pleno, 0, 0);
            elige(1);
            QCOMPARE(partidos->celda(2, 13), QStringLiteral("Athletic"));
            QCOMPARE(pleno(), QStringList(2, QString()));

            pulsa_celda(fila_pleno, 1, 0);
            for (const int entrada : {2, 3, 4})
                elige(entrada);
            QCOMPARE(pleno(), (QStringList {QStringLiteral("Atlético"), QStringLiteral("Betis")}));
            pulsa_celda(fila_pleno, 1, 0);
            elige(5);
            QCOMPARE(pleno(), (QStringList {QStringLiteral("Celta"), QStringLiteral("Betis")}));

            pulsa_celda(partidos, 1, 4);
            elige(6);
            elige(7);
            QCOMPARE(partidos->celda(1, 4), QStringLiteral("Elche"));
            QCOMPARE(partidos->celda(2, 4), QStringLiteral("Espanyol"));
            QCOMPARE(pleno(), (QStringList {QStringLiteral("Celta"), QStringLiteral("Betis")}));
            pulsa_boton(ventana_partidos, QStringLiteral("boton_ok"));
        });
        QCOMPARE(partido15(), QStringLiteral("Celta - Betis"));

        // A Pleno without its away team has no name.
        en_partidos([] {
            rejilla("tabla_pleno")->pon_celda(2, 0, QString());
            pulsa_boton(ventana_partidos, QStringLiteral("boton_ok"));
        });
        QCOMPARE(partido15(), QString());

        rejilla("tabla_pleno")->pon_celda(2, 0, QStringLiteral("Betis"));
        en_partidos([] { pulsa_boton(ventana_partidos, QStringLiteral("boton_ok")); });
        QCOMPARE(partido15(), QStringLiteral("Celta - Betis"));
        pulsa_boton(ventana, QStringLiteral("Button1"));
        QCOMPARE(pleno(), QStringList(2, QString()));
        QCOMPARE(rejilla("tabla_pleno")->celda(0, 0), QStringLiteral("15"));
        QCOMPARE(partido15(), QString());
    }

    // The 15th match is cut as the others are; a page without a readable
    // one fills the 14 matches and leaves the Pleno as it was, silently.
    void descarga_data()
    {
        QTest::addColumn<QByteArray>("quince");
        QTest::addColumn<QStringList>("pleno");
        const QStringList previo = {QStringLiteral("Previo"), QStringLiteral("Otro")};
        QTest::newRow("con el 15") << QByteArray("ATHLETIC - ESPANYOL</td><td>17.00")
                                   << QStringList {QStringLiteral("Athletic "), QStringLiteral("Espanyol")};
        QTest::newRow("sin el 15") << QByteArray() << previo;
        QTest::newRow("15 sin guion") << QByteArray("ATHLETIC ESPANYOL</td>") << previo;
    }

    void descarga()
    {
        QFETCH(QByteArray, quince);
        QFETCH(QStringList, pleno);
        Servidor_prueba servidor(Servidor_prueba::respuesta_200(pagina(quince)));
        Ventanas_de_prueba ventanas;
        ventana_partidos->findChild<THTTPGet*>(QStringLiteral("HTTPGetweb"))->URL = servidor.url();
        rejilla("tabla_pleno")->pon_celda(1, 0, QStringLiteral("Previo"));
        rejilla("tabla_pleno")->pon_celda(2, 0, QStringLiteral("Otro"));
        elige_apuestas(8);
        en_partidos([] {
            pulsa_boton(ventana_partidos, QStringLiteral("Boton_internet"));
            QTRY_COMPARE_WITH_TIMEOUT(rejilla("tabla_partidos")->celda(1, 13), QStringLiteral("Localo "), 20000);
        });
        QCOMPARE(rejilla("tabla_partidos")->celda(2, 13), QStringLiteral("Visitante"));
        QCOMPARE(::pleno(), pleno);
        QCOMPARE(Mensajes::capturados(), QStringList());
    }
};

QTEST_MAIN(Prueba_pleno_partidos)
#include "prueba_pleno_partidos.moc"
