#pragma once

#include "common/boleto.h"

#include <QByteArray>
#include <QChar>
#include <QString>

#include <array>

// A bet file is one fixed record of 1248 bytes: no header, no version, no
// checksum. This is its codec, record <-> values, with no widgets involved.
namespace registro_quiniela {

constexpr int tamano = 1248;

// The whole slip as the record keeps it. Matches are indexed m - 1, column
// slots c - 1, bet columns k - 1 and variables-table rows r.
struct Quiniela {
    int indice_apuestas = -1;
    QString fecha;
    std::array<QString, boleto::partidos> signos_partido;
    std::array<bool, boleto::partidos> marcas_variables {};
    std::array<QString, boleto::partidos> equipos_local;
    std::array<QString, boleto::partidos> equipos_visitante;
    std::array<QString, boleto::partidos> porcentajes_1;
    std::array<QString, boleto::partidos> porcentajes_x;
    std::array<QString, boleto::partidos> porcentajes_2;
    // Bet cell of match m in slot c, [m - 1][c - 1]: the sign of bet column c
    // and of c + 8.
    boleto::Signos_pagina signos_pagina1 = boleto::pagina_sin_signos();
    boleto::Signos_pagina signos_pagina2 = boleto::pagina_sin_signos();
    // Variables-table cell of bet column k, row r: one character or empty.
    std::array<std::array<QString, boleto::partidos>, 16> variables;

    Quiniela();
    bool operator==(const Quiniela&) const = default;
};

// Texts are cut to their fields, each letter outside Windows-1252 first made
// its nearest letter there (ansi::guardable); a variables cell that is not
// exactly one character long is stored as empty.
QByteArray codifica(const Quiniela& quiniela);

// Reads the first `tamano` bytes. A damaged record is made safe: lengths are
// clamped to their fields, unknown signs become "0". A record too short or
// with a bets count the program cannot have throws Error_tolvera.
Quiniela descodifica(const QByteArray& registro);

}  // namespace registro_quiniela
