#include "matches/archivo_equipos.h"

#include "common/ansi.h"
#include "common/archivo_regular.h"
#include "common/error.h"

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
    const archivo_regular::Lectura lectura = archivo_regular::lee(nombre, bytes_maximos + 1);
    if (lectura.error != 0)
        throw Error_tolvera(QStringLiteral("Cannot open file %1").arg(nombre));
    if (lectura.bytes.size() > bytes_maximos)
        throw Error_tolvera(QStringLiteral("La lista de equipos %1 pasa de 1 MiB").arg(nombre));
    QStringList equipos = lineas(descodifica(lectura.bytes));
    if (std::any_of(equipos.cbegin(), equipos.cend(),
                    [](const QString& equipo) { return equipo.size() > caracteres_maximos; }))
        throw Error_tolvera(QStringLiteral("La lista de equipos %1 tiene una línea de más de %2 caracteres")
                                .arg(nombre)
                                .arg(caracteres_maximos));
    return equipos;
}

}  // namespace archivo_equipos
