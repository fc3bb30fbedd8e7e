#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

// Reads the round's 14 matches out of the operator's page, as the Windows-1252
// bytes it arrives in. Each match follows its marker, its number and " . ",
// as "ALCOR - BRENES, domingo 17.00 h"; the team names come back with their
// initial as the page writes it and the rest in small letters.
namespace pagina_partidos {

constexpr int numero_partidos = 14;

struct Equipos {
    QString local;
    QString visitante;
};

// The 30 bytes that follow the first marker of match `partido` (1..15), fewer
// where the page ends sooner; nothing when the page lacks the marker.
std::optional<QByteArray> trozo(const QByteArray& pagina, int partido);

// Home and away team of a piece; nothing when the piece has no hyphen, no
// home initial before it or no away initial after the blank that follows it.
std::optional<Equipos> separa(const QByteArray& trozo);

// All 14 matches, or nothing when any one of them cannot be read: a page that
// is not the expected one must not leave half a table behind.
std::optional<std::array<Equipos, numero_partidos>> lee(const QByteArray& pagina);

// The Pleno al 15, cut like the others after its marker "15 . "; nothing
// when the page has no readable 15th match.
std::optional<Equipos> lee_pleno(const QByteArray& pagina);

}  // namespace pagina_partidos
