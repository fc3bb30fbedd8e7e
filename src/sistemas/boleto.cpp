#include "sistemas/boleto.h"

#include "sistemas/analisis.h"

#include <QStringList>

namespace sistemas {

namespace {

constexpr std::array<char, 3> signos_posibles = {'1', 'x', '2'};

Resultado resultado_de(const Boleto& boleto, int partido, char signo)
{
    Resultado r;
    for (int k = 0; k < boleto.columnas; ++k)
        r.aciertos[static_cast<std::size_t>(k)] = boleto.signos[static_cast<std::size_t>(partido)][static_cast<std::size_t>(k)] == signo ? 1 : 0;
    return r;
}

// The results of one match: its played signs count for the guarantee; their
// chances are the shares of a variable match, or alike for any other (most
// often its one base sign). A variable match's result may also be a sign
// with a share that no column plays: it then weighs in the chances only.
Partido resultados(const Boleto& boleto, int partido, bool& con_porcentajes)
{
    std::array<bool, 3> jugado{};
    int jugados = 0;
    for (std::size_t s = 0; s < 3; ++s) {
        for (int k = 0; k < boleto.columnas; ++k)
            jugado[s] = jugado[s] || boleto.signos[static_cast<std::size_t>(partido)][static_cast<std::size_t>(k)] == signos_posibles[s];
        jugados += jugado[s] ? 1 : 0;
    }
    std::array<double, 3> peso{};
    const auto m = static_cast<std::size_t>(partido);
    if (boleto.variable[m]) {
        double suma = 0;
        if (boleto.porcentajes[m])
            for (std::size_t s = 0; s < 3; ++s)
                suma += std::max(0, (*boleto.porcentajes[m])[s]);
        if (suma <= 0)
            con_porcentajes = false;
        else
            for (std::size_t s = 0; s < 3; ++s)
                peso[s] = std::max(0, (*boleto.porcentajes[m])[s]) / suma;
    } else {
        for (std::size_t s = 0; s < 3; ++s)
            peso[s] = jugado[s] ? 1.0 / jugados : 0;
    }
    Partido partido_resultados;
    for (std::size_t s = 0; s < 3; ++s) {
        if (!jugado[s] && peso[s] == 0)
            continue;
        Resultado r = resultado_de(boleto, partido, signos_posibles[s]);
        r.probabilidad = peso[s];
        r.en_garantia = jugado[s];
        partido_resultados.push_back(r);
    }
    if (jugados == 0) {
        // Nothing played: a miss for every column, whatever the result.
        Resultado fallo;
        fallo.probabilidad = boleto.variable[m] ? 0 : 1;
        partido_resultados.push_back(fallo);
    }
    return partido_resultados;
}

QString por_ciento(double probabilidad)
{
    return QString::number(probabilidad * 100, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(',')) + QStringLiteral(" %");
}

}  // namespace

Textos promete(const Boleto& boleto)
{
    if (boleto.columnas <= 0)
        return {};
    bool con_porcentajes = true;
    std::vector<Partido> partidos;
    for (int m = 0; m < ::boleto::partidos; ++m)
        partidos.push_back(resultados(boleto, m, con_porcentajes));
    const Promesa promesa = analiza(partidos);
    Textos textos;
    textos.garantia = QStringLiteral("Garantía: %1 %2")
                          .arg(promesa.garantia)
                          .arg(promesa.garantia == 1 ? QStringLiteral("acierto") : QStringLiteral("aciertos"));
    if (con_porcentajes) {
        QStringList partes;
        for (int h = 14; h >= 10; --h)
            partes.append(QStringLiteral("%1: ").arg(h) + por_ciento(promesa.probabilidades[static_cast<std::size_t>(h)]));
        textos.probabilidades = partes.join(QStringLiteral(" · "));
    }
    return textos;
}

}  // namespace sistemas
