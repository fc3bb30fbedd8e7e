#pragma once

#include <QByteArray>
#include <QString>

// The Pleno al 15 rides after the 1248-byte record as a trailer of its own,
// so that a reader of the record alone reads the file as before:
//   "PL15", home team and away team as short strings of capacity 20, then
//   the home and the away goals forecast, '0', '1', '2', 'M' or 0 for none.
namespace registro_pleno {

constexpr int tamano = 48;

struct Pleno {
    QString local;
    QString visitante;
    // "", "0", "1", "2" or "M".
    QString goles_local;
    QString goles_visitante;

    bool vacio() const;
    bool operator==(const Pleno&) const = default;
};

// Nothing for an empty Pleno, so that a file without one is the bare record;
// otherwise the 48 bytes, the teams cut to their fields.
QByteArray codifica(const Pleno& pleno);

// The Pleno of a whole file's bytes: empty unless the record is followed by
// a whole trailer that starts with "PL15". Lengths are clamped to their
// fields and a forecast byte outside the four letters is none.
Pleno descodifica(const QByteArray& archivo);

}  // namespace registro_pleno
