// Any bytes as the operator's page: the cutter must read nothing outside
// them and must agree with itself match by match.
#include "matches/pagina_partidos.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void comprueba(bool condicion)
{
    if (!condicion)
        std::abort();
}

// The home name ends before the hyphen of a 30-byte piece; the away name is
// an initial and at most 12 more.
void comprueba_equipos(const std::optional<pagina_partidos::Equipos>& equipos)
{
    if (equipos)
        comprueba(!equipos->local.isEmpty() && equipos->local.size() <= 29 && !equipos->visitante.isEmpty()
                  && equipos->visitante.size() <= 13);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano)
{
    // No copy and no terminating zero: a read past the input is a read past the buffer.
    const QByteArray pagina =
        QByteArray::fromRawData(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(tamano));
    comprueba_equipos(pagina_partidos::separa(pagina.left(30)));
    const auto partidos = pagina_partidos::lee(pagina);
    for (int n = 1; n <= pagina_partidos::numero_partidos; ++n) {
        const auto trozo = pagina_partidos::trozo(pagina, n);
        comprueba(!trozo || trozo->size() <= 30);
        const auto equipos = trozo ? pagina_partidos::separa(*trozo) : std::nullopt;
        comprueba_equipos(equipos);
        if (partidos)
            comprueba(equipos && equipos->local == (*partidos)[n - 1].local
                      && equipos->visitante == (*partidos)[n - 1].visitante);
    }
    return 0;
}
