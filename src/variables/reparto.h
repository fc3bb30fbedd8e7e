#pragma once

#include <QString>

#include <vector>

// How many bet columns of one variable match get each sign, and which
// columns they are. No widgets here: the windows read the shares and the bets
// count, call these and write the result.
namespace reparto {

// Shares in per cent of "1", "X" and "2". With the mouse they are 0 to 100
// and add up to 100; from a bet file they come as they are, so the sums below
// are done wide enough for any whole number that fits an int.
struct Porcentajes {
    int p1 = 0;
    int px = 0;
    int p2 = 0;
};

// Numbers of bet columns that get "1", "x" and "2".
struct Cuentas {
    int c1 = 0;
    int cx = 0;
    int c2 = 0;

    bool operator==(const Cuentas&) const = default;
};

// The counts for n bets: rounded shares (half to even), the upper and lower
// limits, then one column at a time taken away or added by fixed rules until
// they add up to n.
Cuentas cuenta_columnas(const Porcentajes& porcentajes, int n);

// The sign of each bet column 1 to n ('1', 'x' or '2'), at element k - 1:
// every "1" first, then every "x", then every "2", each into the first free
// column at or after a draw of the shared generator, wrapping from n to 1.
// Takes exactly n draws of range n (n from 1 to 16); a column stays '\0' only
// when the counts above 0 add up to less than n.
std::vector<char> coloca_signos(Cuentas cuentas, int n);

// The sign set a match sign selector shows for the counts: "1x2", "1x", "12"
// or "x2"; empty when at most one sign got columns.
QString juego_de_signos(const Cuentas& cuentas);

}  // namespace reparto
