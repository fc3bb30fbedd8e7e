#include "files/registro_quiniela.h"

#include "common/ansi.h"
#include "common/error.h"

#include <QStringList>

namespace registro_quiniela {

namespace {

// Where each field starts in the record, and the capacity of its texts.
constexpr int en_indice = 0;
constexpr int en_signos_partido = 4;
constexpr int en_pagina1 = 60;
constexpr int en_pagina2 = 172;
constexpr int en_variables1 = 284;
constexpr int en_variables2 = 396;
constexpr int en_local = 508;
constexpr int en_visitante = 802;
constexpr int en_porcentajes_1 = 1096;
constexpr int en_porcentajes_x = 1138;
constexpr int en_porcentajes_2 = 1180;
constexpr int en_marcas = 1222;
constexpr int en_fecha = 1236;

constexpr int cabe_signo = 3;
constexpr int cabe_equipo = 20;
constexpr int cabe_porcentaje = 2;
constexpr int cabe_fecha = 8;

// A share of 100 does not fit the two characters of its field. The program
// writes every other share as plain decimal text without leading zeros, so
// "00" never comes out of a share of 0 and is free to stand for 100.
const QString cien = QStringLiteral("100");
const QString cien_guardado = QStringLiteral("00");

// A short string of capacity n: a length byte, then n bytes of which the
// first `length` are the text. A letter the code page lacks is kept as its
// nearest one, cut with the rest.
void pon_texto(QByteArray& registro, int en, int capacidad, const QString& texto)
{
    const QByteArray bytes = ansi::a_bytes(ansi::guardable(texto).left(capacidad));
    registro[en] = static_cast<char>(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        registro[en + 1 + i] = bytes[i];
}

QString texto_en(const QByteArray& registro, int en, int capacidad)
{
    const int longitud = qMin(static_cast<int>(static_cast<unsigned char>(registro[en])), capacidad);
    return ansi::a_texto(registro.mid(en + 1, longitud));
}

QString porcentaje_guardado(const QString& porcentaje)
{
    return porcentaje == cien ? cien_guardado : porcentaje.left(cabe_porcentaje);
}

QString porcentaje_leido(const QString& guardado)
{
    return guardado == cien_guardado ? cien : guardado;
}

QString signo_partido_valido(const QString& texto)
{
    static const QStringList validos = {
        QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("x"), QStringLiteral("2"),
        QStringLiteral("1x"), QStringLiteral("12"), QStringLiteral("x2"), QStringLiteral("1x2"),
    };
    return validos.contains(texto) ? texto : QStringLiteral("0");
}

QChar signo_celda_valido(char byte)
{
    switch (byte) {
    case '1':
    case 'x':
    case '2':
        return QLatin1Char(byte);
    default:
        return QLatin1Char('0');
    }
}

char byte_variable(const QString& celda)
{
    return celda.size() == 1 ? ansi::a_byte(celda.at(0)) : '\0';
}

QString celda_variable(char byte)
{
    return byte == '\0' ? QString() : ansi::a_texto(byte);
}

int indice_leido(const QByteArray& registro)
{
    quint32 sin_signo = 0;
    for (int i = 3; i >= 0; --i)
        sin_signo = (sin_signo << 8) | static_cast<unsigned char>(registro[en_indice + i]);
    const auto indice = static_cast<qint32>(sin_signo);
    if (indice < -1 || indice > 6)
        throw Error_tolvera(QStringLiteral("El archivo no es una quiniela válida: número de apuestas desconocido (%1)")
                                .arg(indice));
    return indice;
}

}  // namespace

Quiniela::Quiniela()
{
    signos_partido.fill(QStringLiteral("0"));
    for (auto& columna : signos_pagina1)
        columna.fill(QLatin1Char('0'));
    for (auto& columna : signos_pagina2)
        columna.fill(QLatin1Char('0'));
}

QByteArray codifica(const Quiniela& quiniela)
{
    QByteArray registro(tamano, '\0');
    const auto indice = static_cast<quint32>(quiniela.indice_apuestas);
    for (int i = 0; i < 4; ++i)
        registro[en_indice + i] = static_cast<char>((indice >> (8 * i)) & 0xFF);
    pon_texto(registro, en_fecha, cabe_fecha, quiniela.fecha);
    for (int p = 0; p < 14; ++p) {
        pon_texto(registro, en_signos_partido + 4 * p, cabe_signo, quiniela.signos_partido[p]);
        registro[en_marcas + p] = quiniela.marcas_variables[p] ? '\1' : '\0';
        pon_texto(registro, en_local + 21 * p, cabe_equipo, quiniela.equipos_local[p]);
        pon_texto(registro, en_visitante + 21 * p, cabe_equipo, quiniela.equipos_visitante[p]);
        pon_texto(registro, en_porcentajes_1 + 3 * p, cabe_porcentaje, porcentaje_guardado(quiniela.porcentajes_1[p]));
        pon_texto(registro, en_porcentajes_x + 3 * p, cabe_porcentaje, porcentaje_guardado(quiniela.porcentajes_x[p]));
        pon_texto(registro, en_porcentajes_2 + 3 * p, cabe_porcentaje, porcentaje_guardado(quiniela.porcentajes_2[p]));
    }
    for (int c = 0; c < 8; ++c) {
        for (int p = 0; p < 14; ++p) {
            const int en = 14 * c + p;
            registro[en_pagina1 + en] = ansi::a_byte(quiniela.signos_pagina1[c][p]);
            registro[en_pagina2 + en] = ansi::a_byte(quiniela.signos_pagina2[c][p]);
            registro[en_variables1 + en] = byte_variable(quiniela.variables[c][p]);
            registro[en_variables2 + en] = byte_variable(quiniela.variables[c + 8][p]);
        }
    }
    return registro;
}

Quiniela descodifica(const QByteArray& registro)
{
    if (registro.size() < tamano)
        throw Error_tolvera(QStringLiteral("Read beyond end of file"));
    Quiniela quiniela;
    quiniela.indice_apuestas = indice_leido(registro);
    quiniela.fecha = texto_en(registro, en_fecha, cabe_fecha);
    for (int p = 0; p < 14; ++p) {
        quiniela.signos_partido[p] = signo_partido_valido(texto_en(registro, en_signos_partido + 4 * p, cabe_signo));
        quiniela.marcas_variables[p] = registro[en_marcas + p] == '\1';
        quiniela.equipos_local[p] = texto_en(registro, en_local + 21 * p, cabe_equipo);
        quiniela.equipos_visitante[p] = texto_en(registro, en_visitante + 21 * p, cabe_equipo);
        quiniela.porcentajes_1[p] = porcentaje_leido(texto_en(registro, en_porcentajes_1 + 3 * p, cabe_porcentaje));
        quiniela.porcentajes_x[p] = porcentaje_leido(texto_en(registro, en_porcentajes_x + 3 * p, cabe_porcentaje));
        quiniela.porcentajes_2[p] = porcentaje_leido(texto_en(registro, en_porcentajes_2 + 3 * p, cabe_porcentaje));
    }
    for (int c = 0; c < 8; ++c) {
        for (int p = 0; p < 14; ++p) {
            const int en = 14 * c + p;
            quiniela.signos_pagina1[c][p] = signo_celda_valido(registro[en_pagina1 + en]);
            quiniela.signos_pagina2[c][p] = signo_celda_valido(registro[en_pagina2 + en]);
            quiniela.variables[c][p] = celda_variable(registro[en_variables1 + en]);
            quiniela.variables[c + 8][p] = celda_variable(registro[en_variables2 + en]);
        }
    }
    return quiniela;
}

}  // namespace registro_quiniela
