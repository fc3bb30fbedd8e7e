#include "variables/reparto.h"

#include "common/aleatorio.h"

#include <array>

namespace reparto {

namespace {

enum Signo { uno, equis, dos };

using Recuento = std::array<qint64, 3>;

qint64 suma(const Recuento& c)
{
    return c[uno] + c[equis] + c[dos];
}

// share × n / 100 to the nearest whole number, an exact half to the even one.
qint64 redondea(qint64 porcentaje, int n)
{
    const qint64 producto = porcentaje * n;
    qint64 cociente = producto / 100;
    qint64 resto = producto % 100;
    if (resto < 0) {
        cociente -= 1;
        resto += 100;
    }
    if (resto > 50 || (resto == 50 && cociente % 2 != 0))
        cociente += 1;
    return cociente;
}

// The rules run in this order and the sum is checked after every change, so
// a pass can stop half-way. Rules 1 to 3 keep two counts of 1 and take from
// the third sign; the others take from the sign with the smaller or smallest
// share.
void reduce(Recuento& c, const std::array<qint64, 3>& p, int n)
{
    bool cambiada = false;
    auto quita = [&](int signo) {
        c[signo] -= 1;
        cambiada = true;
        return suma(c) == n;
    };
    while (suma(c) > n) {
        cambiada = false;
        if (c[uno] == 1 && c[equis] == 1 && quita(dos))
            return;
        if (c[dos] == 1 && c[equis] == 1 && quita(uno))
            return;
        if (c[uno] == 1 && c[dos] == 1 && quita(equis))
            return;
        if (c[uno] == 1 && quita(p[equis] < p[dos] ? equis : dos))
            return;
        if (c[equis] == 1 && quita(p[uno] < p[dos] ? uno : dos))
            return;
        if (c[dos] == 1 && quita(p[uno] < p[equis] ? uno : equis))
            return;
        if (p[uno] < p[equis] && p[uno] < p[dos] && quita(uno))
            return;
        if (p[equis] < p[uno] && p[equis] < p[dos] && quita(equis))
            return;
        if (p[dos] <= p[equis] && p[dos] <= p[uno] && quita(dos))
            return;
        // A pass with nothing to take happens only when no count is 1 and
        // "1" and "X" share the smallest share, below that of "2" (33 / 33 /
        // 34 with 8 bets): the rules alone would go round for ever. Like the
        // sixth rule, which settles the same tie between "1" and "X", this
        // takes from "X". Every other case changes something in each pass,
        // never gets here and keeps the rules' result.
        if (!cambiada && quita(equis))
            return;
    }
}

// Adds to the sign with the largest share; when "1" and "X" tie for it each
// pass gives one to "1" and then, if still short, one to "X".
void aumenta(Recuento& c, const std::array<qint64, 3>& p, int n)
{
    auto anade = [&](int signo) {
        c[signo] += 1;
        return suma(c) == n;
    };
    while (suma(c) < n) {
        if (p[uno] >= p[equis] && p[uno] >= p[dos] && anade(uno))
            return;
        if (p[equis] >= p[uno] && p[equis] >= p[dos] && anade(equis))
            return;
        if (p[dos] > p[equis] && p[dos] > p[uno] && anade(dos))
            return;
    }
}

}  // namespace

Cuentas cuenta_columnas(const Porcentajes& porcentajes, int n)
{
    const std::array<qint64, 3> p = {porcentajes.p1, porcentajes.px, porcentajes.p2};
    Recuento c = {redondea(p[uno], n), redondea(p[equis], n), redondea(p[dos], n)};
    for (qint64& cuenta : c)
        if (cuenta == n)
            cuenta -= 1;
    for (int signo = uno; signo <= dos; ++signo)
        if (c[signo] == 0 && p[signo] != 0)
            c[signo] = 1;
    reduce(c, p, n);
    aumenta(c, p, n);
    return {static_cast<int>(c[uno]), static_cast<int>(c[equis]), static_cast<int>(c[dos])};
}

std::vector<char> coloca_signos(Cuentas cuentas, int n)
{
    // Element 0 stands for the name column, which is never free.
    std::vector<char> columnas(static_cast<std::size_t>(n) + 1, '\0');
    columnas[0] = '-';
    for (int ronda = 0; ronda < n; ++ronda) {
        auto k = static_cast<int>(aleatorio::sorteo(static_cast<std::uint32_t>(n)));
        while (columnas[static_cast<std::size_t>(k)] != '\0')
            k = k == n ? 1 : k + 1;
        char signo = '\0';
        if (cuentas.c1 > 0) {
            signo = '1';
            --cuentas.c1;
        } else if (cuentas.cx > 0) {
            signo = 'x';
            --cuentas.cx;
        } else if (cuentas.c2 > 0) {
            signo = '2';
            --cuentas.c2;
        }
        columnas[static_cast<std::size_t>(k)] = signo;
    }
    return {columnas.begin() + 1, columnas.end()};
}

QString juego_de_signos(const Cuentas& cuentas)
{
    const bool hay1 = cuentas.c1 > 0;
    const bool hayx = cuentas.cx > 0;
    const bool hay2 = cuentas.c2 > 0;
    if (hay1 && hayx && hay2)
        return QStringLiteral("1x2");
    if (hay1 && hayx)
        return QStringLiteral("1x");
    if (hay1 && hay2)
        return QStringLiteral("12");
    if (hayx && hay2)
        return QStringLiteral("x2");
    return {};
}

}  // namespace reparto
