#include "matches/libcurl.h"

#include <dlfcn.h>

namespace {

const char* const biblioteca_del_sistema = "libcurl.so.4";
const char* biblioteca = biblioteca_del_sistema;

enum class Estado { sin_abrir, cargada, ausente };
Estado estado = Estado::sin_abrir;
Funciones_curl funciones {};

template <typename Funcion>
bool resuelve(void* abierta, const char* nombre, Funcion& destino)
{
    destino = reinterpret_cast<Funcion>(dlsym(abierta, nombre));
    return destino != nullptr;
}

bool carga(Funciones_curl& f)
{
    void* abierta = dlopen(biblioteca, RTLD_NOW | RTLD_LOCAL);
    if (!abierta)
        return false;
    return resuelve(abierta, "curl_global_init", f.global_init)
        && resuelve(abierta, "curl_easy_init", f.easy_init)
        && resuelve(abierta, "curl_easy_cleanup", f.easy_cleanup)
        && resuelve(abierta, "curl_easy_setopt", f.easy_setopt)
        && resuelve(abierta, "curl_easy_getinfo", f.easy_getinfo)
        && resuelve(abierta, "curl_slist_append", f.slist_append)
        && resuelve(abierta, "curl_slist_free_all", f.slist_free_all)
        && resuelve(abierta, "curl_multi_init", f.multi_init)
        && resuelve(abierta, "curl_multi_cleanup", f.multi_cleanup)
        && resuelve(abierta, "curl_multi_add_handle", f.multi_add_handle)
        && resuelve(abierta, "curl_multi_remove_handle", f.multi_remove_handle)
        && resuelve(abierta, "curl_multi_perform", f.multi_perform)
        && resuelve(abierta, "curl_multi_poll", f.multi_poll)
        && resuelve(abierta, "curl_multi_wakeup", f.multi_wakeup)
        && resuelve(abierta, "curl_multi_info_read", f.multi_info_read)
        && f.global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
}

}  // namespace

// The library stays loaded until the program ends: curl's global state must
// outlive every transfer.
const Funciones_curl* libcurl()
{
    if (estado == Estado::sin_abrir)
        estado = carga(funciones) ? Estado::cargada : Estado::ausente;
    return estado == Estado::cargada ? &funciones : nullptr;
}

void fija_biblioteca_curl(const char* nombre)
{
    biblioteca = nombre ? nombre : biblioteca_del_sistema;
    estado = Estado::sin_abrir;
    funciones = {};
}
