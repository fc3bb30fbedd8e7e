#include "matches/transferencia_http.h"

#include "matches/libcurl.h"

#include <initializer_list>
#include <memory>

namespace {

// A wait on the network also ends this often to look at the stop request,
// should a wake-up ever be missed.
constexpr int milisegundos_espera = 1000;

// Only reached once the constructor found the library.
const Funciones_curl& curl()
{
    return *libcurl();
}

struct Borra_easy {
    void operator()(CURL* easy) const { curl().easy_cleanup(easy); }
};
struct Borra_lista {
    void operator()(curl_slist* lista) const { curl().slist_free_all(lista); }
};
using Easy = std::unique_ptr<CURL, Borra_easy>;
using Lista = std::unique_ptr<curl_slist, Borra_lista>;

struct Recepcion {
    CURL* easy;
    const Transferencia_http::Al_recibir_cabeceras& cabeceras;
    const Transferencia_http::Al_recibir& cuerpo;
    bool cabeceras_vistas = false;
};

bool cabeceras_aceptadas(Recepcion& recepcion)
{
    long estado = 0;
    curl_off_t longitud = -1;
    curl().easy_getinfo(recepcion.easy, CURLINFO_RESPONSE_CODE, &estado);
    curl().easy_getinfo(recepcion.easy, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &longitud);
    return recepcion.cabeceras(estado, longitud);
}

size_t escribe(char* datos, size_t, size_t cantidad, void* usuario)
{
    auto& recepcion = *static_cast<Recepcion*>(usuario);
    if (!recepcion.cabeceras_vistas) {
        recepcion.cabeceras_vistas = true;
        if (!cabeceras_aceptadas(recepcion))
            return CURL_WRITEFUNC_ERROR;
    }
    if (!recepcion.cuerpo(datos, static_cast<qsizetype>(cantidad)))
        return CURL_WRITEFUNC_ERROR;
    return cantidad;
}

// A line break inside a header text would start a header of its own.
bool cabeceras_limpias(const Peticion_http& peticion)
{
    for (const QByteArray* texto : {&peticion.agente, &peticion.usuario, &peticion.contrasena,
                                    &peticion.referer, &peticion.tipos_aceptados})
        if (texto->contains('\r') || texto->contains('\n'))
            return false;
    return true;
}

void anade(Lista& lista, const QByteArray& linea)
{
    // On failure curl leaves the list as it was.
    if (curl_slist* cabeza = curl().slist_append(lista.get(), linea.constData())) {
        (void)lista.release();
        lista.reset(cabeza);
    }
}

Lista cabeceras_de(const Peticion_http& peticion)
{
    Lista lista;
    // An empty list of types leaves the request with no Accept line at all.
    anade(lista, "Accept: " + peticion.tipos_aceptados);
    if (peticion.recarga) {
        anade(lista, "Pragma: no-cache");
        anade(lista, "Cache-Control: no-cache");
    }
    if (!peticion.cuerpo_post.isEmpty())
        anade(lista, "Content-Type: application/x-www-form-urlencoded");
    return lista;
}

void pon_texto(CURL* easy, CURLoption opcion, const QByteArray& texto)
{
    if (!texto.isEmpty())
        curl().easy_setopt(easy, opcion, texto.constData());
}

void configura(CURL* easy, const Peticion_http& peticion, curl_slist* cabeceras, Recepcion& recepcion)
{
    curl().easy_setopt(easy, CURLOPT_URL, peticion.url.constData());
    // A worker thread must not meet the signals curl would otherwise use.
    curl().easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    // A name lookup that is still running when the fetch stops is left
    // behind instead of waited for.
    curl().easy_setopt(easy, CURLOPT_QUICK_EXIT, 1L);
    curl().easy_setopt(easy, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
    curl().easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 0L);
    pon_texto(easy, CURLOPT_USERAGENT, peticion.agente);
    pon_texto(easy, CURLOPT_USERNAME, peticion.usuario);
    pon_texto(easy, CURLOPT_PASSWORD, peticion.contrasena);
    pon_texto(easy, CURLOPT_REFERER, peticion.referer);
    curl().easy_setopt(easy, CURLOPT_HTTPHEADER, cabeceras);
    if (!peticion.cuerpo_post.isEmpty()) {
        curl().easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(peticion.cuerpo_post.size()));
        curl().easy_setopt(easy, CURLOPT_POSTFIELDS, peticion.cuerpo_post.constData());
    }
    curl().easy_setopt(easy, CURLOPT_CONNECTTIMEOUT, static_cast<long>(peticion.segundos_conexion));
    curl().easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl().easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, static_cast<long>(peticion.segundos_parado));
    if (peticion.plazo_segundos > 0)
        curl().easy_setopt(easy, CURLOPT_TIMEOUT, static_cast<long>(peticion.plazo_segundos));
    curl().easy_setopt(easy, CURLOPT_WRITEFUNCTION, &escribe);
    curl().easy_setopt(easy, CURLOPT_WRITEDATA, &recepcion);
}

CURLcode resultado_de(CURLM* multi)
{
    int quedan = 0;
    while (const CURLMsg* mensaje = curl().multi_info_read(multi, &quedan))
        if (mensaje->msg == CURLMSG_DONE)
            return mensaje->data.result;
    return CURLE_FAILED_INIT;
}

}  // namespace

Transferencia_http::Transferencia_http()
{
    // Loaded and initialised once, before any worker thread can touch curl.
    multi_ = libcurl() ? curl().multi_init() : nullptr;
    if (multi_)
        termina_multi_ = curl().multi_cleanup;
}

Transferencia_http::~Transferencia_http()
{
    if (multi_)
        termina_multi_(multi_);
}

bool Transferencia_http::realiza(const Peticion_http& peticion, const std::atomic<bool>& parar,
                                 const Al_recibir_cabeceras& cabeceras, const Al_recibir& cuerpo)
{
    // Without the library (missing, or too old to have every function) there
    // is nothing to call: the fetch fails like one that reached no server.
    if (!multi_)
        return false;
    const Easy easy(curl().easy_init());
    if (!easy || !cabeceras_limpias(peticion))
        return false;
    const Lista lista = cabeceras_de(peticion);
    Recepcion recepcion{easy.get(), cabeceras, cuerpo};
    configura(easy.get(), peticion, lista.get(), recepcion);
    if (curl().multi_add_handle(multi_, easy.get()) != CURLM_OK)
        return false;
    const bool completa = espera_final(parar);
    curl().multi_remove_handle(multi_, easy.get());
    return completa;
}

bool Transferencia_http::espera_final(const std::atomic<bool>& parar)
{
    while (!parar) {
        int activas = 0;
        if (curl().multi_perform(multi_, &activas) != CURLM_OK)
            return false;
        if (activas == 0)
            return resultado_de(multi_) == CURLE_OK;
        curl().multi_poll(multi_, nullptr, 0, milisegundos_espera, nullptr);
    }
    return false;
}

void Transferencia_http::despierta()
{
    if (multi_)
        curl().multi_wakeup(multi_);
}
