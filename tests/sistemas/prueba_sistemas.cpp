// The promise of a slip against a count of every result one by one, and
// reduced systems against the best known guarantees.
#include "sistemas/analisis.h"
#include "sistemas/boleto.h"
#include "sistemas/reduccion.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <cstring>
#include <random>

using namespace sistemas;

Q_DECLARE_METATYPE(Boleto)

namespace {

// A slip of `partidos` matches, each with one to three results, random hits
// over `columnas` columns, some results outside the guarantee and some
// without a chance.
std::vector<Partido> al_azar(std::mt19937& azar, int partidos, int columnas)
{
    std::vector<Partido> boleto;
    for (int m = 0; m < partidos; ++m) {
        Partido partido;
        const int cuantos = 1 + static_cast<int>(azar() % 3);
        for (int r = 0; r < cuantos; ++r) {
            Resultado resultado;
            for (int k = 0; k < columnas; ++k)
                resultado.aciertos[static_cast<std::size_t>(k)] = azar() % 2 == 0 ? 1 : 0;
            resultado.probabilidad = azar() % 5 == 0 ? 0 : static_cast<double>(azar() % 100) / 100;
            resultado.en_garantia = r == 0 || azar() % 4 != 0;
            partido.push_back(resultado);
        }
        boleto.push_back(partido);
    }
    return boleto;
}

int mejor_columna(const std::vector<Partido>& boleto, const std::vector<int>& resultado)
{
    int mejor = 0;
    for (int k = 0; k < columnas_maximas; ++k) {
        int aciertos = 0;
        for (std::size_t m = 0; m < boleto.size(); ++m)
            aciertos += boleto[m][static_cast<std::size_t>(resultado[m])].aciertos[static_cast<std::size_t>(k)];
        mejor = std::max(mejor, aciertos);
    }
    return mejor;
}

std::vector<Reparto> triples_y_dobles(int triples, int dobles)
{
    std::vector<Reparto> partidos(static_cast<std::size_t>(triples), Reparto{40, 30, 30});
    partidos.insert(partidos.end(), static_cast<std::size_t>(dobles), Reparto{60, 40, 0});
    return partidos;
}

// 13 matches with "1" in every column; match 14 variable, as given.
Boleto con_un_variable(const char* columnas_14, std::optional<std::array<int, 3>> porcentajes)
{
    Boleto boleto;
    boleto.columnas = static_cast<int>(std::strlen(columnas_14));
    for (int m = 0; m < 13; ++m)
        boleto.signos[static_cast<std::size_t>(m)].fill('1');
    for (int k = 0; k < boleto.columnas; ++k)
        boleto.signos[13][static_cast<std::size_t>(k)] = columnas_14[k];
    boleto.variable[13] = true;
    boleto.porcentajes[13] = porcentajes;
    return boleto;
}

}  // namespace

class Prueba_sistemas : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Up to 12 matches of triples with 16 columns, half a million results;
    // the worst case, 14 triples, is checked the same way by the benchmark.
    void la_cuenta_rapida_es_la_de_uno_a_uno()
    {
        std::mt19937 azar(18);
        for (int caso = 0; caso < 60; ++caso) {
            const int partidos = caso < 55 ? static_cast<int>(azar() % 10) : 12;
            const int columnas = 1 + static_cast<int>(azar() % 16);
            const std::vector<Partido> boleto = al_azar(azar, partidos, columnas);
            const Promesa rapida = analiza(boleto, azar());
            const Promesa lenta = analiza_uno_a_uno(boleto);
            QCOMPARE(rapida.garantia, lenta.garantia);
            for (std::size_t h = 0; h < 15; ++h)
                QVERIFY2(std::abs(rapida.probabilidades[h] - lenta.probabilidades[h]) < 1e-9,
                         qPrintable(QStringLiteral("case %1, %2 hits").arg(caso).arg(h)));
            QCOMPARE(mejor_columna(boleto, rapida.peor_resultado), rapida.garantia);
            for (std::size_t m = 0; m < boleto.size(); ++m)
                QVERIFY(boleto[m][static_cast<std::size_t>(rapida.peor_resultado[m])].en_garantia);
        }
    }

    void textos_de_la_promesa_data()
    {
        QTest::addColumn<Boleto>("boleto");
        QTest::addColumn<QString>("garantia");
        QTest::addColumn<QString>("probabilidades");
        QTest::newRow("triple del 14")
            << con_un_variable("1x21", std::array<int, 3>{50, 25, 25}) << QStringLiteral("Garantía: 14 aciertos")
            << QStringLiteral("14: 100,0 % · 13: 0,0 % · 12: 0,0 % · 11: 0,0 % · 10: 0,0 %");
        // "X" and "2" have shares but no column: they miss, and only "1"
        // counts for the guarantee.
        QTest::newRow("solo el 1 jugado")
            << con_un_variable("1111", std::array<int, 3>{50, 30, 20}) << QStringLiteral("Garantía: 14 aciertos")
            << QStringLiteral("14: 50,0 % · 13: 50,0 % · 12: 0,0 % · 11: 0,0 % · 10: 0,0 %");
        QTest::newRow("sin porcentajes")
            << con_un_variable("1x21", std::nullopt) << QStringLiteral("Garantía: 14 aciertos") << QString();
        QTest::newRow("porcentajes a 0")
            << con_un_variable("1x21", std::array<int, 3>{0, 0, 0}) << QStringLiteral("Garantía: 14 aciertos")
            << QString();
        QTest::newRow("sin apuestas") << con_un_variable("", std::array<int, 3>{50, 25, 25}) << QString() << QString();
        // Nothing played in match 14: a miss whatever happens.
        QTest::newRow("variable en blanco")
            << con_un_variable("0000", std::array<int, 3>{34, 33, 33}) << QStringLiteral("Garantía: 13 aciertos")
            << QStringLiteral("14: 0,0 % · 13: 100,0 % · 12: 0,0 % · 11: 0,0 % · 10: 0,0 %");
    }

    void textos_de_la_promesa()
    {
        QFETCH(Boleto, boleto);
        QFETCH(QString, garantia);
        QFETCH(QString, probabilidades);
        const Textos textos = promete(boleto);
        QCOMPARE(textos.garantia, garantia);
        QCOMPARE(textos.probabilidades, probabilidades);
    }

    void reducir_alcanza_lo_mejor_conocido_data()
    {
        QTest::addColumn<int>("triples");
        QTest::addColumn<int>("dobles");
        QTest::addColumn<int>("columnas");
        QTest::addColumn<int>("garantia");
        QFile datos(QStringLiteral(MEJORES_GARANTIAS));
        QVERIFY(datos.open(QIODevice::ReadOnly | QIODevice::Text));
        while (!datos.atEnd()) {
            const QString linea = QString::fromUtf8(datos.readLine()).section(QLatin1Char('#'), 0, 0).trimmed();
            if (linea.isEmpty())
                continue;
            const QStringList n = linea.split(QRegularExpression(QStringLiteral("\\s+")));
            QTest::newRow(qPrintable(linea)) << n[0].toInt() << n[1].toInt() << n[2].toInt() << n[3].toInt();
        }
    }

    // Reached, told right, and no column twice while there are more
    // results than columns.
    void reducir_alcanza_lo_mejor_conocido()
    {
        QFETCH(int, triples);
        QFETCH(int, dobles);
        QFETCH(int, columnas);
        QFETCH(int, garantia);
        const std::vector<Reparto> partidos = triples_y_dobles(triples, dobles);
        const Sistema sistema = reduce(partidos, columnas);
        QCOMPARE(static_cast<int>(sistema.columnas.size()), columnas);
        QVERIFY2(sistema.garantia >= garantia, qPrintable(QString::number(sistema.garantia)));
        QCOMPARE(evalua(partidos, sistema.columnas).garantia, sistema.garantia);
        for (std::size_t k = 0; k < sistema.columnas.size(); ++k)
            for (std::size_t j = k + 1; j < sistema.columnas.size(); ++j)
                QVERIFY(sistema.columnas[k] != sistema.columnas[j]);
    }

    // Fewer results than columns: all of them, the most likely first, then
    // the most likely again; and the same columns every time.
    void reducir_con_columnas_de_sobra_y_siempre_igual()
    {
        const std::vector<Reparto> partidos = {{50, 30, 20}, {0, 70, 30}};
        const Sistema sistema = reduce(partidos, 8);
        const std::vector<Columna> esperadas = {{0, 1}, {1, 1}, {0, 2}, {2, 1}, {1, 2}, {2, 2}, {0, 1}, {1, 1}};
        QCOMPARE(sistema.columnas, esperadas);
        QCOMPARE(sistema.garantia, 2);
        QVERIFY(std::abs(sistema.pleno - 1) < 1e-12);
        const std::vector<Reparto> grandes = triples_y_dobles(6, 3);
        QCOMPARE(reduce(grandes, 12).columnas, reduce(grandes, 12).columnas);
    }
};

QTEST_MAIN(Prueba_sistemas)
#include "prueba_sistemas.moc"
