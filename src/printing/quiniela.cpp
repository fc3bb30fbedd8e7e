#include "printing/quiniela.h"

namespace impresion {

namespace {

// Left edge of the box of a sign in a column slot; a sign that is none of the
// three (only from a damaged file) has no box.
bool izquierda_caja(QChar signo, int c, long double kx, int& x)
{
    if (signo == QLatin1Char('1'))
        x = R(c * kx * 1.12L + kx * 6.55L);
    else if (signo == QLatin1Char('x'))
        x = R(c * kx * 1.12L + kx * 6.93L);
    else if (signo == QLatin1Char('2'))
        x = R(c * kx * 1.12L + kx * 7.31L);
    else
        return false;
    return true;
}

}  // namespace

Composicion composicion_quiniela(const Boleto& boleto, int dx, int dy)
{
    const long double kx = por_centimetro(dx);
    const long double ky = por_centimetro(dy);
    const int ancho = R(0.2L * kx);
    const int alto = R(0.2L * ky);
    const int segundo_bloque = R(14 * ky);

    Composicion operaciones {Relleno_negro {}};
    for (int c = 1; c <= columnas_impresas(boleto.apuestas); ++c) {
        for (int m = 1; m <= boleto::partidos; ++m) {
            const int y = R(m * ky * 0.505L + ky * 5.17L);
            int x = 0;
            if (izquierda_caja(boleto.signo1[m - 1][c - 1], c, kx, x))
                operaciones.push_back(Elipse {{x, y, x + ancho, y + alto}});
            if (boleto.apuestas > 8 && izquierda_caja(boleto.signo2[m - 1][c - 1], c, kx, x))
                operaciones.push_back(
                    Elipse {{x, y + segundo_bloque, x + ancho, y + segundo_bloque + alto}});
        }
    }
    return operaciones;
}

}  // namespace impresion
