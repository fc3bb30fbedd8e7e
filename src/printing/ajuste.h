#pragma once

// How the user's printer and slip differ from the official print's fixed
// places, kept between runs. With nothing stored every value is 0 and the
// Pleno is not printed, so the print is the unadjusted one.
namespace impresion {

struct Ajuste {
    double desplazamiento_x = 0;  // millimetres to the right
    double desplazamiento_y = 0;  // millimetres down
    bool imprime_pleno = false;
    // Centimetres from the top-left corner of the printable area: the home
    // team's "0" box, from one box to the next, and from the home row down
    // to the away row.
    double pleno_x = 0;
    double pleno_y = 0;
    double pleno_paso = 0;
    double pleno_filas = 0;
    bool operator==(const Ajuste&) const = default;
};

// What the adjustment window offers for each kind of value.
struct Limites {
    double minimo;
    double maximo;
    int decimales;
};
inline constexpr Limites limites_desplazamiento {-20.0, 20.0, 1};
inline constexpr Limites limites_posicion {0.0, 30.0, 2};
inline constexpr Limites limites_medida {0.0, 5.0, 2};

// The stored adjustment; a value that is missing, unreadable or out of range
// is taken as 0, or as off for the Pleno.
Ajuste lee_ajuste();

// Throws Error_tolvera when the settings cannot be written.
void guarda_ajuste(const Ajuste& ajuste);

}  // namespace impresion
