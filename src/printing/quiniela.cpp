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

class Puntos {
public:
    Puntos(int dx, int dy, const Ajuste& ajuste)
        : kx_(por_centimetro(dx)),
          ky_(por_centimetro(dy)),
          ancho_(R(0.2L * kx_)),
          alto_(R(0.2L * ky_)),
          segundo_bloque_(R(14 * ky_)),
          ajuste_(ajuste),
          desplazamiento_(desplazamiento(ajuste, dx, dy))
    {
    }

    int fila(int m) const { return R(m * ky_ * 0.505L + ky_ * 5.17L); }

    // Block 0 or 1; nothing for a sign without a box.
    void signo(QChar s, int m, int c, int bloque)
    {
        int x = 0;
        if (izquierda_caja(s, c, kx_, x))
            punto(x, fila(m) + bloque * segundo_bloque_);
    }

    // Box 0 to 3 of the home row (0) or the away row (1).
    void pleno(int casilla, int fila_pleno)
    {
        const long double izquierda = ajuste_.pleno_x + casilla * static_cast<long double>(ajuste_.pleno_paso);
        const long double arriba = ajuste_.pleno_y + fila_pleno * static_cast<long double>(ajuste_.pleno_filas);
        punto(R(izquierda * kx_), R(arriba * ky_));
    }

    Composicion operaciones {Relleno_negro {}};

private:
    void punto(int x, int y)
    {
        x += desplazamiento_.x;
        y += desplazamiento_.y;
        operaciones.push_back(Elipse {{x, y, x + ancho_, y + alto_}});
    }

    const long double kx_;
    const long double ky_;
    const int ancho_;
    const int alto_;
    const int segundo_bloque_;
    const Ajuste& ajuste_;
    const Desplazamiento desplazamiento_;
};

}  // namespace

Desplazamiento desplazamiento(const Ajuste& ajuste, int dx, int dy)
{
    return {R(ajuste.desplazamiento_x / 10.0L * por_centimetro(dx)),
            R(ajuste.desplazamiento_y / 10.0L * por_centimetro(dy))};
}

Composicion composicion_quiniela(const Boleto& boleto, int dx, int dy, const Ajuste& ajuste)
{
    Puntos puntos(dx, dy, ajuste);
    for (int c = 1; c <= columnas_impresas(boleto.apuestas); ++c) {
        for (int m = 1; m <= boleto::partidos; ++m) {
            puntos.signo(boleto.signo1[m - 1][c - 1], m, c, 0);
            if (boleto.apuestas > 8)
                puntos.signo(boleto.signo2[m - 1][c - 1], m, c, 1);
        }
    }
    if (ajuste.imprime_pleno) {
        const int local = casilla_goles(boleto.pleno.local);
        const int visitante = casilla_goles(boleto.pleno.visitante);
        if (local >= 0)
            puntos.pleno(local, 0);
        if (visitante >= 0)
            puntos.pleno(visitante, 1);
    }
    return std::move(puntos.operaciones);
}

Composicion composicion_hoja_prueba(const Ajuste& ajuste, int dx, int dy)
{
    Puntos puntos(dx, dy, ajuste);
    for (int m = 1; m <= boleto::partidos; ++m)
        for (const QChar s : QStringLiteral("1x2"))
            for (int bloque = 0; bloque < 2; ++bloque)
                puntos.signo(s, m, 1, bloque);
    for (int fila = 0; fila < 2; ++fila)
        for (int casilla = 0; casilla < 4; ++casilla)
            puntos.pleno(casilla, fila);
    return std::move(puntos.operaciones);
}

}  // namespace impresion
