#include "common/aleatorio.h"

namespace aleatorio {

namespace {
std::uint32_t semilla_actual = 0;
}

std::uint32_t sorteo(std::uint32_t rango)
{
    semilla_actual = semilla_actual * 134775813u + 1u;
    return static_cast<std::uint32_t>(
        (static_cast<std::uint64_t>(semilla_actual) * rango) >> 32);
}

std::uint32_t semilla()
{
    return semilla_actual;
}

void fija_semilla(std::uint32_t valor)
{
    semilla_actual = valor;
}

void calienta(int milisegundos)
{
    for (int i = 0; i < milisegundos; ++i)
        sorteo(8);
}

}  // namespace aleatorio
