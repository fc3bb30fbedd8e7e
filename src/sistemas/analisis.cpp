#include "sistemas/analisis.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <stdexcept>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace sistemas {

namespace {

// The results of half of the matches, alike hit vectors merged: their
// weights add up, and a vector counts for the guarantee when any result
// behind it does (the best column's hits depend on the vector alone).
struct Mitad {
    std::vector<int> partidos;
    std::vector<Aciertos> aciertos;
    std::vector<double> probabilidades;
    // 0 when the vector counts for the guarantee, 0x80 when not: or-ed into
    // a best column's hits it keeps the pair out of the least.
    std::vector<std::uint8_t> fuera;
    // One combination behind each vector, a number in the mixed radix of
    // the matches' numbers of results, the first match lowest.
    std::vector<std::uint32_t> combinaciones;

    std::vector<int> combinacion(std::size_t i, const std::vector<Partido>& todos) const
    {
        std::vector<int> indices;
        std::uint32_t resto = combinaciones[i];
        for (int m : partidos) {
            const auto base = static_cast<std::uint32_t>(todos[static_cast<std::size_t>(m)].size());
            indices.push_back(static_cast<int>(resto % base));
            resto /= base;
        }
        return indices;
    }
};

Mitad enumera(const std::vector<Partido>& todos, const std::vector<int>& partidos)
{
    // Every combination, built up one match at a time.
    std::vector<Aciertos> aciertos = {Aciertos{}};
    std::vector<double> probabilidades = {1};
    std::vector<std::uint8_t> dentro = {1};
    std::uint32_t peso = 1;
    std::vector<std::uint32_t> numeros = {0};
    for (int m : partidos) {
        const Partido& partido = todos[static_cast<std::size_t>(m)];
        const std::size_t antes = aciertos.size();
        std::vector<Aciertos> a;
        std::vector<double> p;
        std::vector<std::uint8_t> d;
        std::vector<std::uint32_t> n;
        a.reserve(antes * partido.size());
        for (std::size_t r = 0; r < partido.size(); ++r) {
            for (std::size_t i = 0; i < antes; ++i) {
                Aciertos suma = aciertos[i];
                for (int k = 0; k < columnas_maximas; ++k)
                    suma[k] = static_cast<std::uint8_t>(suma[k] + partido[r].aciertos[k]);
                a.push_back(suma);
                p.push_back(probabilidades[i] * partido[r].probabilidad);
                d.push_back(dentro[i] && partido[r].en_garantia ? 1 : 0);
                n.push_back(numeros[i] + static_cast<std::uint32_t>(r) * peso);
            }
        }
        peso *= static_cast<std::uint32_t>(partido.size());
        aciertos = std::move(a);
        probabilidades = std::move(p);
        dentro = std::move(d);
        numeros = std::move(n);
    }
    std::vector<std::uint32_t> orden(aciertos.size());
    std::iota(orden.begin(), orden.end(), 0);
    std::sort(orden.begin(), orden.end(), [&](std::uint32_t x, std::uint32_t y) {
        const int c = std::memcmp(aciertos[x].data(), aciertos[y].data(), columnas_maximas);
        return c != 0 ? c < 0 : x < y;
    });
    Mitad mitad;
    mitad.partidos = partidos;
    for (std::size_t j = 0; j < orden.size(); ++j) {
        const std::uint32_t i = orden[j];
        if (j > 0 && std::memcmp(aciertos[i].data(), mitad.aciertos.back().data(), columnas_maximas) == 0) {
            mitad.probabilidades.back() += probabilidades[i];
            if (dentro[i] && mitad.fuera.back()) {
                mitad.fuera.back() = 0;
                mitad.combinaciones.back() = numeros[i];
            }
            continue;
        }
        mitad.aciertos.push_back(aciertos[i]);
        mitad.probabilidades.push_back(probabilidades[i]);
        mitad.fuera.push_back(dentro[i] ? 0 : 0x80);
        mitad.combinaciones.push_back(numeros[i]);
    }
    return mitad;
}

// The two halves as even as the numbers of results allow, so that the pairs
// to combine are as few as can be for the work of enumerating them.
std::array<std::vector<int>, 2> parte(const std::vector<Partido>& partidos)
{
    std::vector<int> orden(partidos.size());
    std::iota(orden.begin(), orden.end(), 0);
    std::stable_sort(orden.begin(), orden.end(),
                     [&](int a, int b) { return partidos[static_cast<std::size_t>(a)].size()
                                                > partidos[static_cast<std::size_t>(b)].size(); });
    std::array<std::vector<int>, 2> mitades;
    std::array<double, 2> tamanos = {1, 1};
    for (int m : orden) {
        const int menor = tamanos[0] <= tamanos[1] ? 0 : 1;
        mitades[menor].push_back(m);
        tamanos[menor] *= static_cast<double>(partidos[static_cast<std::size_t>(m)].size());
    }
    return mitades;
}

// salida[j]: the best column's hits of a together with b[j], for every j.
void mejores(const Aciertos& a, const std::vector<Aciertos>& b, std::uint8_t* salida)
{
    const std::size_t n = b.size();
    std::size_t j = 0;
#if defined(__SSE2__)
    const __m128i va = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a.data()));
    const __m128i byte_bajo = _mm_set1_epi32(0xff);
    const auto carga = [&](std::size_t i) {
        return _mm_add_epi8(va, _mm_loadu_si128(reinterpret_cast<const __m128i*>(b[i].data())));
    };
    // Four sums at a time: halves, then quarters of the four side by side,
    // so that one register carries the four maxima to the end.
    for (; j + 4 <= n; j += 4) {
        const __m128i x1 = carga(j);
        const __m128i x2 = carga(j + 1);
        const __m128i x3 = carga(j + 2);
        const __m128i x4 = carga(j + 3);
        const __m128i p = _mm_max_epu8(_mm_unpacklo_epi64(x1, x2), _mm_unpackhi_epi64(x1, x2));
        const __m128i q = _mm_max_epu8(_mm_unpacklo_epi64(x3, x4), _mm_unpackhi_epi64(x3, x4));
        const __m128 pf = _mm_castsi128_ps(p);
        const __m128 qf = _mm_castsi128_ps(q);
        __m128i c = _mm_max_epu8(_mm_castps_si128(_mm_shuffle_ps(pf, qf, _MM_SHUFFLE(2, 0, 2, 0))),
                                 _mm_castps_si128(_mm_shuffle_ps(pf, qf, _MM_SHUFFLE(3, 1, 3, 1))));
        c = _mm_max_epu8(c, _mm_srli_epi32(c, 16));
        c = _mm_max_epu8(c, _mm_srli_epi32(c, 8));
        c = _mm_and_si128(c, byte_bajo);
        c = _mm_packs_epi32(c, c);
        c = _mm_packus_epi16(c, c);
        const auto cuatro = static_cast<std::uint32_t>(_mm_cvtsi128_si32(c));
        std::memcpy(salida + j, &cuatro, sizeof cuatro);
    }
#endif
    for (; j < n; ++j) {
        std::uint8_t mejor = 0;
        for (int k = 0; k < columnas_maximas; ++k)
            mejor = std::max(mejor, static_cast<std::uint8_t>(a[k] + b[j][k]));
        salida[j] = mejor;
    }
}

void comprueba(const std::vector<Partido>& partidos)
{
    if (partidos.size() > 14)
        throw std::invalid_argument("more than 14 matches");
    for (const Partido& partido : partidos)
        if (partido.empty())
            throw std::invalid_argument("a match without results");
}

}  // namespace

Promesa analiza(const std::vector<Partido>& partidos, std::uint64_t giro)
{
    comprueba(partidos);
    const auto [izquierda, derecha] = parte(partidos);
    const Mitad a = enumera(partidos, izquierda);
    const Mitad b = enumera(partidos, derecha);
    const std::size_t nb = b.aciertos.size();
    std::vector<std::uint8_t> mejor(nb);

    Promesa promesa;
    // The worst pair at each level of hits, the search for it starting at a
    // row chosen by `giro`.
    std::array<std::size_t, 15> primera_fila;
    primera_fila.fill(a.aciertos.size());
    const std::size_t inicio = a.aciertos.empty() ? 0 : giro % a.aciertos.size();
    int garantia = 0xff;
    for (std::size_t paso = 0; paso < a.aciertos.size(); ++paso) {
        const std::size_t i = (inicio + paso) % a.aciertos.size();
        mejores(a.aciertos[i], b.aciertos, mejor.data());
        // Four running sums, so that equal maxima in a row do not wait on
        // each other's store.
        std::array<std::array<double, 16>, 4> sumas{};
        std::size_t j = 0;
        for (; j + 4 <= nb; j += 4)
            for (std::size_t r = 0; r < 4; ++r)
                sumas[r][mejor[j + r]] += b.probabilidades[j + r];
        for (; j < nb; ++j)
            sumas[0][mejor[j]] += b.probabilidades[j];
        for (int h = 0; h < 15; ++h)
            promesa.probabilidades[static_cast<std::size_t>(h)]
                += a.probabilidades[i] * (sumas[0][h] + sumas[1][h] + sumas[2][h] + sumas[3][h]);
        if (a.fuera[i])
            continue;
        std::uint8_t menor = 0xff;
        for (std::size_t k = 0; k < nb; ++k)
            menor = std::min(menor, static_cast<std::uint8_t>(mejor[k] | b.fuera[k]));
        if (menor < 15 && primera_fila[menor] == a.aciertos.size())
            primera_fila[menor] = i;
        garantia = std::min<int>(garantia, menor);
    }
    if (garantia > 14)
        return promesa;
    promesa.garantia = garantia;

    const std::size_t i = primera_fila[static_cast<std::size_t>(garantia)];
    mejores(a.aciertos[i], b.aciertos, mejor.data());
    const std::size_t desde = giro % nb;
    std::size_t j = desde;
    while ((mejor[j] | b.fuera[j]) != garantia)
        j = (j + 1) % nb;
    promesa.peor_resultado.assign(partidos.size(), 0);
    const std::vector<int> de_a = a.combinacion(i, partidos);
    const std::vector<int> de_b = b.combinacion(j, partidos);
    for (std::size_t p = 0; p < a.partidos.size(); ++p)
        promesa.peor_resultado[static_cast<std::size_t>(a.partidos[p])] = de_a[p];
    for (std::size_t p = 0; p < b.partidos.size(); ++p)
        promesa.peor_resultado[static_cast<std::size_t>(b.partidos[p])] = de_b[p];
    return promesa;
}

Promesa analiza_uno_a_uno(const std::vector<Partido>& partidos)
{
    comprueba(partidos);
    Promesa promesa;
    std::vector<int> indices(partidos.size(), 0);
    while (true) {
        std::array<int, columnas_maximas> aciertos{};
        double probabilidad = 1;
        bool dentro = true;
        for (std::size_t m = 0; m < partidos.size(); ++m) {
            const Resultado& r = partidos[m][static_cast<std::size_t>(indices[m])];
            for (int k = 0; k < columnas_maximas; ++k)
                aciertos[k] += r.aciertos[k];
            probabilidad *= r.probabilidad;
            dentro = dentro && r.en_garantia;
        }
        const int mejor = *std::max_element(aciertos.begin(), aciertos.end());
        promesa.probabilidades[static_cast<std::size_t>(mejor)] += probabilidad;
        if (dentro && (promesa.garantia < 0 || mejor < promesa.garantia)) {
            promesa.garantia = mejor;
            promesa.peor_resultado = indices;
        }
        std::size_t m = 0;
        while (m < partidos.size() && ++indices[m] == static_cast<int>(partidos[m].size()))
            indices[m++] = 0;
        if (m == partidos.size())
            break;
    }
    return promesa;
}

}  // namespace sistemas
