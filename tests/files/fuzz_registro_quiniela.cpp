// Any bytes at all: the decoder either refuses them with Error_tolvera or
// gives values that stay within their fields and survive another round
// through the record unchanged.
#include "common/error.h"
#include "files/registro_quiniela.h"

#include <cstdint>
#include <cstdlib>

namespace {

void exige(bool condicion)
{
    if (!condicion)
        std::abort();
}

bool signo_de_celda(QChar signo)
{
    return signo == QLatin1Char('0') || signo == QLatin1Char('1') || signo == QLatin1Char('x')
        || signo == QLatin1Char('2');
}

void comprueba(const registro_quiniela::Quiniela& quiniela)
{
    exige(quiniela.indice_apuestas >= -1 && quiniela.indice_apuestas <= 6);
    exige(quiniela.fecha.size() <= 8);
    for (int m = 0; m < 14; ++m) {
        exige(!quiniela.signos_partido[m].isEmpty() && quiniela.signos_partido[m].size() <= 3);
        exige(quiniela.equipos_local[m].size() <= 20 && quiniela.equipos_visitante[m].size() <= 20);
        exige(quiniela.porcentajes_1[m].size() <= 3 && quiniela.porcentajes_x[m].size() <= 3
              && quiniela.porcentajes_2[m].size() <= 3);
    }
    for (int c = 0; c < 8; ++c)
        for (int m = 0; m < 14; ++m)
            exige(signo_de_celda(quiniela.signos_pagina1[m][c]) && signo_de_celda(quiniela.signos_pagina2[m][c]));
    for (const auto& columna : quiniela.variables)
        for (const QString& celda : columna)
            exige(celda.size() <= 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano)
{
    const QByteArray registro(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(tamano));
    try {
        const registro_quiniela::Quiniela quiniela = registro_quiniela::descodifica(registro);
        comprueba(quiniela);
        const QByteArray otra_vez = registro_quiniela::codifica(quiniela);
        exige(otra_vez.size() == registro_quiniela::tamano);
        exige(registro_quiniela::descodifica(otra_vez) == quiniela);
    } catch (const Error_tolvera&) {
        // A short record or an unknown bets count: refused, nothing to check.
    }
    return 0;
}
