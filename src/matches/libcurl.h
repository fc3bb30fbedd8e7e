#pragma once

#include <curl/curl.h>

// libcurl comes with some thirty libraries of its own; linking it would make
// every start of the program load them and more than double its start-up
// time. It is opened instead when the first download starts.
struct Funciones_curl {
    decltype(&::curl_global_init) global_init;
    decltype(&::curl_easy_init) easy_init;
    decltype(&::curl_easy_cleanup) easy_cleanup;
    decltype(&::curl_easy_setopt) easy_setopt;
    decltype(&::curl_easy_getinfo) easy_getinfo;
    decltype(&::curl_slist_append) slist_append;
    decltype(&::curl_slist_free_all) slist_free_all;
    decltype(&::curl_multi_init) multi_init;
    decltype(&::curl_multi_cleanup) multi_cleanup;
    decltype(&::curl_multi_add_handle) multi_add_handle;
    decltype(&::curl_multi_remove_handle) multi_remove_handle;
    decltype(&::curl_multi_perform) multi_perform;
    decltype(&::curl_multi_poll) multi_poll;
    decltype(&::curl_multi_wakeup) multi_wakeup;
    decltype(&::curl_multi_info_read) multi_info_read;
};

// The library's functions, initialised once; null when it cannot be loaded
// or lacks one of them. First called on the user-interface thread when a
// download is set up, before its worker runs.
const Funciones_curl* libcurl();

// Test seam: the library to open instead of "libcurl.so.4" (nullptr: that
// one again), opened afresh at the next download. Only while none runs.
void fija_biblioteca_curl(const char* nombre);
