#pragma once

#include <QByteArray>

#include <curl/curl.h>

#include <atomic>
#include <functional>

// One HTTP request as the fetch worker makes it, texts already in the bytes
// that go on the wire.
struct Peticion_http {
    QByteArray url;  // "http://host:port/object"
    QByteArray agente;  // empty: no User-Agent
    QByteArray usuario;
    QByteArray contrasena;
    QByteArray referer;
    QByteArray tipos_aceptados;
    QByteArray cuerpo_post;  // not empty: a form POST with this body
    bool recarga = true;  // every cache on the way is told to ask the server
    int plazo_segundos = 0;  // the whole exchange ends after this long; 0: no limit
    // A server that does not take the connection, or that sends nothing for
    // this long, ends the exchange: the fetch must not hang on it.
    int segundos_conexion = 30;
    int segundos_parado = 30;
};

// The exchange itself, over libcurl: HTTP/1.0, no redirects followed, and an
// end to it when connecting or the answer stalls for too long, or when it
// runs past its deadline.
class Transferencia_http {
public:
    // The status and the Content-Length (-1 when the answer has none), once,
    // before the first byte of the body; false ends the exchange.
    using Al_recibir_cabeceras = std::function<bool(long estado, qint64 longitud)>;
    // Each block of the body as it arrives; false ends the exchange.
    using Al_recibir = std::function<bool(const char* datos, qsizetype cantidad)>;

    Transferencia_http();
    ~Transferencia_http();
    Transferencia_http(const Transferencia_http&) = delete;
    Transferencia_http& operator=(const Transferencia_http&) = delete;

    // True when the whole answer has arrived. A set `parar` ends the exchange
    // as soon as it is seen, false.
    bool realiza(const Peticion_http& peticion, const std::atomic<bool>& parar,
                 const Al_recibir_cabeceras& cabeceras, const Al_recibir& cuerpo);

    // From any thread: a `realiza` that waits on the network looks at its
    // `parar` at once.
    void despierta();

private:
    bool espera_final(const std::atomic<bool>& parar);

    CURLM* multi_;
    // The library that made `multi_` ends it, even when the test seam has
    // since named another one for the next downloads.
    decltype(&::curl_multi_cleanup) termina_multi_ = nullptr;
};
