#include "matches/url_http.h"

namespace {

// The port written after the last colon of the host, 0 when there is none.
// An IPv6 literal ("[::1]") ends in a bracket and so names no port.
int puerto_escrito(QStringView host)
{
    const qsizetype dos_puntos = host.lastIndexOf(u':');
    if (dos_puntos < 0)
        return 0;
    const QStringView cifras = host.mid(dos_puntos + 1);
    if (cifras.isEmpty() || cifras.size() > 5)
        return 0;
    for (const QChar cifra : cifras)
        if (cifra < u'0' || cifra > u'9')
            return 0;
    const int puerto = cifras.toInt();
    return puerto <= 65535 ? puerto : 0;
}

}  // namespace

Url_dividida SplitUrl(const QString& url)
{
    const QString prefijo = QStringLiteral("http://");
    const QString resto = url.startsWith(prefijo, Qt::CaseInsensitive) ? url.mid(prefijo.size()) : url;
    const qsizetype barra = resto.indexOf(u'/');
    Url_dividida partes;
    partes.host = barra < 0 ? resto : resto.left(barra);
    partes.objeto = barra < 0 ? QStringLiteral("/") : resto.mid(barra);
    if (const int puerto = puerto_escrito(partes.host); puerto != 0) {
        partes.puerto = puerto;
        partes.host.truncate(partes.host.lastIndexOf(u':'));
    }
    return partes;
}
