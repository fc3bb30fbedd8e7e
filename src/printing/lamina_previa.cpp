#include "printing/lamina_previa.h"

#include "common/boleto.h"
#include "common/geometria_laminas.h"
#include "printing/quiniela.h"

#include <vector>

namespace impresion {

namespace {

// y = pendiente x + origen, fitted by least squares.
struct Recta {
    long double pendiente;
    long double origen;
};

Recta ajusta(const std::vector<std::pair<long double, long double>>& puntos)
{
    long double media_x = 0;
    long double media_y = 0;
    for (const auto& [x, y] : puntos) {
        media_x += x;
        media_y += y;
    }
    media_x /= puntos.size();
    media_y /= puntos.size();
    long double covarianza = 0;
    long double varianza = 0;
    for (const auto& [x, y] : puntos) {
        covarianza += (x - media_x) * (y - media_y);
        varianza += (x - media_x) * (x - media_x);
    }
    const long double pendiente = covarianza / varianza;
    return {pendiente, media_y - pendiente * media_x};
}

}  // namespace

// The picture's box pitches are whole pixels while the slip's are in
// hundredths of a centimetre, so no scale puts every box exactly under its dot.
// The scale and offset of each axis are fitted to the centres of all 336 dots
// that the print itself would place, against the centres of their boxes.
std::vector<Rectangulo> laminas_bajo_puntos(int apuestas, int dx, int dy, const Ajuste& ajuste)
{
    std::vector<std::pair<long double, long double>> horizontal;
    std::vector<std::pair<long double, long double>> vertical;
    const QString signos = QStringLiteral("1x2");
    for (int c = 1; c <= boleto::huecos; ++c) {
        for (int m = 1; m <= boleto::partidos; ++m) {
            for (int s = 0; s < 3; ++s) {
                // A slip with this one sign: the print's only dot.
                Boleto boleto;
                boleto.apuestas = 8;
                boleto.signo1[m - 1][c - 1] = signos[s];
                const Composicion operaciones = composicion_quiniela(boleto, dx, dy);
                const Rectangulo& punto = std::get<Elipse>(operaciones.back()).rect;
                // A box's borders are whole pixels, inclusive; a dot's
                // rectangle ends just outside.
                const laminas::Caja caja = laminas::caja_boleto(m, c, s);
                horizontal.emplace_back((caja.izquierda + caja.derecha + 1) / 2.0L,
                                        (punto.izquierda + punto.derecha) / 2.0L);
                vertical.emplace_back((caja.arriba + caja.abajo + 1) / 2.0L, (punto.arriba + punto.abajo) / 2.0L);
            }
        }
    }
    const Recta x = ajusta(horizontal);
    const Recta y = ajusta(vertical);
    const Desplazamiento movido = desplazamiento(ajuste, dx, dy);
    const Rectangulo primera {R(x.origen) + movido.x, R(y.origen) + movido.y,
                              R(x.origen + x.pendiente * laminas::boleto_ancho) + movido.x,
                              R(y.origen + y.pendiente * laminas::boleto_alto) + movido.y};
    if (apuestas <= boleto::huecos)
        return {primera};
    // The print puts the second block's dots this much lower.
    const int segundo_bloque = R(14 * por_centimetro(dy));
    return {primera, {primera.izquierda, primera.arriba + segundo_bloque, primera.derecha,
                      primera.abajo + segundo_bloque}};
}

}  // namespace impresion
