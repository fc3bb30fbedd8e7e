// "internet" on the matches window, against a server of the test's own on
// loopback: the round's page fills the match table; a fetch that fails or a
// page that is not the round's leaves the table as it was and says so.
#include "servidor_prueba.h"

#include "apoyo/apoyo.h"
#include "files/registro_quiniela.h"
#include "matches/HTTPGet.h"
#include "matches/partidos.h"
#include "slip/ventana.h"
#include "widgets/busca_componente.h"
#include "widgets/dialogo_archivo.h"
#include "widgets/mensajes.h"
#include "widgets/rejilla.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace {

// Far beyond what any of these fetches needs, below the stall time-out.
constexpr int espera_generosa = 20000;

QString error_web()
{
    return QStringLiteral("Error de comunicación con la web de los partidos");
}

struct Partido_de_la_pagina {
    QByteArray linea;  // Windows-1252, as the page writes it
    QString local;
    QString visitante;
};

const QList<Partido_de_la_pagina>& jornada()
{
    static const QList<Partido_de_la_pagina> partidos{
        {"REAL MADRID - BARCELONA, s\xe1" "bado 21.00 h", QStringLiteral("Real madrid "), QStringLiteral("Barcelona ")},
        {"ATHLETIC - ESPANYOL</td><td>17.00", QStringLiteral("Athletic "), QStringLiteral("Espanyol")},
        {"ALCOR - BRENES, domingo 17.00 h", QStringLiteral("Alcor "), QStringLiteral("Brenes ")},
        {"M\xc1LAGA - C\xc1" "DIZ</td>", QStringLiteral("Málaga "), QStringLiteral("Cádiz")},
        {"LOGRO\xd1\xc9S - \xc1VILA</td>", QStringLiteral("Logroñés "), QStringLiteral("Ávila")},
        {"OSASUNA - ESPA\xd1" "A B</td>", QStringLiteral("Osasuna "), QStringLiteral("Espaa b")},
        {"GETAFE - GIRONA</td>", QStringLiteral("Getafe "), QStringLiteral("Girona")},
        {"R. OVIEDO - RAYO VALLECANO</td>", QStringLiteral("R. oviedo "), QStringLiteral("Rayo vallecan")},
        {"ELCHE - LEVANTE</td>", QStringLiteral("Elche "), QStringLiteral("Levante")},
        {"CELTA - BETIS</td>", QStringLiteral("Celta "), QStringLiteral("Betis")},
        {"HUESCA - EIBAR</td>", QStringLiteral("Huesca "), QStringLiteral("Eibar")},
        {"BURGOS - GRANADA</td>", QStringLiteral("Burgos "), QStringLiteral("Granada")},
        {"ALBACETE - DEPORTIVO</td>", QStringLiteral("Albacete "), QStringLiteral("Deportivo")},
        {"CASTELL\xd3N - ZARAGOZA</td>", QStringLiteral("Castellón "), QStringLiteral("Zaragoza")},
    };
    return partidos;
}

// The operator's page with one line per match; `cambia` may alter the lines
// (a null line leaves its match out).
QByteArray pagina(const std::function<void(QList<QByteArray>&)>& cambia = {})
{
    QList<QByteArray> lineas;
    for (const Partido_de_la_pagina& partido : jornada())
        lineas += partido.linea;
    if (cambia)
        cambia(lineas);
    QByteArray texto = "<html><head><title>Jornada 12</title></head><body><table>\n";
    for (int n = 1; n <= 14; ++n)
        if (!lineas[n - 1].isNull())
            texto += "<tr><td>" + QByteArray::number(n) + " . " + lineas[n - 1] + "</td></tr>\n";
    return texto + "</table></body></html>\n";
}

THTTPGet* HTTPGetweb()
{
    auto* componente = ventana_partidos->findChild<THTTPGet*>(QStringLiteral("HTTPGetweb"));
    if (!componente)
        qFatal("the matches window has no HTTPGetweb");
    return componente;
}

QString partido(int m)
{
    return prueba::etiqueta_partido(m)->text();
}

// Every cell of the match table, to tell whether anything moved.
QStringList celdas()
{
    QStringList textos;
    for (int fila = 0; fila < 14; ++fila)
        for (int columna = 0; columna < 3; ++columna)
            textos += tabla_partidos()->celda(columna, fila);
    return textos;
}

void pulsa_internet()
{
    pulsa_boton(ventana_partidos, QStringLiteral("Boton_internet"));
}

// "internet" pressed with 8 bets, and the matches window closed once the
// server has the request; the caller checks the download is still running.
void deja_descarga_en_curso(const Servidor_prueba& servidor)
{
    HTTPGetweb()->URL = servidor.url();
    elige_apuestas(8);
    en_partidos([&servidor] {
        pulsa_internet();
        QTRY_COMPARE_WITH_TIMEOUT(servidor.conexiones(), 1, espera_generosa);
    });
}

}  // namespace

class Prueba_internet : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // The fetch honours the usual proxy variables; loopback must be reached directly.
        for (const char* variable : {"http_proxy", "HTTP_PROXY", "all_proxy", "ALL_PROXY"})
            qunsetenv(variable);
    }

    void la_pagina_llena_la_tabla_y_ok_la_ventana()
    {
        Servidor_prueba servidor(Servidor_prueba::respuesta_200(pagina()));
        Ventanas_de_prueba ventanas;
        const QString url = HTTPGetweb()->URL;
        QVERIFY(url.startsWith(QStringLiteral("http://")) && url.endsWith(QStringLiteral("/qboletos.asp")));
        QVERIFY(url.size() > 20);
        HTTPGetweb()->URL = servidor.url();
        tabla_partidos()->pon_celda(1, 0, QStringLiteral("Anterior"));
        elige_apuestas(8);
        en_partidos([] {
            pulsa_celda(tabla_partidos(), 2, 5);
            pulsa_internet();
            QTRY_COMPARE_WITH_TIMEOUT(tabla_partidos()->celda(2, 13), QStringLiteral("Zaragoza"), espera_generosa);
            for (int n = 1; n <= 14; ++n) {
                QCOMPARE(tabla_partidos()->celda(0, n - 1), QString::number(n));
                QCOMPARE(tabla_partidos()->celda(1, n - 1), jornada()[n - 1].local);
                QCOMPARE(tabla_partidos()->celda(2, n - 1), jornada()[n - 1].visitante);
            }
            QCOMPARE(tabla_partidos()->columna_actual(), 2);
            QCOMPARE(tabla_partidos()->fila_actual(), 5);
            QCOMPARE(partido(1), QString());
            pulsa_boton(ventana_partidos, QStringLiteral("boton_ok"));
        });
        QCOMPARE(partido(1), QStringLiteral("Real madrid  - Barcelona "));
        QCOMPARE(partido(3), QStringLiteral("Alcor  - Brenes "));
        QCOMPARE(partido(5), QStringLiteral("Logroñés  - Ávila"));
        QCOMPARE(partido(14), QStringLiteral("Castellón  - Zaragoza"));
        QCOMPARE(servidor.conexiones(), 1);
        // A plain GET that no cache may answer.
        const QByteArray peticion = servidor.peticion();
        QVERIFY(peticion.startsWith("GET /qboletos.asp HTTP/1.0\r\n"));
        for (const char* cabecera : {"\r\nUser-Agent: Brisamo HTTPGet\r\n", "\r\nAccept: */*\r\n",
                                     "\r\nPragma: no-cache\r\n"})
            QVERIFY2(peticion.contains(cabecera), cabecera);
        QCOMPARE(Mensajes::capturados(), QStringList());
    }

    void la_ventana_cerrada_durante_la_descarga()
    {
        Servidor_prueba servidor(Servidor_prueba::respuesta_200(pagina()));
        Ventanas_de_prueba ventanas;
        HTTPGetweb()->URL = servidor.url();
        elige_apuestas(8);
        en_partidos([] {
            pulsa_internet();
            pulsa_boton(ventana_partidos, QStringLiteral("boton_cancelar"));
        });
        QTRY_COMPARE_WITH_TIMEOUT(tabla_partidos()->celda(2, 13), QStringLiteral("Zaragoza"), espera_generosa);
        QCOMPARE(tabla_partidos()->celda(1, 0), QStringLiteral("Real madrid "));
        // The main window waits for "OK".
        QCOMPARE(partido(1), QString());
        en_partidos([] { pulsa_boton(ventana_partidos, QStringLiteral("boton_ok")); });
        QCOMPARE(partido(2), QStringLiteral("Athletic  - Espanyol"));
    }

    // A download left running behind a cancelled window ends with a load or
    // "Nuevo": what a save then writes is what the main window shows.
    void una_carga_o_nuevo_acaban_la_descarga_data()
    {
        QTest::addColumn<QString>("accion");
        QTest::addColumn<QString>("local");  // home team of match 1 afterwards
        QTest::newRow("Recuperar") << QStringLiteral("Button3") << QStringLiteral("Alcor");
        QTest::newRow("Nuevo") << QStringLiteral("Button1") << QString();
    }

    void una_carga_o_nuevo_acaban_la_descarga()
    {
        QFETCH(QString, accion);
        QFETCH(QString, local);
        // A byte every 50 ms: the page takes a minute to come.
        Servidor_prueba servidor(Servidor_prueba::respuesta_200(pagina()), 50);
        QTemporaryDir carpeta;
        registro_quiniela::Quiniela cargada;
        cargada.indice_apuestas = 2;
        cargada.equipos_local[0] = QStringLiteral("Alcor");
        cargada.equipos_visitante[0] = QStringLiteral("Brenes");
        QVERIFY(escribe_bytes(carpeta.filePath(QStringLiteral("cargada.qui")), registro_quiniela::codifica(cargada)));
        Ventanas_de_prueba ventanas;
        deja_descarga_en_curso(servidor);
        QVERIFY(HTTPGetweb()->en_curso());
        Mensajes::fija_respuesta(QMessageBox::Discard);
        if (accion == QStringLiteral("Button3"))
            Dialogo_archivo::fija_siguiente(carpeta.filePath(QStringLiteral("cargada.qui")));
        pulsa_boton(ventana, accion);
        QTRY_VERIFY_WITH_TIMEOUT(!HTTPGetweb()->en_curso(), espera_generosa);
        QCoreApplication::processEvents();
        QCOMPARE(tabla_partidos()->celda(1, 0), local);
        QCOMPARE(Mensajes::capturados(), QStringList());
        QTRY_VERIFY(!ventana->windowTitle().startsWith(QLatin1Char('*')));
        guarda_como(carpeta.filePath(QStringLiteral("guardada.qui")));
        QFile guardada(carpeta.filePath(QStringLiteral("guardada.qui")));
        QVERIFY(guardada.open(QIODevice::ReadOnly));
        QCOMPARE(registro_quiniela::descodifica(guardada.readAll()).equipos_local[0], local);
    }

    void los_fallos_dejan_la_tabla_data()
    {
        QTest::addColumn<QByteArray>("respuesta");  // null: nobody listens
        QTest::newRow("conexion rechazada") << QByteArray();
        QTest::newRow("404") << QByteArray("HTTP/1.0 404 Not Found\r\nContent-Length: 9\r\n\r\nNOT FOUND");
        // An error page is no page, even one that reads like the round.
        QTest::newRow("500 con la jornada") << "HTTP/1.0 500 Internal Server Error\r\n\r\n" + pagina();
        QTest::newRow("sin la marca 9")
            << Servidor_prueba::respuesta_200(pagina([](QList<QByteArray>& lineas) { lineas[8] = QByteArray(); }));
        QTest::newRow("sin guion")
            << Servidor_prueba::respuesta_200(pagina([](QList<QByteArray>& lineas) { lineas[3] = "MALAGA CADIZ"; }));
        QTest::newRow("guion lejano")
            << Servidor_prueba::respuesta_200(
                   pagina([](QList<QByteArray>& lineas) { lineas[6] = "CLUB DEPORTIVO GETAFE DE MADRID - GIRONA"; }));
        QTest::newRow("cortada tras el guion")
            << Servidor_prueba::respuesta_200(pagina().left(pagina().lastIndexOf("ZARAGOZA")));
        QTest::newRow("otra pagina")
            << Servidor_prueba::respuesta_200("<html><body>Mantenimiento</body></html>");
    }

    void los_fallos_dejan_la_tabla()
    {
        QFETCH(QByteArray, respuesta);
        std::unique_ptr<Servidor_prueba> servidor;
        if (!respuesta.isNull())
            servidor = std::make_unique<Servidor_prueba>(respuesta);
        Ventanas_de_prueba ventanas;
        HTTPGetweb()->URL = servidor ? servidor->url()
                                     : QStringLiteral("http://127.0.0.1:%1/qboletos.asp")
                                           .arg(Servidor_prueba::puerto_cerrado());
        for (int fila = 0; fila < 14; ++fila)
            tabla_partidos()->pon_celda(1 + fila % 2, fila, QStringLiteral("Equipo %1").arg(fila));
        const QStringList antes = celdas();
        elige_apuestas(8);
        en_partidos([] {
            pulsa_internet();
            QTRY_COMPARE_WITH_TIMEOUT(Mensajes::capturados(), QStringList{error_web()}, espera_generosa);
            QVERIFY(!HTTPGetweb()->en_curso());
        });
        QCOMPARE(celdas(), antes);
        QCOMPARE(partido(1), QString());
        // Nothing more arrives afterwards.
        QCOMPARE(Mensajes::capturados(), QStringList{error_web()});
    }

    void dos_pulsaciones_rapidas_una_peticion()
    {
        Servidor_prueba servidor;  // never answers
        Ventanas_de_prueba ventanas;
        HTTPGetweb()->URL = servidor.url();
        elige_apuestas(8);
        en_partidos([&servidor] {
            pulsa_internet();
            pulsa_internet();
            QTRY_COMPARE_WITH_TIMEOUT(servidor.conexiones(), 1, espera_generosa);
            QVERIFY(HTTPGetweb()->en_curso());
            HTTPGetweb()->StopFetch();
            QTRY_COMPARE_WITH_TIMEOUT(Mensajes::capturados(), QStringList{error_web()}, espera_generosa);
        });
        QCOMPARE(servidor.conexiones(), 1);
        QCOMPARE(tabla_partidos()->celda(1, 0), QString());
    }

    // The windows end with a download still waiting on the network: nothing
    // of it may reach them afterwards.
    void las_ventanas_acaban_en_plena_descarga()
    {
        Servidor_prueba servidor;
        {
            Ventanas_de_prueba ventanas;
            deja_descarga_en_curso(servidor);
            QVERIFY(HTTPGetweb()->en_curso());
        }
        // Whatever the worker had handed over is delivered now, or never.
        QCoreApplication::processEvents();
        QCOMPARE(Mensajes::capturados(), QStringList());
    }
};

QTEST_MAIN(Prueba_internet)
#include "prueba_internet.moc"
