#include "matches/pagina_partidos.h"

#include "common/ansi.h"

namespace pagina_partidos {

namespace {

constexpr qsizetype largo_trozo = 30;
// The away team's name is read from a window this wide after its initial,
// which leaves out the day and the time that follow the name on the page.
constexpr qsizetype largo_ventana_visitante = 12;

// The away window keeps only what a team name in capitals is made of; the
// page's lower-case markup, digits and punctuation go, and so do Ñ and Ü.
bool es_de_nombre(char byte)
{
    switch (static_cast<unsigned char>(byte)) {
    case ' ':
    case 0xC1:  // Á
    case 0xC9:  // É
    case 0xCD:  // Í
    case 0xD3:  // Ó
    case 0xDA:  // Ú
        return true;
    default:
        return byte >= 'A' && byte <= 'Z';
    }
}

QByteArray solo_de_nombre(const QByteArray& bytes)
{
    QByteArray elegidos;
    for (const char byte : bytes)
        if (es_de_nombre(byte))
            elegidos += byte;
    return elegidos;
}

QByteArray en_minusculas(QByteArray bytes)
{
    for (char& byte : bytes)
        byte = ansi::minuscula(byte);
    return bytes;
}

}  // namespace

std::optional<QByteArray> trozo(const QByteArray& pagina, int partido)
{
    const QByteArray marca = QByteArray::number(partido) + " . ";
    const qsizetype posicion = pagina.indexOf(marca);
    if (posicion < 0)
        return std::nullopt;
    return pagina.mid(posicion + marca.size(), largo_trozo);
}

std::optional<Equipos> separa(const QByteArray& trozo)
{
    const qsizetype guion = trozo.indexOf('-');
    if (guion < 1)
        return std::nullopt;
    // The hyphen is followed by a blank and then the away initial.
    const qsizetype inicial_visitante = guion + 2;
    if (inicial_visitante >= trozo.size())
        return std::nullopt;
    // The home name keeps the blank that stands before the hyphen.
    const QByteArray local = trozo.left(1) + en_minusculas(trozo.mid(1, guion - 1));
    const QByteArray visitante =
        trozo.mid(inicial_visitante, 1)
        + en_minusculas(solo_de_nombre(trozo.mid(inicial_visitante + 1, largo_ventana_visitante)));
    return Equipos{ansi::a_texto(local), ansi::a_texto(visitante)};
}

std::optional<std::array<Equipos, numero_partidos>> lee(const QByteArray& pagina)
{
    std::array<Equipos, numero_partidos> partidos;
    for (int n = 1; n <= numero_partidos; ++n) {
        const std::optional<QByteArray> su_trozo = trozo(pagina, n);
        if (!su_trozo)
            return std::nullopt;
        const std::optional<Equipos> equipos = separa(*su_trozo);
        if (!equipos)
            return std::nullopt;
        partidos[n - 1] = *equipos;
    }
    return partidos;
}

std::optional<Equipos> lee_pleno(const QByteArray& pagina)
{
    const std::optional<QByteArray> su_trozo = trozo(pagina, numero_partidos + 1);
    if (!su_trozo)
        return std::nullopt;
    return separa(*su_trozo);
}

}  // namespace pagina_partidos
