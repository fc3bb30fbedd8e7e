#pragma once

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
    std::array<QString, 14> signos_partido;
    std::array<bool, 14> marcas_variables {};
    std::array<QString, 14> equipos_local;
    std::array<QString, 14> equipos_visitante;
    std::array<QString, 14> porcentajes_1;
    std::array<QString, 14> porcentajes_x;
    std::array<QString, 14> porcentajes_2;
    // Bet cell of match m in slot c: the sign of bet column c and of c + 8.
    std::array<std::array<QChar, 14>, 8> signos_pagina1;
    std::array<std::array<QChar, 14>, 8> signos_pagina2;
    // Variables-table cell of bet column k, row r: one character or empty.
    std::array<std::array<QString, 14>, 16> variables;

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
