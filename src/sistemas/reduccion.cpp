#include "sistemas/reduccion.h"

#include "sistemas/analisis.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <queue>
#include <set>
#include <stdexcept>

namespace sistemas {

namespace {

// Work allowed to each stage, in pairs of half-results combined: about a
// third of a second on a plain desktop, whatever the mix. Counted, never
// timed, so that a slow or busy machine gives the same columns.
constexpr double trabajo_cobertura = 1.2e8;
constexpr double trabajo_pleno = 0.6e8;
constexpr int evaluaciones_maximas = 20000;
// What one count costs besides its pairs, in the same units.
constexpr double trabajo_por_cuenta = 2000;

// The search's own generator (xorshift), always from the same seed.
class Azar {
public:
    std::uint64_t siguiente()
    {
        estado_ ^= estado_ << 13;
        estado_ ^= estado_ >> 7;
        estado_ ^= estado_ << 17;
        return estado_;
    }

private:
    std::uint64_t estado_ = 0x9e3779b97f4a7c15ULL;
};

// A column over the matches with a choice: at coordinate i, the index into
// that match's signs.
using Palabra = std::vector<std::uint8_t>;
using Codigo = std::vector<Palabra>;

// Columns in the order of their signs, element by element (a loop of its
// own: the library's comparison of byte vectors trips a false warning of
// GCC 12 about memcmp's bound).
struct Antes {
    bool operator()(const Palabra& a, const Palabra& b) const
    {
        for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
            if (a[i] != b[i])
                return a[i] < b[i];
        return a.size() < b.size();
    }
};
using Conjunto = std::set<Palabra, Antes>;

// The matches with more than one sign; the others are hit by every column.
struct Espacio {
    std::vector<std::vector<std::uint8_t>> signos;
    std::vector<std::vector<double>> probabilidades;
    // The variable match behind each coordinate, and the one sign of every
    // match without a choice.
    std::vector<int> partido;
    std::vector<int> fijo;
    double puntos = 1;

    int tamano(std::size_t i) const { return static_cast<int>(signos[i].size()); }
    std::size_t coordenadas() const { return signos.size(); }

    double probabilidad(const Palabra& p) const
    {
        double total = 1;
        for (std::size_t i = 0; i < p.size(); ++i)
            total *= probabilidades[i][p[i]];
        return total;
    }
};

Espacio espacio_de(const std::vector<Reparto>& partidos)
{
    Espacio e;
    e.fijo.assign(partidos.size(), -1);
    for (std::size_t m = 0; m < partidos.size(); ++m) {
        std::vector<std::uint8_t> signos;
        double suma = 0;
        for (std::uint8_t s = 0; s < 3; ++s)
            if (partidos[m][s] > 0) {
                signos.push_back(s);
                suma += partidos[m][s];
            }
        if (signos.empty())
            throw std::invalid_argument("a variable match without signs");
        if (signos.size() == 1) {
            e.fijo[m] = signos[0];
            continue;
        }
        std::vector<double> probabilidades;
        for (std::uint8_t s : signos)
            probabilidades.push_back(partidos[m][s] / suma);
        e.signos.push_back(std::move(signos));
        e.probabilidades.push_back(std::move(probabilidades));
        e.partido.push_back(static_cast<int>(m));
        e.puntos *= static_cast<double>(e.signos.back().size());
    }
    return e;
}

// The `cuantas` most likely columns, best first; ties go to the first in
// the order of the signs.
std::vector<Palabra> mas_probables(const Espacio& e, std::size_t cuantas)
{
    using Entrada = std::pair<double, Palabra>;
    const auto peor = [](const Entrada& a, const Entrada& b) {
        return a.first != b.first ? a.first < b.first : Antes{}(b.second, a.second);
    };
    std::priority_queue<Entrada, std::vector<Entrada>, decltype(peor)> frente(peor);
    Conjunto vistas;
    // Coordinates walk their signs from the most likely down.
    std::vector<std::vector<std::uint8_t>> orden(e.coordenadas());
    for (std::size_t i = 0; i < e.coordenadas(); ++i) {
        orden[i].resize(e.signos[i].size());
        std::iota(orden[i].begin(), orden[i].end(), 0);
        std::stable_sort(orden[i].begin(), orden[i].end(), [&](std::uint8_t a, std::uint8_t b) {
            return e.probabilidades[i][a] > e.probabilidades[i][b];
        });
    }
    const auto palabra = [&](const std::vector<std::uint8_t>& rangos) {
        Palabra p(rangos.size());
        for (std::size_t i = 0; i < rangos.size(); ++i)
            p[i] = orden[i][rangos[i]];
        return p;
    };
    std::map<Palabra, std::vector<std::uint8_t>, Antes> rangos_de;
    const std::vector<std::uint8_t> inicio(e.coordenadas(), 0);
    frente.push({e.probabilidad(palabra(inicio)), palabra(inicio)});
    rangos_de[palabra(inicio)] = inicio;
    vistas.insert(palabra(inicio));
    std::vector<Palabra> salida;
    while (!frente.empty() && salida.size() < cuantas) {
        const Palabra p = frente.top().second;
        frente.pop();
        salida.push_back(p);
        const std::vector<std::uint8_t> r = rangos_de[p];
        for (std::size_t i = 0; i < r.size(); ++i) {
            if (r[i] + 1 >= e.tamano(i))
                continue;
            std::vector<std::uint8_t> s = r;
            ++s[i];
            const Palabra q = palabra(s);
            if (vistas.insert(q).second) {
                rangos_de[q] = s;
                frente.push({e.probabilidad(q), q});
            }
        }
    }
    return salida;
}

struct Nota {
    int garantia = -1;
    // Results at the guarantee: the fewer, the nearer the next one.
    double en_garantia = 0;
    double pleno = 0;
    std::vector<int> testigo;

    bool mejor_que(const Nota& otra) const
    {
        if (garantia != otra.garantia)
            return garantia > otra.garantia;
        if (en_garantia != otra.en_garantia)
            return en_garantia < otra.en_garantia;
        return pleno > otra.pleno;
    }
};

double pleno_de(const Espacio& e, const Codigo& c)
{
    const Conjunto distintas(c.begin(), c.end());
    double total = 0;
    for (const Palabra& p : distintas)
        total += e.probabilidad(p);
    return total;
}

class Busqueda {
public:
    explicit Busqueda(const Espacio& e)
        : e_(e)
    {
    }

    Nota nota(const Codigo& c)
    {
        ++evaluaciones_;
        trabajo_ += e_.puntos + trabajo_por_cuenta;
        std::vector<Partido> partidos(e_.coordenadas());
        for (std::size_t i = 0; i < e_.coordenadas(); ++i) {
            for (int s = 0; s < e_.tamano(i); ++s) {
                Resultado r;
                r.probabilidad = 1;
                for (std::size_t k = 0; k < c.size(); ++k)
                    r.aciertos[k] = c[k][i] == s ? 1 : 0;
                partidos[i].push_back(r);
            }
        }
        const Promesa p = analiza(partidos, azar_.siguiente());
        return {p.garantia, p.probabilidades[static_cast<std::size_t>(p.garantia)], pleno_de(e_, c),
                p.peor_resultado};
    }

    bool queda(double trabajo) const { return trabajo_ < trabajo && evaluaciones_ < evaluaciones_maximas; }
    // Moves tried per step: all of them in small spaces, a few in large ones.
    std::size_t candidatos() const
    {
        return static_cast<std::size_t>(std::clamp(trabajo_cobertura / (e_.puntos + trabajo_por_cuenta) / 100, 6.0, 64.0));
    }
    void empieza_etapa()
    {
        trabajo_ = 0;
        evaluaciones_ = 0;
    }
    std::uint64_t azar() { return azar_.siguiente(); }

private:
    const Espacio& e_;
    Azar azar_;
    double trabajo_ = 0;
    int evaluaciones_ = 0;
};

// The fewest coordinates a column can miss for `columnas` columns to reach
// every point: the columns' balls must hold all the points.
int cota_de_garantia(const Espacio& e, int columnas)
{
    std::vector<double> bola = {1};
    for (std::size_t i = 0; i < e.coordenadas(); ++i) {
        std::vector<double> siguiente(bola.size() + 1, 0);
        for (std::size_t d = 0; d < bola.size(); ++d) {
            siguiente[d] += bola[d];
            siguiente[d + 1] += bola[d] * (e.tamano(i) - 1);
        }
        bola = std::move(siguiente);
    }
    double dentro = 0;
    for (std::size_t radio = 0; radio < bola.size(); ++radio) {
        dentro += bola[radio];
        if (dentro * columnas >= e.puntos)
            return static_cast<int>(e.coordenadas() - radio);
    }
    return 0;
}

// Up to `columnas` columns, the most likely that are not there yet.
void completa(Codigo& c, const std::vector<Palabra>& probables, std::size_t columnas)
{
    for (const Palabra& p : probables) {
        if (c.size() >= columnas)
            break;
        if (std::find(c.begin(), c.end(), p) == c.end())
            c.push_back(p);
    }
    while (c.size() < columnas)
        c.push_back(probables.front());
}

// The known perfect codes where they fit: the ternary Hamming code (9
// columns, 4 matches, every result within one miss) and the binary one (16
// columns, 7 matches). Other matches take their most likely sign; a match
// with two signs on a ternary coordinate folds the third symbol onto its
// last sign, which can only bring columns nearer.
std::vector<Codigo> codigos_conocidos(const Espacio& e, std::size_t columnas, const Palabra& base)
{
    std::vector<Codigo> conocidos;
    const auto elige = [&](std::size_t cuantas, int tamano_preferido) {
        std::vector<std::size_t> orden(e.coordenadas());
        std::iota(orden.begin(), orden.end(), 0);
        std::stable_partition(orden.begin(), orden.end(),
                              [&](std::size_t i) { return e.tamano(i) == tamano_preferido; });
        orden.resize(cuantas);
        return orden;
    };
    if (e.coordenadas() >= 4 && columnas >= 9) {
        const std::vector<std::size_t> sitio = elige(4, 3);
        Codigo c;
        for (int a = 0; a < 3; ++a)
            for (int b = 0; b < 3; ++b) {
                Palabra p = base;
                const std::array<int, 4> simbolos = {a, b, (a + b) % 3, (a + 2 * b) % 3};
                for (std::size_t j = 0; j < 4; ++j)
                    p[sitio[j]] = static_cast<std::uint8_t>(std::min(simbolos[j], e.tamano(sitio[j]) - 1));
                c.push_back(p);
            }
        conocidos.push_back(c);
    }
    if (e.coordenadas() >= 7 && columnas >= 16) {
        const std::vector<std::size_t> sitio = elige(7, 2);
        Codigo c;
        for (int d = 0; d < 16; ++d) {
            const int d1 = d & 1, d2 = (d >> 1) & 1, d3 = (d >> 2) & 1, d4 = (d >> 3) & 1;
            const std::array<int, 7> bits = {d1, d2, d3, d4, d1 ^ d2 ^ d4, d1 ^ d3 ^ d4, d2 ^ d3 ^ d4};
            Palabra p = base;
            for (std::size_t j = 0; j < 7; ++j)
                p[sitio[j]] = static_cast<std::uint8_t>(bits[j]);
            c.push_back(p);
        }
        conocidos.push_back(c);
    }
    return conocidos;
}

// Farthest first: after the most likely column, each column is a result
// where the columns so far do worst.
Codigo lejanos(Busqueda& busqueda, const Palabra& primera, std::size_t columnas)
{
    Codigo c = {primera};
    while (c.size() < columnas) {
        const Nota nota = busqueda.nota(c);
        c.emplace_back(nota.testigo.begin(), nota.testigo.end());
    }
    return c;
}

// Tabu search on the worst results: each step takes one result where the
// best column does worst and moves one sign of one of the columns that do
// best there towards it; the move just made may not be undone for a while.
Codigo cubre(Busqueda& busqueda, const Espacio& e, Codigo actual, int cota)
{
    busqueda.empieza_etapa();
    Nota nota_actual = busqueda.nota(actual);
    Codigo mejor = actual;
    Nota nota_mejor = nota_actual;
    std::vector<std::vector<int>> tabu(actual.size(), std::vector<int>(e.coordenadas(), 0));
    for (int paso = 1; nota_mejor.garantia < cota && busqueda.queda(trabajo_cobertura); ++paso) {
        const std::vector<int>& x = nota_actual.testigo;
        std::vector<std::pair<std::size_t, std::size_t>> libres;
        std::vector<std::pair<std::size_t, std::size_t>> todos;
        for (std::size_t k = 0; k < actual.size(); ++k) {
            int aciertos = 0;
            for (std::size_t i = 0; i < e.coordenadas(); ++i)
                aciertos += actual[k][i] == x[i] ? 1 : 0;
            if (aciertos != nota_actual.garantia)
                continue;
            for (std::size_t i = 0; i < e.coordenadas(); ++i) {
                if (actual[k][i] == x[i])
                    continue;
                todos.emplace_back(k, i);
                if (tabu[k][i] < paso)
                    libres.emplace_back(k, i);
            }
        }
        std::vector<std::pair<std::size_t, std::size_t>>& movimientos = libres.empty() ? todos : libres;
        for (std::size_t j = movimientos.size(); j > 1; --j)
            std::swap(movimientos[j - 1], movimientos[busqueda.azar() % j]);
        movimientos.resize(std::min(movimientos.size(), busqueda.candidatos()));

        Nota nota_elegida;
        std::pair<std::size_t, std::size_t> elegido{};
        bool hay = false;
        for (const auto& [k, i] : movimientos) {
            const std::uint8_t antes = actual[k][i];
            actual[k][i] = static_cast<std::uint8_t>(x[i]);
            const Nota n = busqueda.nota(actual);
            actual[k][i] = antes;
            if (!hay || n.mejor_que(nota_elegida)) {
                nota_elegida = n;
                elegido = {k, i};
                hay = true;
            }
        }
        if (!hay)
            break;
        const auto [k, i] = elegido;
        actual[k][i] = static_cast<std::uint8_t>(x[i]);
        tabu[k][i] = paso + 2 + static_cast<int>(busqueda.azar() % (e.coordenadas() + 1));
        nota_actual = nota_elegida;
        if (nota_actual.mejor_que(nota_mejor)) {
            nota_mejor = nota_actual;
            mejor = actual;
        }
    }
    return mejor;
}

// With the guarantee reached, the most likely columns take the place of the
// least likely ones wherever the guarantee stays.
Codigo afina(Busqueda& busqueda, const Espacio& e, Codigo c, int garantia, const std::vector<Palabra>& probables)
{
    busqueda.empieza_etapa();
    Codigo primeras(probables.begin(), probables.begin() + static_cast<std::ptrdiff_t>(c.size()));
    if (busqueda.nota(primeras).garantia >= garantia)
        return primeras;
    // Repeated columns first: another column in their place loses nothing.
    Conjunto vistas;
    for (Palabra& p : c) {
        if (vistas.insert(p).second)
            continue;
        for (const Palabra& q : probables)
            if (vistas.insert(q).second) {
                p = q;
                break;
            }
    }
    for (const Palabra& q : probables) {
        if (!busqueda.queda(trabajo_pleno))
            break;
        if (std::find(c.begin(), c.end(), q) != c.end())
            continue;
        const double pq = e.probabilidad(q);
        std::vector<std::size_t> orden(c.size());
        std::iota(orden.begin(), orden.end(), 0);
        std::stable_sort(orden.begin(), orden.end(),
                         [&](std::size_t a, std::size_t b) { return e.probabilidad(c[a]) < e.probabilidad(c[b]); });
        for (std::size_t k : orden) {
            if (e.probabilidad(c[k]) >= pq || !busqueda.queda(trabajo_pleno))
                break;
            const Palabra antes = c[k];
            c[k] = q;
            if (busqueda.nota(c).garantia >= garantia)
                break;
            c[k] = antes;
        }
    }
    return c;
}

void ordena(const Espacio& e, Codigo& c)
{
    std::stable_sort(c.begin(), c.end(), [&](const Palabra& a, const Palabra& b) {
        const double pa = e.probabilidad(a);
        const double pb = e.probabilidad(b);
        return pa != pb ? pa > pb : Antes{}(a, b);
    });
}

// Back to the signs of every variable match.
std::vector<Columna> columnas_de(const Espacio& e, const std::vector<Reparto>& partidos, const Codigo& c)
{
    std::vector<Columna> columnas;
    for (const Palabra& p : c) {
        Columna columna(partidos.size());
        for (std::size_t m = 0; m < partidos.size(); ++m)
            if (e.fijo[m] >= 0)
                columna[m] = static_cast<std::uint8_t>(e.fijo[m]);
        for (std::size_t i = 0; i < p.size(); ++i)
            columna[static_cast<std::size_t>(e.partido[i])] = e.signos[i][p[i]];
        columnas.push_back(std::move(columna));
    }
    return columnas;
}

}  // namespace

Sistema reduce(const std::vector<Reparto>& partidos, int columnas)
{
    if (columnas < 1 || columnas > columnas_maximas || partidos.size() > 14)
        throw std::invalid_argument("1 to 16 columns for up to 14 matches");
    const Espacio e = espacio_de(partidos);
    const auto n = static_cast<std::size_t>(columnas);
    Codigo c;
    if (e.puntos <= columnas) {
        // Every combination, the most likely first, then the most likely
        // again in the columns left over.
        const std::vector<Palabra> todas = mas_probables(e, n);
        for (std::size_t k = 0; k < n; ++k)
            c.push_back(todas[k % todas.size()]);
    } else {
        const std::vector<Palabra> probables = mas_probables(e, static_cast<std::size_t>(std::min<double>(e.puntos, 4.0 * columnas)));
        Busqueda busqueda(e);
        Codigo inicio(probables.begin(), probables.begin() + columnas);
        Nota nota_inicio = busqueda.nota(inicio);
        std::vector<Codigo> semillas = codigos_conocidos(e, n, probables.front());
        semillas.push_back(lejanos(busqueda, probables.front(), n));
        for (Codigo conocido : semillas) {
            completa(conocido, probables, n);
            const Nota nota = busqueda.nota(conocido);
            if (nota.mejor_que(nota_inicio)) {
                inicio = conocido;
                nota_inicio = nota;
            }
        }
        const Codigo cubierto = cubre(busqueda, e, inicio, cota_de_garantia(e, columnas));
        c = afina(busqueda, e, cubierto, busqueda.nota(cubierto).garantia, probables);
        // The most likely column first.
        ordena(e, c);
    }
    return evalua(partidos, columnas_de(e, partidos, c));
}

Sistema evalua(const std::vector<Reparto>& partidos, const std::vector<Columna>& columnas)
{
    std::vector<Partido> resultados(partidos.size());
    for (std::size_t m = 0; m < partidos.size(); ++m) {
        double suma = 0;
        for (double p : partidos[m])
            suma += p > 0 ? p : 0;
        for (std::uint8_t s = 0; s < 3; ++s) {
            if (partidos[m][s] <= 0)
                continue;
            Resultado r;
            r.probabilidad = partidos[m][s] / suma;
            for (std::size_t k = 0; k < columnas.size(); ++k)
                r.aciertos[k] = columnas[k][m] == s ? 1 : 0;
            resultados[m].push_back(r);
        }
    }
    Sistema sistema;
    sistema.columnas = columnas;
    sistema.garantia = analiza(resultados).garantia;
    for (const Columna& c : Conjunto(columnas.begin(), columnas.end())) {
        double p = 1;
        for (std::size_t m = 0; m < partidos.size(); ++m) {
            double suma = 0;
            for (double q : partidos[m])
                suma += q > 0 ? q : 0;
            p *= partidos[m][c[m]] > 0 ? partidos[m][c[m]] / suma : 0;
        }
        sistema.pleno += p;
    }
    return sistema;
}

}  // namespace sistemas
