// The plain-sheet print computed without a printer: the worked example at 600
// dots per inch, the order of drawing, the copies per bets count, the labels
// and marks beside the slip and the Pleno's line.
#include "printing/folio.h"

#include <QTest>

#include <algorithm>
#include <set>

using namespace impresion;

namespace {

const QString X = QStringLiteral("X");

Folio folio_vacio(int apuestas)
{
    Folio folio;
    folio.boleto.apuestas = apuestas;
    folio.selectores.fill(QStringLiteral("0"));
    return folio;
}

std::vector<Dibuja_lamina> laminas_de(const Composicion& operaciones)
{
    std::vector<Dibuja_lamina> laminas;
    for (const Operacion& operacion : operaciones)
        if (const auto* lamina = std::get_if<Dibuja_lamina>(&operacion))
            laminas.push_back(*lamina);
    return laminas;
}

std::vector<Escribe> textos(const Composicion& operaciones)
{
    std::vector<Escribe> escritos;
    for (const Operacion& operacion : operaciones)
        if (const auto* escribe = std::get_if<Escribe>(&operacion))
            escritos.push_back(*escribe);
    return escritos;
}

// The texts at a given x, in drawing order.
std::vector<Escribe> en_x(const Composicion& operaciones, int x)
{
    std::vector<Escribe> escritos;
    for (const Escribe& escribe : textos(operaciones))
        if (escribe.x == x)
            escritos.push_back(escribe);
    return escritos;
}

// Bet-sign marks: the X texts right of the slip's name column and left of
// the variable marks.
std::vector<Escribe> marcas_apuesta(const Composicion& operaciones)
{
    std::vector<Escribe> escritos;
    for (const Escribe& escribe : textos(operaciones))
        if (escribe.texto == X && escribe.x > 1700 && escribe.x < 4000)
            escritos.push_back(escribe);
    return escritos;
}

}  // namespace

class Prueba_composicion_folio : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void laminas_del_ejemplo()
    {
        const std::vector<Dibuja_lamina> dos_copias = {
            {Lamina::quiniela, {709, 709, 4489, 3177}},
            {Lamina::quiniela, {709, 4016, 4489, 6484}},
            {Lamina::columna, {425, 1279, 708, 2980}},
        };
        QCOMPARE(laminas_de(composicion_folio(folio_vacio(10), 600, 600)), dos_copias);
        const std::vector<Dibuja_lamina> una_copia = {dos_copias[0], dos_copias[2]};
        QCOMPARE(laminas_de(composicion_folio(folio_vacio(8), 600, 600)), una_copia);
        QCOMPARE(laminas_de(composicion_folio(folio_vacio(2), 600, 600)), una_copia);
    }

    // "1x2" gives three marks in the row of its match, "x2" two, "0" none;
    // they are drawn before the face is set, beside copy 1 only.
    void signos_base_junto_a_la_copia_1()
    {
        Folio folio = folio_vacio(16);
        folio.selectores[0] = QStringLiteral("1x2");
        folio.selectores[13] = QStringLiteral("x2");
        const Composicion operaciones = composicion_folio(folio, 600, 600);
        const std::vector<Operacion> esperadas = {
            Escribe {461, 1302, X}, Escribe {543, 1302, X}, Escribe {638, 1302, X},
            Escribe {543, 2878, X}, Escribe {638, 2878, X}, Cambia_cara {QStringLiteral("arial")},
        };
        QCOMPARE(std::vector<Operacion>(operaciones.begin() + 3, operaciones.begin() + 9), esperadas);
    }

    void fecha_tras_la_cara()
    {
        Folio folio = folio_vacio(10);
        folio.fecha = QStringLiteral("14/05/23");
        Composicion operaciones = composicion_folio(folio, 600, 600);
        QVERIFY(operaciones[3] == Operacion(Cambia_cara {QStringLiteral("arial")}));
        QVERIFY(operaciones[4] == Operacion(Escribe {2244, 874, QStringLiteral("Fecha: 14/05/23")}));
        QCOMPARE(en_x(operaciones, 2244).size(), size_t(1));

        folio.fecha.clear();
        operaciones = composicion_folio(folio, 600, 600);
        QVERIFY(operaciones[4] == Operacion(Escribe {2244, 874, QStringLiteral("Fecha: ")}));
    }

    // Name, name at copy 2, label, label at copy 2, match after match.
    void nombres_y_etiquetas()
    {
        Folio folio = folio_vacio(10);
        folio.partidos[0] = QStringLiteral("Betis - Sevilla");
        folio.partidos[13] = QStringLiteral("Eibar - Oviedo");
        const Composicion operaciones = composicion_folio(folio, 600, 600);
        const std::vector<Escribe> nombres = en_x(operaciones, 827);
        const std::vector<Escribe> etiquetas = en_x(operaciones, 1571);
        QCOMPARE(nombres.size(), size_t(28));
        QCOMPARE(etiquetas.size(), size_t(28));
        QCOMPARE(nombres[0], (Escribe {827, 1303, QStringLiteral("Betis - Sevilla")}));
        QCOMPARE(nombres[1], (Escribe {827, 1303 + 3307, QStringLiteral("Betis - Sevilla")}));
        QCOMPARE(nombres[2].texto, QString());
        QCOMPARE(nombres[26], (Escribe {827, 2884, QStringLiteral("Eibar - Oviedo")}));
        QCOMPARE(etiquetas[0], (Escribe {1571, 1303, QStringLiteral(".......1")}));
        QCOMPARE(etiquetas[1], (Escribe {1571, 1303 + 3307, QStringLiteral(".......1")}));
        QCOMPARE(etiquetas[16].texto, QStringLiteral(".......9"));
        QCOMPARE(etiquetas[18].texto, QStringLiteral(".....10"));
        QCOMPARE(etiquetas[27], (Escribe {1571, 2884 + 3307, QStringLiteral(".....14")}));

        const auto orden = [&operaciones](const Escribe& buscado) {
            return std::find(operaciones.begin(), operaciones.end(), Operacion(buscado)) - operaciones.begin();
        };
        QVERIFY(orden(nombres[0]) < orden(nombres[1]));
        QVERIFY(orden(nombres[1]) < orden(etiquetas[0]));
        QVERIFY(orden(etiquetas[0]) < orden(etiquetas[1]));
        QVERIFY(orden(etiquetas[1]) < orden(nombres[2]));
    }

    // The boxes of columns 1 and 8 in the rows of matches 1 and 14. The name
    // of match 14 stands 6 dots lower than its signs (2884 against 2878).
    void signos_de_apuesta_del_ejemplo()
    {
        for (const auto& [signo, x1, x8] : {std::tuple {'1', 1783, 3667}, {'x', 1866, 3749}, {'2', 1949, 3832}}) {
            Folio folio = folio_vacio(16);
            folio.boleto.signo1[0][0] = QLatin1Char(signo);
            folio.boleto.signo1[13][7] = QLatin1Char(signo);
            folio.boleto.signo2[13][0] = QLatin1Char(signo);
            const std::vector<Escribe> esperadas = {{x1, 1302, X}, {x1, 2878 + 3307, X}, {x8, 2878, X}};
            QCOMPARE(marcas_apuesta(composicion_folio(folio, 600, 600)), esperadas);
        }
    }

    void marcas_variables()
    {
        Folio folio = folio_vacio(10);
        folio.variables[0] = true;
        folio.variables[13] = true;
        const std::vector<Escribe> esperadas = {
            {4106, 1302, X}, {4106, 1302 + 3307, X}, {4106, 2878, X}, {4106, 2878 + 3307, X}};
        QCOMPARE(en_x(composicion_folio(folio, 600, 600), 4106), esperadas);
        folio.boleto.apuestas = 8;
        QCOMPARE(en_x(composicion_folio(folio, 600, 600), 4106).size(), size_t(2));
    }

    // Pictures, base signs, face, date, names and labels, bet signs, variable
    // marks: each group whole before the next.
    void orden_de_dibujo()
    {
        Folio folio = folio_vacio(16);
        folio.selectores.fill(QStringLiteral("1"));
        folio.variables.fill(true);
        for (auto& fila : folio.boleto.signo1)
            fila.fill(QLatin1Char('2'));
        QString grupos;
        bool cara_puesta = false;
        for (const Operacion& operacion : composicion_folio(folio, 600, 600)) {
            QChar grupo;
            if (std::holds_alternative<Dibuja_lamina>(operacion)) {
                grupo = QLatin1Char('L');
            } else if (std::holds_alternative<Cambia_cara>(operacion)) {
                grupo = QLatin1Char('C');
                cara_puesta = true;
            } else {
                const Escribe& escribe = std::get<Escribe>(operacion);
                if (!cara_puesta)
                    grupo = QLatin1Char('B');
                else if (escribe.texto.startsWith(QStringLiteral("Fecha")))
                    grupo = QLatin1Char('F');
                else if (escribe.x == 827 || escribe.x == 1571)
                    grupo = QLatin1Char('N');
                else if (escribe.x == 4106)
                    grupo = QLatin1Char('V');
                else
                    grupo = QLatin1Char('S');
            }
            if (!grupos.endsWith(grupo))
                grupos += grupo;
        }
        QCOMPARE(grupos, QStringLiteral("LBCFNSV"));
    }

    // 8 bets or fewer: one copy, the page-2 signs not looked at.
    // 10 bets: the second copy from the page-2 signs of all eight slots.
    void copias_por_numero_de_apuestas()
    {
        Folio folio = folio_vacio(8);
        for (auto& fila : folio.boleto.signo1)
            fila.fill(QLatin1Char('1'));
        for (auto& fila : folio.boleto.signo2)
            fila.fill(QLatin1Char('2'));
        folio.partidos.fill(QStringLiteral("A - B"));
        folio.variables.fill(true);
        for (const Escribe& escribe : textos(composicion_folio(folio, 600, 600)))
            QVERIFY2(escribe.y < 3177, qPrintable(escribe.texto));
        QCOMPARE(marcas_apuesta(composicion_folio(folio, 600, 600)).size(), size_t(8 * 14));

        folio.boleto.apuestas = 10;
        std::set<int> columnas_copia_2;
        int en_copia_2 = 0;
        for (const Escribe& escribe : marcas_apuesta(composicion_folio(folio, 600, 600))) {
            if (escribe.y > 4016) {
                ++en_copia_2;
                columnas_copia_2.insert(escribe.x);
            }
        }
        QCOMPARE(en_copia_2, 8 * 14);
        // The "2" boxes of the eight slots.
        QCOMPARE(columnas_copia_2, (std::set<int> {1949, 2218, 2487, 2756, 3025, 3294, 3563, 3832}));
    }

    void cuatro_apuestas_y_ninguna_elegida()
    {
        for (const int apuestas : {4, 2}) {
            Folio folio = folio_vacio(apuestas);
            for (auto& fila : folio.boleto.signo1)
                fila.fill(QLatin1Char('x'));
            for (auto& fila : folio.boleto.signo2)
                fila.fill(QLatin1Char('x'));
            const std::vector<Escribe> marcas = marcas_apuesta(composicion_folio(folio, 600, 600));
            QCOMPARE(marcas.size(), size_t(apuestas * 14));
            // The "x" box of slot 2 is at 2135, of slot 4 at 2673.
            QCOMPARE(marcas.back().x, apuestas == 4 ? 2673 : 2135);
        }
    }

    // The Pleno's line under match 14 of each copy, in the names' column,
    // right after the last label; the rest of the print as without it.
    void linea_del_pleno_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("local");
        QTest::addColumn<QString>("visitante");
        QTest::addColumn<int>("apuestas");
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::addColumn<QString>("linea");
        QTest::addColumn<int>("x");
        QTest::addColumn<QList<int>>("filas");
        const QString partido = QStringLiteral("Betis - Sevilla");
        QTest::newRow("sin Pleno") << "" << "" << "" << 10 << 600 << 600 << "" << 0 << QList<int> {};
        QTest::newRow("pronosticos ajenos") << "" << "3" << "m" << 10 << 600 << 600 << "" << 0 << QList<int> {};
        QTest::newRow("completo, una copia") << partido << "1" << "M" << 8 << 600 << 600
                                             << "Pleno al 15: Betis - Sevilla  1-M" << 827 << QList<int> {3006};
        QTest::newRow("solo el nombre, dos copias") << partido << "" << "" << 10 << 600 << 600
                                                    << "Pleno al 15: Betis - Sevilla  _-_" << 827
                                                    << QList<int> {3006, 3006 + 3307};
        QTest::newRow("solo un pronostico, 300 x 720") << "" << "2" << "" << 10 << 300 << 720
                                                       << "Pleno al 15:   2-_" << 413
                                                       << QList<int> {3607, 3607 + 3968};
    }

    void linea_del_pleno()
    {
        QFETCH(QString, nombre);
        QFETCH(QString, local);
        QFETCH(QString, visitante);
        QFETCH(int, apuestas);
        QFETCH(int, dx);
        QFETCH(int, dy);
        QFETCH(QString, linea);
        QFETCH(int, x);
        QFETCH(QList<int>, filas);
        Folio folio = folio_vacio(apuestas);
        folio.partidos.fill(QStringLiteral("A - B"));
        folio.boleto.signo1[13][0] = QLatin1Char('1');
        Composicion esperada = composicion_folio(folio, dx, dy);
        folio.boleto.pleno = {nombre, local, visitante};
        const Composicion con_pleno = composicion_folio(folio, dx, dy);

        auto tras_etiqueta = std::find_if(esperada.rbegin(), esperada.rend(), [](const Operacion& operacion) {
                                 const auto* escribe = std::get_if<Escribe>(&operacion);
                                 return escribe && escribe->texto == QStringLiteral(".....14");
                             }).base();
        for (const int y : filas)
            tras_etiqueta = esperada.insert(tras_etiqueta, Escribe {x, y, linea}) + 1;
        QVERIFY(con_pleno == esperada);
    }

    // Only a damaged file brings such signs; they print nothing.
    void signos_desconocidos_no_imprimen()
    {
        Folio folio = folio_vacio(16);
        folio.boleto.signo1[0][0] = QLatin1Char('X');
        folio.boleto.signo2[1][1] = QLatin1Char('a');
        folio.boleto.signo1[2][2] = QChar();
        QVERIFY(marcas_apuesta(composicion_folio(folio, 600, 600)).empty());
    }

    // With the width of the texts known (here 40 dots a letter at 600 dots
    // per inch), a name wider than the 744 dots up to its label is cut with
    // "…", blanks before it dropped, on both copies; one that fits is kept.
    void nombres_que_no_caben_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("impreso");
        QTest::newRow("cabe") << QStringLiteral("Betis - Sevilla") << QStringLiteral("Betis - Sevilla");
        QTest::newRow("justo") << QStringLiteral("Athletic - Osasuna") << QStringLiteral("Athletic - Osasuna");
        QTest::newRow("una de mas") << QStringLiteral("Athletic - Osasunaa") << QStringLiteral("Athletic - Osasun…");
        QTest::newRow("blanco antes") << QStringLiteral("R. Sociedad - R. Sociedad")
                                      << QStringLiteral("R. Sociedad - R.…");
    }

    void nombres_que_no_caben()
    {
        QFETCH(QString, nombre);
        QFETCH(QString, impreso);
        Folio folio = folio_vacio(10);
        folio.partidos[4] = nombre;
        folio.ancho_de_texto = [](const QString& texto, int dx, int) { return int(texto.size()) * 40 * dx / 600; };
        const std::vector<Escribe> nombres = en_x(composicion_folio(folio, 600, 600), 827);
        QCOMPARE(nombres[8].texto, impreso);
        QCOMPARE(nombres[9].texto, impreso);
        QCOMPARE(en_x(composicion_folio(folio, 300, 300), 413)[8].texto, impreso);
    }
};

QTEST_APPLESS_MAIN(Prueba_composicion_folio)
#include "prueba_composicion_folio.moc"
