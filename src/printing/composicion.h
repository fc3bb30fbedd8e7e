#pragma once

#include "common/boleto.h"

#include <QChar>
#include <QString>

#include <array>
#include <cmath>
#include <variant>
#include <vector>

// Both prints are computed first as an ordered list of drawing operations in
// printer dots, from the top-left corner of the printable area, and only then
// played onto the printer. The lists can so be checked without a printer.
namespace impresion {

// A rectangle as the printer takes it: right and bottom lie just outside.
struct Rectangulo {
    int izquierda;
    int arriba;
    int derecha;
    int abajo;
    bool operator==(const Rectangulo&) const = default;
};

enum class Lamina { quiniela, columna };

// A picture stretched to fill its rectangle.
struct Dibuja_lamina {
    Lamina lamina;
    Rectangulo rect;
    bool operator==(const Dibuja_lamina&) const = default;
};

// A text whose cell has its top-left corner at (x, y), black on white.
struct Escribe {
    int x;
    int y;
    QString texto;
    bool operator==(const Escribe&) const = default;
};

// The face of the texts that follow.
struct Cambia_cara {
    QString cara;
    bool operator==(const Cambia_cara&) const = default;
};

// The ellipses that follow are filled solid black.
struct Relleno_negro {
    bool operator==(const Relleno_negro&) const = default;
};

struct Elipse {
    Rectangulo rect;
    bool operator==(const Elipse&) const = default;
};

using Operacion = std::variant<Dibuja_lamina, Escribe, Cambia_cara, Relleno_negro, Elipse>;
using Composicion = std::vector<Operacion>;

// The 15th match, the Pleno al 15: its name and the goals forecast for each
// team, "0", "1", "2", "M" (three or more) or empty for none.
struct Pleno {
    QString nombre;
    QString local;
    QString visitante;
};

// The box of a goals forecast, 0 to 3 from left to right; -1 for none or for
// anything else.
inline int casilla_goles(const QString& goles)
{
    return goles.size() == 1 ? int(QStringLiteral("012M").indexOf(goles.front())) : -1;
}

// What both prints read of the bet: the bets count, the two signs of every
// bet cell, [match - 1][column slot - 1], '0', '1', 'x' or '2', and the Pleno.
struct Boleto {
    int apuestas = 2;
    boleto::Signos_pagina signo1 = boleto::pagina_sin_signos();
    boleto::Signos_pagina signo2 = boleto::pagina_sin_signos();
    Pleno pleno;
};

// Column slots printed per block: all eight from 8 bets up.
inline int columnas_impresas(int apuestas)
{
    return apuestas < boleto::huecos ? apuestas : boleto::huecos;
}

// Printer dots per centimetre, never rounded themselves.
inline long double por_centimetro(int puntos_por_pulgada)
{
    return puntos_por_pulgada * 0.3937L;
}

// To the nearest whole dot, halves to the even neighbour, whatever the
// floating-point rounding mode happens to be.
inline int R(long double valor)
{
    const long double abajo = std::floor(valor);
    const long double resto = valor - abajo;
    long double entero = abajo;
    if (resto > 0.5L || (resto == 0.5L && std::fmod(abajo, 2.0L) != 0.0L))
        entero += 1.0L;
    return static_cast<int>(entero);
}

}  // namespace impresion
