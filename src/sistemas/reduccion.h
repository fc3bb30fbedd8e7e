#pragma once

#include <array>
#include <cstdint>
#include <vector>

// Reduced systems: the signs of the variable matches in each bet column so
// that, whenever every result falls inside the signs chosen, the best column
// hits as many of those matches as can be; among systems as good, the most
// likely to hit all of them; and no column twice while another is left.
// Deterministic: its own fixed seed, never the program's random generator.
namespace sistemas {

// Chances of "1", "X" and "2" of one variable match; a sign at 0 is not one
// of its signs. At least one is above 0.
using Reparto = std::array<double, 3>;

// One bet column: the sign of each variable match, 0 "1", 1 "X", 2 "2".
using Columna = std::vector<std::uint8_t>;

struct Sistema {
    std::vector<Columna> columnas;
    // Least, over every result inside the signs, of the best column's hits
    // on the variable matches.
    int garantia = 0;
    // Chance that some column hits them all.
    double pleno = 0;
};

// `columnas` columns (1 to 16) for up to 14 variable matches.
Sistema reduce(const std::vector<Reparto>& partidos, int columnas);

// The guarantee and the chance of hitting all variable matches of given
// columns, as reduce() counts them.
Sistema evalua(const std::vector<Reparto>& partidos, const std::vector<Columna>& columnas);

}  // namespace sistemas
