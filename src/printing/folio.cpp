#include "printing/folio.h"

namespace impresion {

namespace {

const QString marca = QStringLiteral("X");

// *.......9* but *.....10*: the numbers end in the same place.
QString etiqueta_partido(int m)
{
    return (m < 10 ? QStringLiteral("..") : QString()) + QStringLiteral(".....") + QString::number(m);
}

// Where the mark of a bet sign goes across its column slot; a sign that is
// none of the three (only from a damaged file) has no place.
bool x_signo(QChar signo, int c, long double kx, int& x)
{
    if (signo == QLatin1Char('1'))
        x = R(c * kx * 1.139L + 6.41L * kx);
    else if (signo == QLatin1Char('x'))
        x = R(c * kx * 1.139L + 6.76L * kx);
    else if (signo == QLatin1Char('2'))
        x = R(c * kx * 1.139L + 7.11L * kx);
    else
        return false;
    return true;
}

class Maqueta {
public:
    Maqueta(const Folio& folio, int dx, int dy)
        : folio_(folio),
          dx_(dx),
          dy_(dy),
          kx_(por_centimetro(dx)),
          ky_(por_centimetro(dy)),
          copia2_(R(14 * ky_)),
          dos_copias_(folio.boleto.apuestas > 8)
    {
    }

    Composicion compone()
    {
        laminas();
        signos_base();
        operaciones_.push_back(Cambia_cara {QStringLiteral("arial")});
        operaciones_.push_back(
            Escribe {R(9.5L * kx_), R(3.7L * ky_), QStringLiteral("Fecha: ") + folio_.fecha});
        partidos();
        signos_apuesta();
        marcas_variables();
        return std::move(operaciones_);
    }

private:
    int fila_signos(int m) const { return R(m * ky_ * 0.513L + 5 * ky_); }

    void escribe(int x, int y, const QString& texto)
    {
        operaciones_.push_back(Escribe {x, y, texto});
    }

    // Copy 1, copy 2 from 9 bets up, and the column picture once.
    void laminas()
    {
        const int ancho = R(16 * kx_);
        const int alto = R(10.45L * ky_);
        const int izquierda = R(3 * kx_);
        operaciones_.push_back(Dibuja_lamina {
            Lamina::quiniela, {izquierda, R(3 * ky_), ancho + izquierda, alto + R(3 * ky_)}});
        if (dos_copias_)
            operaciones_.push_back(Dibuja_lamina {
                Lamina::quiniela, {izquierda, R(17 * ky_), ancho + izquierda, alto + R(17 * ky_)}});
        operaciones_.push_back(Dibuja_lamina {
            Lamina::columna,
            {R(1.8L * kx_), R(5.415L * ky_), R(1.2L * kx_) + R(1.8L * kx_),
             R(7.2L * ky_) + R(5.415L * ky_)}});
    }

    // Beside copy 1 only; "1x2" gives three marks, "0" none.
    void signos_base()
    {
        for (int m = 1; m <= boleto::partidos; ++m) {
            const QString& texto = folio_.selectores[m - 1];
            const int y = fila_signos(m);
            if (texto.contains(QLatin1Char('1')))
                escribe(R(1.95L * kx_), y, marca);
            if (texto.contains(QLatin1Char('x')))
                escribe(R(2.3L * kx_), y, marca);
            if (texto.contains(QLatin1Char('2')))
                escribe(R(2.7L * kx_), y, marca);
        }
    }

    // As much of the name as fits in `sitio` dots with "…" after it, when
    // the whole name does not; its blanks before the "…" go.
    QString cabe(const QString& nombre, int sitio) const
    {
        const auto ancho = [this](const QString& texto) { return folio_.ancho_de_texto(texto, dx_, dy_); };
        if (!folio_.ancho_de_texto || ancho(nombre) <= sitio)
            return nombre;
        const QString puntos = QStringLiteral("…");
        QString corto = nombre;
        do {
            corto.chop(corto.size() >= 2 && corto.back().isLowSurrogate() ? 2 : 1);
            while (corto.endsWith(QLatin1Char(' ')))
                corto.chop(1);
        } while (!corto.isEmpty() && ancho(corto + puntos) > sitio);
        return corto + puntos;
    }

    // The label comes after the name; a name that would run into it is cut.
    void partidos()
    {
        const int x0 = R(3.5L * kx_);
        const int x_etiqueta = x0 + R(3.15L * kx_);
        for (int m = 1; m <= boleto::partidos; ++m) {
            const int y = R(m * ky_ * 0.515L + 5 * ky_);
            const QString nombre = cabe(folio_.partidos[m - 1], x_etiqueta - x0);
            escribe(x0, y, nombre);
            if (dos_copias_)
                escribe(x0, y + copia2_, nombre);
            escribe(x_etiqueta, y, etiqueta_partido(m));
            if (dos_copias_)
                escribe(x_etiqueta, y + copia2_, etiqueta_partido(m));
        }
        pleno(x0);
    }

    // Under match 14 of each copy, a row further down; not at all when the
    // Pleno has neither a name nor a forecast.
    void pleno(int x0)
    {
        const Pleno& pleno = folio_.boleto.pleno;
        const int local = casilla_goles(pleno.local);
        const int visitante = casilla_goles(pleno.visitante);
        if (pleno.nombre.isEmpty() && local < 0 && visitante < 0)
            return;
        const QString texto = QStringLiteral("Pleno al 15: ") + pleno.nombre + QStringLiteral("  ") +
                              goles(local) + u'-' + goles(visitante);
        const int y = R((boleto::partidos + 1) * ky_ * 0.515L + 5 * ky_);
        escribe(x0, y, texto);
        if (dos_copias_)
            escribe(x0, y + copia2_, texto);
    }

    // A missing forecast shows as "_".
    static QString goles(int casilla)
    {
        return casilla < 0 ? QStringLiteral("_") : QStringLiteral("012M").mid(casilla, 1);
    }

    void signos_apuesta()
    {
        const Boleto& boleto = folio_.boleto;
        for (int c = 1; c <= columnas_impresas(boleto.apuestas); ++c) {
            for (int m = 1; m <= boleto::partidos; ++m) {
                const int y = fila_signos(m);
                int x = 0;
                if (x_signo(boleto.signo1[m - 1][c - 1], c, kx_, x))
                    escribe(x, y, marca);
                if (dos_copias_ && x_signo(boleto.signo2[m - 1][c - 1], c, kx_, x))
                    escribe(x, y + copia2_, marca);
            }
        }
    }

    void marcas_variables()
    {
        const int x = R(17.38L * kx_);
        for (int m = 1; m <= boleto::partidos; ++m) {
            if (!folio_.variables[m - 1])
                continue;
            escribe(x, fila_signos(m), marca);
            if (dos_copias_)
                escribe(x, fila_signos(m) + copia2_, marca);
        }
    }

    const Folio& folio_;
    const int dx_;
    const int dy_;
    const long double kx_;
    const long double ky_;
    const int copia2_;
    const bool dos_copias_;
    Composicion operaciones_;
};

}  // namespace

Composicion composicion_folio(const Folio& folio, int dx, int dy)
{
    return Maqueta(folio, dx, dy).compone();
}

}  // namespace impresion
