// The shared pieces under everything: the random generator, the code page,
// the picture loader and file names as the system holds them.
#include "common/aleatorio.h"
#include "common/ansi.h"
#include "common/error.h"
#include "common/jpeg.h"
#include "common/nombre_en_disco.h"

#include <QFile>
#include <QTest>

class Prueba_comun : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { aleatorio::fija_semilla(0); }

    // Worked out from seed <- seed * 134775813 + 1 and the upper half of seed * n.
    void primeras_semillas_desde_cero()
    {
        const std::uint32_t semillas[] = {1u, 134775814u, 3698175007u, 870078620u, 1172187917u, 2884733762u};
        const std::uint32_t de_ocho[] = {0, 0, 6, 1, 2, 5};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(aleatorio::sorteo(8), de_ocho[i]);
            QCOMPARE(aleatorio::semilla(), semillas[i]);
        }
    }

    void el_rango_decide_el_resultado_no_la_secuencia()
    {
        const std::uint32_t de_cien[] = {0, 3, 86, 20, 27, 67};
        for (std::uint32_t esperado : de_cien)
            QCOMPARE(aleatorio::sorteo(100), esperado);
        QCOMPARE(aleatorio::semilla(), 2884733762u);
    }

    void calentar_descarta_tantos_sorteos_como_milisegundos()
    {
        aleatorio::calienta(0);
        QCOMPARE(aleatorio::semilla(), 0u);
        aleatorio::calienta(999);
        QCOMPARE(aleatorio::semilla(), 2005906923u);
    }

    void los_256_bytes_van_y_vuelven()
    {
        QByteArray todos;
        for (int b = 0; b < 256; ++b)
            todos.append(static_cast<char>(b));
        const QString texto = ansi::a_texto(todos);
        QCOMPARE(texto.size(), 256);
        QCOMPARE(ansi::a_bytes(texto), todos);
        QCOMPARE(texto.at(0x80), QChar(0x20AC));
        QCOMPARE(texto.at(0xF3), QChar(0xF3));
        QCOMPARE(texto.at(0x9F), QChar(0x0178));
    }

    void lo_que_no_cabe_en_la_pagina_de_codigos_es_interrogacion()
    {
        QCOMPARE(ansi::a_bytes(QStringLiteral("Ω€ñ")), QByteArray("?\x80\xF1"));
    }

    // What a bet file keeps of a name the code page lacks letters for.
    void la_letra_mas_cercana_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("guardable");
        QTest::newRow("cedilla") << QStringLiteral("Beşiktaş") << QStringLiteral("Besiktas");
        QTest::newRow("sin descomposicion") << QStringLiteral("Łódź Đakovo") << QStringLiteral("Lódz Dakovo");
        QTest::newRow("i sin punto") << QStringLiteral("Kasımpaşa") << QStringLiteral("Kasimpasa");
        QTest::newRow("ligadura") << QStringLiteral("ﬁnal") << QStringLiteral("final");
        QTest::newRow("acento suelto") << QStringLiteral("Me\u0301rida") << QStringLiteral("Mérida");
        QTest::newRow("signos sin letra") << QStringLiteral("Ωmega ★ 😀") << QStringLiteral("mega  ");
        QTest::newRow("cabe tal cual") << QStringLiteral("Málaga €ñŸ?") << QStringLiteral("Málaga €ñŸ?");
    }

    void la_letra_mas_cercana()
    {
        QFETCH(QString, texto);
        QFETCH(QString, guardable);
        QCOMPARE(ansi::guardable(texto), guardable);
        QCOMPARE(ansi::a_texto(ansi::a_bytes(guardable)), guardable);
    }

    void minusculas_de_la_pagina_de_codigos()
    {
        QCOMPARE(ansi::minuscula('A'), 'a');
        QCOMPARE(ansi::minuscula('z'), 'z');
        QCOMPARE(ansi::minuscula('\xC1'), '\xE1');  // Á
        QCOMPARE(ansi::minuscula('\xD1'), '\xF1');  // Ñ
        QCOMPARE(ansi::minuscula('\xD7'), '\xD7');  // ×
        QCOMPARE(ansi::minuscula('\xDF'), '\xDF');  // ß
        QCOMPARE(ansi::minuscula('\x8A'), '\x9A');  // Š
        QCOMPARE(ansi::minuscula('\x9F'), '\xFF');  // Ÿ
        QCOMPARE(ansi::minuscula('-'), '-');
    }

    void las_laminas_del_programa_se_leen_a_su_tamano()
    {
        QCOMPARE(carga_jpeg(QStringLiteral(":/laminas/quiniela.jpg")).size(), QSize(566, 364));
        QCOMPARE(carga_jpeg(QStringLiteral(":/laminas/columna.jpg")).size(), QSize(44, 248));
        QCOMPARE(carga_jpeg(QStringLiteral(":/laminas/raton_variables.jpg")).size(), QSize(81, 105));
        QCOMPARE(carga_jpeg(QStringLiteral(":/laminas/raton_porcentajes.jpg")).size(), QSize(81, 105));
    }

    void una_lamina_danada_es_un_error_no_un_fallo()
    {
        QFile archivo(QStringLiteral(":/laminas/columna.jpg"));
        QVERIFY(archivo.open(QIODevice::ReadOnly));
        const QByteArray buena = archivo.readAll();
        const QByteArray danadas[] = {
            QByteArray(),
            buena.left(2),
            buena.left(buena.size() / 2),
            QByteArray("no es una imagen"),
            QByteArray(buena).replace(200, 400, QByteArray(400, '\xFF')),
        };
        for (const QByteArray& datos : danadas)
            QVERIFY_THROWS_EXCEPTION(Error_tolvera, carga_jpeg(datos, QStringLiteral("prueba")));
        QVERIFY_THROWS_EXCEPTION(Error_tolvera, carga_jpeg(QStringLiteral(":/laminas/no_existe.jpg")));
    }

    // Every byte string comes back as it was; valid UTF-8 reads as Qt reads
    // it, and only the bytes of a broken sequence are kept apart.
    void nombres_de_bytes_y_vuelta_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("apartados");  // bytes kept as they are
        QTest::newRow("utf-8") << QByteArray("jornada_espa\xc3\xb1ola \xe2\x82\xac \xf0\x9f\x8e\xb2.qui") << 0;
        QTest::newRow("latin-1") << QByteArray("espa\xf1ola/jornada\xe9.qui") << 2;
        QTest::newRow("cortada") << QByteArray("a\xe2\x82") << 2;
        QTest::newRow("larga de mas") << QByteArray("\xc0\xafx") << 2;
        QTest::newRow("sustituta") << QByteArray("\xed\xa0\x80") << 3;
        QTest::newRow("fuera de rango") << QByteArray("\xf4\x90\x80\x80") << 4;
        QTest::newRow("escape en utf-8") << QByteArray("\xed\xb3\xb1") << 3;
    }

    void nombres_de_bytes_y_vuelta()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, apartados);
        const QString nombre = nombre_en_disco::de_bytes(bytes);
        QCOMPARE(nombre_en_disco::a_bytes(nombre), bytes);
        int sueltas = 0;
        for (qsizetype i = 0; i < nombre.size(); ++i) {
            if (nombre[i].isHighSurrogate())
                ++i;
            else if (nombre[i].unicode() >= 0xDC80 && nombre[i].unicode() <= 0xDCFF)
                ++sueltas;
        }
        QCOMPARE(sueltas, apartados);
        if (apartados == 0)
            QCOMPARE(nombre, QString::fromUtf8(bytes));
    }
};

QTEST_GUILESS_MAIN(Prueba_comun)
#include "prueba_comun.moc"
