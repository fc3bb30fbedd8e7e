#include "matches/libcurl.h"

#include <dlfcn.h>

namespace {

template <typename Funcion>
bool resuelve(void* biblioteca, const char* nombre, Funcion& destino)
{
    destino = reinterpret_cast<Funcion>(dlsym(biblioteca, nombre));
    return destino != nullptr;
}

bool carga(Funciones_curl& f)
{
    void* biblioteca = dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
    if (!biblioteca)
        return false;
    return resuelve(biblioteca, "curl_global_init", f.global_init)
        && resuelve(biblioteca, "curl_easy_init", f.easy_init)
        && resuelve(biblioteca, "curl_easy_cleanup", f.easy_cleanup)
        && resuelve(biblioteca, "curl_easy_setopt", f.easy_setopt)
        && resuelve(biblioteca, "curl_easy_getinfo", f.easy_getinfo)
        && resuelve(biblioteca, "curl_slist_append", f.slist_append)
        && resuelve(biblioteca, "curl_slist_free_all", f.slist_free_all)
        && resuelve(biblioteca, "curl_multi_init", f.multi_init)
        && resuelve(biblioteca, "curl_multi_cleanup", f.multi_cleanup)
        && resuelve(biblioteca, "curl_multi_add_handle", f.multi_add_handle)
        && resuelve(biblioteca, "curl_multi_remove_handle", f.multi_remove_handle)
        && resuelve(biblioteca, "curl_multi_perform", f.multi_perform)
        && resuelve(biblioteca, "curl_multi_poll", f.multi_poll)
        && resuelve(biblioteca, "curl_multi_wakeup", f.multi_wakeup)
        && resuelve(biblioteca, "curl_multi_info_read", f.multi_info_read)
        && f.global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
}

}  // namespace

// The library stays loaded until the program ends: curl's global state must
// outlive every transfer.
const Funciones_curl* libcurl()
{
    static Funciones_curl funciones {};
    static const bool cargada = carga(funciones);
    return cargada ? &funciones : nullptr;
}
