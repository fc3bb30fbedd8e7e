#pragma once

#include <array>
#include <cstdint>
#include <vector>

// What a slip promises, counted over every result of the 14 matches: the
// guarantee (the least, over the results that count for it, of the best
// column's hits) and the chance of each number of hits of the best column.
// No widgets here; the callers describe each match by its possible results.
namespace sistemas {

inline constexpr int columnas_maximas = 16;

// Per bet column, 1 when that column hits the result, else 0. Columns not
// played stay 0, so they never make the best column.
using Aciertos = std::array<std::uint8_t, columnas_maximas>;

// One possible result of a match: which columns hit it, how likely it is
// (0 when it only counts for the guarantee) and whether the guarantee looks
// at it.
struct Resultado {
    Aciertos aciertos{};
    double probabilidad = 0;
    bool en_garantia = true;
};

// The possible results of one match; at least one.
using Partido = std::vector<Resultado>;

struct Promesa {
    // -1 when no result counts for the guarantee.
    int garantia = -1;
    // probabilidades[h]: the weight of the results whose best column hits h
    // matches; the product of the matches' probabilities.
    std::array<double, 15> probabilidades{};
    // Match by match, the index of one result that gives the guarantee.
    std::vector<int> peor_resultado;
};

// Meet in the middle: each half of the matches is enumerated once with its
// per-column hits, and every pair of halves is combined sixteen columns at a
// time, so 14 triples with 16 columns (4.8 million results) take a few
// milliseconds. `giro` only chooses which of the worst results is reported.
Promesa analiza(const std::vector<Partido>& partidos, std::uint64_t giro = 0);

// The same counted one result and one column at a time: the reference the
// fast count is checked and measured against.
Promesa analiza_uno_a_uno(const std::vector<Partido>& partidos);

}  // namespace sistemas
