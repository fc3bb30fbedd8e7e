#include "matches/archivo_equipos.h"

#include "common/ansi.h"
#include "common/error.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>

namespace archivo_equipos {

QString descodifica(const QByteArray& bytes)
{
    const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                   [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
    if (!ascii) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString texto = utf8.decode(bytes);
        if (!utf8.hasError())
            return texto;
    }
    return ansi::a_texto(bytes);
}

QStringList lineas(const QString& texto)
{
    QStringList resultado;
    qsizetype inicio = 0;
    qsizetype i = 0;
    while (i < texto.size()) {
        const QChar caracter = texto.at(i);
        if (caracter != QLatin1Char('\r') && caracter != QLatin1Char('\n')) {
            ++i;
            continue;
        }
        resultado.append(texto.mid(inicio, i - inicio));
        ++i;
        if (caracter == QLatin1Char('\r') && i < texto.size() && texto.at(i) == QLatin1Char('\n'))
            ++i;
        inicio = i;
    }
    if (inicio < texto.size())
        resultado.append(texto.mid(inicio));
    return resultado;
}

QStringList lee(const QString& nombre)
{
    QFile archivo(nombre);
    if (!archivo.open(QIODevice::ReadOnly))
        throw Error_tolvera(QStringLiteral("Cannot open file %1").arg(nombre));
    return lineas(descodifica(archivo.readAll()));
}

}  // namespace archivo_equipos
