#pragma once

// Where the boxes of the program's pictures lie. The bet cells of the main
// window and the selectors of the side panels put their X marks at these
// places, so the pictures are drawn from here and the tests check the marks
// against here.
namespace laminas {

struct Caja {
    int izquierda;  // border pixels, inclusive
    int arriba;
    int derecha;
    int abajo;
};

// The slip: 14 rows of 8 column slots of three boxes "1", "X", "2".
constexpr int boleto_ancho = 566;
constexpr int boleto_alto = 364;

// A mark character is 13 pixels wide; its X stands in the middle rows of the
// 23-pixel cell of the bold 21-pixel font.
constexpr int paso_signo = 13;
constexpr int caja_margen_arriba = 3;
constexpr int caja_margen_abajo = 17;

constexpr int celda_izquierda(int columna) { return 158 + 40 * (columna - 1); }
constexpr int celda_arriba(int partido) { return 64 + 18 * partido - (partido > 11 ? partido - 11 : 0); }

// signo: 0 for "1", 1 for "X", 2 for "2". Neighbouring boxes share a border.
constexpr Caja caja_boleto(int partido, int columna, int signo)
{
    const int x = celda_izquierda(columna) + paso_signo * signo;
    const int y = celda_arriba(partido);
    return {x - 1, y + caja_margen_arriba, x + paso_signo - 1, y + caja_margen_abajo};
}

// Column of the variable marks, right of the eighth slot.
constexpr int marca_variable_izquierda = 508;

// The single column behind the match sign selectors.
constexpr int columna_ancho = 44;
constexpr int columna_alto = 248;
constexpr int selector_izquierda = 3;
constexpr int selector_arriba[14] = {-3, 15, 32, 50, 68, 86, 103, 122, 140, 158, 174, 192, 210, 228};

constexpr Caja caja_columna(int partido, int signo)
{
    const int x = selector_izquierda + paso_signo * signo;
    const int y = selector_arriba[partido - 1];
    return {x - 1, y + caja_margen_arriba, x + paso_signo - 1, y + caja_margen_abajo};
}

// The mouse legends.
constexpr int raton_ancho = 81;
constexpr int raton_alto = 105;

}  // namespace laminas
