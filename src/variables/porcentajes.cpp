#include "variables/porcentajes.h"

namespace porcentajes {

std::optional<int> lee(const QString& texto)
{
    const qsizetype inicio = texto.startsWith(QLatin1Char('-')) || texto.startsWith(QLatin1Char('+')) ? 1 : 0;
    if (texto.size() == inicio)
        return std::nullopt;
    for (qsizetype i = inicio; i < texto.size(); ++i)
        if (texto[i] < QLatin1Char('0') || texto[i] > QLatin1Char('9'))
            return std::nullopt;
    bool valido = false;
    const int valor = texto.toInt(&valido);
    if (!valido)
        return std::nullopt;
    return valor;
}

int pareja(const Fila& fila, int pulsada)
{
    const int siguiente = (pulsada + 1) % 3;
    return fila[static_cast<std::size_t>(siguiente)] != 0 ? siguiente : (pulsada + 2) % 3;
}

bool suma(Fila& fila, int pulsada)
{
    const auto otra = static_cast<std::size_t>(pareja(fila, pulsada));
    auto& valor = fila[static_cast<std::size_t>(pulsada)];
    if (valor >= 99)
        return false;
    valor += 1;
    fila[otra] -= 1;
    return true;
}

bool resta(Fila& fila, int pulsada)
{
    const auto otra = static_cast<std::size_t>(pareja(fila, pulsada));
    auto& valor = fila[static_cast<std::size_t>(pulsada)];
    if (valor <= 0)
        return false;
    valor -= 1;
    fila[otra] += 1;
    return true;
}

}  // namespace porcentajes
