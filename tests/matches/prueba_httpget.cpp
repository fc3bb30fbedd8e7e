// The fetch component against a server of the test's own on loopback: what
// goes on the wire, what comes back through the events, and how a fetch ends
// when it is stopped, refused, cut short, runs past its deadline, finds no
// HTTP library or its component goes.
#include "servidor_prueba.h"

#include "common/ansi.h"
#include "matches/HTTPGet.h"
#include "matches/HTTPGetThread.h"
#include "matches/libcurl.h"
#include "matches/pagina_partidos.h"
#include "matches/url_http.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {

// Far beyond what any of these fetches needs, far below the stall time-out.
constexpr int espera_generosa = 20000;
// What must not happen has no event to wait for: a late report or a second
// connection from the worker would arrive within this many milliseconds.
constexpr int silencio = 100;

struct Progreso {
    QPointer<QObject> remitente;
    bool del_trabajador;
    int total;
    int leidos;
};

// Everything the events of one component bring.
struct Registro {
    QStringList textos;
    int errores = 0;
    QList<Progreso> progresos;

    void escucha(THTTPGet& http, bool con_progreso = true)
    {
        http.OnDoneString = [this](QObject*, const QString& texto) { textos += texto; };
        http.OnError = [this](QObject*) { ++errores; };
        if (con_progreso)
            http.OnProgress = [this](QObject* remitente, int total, int leidos) {
                progresos += Progreso{remitente, qobject_cast<THTTPGetThread*>(remitente) != nullptr, total, leidos};
            };
    }
    int finales() const { return static_cast<int>(textos.size()) + errores; }
};

// A component pointed at a server of the test's own, its events recorded.
struct Escena {
    template <typename... Argumentos>
    explicit Escena(Argumentos&&... argumentos)
        : servidor(std::forward<Argumentos>(argumentos)...)
    {
        registro.escucha(http);
        http.URL = servidor.url();
    }

    Servidor_prueba servidor;
    THTTPGet http {nullptr};
    Registro registro;
};

QByteArray pagina_de_partidos()
{
    QByteArray pagina = "<html><body><h1>Jornada</h1><table>\n";
    for (int n = 1; n <= 14; ++n)
        pagina += "<tr><td>" + QByteArray::number(n) + " . EQUIPO " + QByteArray(1, char('A' + n))
                  + " - C\xD3RDOBA</td><td>domingo 17.00 h</td></tr>\n";
    return pagina + "</table></body></html>\n";
}

QByteArray todos_los_bytes(qsizetype cantidad)
{
    QByteArray bytes(cantidad, Qt::Uninitialized);
    for (qsizetype i = 0; i < cantidad; ++i)
        bytes[i] = static_cast<char>(i * 7 % 256);
    return bytes;
}

// The lines of a request after the request line, each without its CR LF.
QList<QByteArray> cabeceras_de(const QByteArray& peticion)
{
    QList<QByteArray> lineas = peticion.left(peticion.indexOf("\r\n\r\n")).split('\n');
    lineas.removeFirst();
    for (QByteArray& linea : lineas)
        linea = linea.trimmed();
    std::sort(lineas.begin(), lineas.end());
    return lineas;
}

QList<QByteArray> ordenadas(QList<QByteArray> lineas)
{
    std::sort(lineas.begin(), lineas.end());
    return lineas;
}

[[nodiscard]] bool espera_a_conexion(const Servidor_prueba& servidor)
{
    return QTest::qWaitFor([&servidor] { return servidor.conexiones() == 1; }, espera_generosa);
}

}  // namespace

class Prueba_httpget : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // The fetch honours the usual proxy variables; loopback must be reached directly.
        for (const char* variable : {"http_proxy", "HTTP_PROXY", "all_proxy", "ALL_PROXY"})
            qunsetenv(variable);
    }

    void division_de_la_url_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("puerto");
        QTest::addColumn<QString>("objeto");
        const auto fila = [](const char* caso, const char16_t* url, const char16_t* host, int puerto,
                             const char16_t* objeto) {
            QTest::newRow(caso) << QString::fromUtf16(url) << QString::fromUtf16(host) << puerto
                                << QString::fromUtf16(objeto);
        };
        fila("pagina", u"http://www.servidor.es/qboletos.asp", u"www.servidor.es", 80, u"/qboletos.asp");
        fila("prefijo en mayusculas", u"HTTP://Servidor/a?b=1&c", u"Servidor", 80, u"/a?b=1&c");
        fila("sin prefijo", u"servidor/qboletos.asp", u"servidor", 80, u"/qboletos.asp");
        fila("sin barra", u"http://servidor", u"servidor", 80, u"/");
        fila("puerto", u"http://127.0.0.1:8080/p", u"127.0.0.1", 8080, u"/p");
        fila("ipv6", u"http://[::1]/p", u"[::1]", 80, u"/p");
        fila("ipv6 con puerto", u"http://[::1]:81/p", u"[::1]", 81, u"/p");
        fila("puerto imposible", u"http://servidor:99999/p", u"servidor:99999", 80, u"/p");
        fila("dos puntos sin puerto", u"http://servidor:/p", u"servidor:", 80, u"/p");
        fila("solo http", u"https://servidor/p", u"https:", 80, u"//servidor/p");
    }

    void division_de_la_url()
    {
        QFETCH(QString, url);
        const Url_dividida partes = SplitUrl(url);
        QTEST(partes.host, "host");
        QTEST(partes.puerto, "puerto");
        QTEST(partes.objeto, "objeto");
    }

    void pagina_completa()
    {
        const QByteArray pagina = pagina_de_partidos();
        Escena escena(Servidor_prueba::respuesta_200(pagina));
        auto& [servidor, http, registro] = escena;
        http.FetchText();
        QTRY_COMPARE_WITH_TIMEOUT(registro.finales(), 1, espera_generosa);
        QCOMPARE(registro.textos, QStringList{ansi::a_texto(pagina)});
        QVERIFY(http.resultado() && !http.en_curso());
        QVERIFY(pagina_partidos::lee(ansi::a_bytes(registro.textos.front())));
        // The worker that sent the reports goes once it has ended.
        const QPointer<QObject> trabajador = registro.progresos.back().remitente;
        QTRY_VERIFY_WITH_TIMEOUT(trabajador.isNull(), espera_generosa);
    }

    void progreso_en_trozos()
    {
        const QByteArray cuerpo = todos_los_bytes(100000);
        Escena escena(Servidor_prueba::respuesta_200(cuerpo));
        auto& [servidor, http, registro] = escena;
        http.FetchText();
        QTRY_COMPARE_WITH_TIMEOUT(registro.finales(), 1, espera_generosa);
        QCOMPARE(ansi::a_bytes(registro.textos.value(0)), cuerpo);
        int antes = 0;
        for (const Progreso& progreso : std::as_const(registro.progresos)) {
            QVERIFY(progreso.del_trabajador);
            QCOMPARE(progreso.total, 100000);
            QVERIFY(progreso.leidos - antes >= 1 && progreso.leidos - antes <= 1025);
            antes = progreso.leidos;
        }
        QCOMPARE(antes, 100000);
    }

    void respuestas_data()
    {
        QTest::addColumn<QByteArray>("respuesta");
        QTest::addColumn<bool>("binaria");
        QTest::addColumn<QString>("texto");  // empty: OnError
        QTest::addColumn<int>("total");
        const auto fila = [](const char* caso, const QByteArray& respuesta, bool binaria, const char* texto, int total) {
            QTest::newRow(caso) << respuesta << binaria << QString::fromLatin1(texto) << total;
        };
        const QByteArray sin_longitud = Servidor_prueba::respuesta_200("PAGINA", false);
        fila("sin longitud", sin_longitud, false, "PAGINA", 0);
        fila("sin longitud, binaria", sin_longitud, true, "", 0);
        fila("con longitud, binaria", Servidor_prueba::respuesta_200("PAGINA"), true, "PAGINA", 6);
        fila("cuerpo vacio", Servidor_prueba::respuesta_200(""), false, "", 0);
        fila("cuerpo vacio sin longitud", Servidor_prueba::respuesta_200("", false), false, "", 0);
        fila("404", "HTTP/1.0 404 Not Found\r\nContent-Length: 9\r\n\r\nNOT FOUND", false, "", 0);
        fila("500", "HTTP/1.0 500 Internal Server Error\r\n\r\n1 . ERROR - ERROR", false, "", 0);
        fila("cortada", "HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\nSOLO UNA PARTE", false, "", 0);
        fila("redireccion no seguida", "HTTP/1.0 302 Found\r\nLocation: http://127.0.0.1:1/otra\r\n\r\nMOVIDA", false,
             "MOVIDA", 0);
    }

    void respuestas()
    {
        QFETCH(QByteArray, respuesta);
        QFETCH(QString, texto);
        Escena escena(respuesta);
        auto& [servidor, http, registro] = escena;
        QFETCH(bool, binaria);
        http.BinaryData = binaria;
        http.FetchText();
        QTRY_COMPARE_WITH_TIMEOUT(registro.finales(), 1, espera_generosa);
        QCOMPARE(registro.textos, texto.isEmpty() ? QStringList() : QStringList{texto});
        QCOMPARE(registro.errores, texto.isEmpty() ? 1 : 0);
        QCOMPARE(http.resultado(), !texto.isEmpty());
        QCOMPARE(servidor.conexiones(), 1);
        if (!texto.isEmpty())
            QTEST(registro.progresos.back().total, "total");
        // Nothing else arrives later.
        QTest::qWait(silencio);
        QCOMPARE(registro.finales(), 1);
    }

    void cuerpo_demasiado_grande_data()
    {
        QTest::addColumn<int>("tamano");
        QTest::addColumn<bool>("con_longitud");
        QTest::addColumn<bool>("llega");
        QTest::newRow("en el limite") << THTTPGetThread::tamano_maximo << false << true;
        QTest::newRow("sobre el limite, anunciado") << THTTPGetThread::tamano_maximo + 1 << true << false;
        QTest::newRow("sobre el limite, sin anunciar") << THTTPGetThread::tamano_maximo + 1 << false << false;
    }

    void cuerpo_demasiado_grande()
    {
        QFETCH(int, tamano);
        QFETCH(bool, con_longitud);
        QFETCH(bool, llega);
        Servidor_prueba servidor(Servidor_prueba::respuesta_200(QByteArray(tamano, 'A'), con_longitud));
        THTTPGet http(nullptr);
        Registro registro;
        registro.escucha(http, false);
        http.URL = servidor.url();
        http.FetchText();
        QTRY_COMPARE_WITH_TIMEOUT(registro.finales(), 1, espera_generosa);
        QCOMPARE(registro.errores, llega ? 0 : 1);
        if (llega)
            QCOMPARE(registro.textos.front().size(), tamano);
    }

    void conexion_rechazada()
    {
        THTTPGet http(nullptr);
        Registro registro;
        registro.escucha(http);
        http.URL = QStringLiteral("http://127.0.0.1:%1/qboletos.asp").arg(Servidor_prueba::puerto_cerrado());
        http.FetchText();
        QTRY_COMPARE_WITH_TIMEOUT(registro.finales(), 1, espera_generosa);
        QCOMPARE(registro.errores, 1);
        QVERIFY(!http.resultado() && !http.en_curso());
    }

    void peticion_por_defecto()
    {
        Escena escena(Servidor_prueba::respuesta_200("PAGINA"));
        auto& [servidor, http, registro] = escena;
        http.FetchText();
        QTRY_COMPARE_WITH_TIMEOUT(registro.finales(), 1, espera_generosa);
        const QByteArray peticion = servidor.peticion();
        QCOMPARE(peticion.left(peticion.indexOf("\r\n")), QByteArray("GET /qboletos.asp HTTP/1.0"));
        QCOMPARE(cabeceras_de(peticion),
                 ordenadas({"Host: " + servidor.url().section(u'/', 2, 2).toLatin1(), "User-Agent: Brisamo HTTPGet",
                            "Accept: */*", "Pragma: no-cache", "Cache-Control: no-cache"}));
        QVERIFY(peticion.endsWith("\r\n\r\n"));
    }

    void peticion_post_con_cache()
    {
        Escena escena(Servidor_prueba::respuesta_200("PAGINA"));
        auto& [servidor, http, registro] = escena;
        http.Agent.clear();
        http.AcceptTypes = QStringLiteral("text/html");
        http.UseCache = true;
        http.Referer = QStringLiteral("http://origen/");
        http.PostQuery = QStringLiteral("equipo=le\u00f3n&j=1");
        http.FetchText();
        QTRY_COMPARE_WITH_TIMEOUT(registro.finales(), 1, espera_generosa);
        const QByteArray peticion = servidor.peticion();
        QCOMPARE(peticion.left(peticion.indexOf("\r\n")), QByteArray("POST /qboletos.asp HTTP/1.0"));
        QCOMPARE(cabeceras_de(peticion),
                 ordenadas({"Host: " + servidor.url().section(u'/', 2, 2).toLatin1(), "Referer: http://origen/",
                            "Accept: text/html", "Content-Type: application/x-www-form-urlencoded",
                            "Content-Length: 15"}));
        QVERIFY(peticion.endsWith("\r\n\r\nequipo=le\xF3n&j=1"));
    }

    void salto_de_linea_en_una_cabecera()
    {
        Escena escena(Servidor_prueba::respuesta_200("PAGINA"));
        auto& [servidor, http, registro] = escena;
        http.Agent = QStringLiteral("Brisamo\r\nX-Otra: 1");
        http.FetchText();
        QTRY_COMPARE_WITH_TIMEOUT(registro.finales(), 1, espera_generosa);
        QCOMPARE(registro.errores, 1);
        QCOMPARE(servidor.conexiones(), 0);
    }

    void parada_de_un_servidor_mudo()
    {
        Escena escena;
        auto& [servidor, http, registro] = escena;
        http.FetchText();
        QVERIFY(espera_a_conexion(servidor));
        QTest::qWait(silencio);
        QCOMPARE(registro.finales(), 0);
        http.StopFetch();
        // Well before the stall time-out would have ended it.
        QTRY_COMPARE_WITH_TIMEOUT(registro.finales(), 1, 10000);
        QCOMPARE(registro.errores, 1);
        QVERIFY(!http.en_curso());
    }

    void parada_durante_el_progreso()
    {
        Servidor_prueba servidor(Servidor_prueba::respuesta_200(pagina_de_partidos()));
        THTTPGet http(nullptr);
        Registro registro;
        registro.escucha(http);
        http.OnProgress = [&http, &registro](QObject*, int, int) {
            http.StopFetch();
            ++registro.errores;
        };
        http.URL = servidor.url();
        http.FetchText();
        // One report, the stop inside it, then OnError, never the page.
        QTRY_COMPARE_WITH_TIMEOUT(registro.errores, 2, espera_generosa);
        QTest::qWait(silencio);
        QCOMPARE(registro.errores, 2);
        QVERIFY(registro.textos.isEmpty());
    }

    void segunda_peticion_en_curso()
    {
        Escena escena;
        auto& [servidor, http, registro] = escena;
        http.FetchText();
        QVERIFY(espera_a_conexion(servidor));
        http.FetchText();
        QTest::qWait(3 * silencio);
        QCOMPARE(servidor.conexiones(), 1);
        QCOMPARE(registro.finales(), 0);
        http.StopFetch();
        QTRY_COMPARE_WITH_TIMEOUT(registro.finales(), 1, espera_generosa);
        QTest::qWait(silencio);
        QCOMPARE(registro.errores, 1);
    }

    void esperar_mensajes_no_espera_a_la_descarga_data()
    {
        QTest::addColumn<bool>("esperar");
        QTest::newRow("WaitThread") << true;
        QTest::newRow("sin WaitThread") << false;
    }

    void esperar_mensajes_no_espera_a_la_descarga()
    {
        QFETCH(bool, esperar);
        Escena escena;
        auto& [servidor, http, registro] = escena;
        http.WaitThread = esperar;
        bool atendido = false;
        QMetaObject::invokeMethod(this, [&atendido] { atendido = true; }, Qt::QueuedConnection);
        http.FetchText();
        QCOMPARE(atendido, esperar);
        QVERIFY(http.en_curso());
        QCOMPARE(registro.finales(), 0);
        http.StopFetch();
        QTRY_COMPARE_WITH_TIMEOUT(registro.errores, 1, espera_generosa);
    }

    void destruido_en_plena_descarga()
    {
        Servidor_prueba servidor;
        auto http = std::make_unique<THTTPGet>(nullptr);
        Registro registro;
        registro.escucha(*http);
        http->URL = servidor.url();
        http->FetchText();
        QVERIFY(espera_a_conexion(servidor));
        http.reset();
        QCoreApplication::processEvents();  // the worker has ended: whatever it posted is here
        QCOMPARE(registro.finales(), 0);
    }

    void destruido_desde_su_progreso()
    {
        Servidor_prueba servidor(Servidor_prueba::respuesta_200(todos_los_bytes(50000)));
        auto* http = new THTTPGet(nullptr);
        Registro registro;
        registro.escucha(*http);
        QPointer<QObject> trabajador;
        http->OnProgress = [&http, &registro, &trabajador](QObject* remitente, int, int) {
            registro.progresos += Progreso{remitente, true, 0, 0};
            trabajador = remitente;
            delete http;
            http = nullptr;
        };
        http->URL = servidor.url();
        http->FetchText();
        QTRY_VERIFY_WITH_TIMEOUT(!http, espera_generosa);
        QTRY_VERIFY_WITH_TIMEOUT(trabajador.isNull(), espera_generosa);
        QCoreApplication::processEvents();
        QCOMPARE(registro.progresos.size(), 1);
        QCOMPARE(registro.finales(), 0);
    }

    void destruido_desde_su_final()
    {
        Servidor_prueba servidor(Servidor_prueba::respuesta_200("PAGINA"));
        auto* http = new THTTPGet(nullptr);
        QPointer<QObject> trabajador;
        http->OnProgress = [&trabajador](QObject* remitente, int, int) { trabajador = remitente; };
        http->OnDoneString = [&http](QObject*, const QString&) {
            delete http;
            http = nullptr;
        };
        http->URL = servidor.url();
        http->FetchText();
        QTRY_VERIFY_WITH_TIMEOUT(!http, espera_generosa);
        QTRY_VERIFY_WITH_TIMEOUT(trabajador.isNull(), espera_generosa);
    }

    // Two bytes a second never trip the stall rule; the deadline ends it.
    void plazo_de_toda_la_descarga()
    {
        Escena escena(Servidor_prueba::respuesta_200(QByteArray(200, 'A')), 500);
        auto& [servidor, http, registro] = escena;
        http.plazo_segundos = 1;
        QElapsedTimer reloj;
        reloj.start();
        http.FetchText();
        QTRY_COMPARE_WITH_TIMEOUT(registro.finales(), 1, espera_generosa);
        QCOMPARE(registro.errores, 1);
        QVERIFY(!registro.progresos.isEmpty());
        QVERIFY2(reloj.elapsed() < 10000, qPrintable(QString::number(reloj.elapsed())));
    }

    // A library that is missing, or one without curl's functions, ends the
    // fetch as a failure before anything goes on the wire.
    void sin_biblioteca_http_data()
    {
        QTest::addColumn<QByteArray>("biblioteca");
        QTest::newRow("no existe") << QByteArray("libcurl-que-no-existe.so.4");
        QTest::newRow("sin las funciones") << QByteArray("libm.so.6");
    }

    void sin_biblioteca_http()
    {
        QFETCH(QByteArray, biblioteca);
        struct Vuelta {
            ~Vuelta() { fija_biblioteca_curl(nullptr); }
        } vuelta;
        fija_biblioteca_curl(biblioteca.constData());
        Escena escena(Servidor_prueba::respuesta_200("PAGINA"));
        auto& [servidor, http, registro] = escena;
        http.FetchText();
        QTRY_COMPARE_WITH_TIMEOUT(registro.finales(), 1, espera_generosa);
        QCOMPARE(registro.errores, 1);
        QVERIFY(!http.en_curso());
        QCOMPARE(servidor.conexiones(), 0);
    }

    void nueva_descarga_tras_la_anterior()
    {
        Escena escena(Servidor_prueba::respuesta_200("PAGINA"));
        auto& [servidor, http, registro] = escena;
        http.FetchText();
        QTRY_COMPARE_WITH_TIMEOUT(registro.finales(), 1, espera_generosa);
        http.FetchText();
        QTRY_COMPARE_WITH_TIMEOUT(registro.finales(), 2, espera_generosa);
        QCOMPARE(registro.textos, (QStringList{QStringLiteral("PAGINA"), QStringLiteral("PAGINA")}));
        QCOMPARE(servidor.conexiones(), 2);
    }
};

QTEST_MAIN(Prueba_httpget)
#include "prueba_httpget.moc"
