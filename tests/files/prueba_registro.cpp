// The bet file record: byte layout, cuts, the share of 100 and damaged records.
#include "common/error.h"
#include "files/registro_quiniela.h"

#include <QTest>

using registro_quiniela::Quiniela;

namespace {

QByteArray bytes(std::initializer_list<int> valores)
{
    QByteArray resultado;
    for (int valor : valores)
        resultado.append(static_cast<char>(valor));
    return resultado;
}

void pon(QByteArray& registro, int en, const QByteArray& valor)
{
    registro.replace(en, valor.size(), valor);
}

// A record as the program writes one for an empty slip: signs "0" everywhere.
QByteArray registro_vacio()
{
    QByteArray registro(registro_quiniela::tamano, '\0');
    pon(registro, 0, bytes({0xFF, 0xFF, 0xFF, 0xFF}));
    for (int m = 0; m < 14; ++m)
        pon(registro, 4 + 4 * m, "\x01" "0");
    pon(registro, 60, QByteArray(224, '0'));
    return registro;
}

QString descodifica_error(const QByteArray& registro)
{
    try {
        registro_quiniela::descodifica(registro);
    } catch (const Error_tolvera& error) {
        return error.texto();
    }
    return {};
}

}  // namespace

class Prueba_registro : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ejemplo_resuelto_byte_a_byte()
    {
        Quiniela quiniela;
        quiniela.indice_apuestas = 2;
        quiniela.fecha = QStringLiteral("19/10/03");
        quiniela.signos_partido[0] = QStringLiteral("1");
        quiniela.equipos_local[0] = QStringLiteral("Alcor");
        quiniela.equipos_visitante[0] = QStringLiteral("Brenes");
        for (int c = 0; c < 8; ++c)
            quiniela.signos_pagina1[0][c] = QLatin1Char('1');
        quiniela.marcas_variables[1] = true;
        quiniela.porcentajes_1[1] = QStringLiteral("50");
        quiniela.porcentajes_x[1] = QStringLiteral("30");
        quiniela.porcentajes_2[1] = QStringLiteral("20");
        quiniela.signos_pagina1[1][0] = QLatin1Char('x');
        quiniela.variables[0][0] = QStringLiteral("X");

        QByteArray esperado = registro_vacio();
        pon(esperado, 0, bytes({0x02, 0x00, 0x00, 0x00}));
        pon(esperado, 4, bytes({0x01, 0x31, 0x00, 0x00}));
        pon(esperado, 8, bytes({0x01, 0x30, 0x00, 0x00}));
        for (int c = 0; c < 8; ++c)
            pon(esperado, 60 + 14 * c, bytes({0x31}));
        pon(esperado, 61, bytes({0x78}));
        pon(esperado, 284, bytes({0x58, 0x00}));
        pon(esperado, 508, bytes({0x05, 0x41, 0x6C, 0x63, 0x6F, 0x72}));
        pon(esperado, 802, bytes({0x06, 0x42, 0x72, 0x65, 0x6E, 0x65, 0x73}));
        pon(esperado, 1099, bytes({0x02, 0x35, 0x30}));
        pon(esperado, 1141, bytes({0x02, 0x33, 0x30}));
        pon(esperado, 1183, bytes({0x02, 0x32, 0x30}));
        pon(esperado, 1222, bytes({0x00, 0x01}));
        pon(esperado, 1236, bytes({0x08, 0x31, 0x39, 0x2F, 0x31, 0x30, 0x2F, 0x30, 0x33}));

        const QByteArray registro = registro_quiniela::codifica(quiniela);
        QCOMPARE(registro.size(), 1248);
        QCOMPARE(registro.toHex(' '), esperado.toHex(' '));
        QVERIFY(registro_quiniela::descodifica(esperado) == quiniela);
    }

    void pagina_dos_y_variables_de_la_columna_16()
    {
        Quiniela quiniela;
        quiniela.indice_apuestas = 6;
        quiniela.signos_pagina2[13][7] = QLatin1Char('2');
        quiniela.signos_pagina2[0][0] = QLatin1Char('x');
        quiniela.variables[15][13] = QStringLiteral("2");
        quiniela.variables[8][0] = QStringLiteral("1");
        quiniela.equipos_local[13] = QStringLiteral("Alavés");
        quiniela.equipos_visitante[13] = QStringLiteral("Cádiz");
        const QByteArray registro = registro_quiniela::codifica(quiniela);
        QCOMPARE(registro[0], '\x06');
        QCOMPARE(registro[172 + 14 * 7 + 13], '2');
        QCOMPARE(registro[172], 'x');
        QCOMPARE(registro[396 + 14 * 7 + 13], '2');
        QCOMPARE(registro[396], '1');
        QCOMPARE(registro.mid(508 + 21 * 13, 7), QByteArray("\x06" "Alav\xe9s"));
        QCOMPARE(registro.mid(802 + 21 * 13, 6), QByteArray("\x05" "C\xe1" "diz"));
        QVERIFY(registro_quiniela::descodifica(registro) == quiniela);
    }

    void los_textos_se_cortan_a_su_campo()
    {
        Quiniela quiniela;
        quiniela.equipos_local[0] = QStringLiteral("Real Sociedad de Fútbol B");
        quiniela.fecha = QStringLiteral("19/10/2003");
        quiniela.porcentajes_1[0] = QStringLiteral("123");
        quiniela.variables[0][0] = QStringLiteral("1X");
        quiniela.variables[1][0] = QStringLiteral("2");
        const QByteArray registro = registro_quiniela::codifica(quiniela);
        QCOMPARE(registro.mid(508, 22), QByteArray("\x14" "Real Sociedad de F\xfa" "t") + '\0');
        QCOMPARE(registro.mid(1236, 9), QByteArray("\x08" "19/10/20"));
        QCOMPARE(registro.mid(1096, 3), QByteArray("\x02" "12"));
        QCOMPARE(registro[284], '\0');
        QCOMPARE(registro[284 + 14], '2');

        const Quiniela leida = registro_quiniela::descodifica(registro);
        QCOMPARE(leida.equipos_local[0], QStringLiteral("Real Sociedad de Fút"));
        QCOMPARE(leida.variables[0][0], QString());
        QCOMPARE(leida.variables[1][0], QStringLiteral("2"));
    }

    // "00" is never the text of a share of 0 ("0"), so it carries the 100.
    void un_porcentaje_de_100_vuelve_entero()
    {
        Quiniela quiniela;
        quiniela.porcentajes_1[4] = QStringLiteral("0");
        quiniela.porcentajes_x[4] = QStringLiteral("100");
        quiniela.porcentajes_2[4] = QStringLiteral("0");
        quiniela.porcentajes_1[5] = QStringLiteral("99");
        const QByteArray registro = registro_quiniela::codifica(quiniela);
        QCOMPARE(registro.mid(1096 + 12, 3), QByteArray("\x01" "0") + '\0');
        QCOMPARE(registro.mid(1138 + 12, 3), QByteArray("\x02" "00"));
        const Quiniela leida = registro_quiniela::descodifica(registro);
        QCOMPARE(leida.porcentajes_1[4], QStringLiteral("0"));
        QCOMPARE(leida.porcentajes_x[4], QStringLiteral("100"));
        QCOMPARE(leida.porcentajes_1[5], QStringLiteral("99"));
        QCOMPARE(leida.porcentajes_1[6], QString());
    }

    void las_longitudes_danadas_no_salen_de_su_campo()
    {
        QByteArray registro = registro_vacio();
        pon(registro, 508, QByteArray(1, '\xFF') + QByteArray(20, 'a') + QByteArray(1, '\x03') + "Bcd");
        pon(registro, 1096, bytes({0xFF, '4', '5', 0x02, '6', '7'}));
        pon(registro, 1236, bytes({0xC8, '1', '2', '3', '4', '5', '6', '7', '8', 0x7F}));
        pon(registro, 4, bytes({0xFF, '1', 'x', '2', 0x01, '1'}));
        const Quiniela leida = registro_quiniela::descodifica(registro);
        QCOMPARE(leida.equipos_local[0], QString(20, QLatin1Char('a')));
        QCOMPARE(leida.equipos_local[1], QStringLiteral("Bcd"));
        QCOMPARE(leida.porcentajes_1[0], QStringLiteral("45"));
        QCOMPARE(leida.porcentajes_1[1], QStringLiteral("67"));
        QCOMPARE(leida.fecha, QStringLiteral("12345678"));
        QCOMPARE(leida.signos_partido[0], QStringLiteral("1x2"));
    }

    void signos_desconocidos_quedan_en_blanco()
    {
        QByteArray registro = registro_vacio();
        pon(registro, 60, bytes({'X', 0x00, 'a', '3', '1', 'x', '2'}));
        pon(registro, 172 + 111, bytes({0xE9}));
        pon(registro, 4, bytes({0x01, 'X'}));
        pon(registro, 8, bytes({0x02, '2', 'x'}));
        pon(registro, 12, bytes({0x00}));
        pon(registro, 16, bytes({0x02, 'x', '2'}));
        const Quiniela leida = registro_quiniela::descodifica(registro);
        QString slot1;
        for (int p = 0; p < 7; ++p)
            slot1 += leida.signos_pagina1[p][0];
        QCOMPARE(slot1, QStringLiteral("0000" "1x2"));
        QCOMPARE(leida.signos_pagina2[13][7], QLatin1Char('0'));
        QCOMPARE(leida.signos_partido[0], QStringLiteral("0"));
        QCOMPARE(leida.signos_partido[1], QStringLiteral("0"));
        QCOMPARE(leida.signos_partido[2], QStringLiteral("0"));
        QCOMPARE(leida.signos_partido[3], QStringLiteral("x2"));
    }

    void solo_un_1_marca_el_partido_como_variable()
    {
        QByteArray registro = registro_vacio();
        pon(registro, 1222, bytes({0x01, 0x02, 0xFF, '1'}));
        const Quiniela leida = registro_quiniela::descodifica(registro);
        QVERIFY(leida.marcas_variables[0]);
        QVERIFY(!leida.marcas_variables[1]);
        QVERIFY(!leida.marcas_variables[2]);
        QVERIFY(!leida.marcas_variables[3]);
    }

    void numero_de_apuestas_fuera_de_rango()
    {
        QByteArray registro = registro_vacio();
        for (const int indice : {-1, 0, 6}) {
            pon(registro, 0, QByteArray(reinterpret_cast<const char*>(&indice), 4));
            QCOMPARE(registro_quiniela::descodifica(registro).indice_apuestas, indice);
        }
        for (const QByteArray& malo : {bytes({7, 0, 0, 0}), bytes({0xFE, 0xFF, 0xFF, 0xFF}),
                                       bytes({0xFF, 0xFF, 0xFF, 0x7F}), bytes({0, 0, 0, 0x80})}) {
            pon(registro, 0, malo);
            QVERIFY(descodifica_error(registro).contains(QStringLiteral("número de apuestas")));
        }
    }

    void registro_corto_y_bytes_de_mas()
    {
        QCOMPARE(descodifica_error(registro_vacio().left(1247)), QStringLiteral("Read beyond end of file"));
        QCOMPARE(descodifica_error(QByteArray()), QStringLiteral("Read beyond end of file"));
        const QByteArray largo = registro_vacio() + QByteArray(100, '\x07');
        QCOMPARE(registro_quiniela::descodifica(largo).indice_apuestas, -1);
    }
};

QTEST_APPLESS_MAIN(Prueba_registro)
#include "prueba_registro.moc"
