// A server that takes the request and never answers: the fetch gives up on
// its own, with OnError, instead of hanging, once the stall limit has passed.
#include "servidor_prueba.h"

#include "matches/HTTPGet.h"

#include <QElapsedTimer>
#include <QTest>

class Prueba_httpget_espera : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void servidor_mudo()
    {
        qunsetenv("http_proxy");
        qunsetenv("all_proxy");
        Servidor_prueba servidor;
        THTTPGet http(nullptr);
        int errores = 0;
        http.OnError = [&errores](QObject*) { ++errores; };
        http.OnDoneString = [](QObject*, const QString&) { QFAIL("a silent server gave a page"); };
        http.URL = servidor.url();
        http.segundos_parado = 1;
        QElapsedTimer reloj;
        reloj.start();
        http.FetchText();
        QTRY_COMPARE_WITH_TIMEOUT(errores, 1, 20000);
        qInfo("gave up after %lld ms", static_cast<long long>(reloj.elapsed()));
        QCOMPARE(servidor.conexiones(), 1);
    }
};

QTEST_MAIN(Prueba_httpget_espera)
#include "prueba_httpget_espera.moc"
