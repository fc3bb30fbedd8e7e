#pragma once

#include <QString>

// Where a fetch goes: the host, its port and the object name that the
// request line carries (path and query as they stand).
struct Url_dividida {
    QString host;
    int puerto = 80;
    QString objeto;
};

// "http://" (in any case) is dropped and the host runs to the first "/",
// which begins the object name; with no "/" after the host the object is "/".
// A decimal ":port" at the end of the host is taken out of it as the port.
Url_dividida SplitUrl(const QString& url);
