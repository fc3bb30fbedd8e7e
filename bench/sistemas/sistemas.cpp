// The promise count at its worst case (14 triples, 16 columns) against the
// straightforward loop, and "Reducir" against a greedy covering. Times are
// the thread's processor time, so that other work on the machine does not
// count.
#include "sistemas/analisis.h"
#include "sistemas/reduccion.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <random>

using namespace sistemas;

namespace {

double segundos()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

std::vector<Partido> peor_caso()
{
    std::mt19937 azar(14);
    std::vector<Partido> partidos;
    for (int m = 0; m < 14; ++m) {
        Partido partido;
        for (int s = 0; s < 3; ++s) {
            Resultado r;
            r.probabilidad = 1.0 / 3;
            for (int k = 0; k < columnas_maximas; ++k)
                r.aciertos[static_cast<std::size_t>(k)] = azar() % 3 == 0 ? 1 : 0;
            partido.push_back(r);
        }
        partidos.push_back(partido);
    }
    return partidos;
}

void mide_analisis()
{
    const std::vector<Partido> partidos = peor_caso();
    double rapida = 1e9;
    Promesa p;
    for (int vez = 0; vez < 10; ++vez) {
        const double inicio = segundos();
        p = analiza(partidos);
        rapida = std::min(rapida, segundos() - inicio);
    }
    const double inicio = segundos();
    const Promesa q = analiza_uno_a_uno(partidos);
    const double lenta = segundos() - inicio;
    double diferencia = 0;
    for (std::size_t h = 0; h < 15; ++h)
        diferencia = std::max(diferencia, std::abs(p.probabilidades[h] - q.probabilidades[h]));
    std::printf("Promise of 14 triples in 16 columns (4782969 results):\n"
                "  halves and SIMD: %.2f ms (best of 10)\n  one by one:      %.1f ms\n"
                "  ratio %.0fx; guarantees %d and %d, largest difference of chances %.1e\n\n",
                rapida * 1e3, lenta * 1e3, lenta / rapida, p.garantia, q.garantia, diferencia);
}

// Lexicographic greedy covering: the results in order, each one taken as a
// column when no column so far is within `radio` misses of it; the smallest
// radius that fits the columns, the rest repeating the first.
std::vector<Columna> voraz(const std::vector<Reparto>& partidos, int columnas)
{
    const std::size_t v = partidos.size();
    std::vector<std::vector<std::uint8_t>> signos(v);
    for (std::size_t m = 0; m < v; ++m)
        for (std::uint8_t s = 0; s < 3; ++s)
            if (partidos[m][s] > 0)
                signos[m].push_back(s);
    for (std::size_t radio = 0; radio <= v; ++radio) {
        std::vector<Columna> c;
        std::vector<std::size_t> indices(v, 0);
        bool cabe = true;
        while (cabe) {
            Columna x(v);
            for (std::size_t m = 0; m < v; ++m)
                x[m] = signos[m][indices[m]];
            const bool cubierto = std::any_of(c.begin(), c.end(), [&](const Columna& y) {
                std::size_t fallos = 0;
                for (std::size_t m = 0; m < v; ++m)
                    fallos += x[m] != y[m] ? 1 : 0;
                return fallos <= radio;
            });
            if (!cubierto) {
                c.push_back(x);
                cabe = static_cast<int>(c.size()) <= columnas;
            }
            std::size_t m = 0;
            while (m < v && ++indices[m] == signos[m].size())
                indices[m++] = 0;
            if (m == v)
                break;
        }
        if (cabe) {
            const Columna primera = c.front();
            while (static_cast<int>(c.size()) < columnas)
                c.push_back(primera);
            return c;
        }
    }
    return {};
}

void mide_reducir()
{
    struct Mezcla {
        int triples;
        int dobles;
        int columnas;
    };
    const std::vector<Mezcla> mezclas = {{4, 0, 10}, {3, 0, 6},  {2, 1, 16}, {0, 7, 16}, {5, 0, 8},
                                         {6, 0, 16}, {0, 9, 16}, {8, 0, 16}, {4, 4, 12}, {10, 0, 16},
                                         {7, 7, 16}, {0, 14, 16}, {14, 0, 16}, {14, 0, 4}};
    std::printf("\"Reducir\" (guarantee over the variable matches) against a greedy covering:\n"
                "  mix          columns  Reducir  greedy   time Reducir  P(all) Reducir / greedy\n");
    double peor = 0;
    for (const Mezcla& mezcla : mezclas) {
        std::vector<Reparto> partidos(static_cast<std::size_t>(mezcla.triples), Reparto{40, 30, 30});
        partidos.insert(partidos.end(), static_cast<std::size_t>(mezcla.dobles), Reparto{60, 40, 0});
        const double inicio = segundos();
        const Sistema s = reduce(partidos, mezcla.columnas);
        const double tiempo = segundos() - inicio;
        peor = std::max(peor, tiempo);
        const Sistema g = evalua(partidos, voraz(partidos, mezcla.columnas));
        std::printf("  %2d T + %2d D   %2d       %2d/%-2d    %2d/%-2d   %7.1f ms     %.5f / %.5f\n", mezcla.triples,
                    mezcla.dobles, mezcla.columnas, s.garantia, mezcla.triples + mezcla.dobles, g.garantia,
                    mezcla.triples + mezcla.dobles, tiempo * 1e3, s.pleno, g.pleno);
    }
    std::printf("  slowest: %.1f ms\n", peor * 1e3);
}

}  // namespace

int main()
{
    mide_analisis();
    mide_reducir();
    return 0;
}
