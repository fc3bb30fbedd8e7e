// Both prints played through Qt's printer into a PDF file, chosen in
// "Configura" as a user without a printer would, then rasterised: the dots
// and marks are dark exactly where the layout put them and the page is white
// everywhere else. Also the errors when there is nothing to print on.
#include "apoyo/apoyo.h"
#include "apoyo/pdf.h"

#include "common/jpeg.h"

#include "printing/folio.h"
#include "printing/impresora.h"
#include "printing/lectura_ventana.h"
#include "printing/quiniela.h"
#include "slip/ventana.h"
#include "widgets/busca_componente.h"
#include "widgets/componentevalor1x2.h"
#include "widgets/componentevalor1x2doble.h"
#include "widgets/mensajes.h"

#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace impresion;

namespace {

constexpr int resolucion = 300;
// Margins of a quarter inch: the printable area starts 75 dots in.
constexpr int margen = 75;

const QString signos_base = QStringLiteral("1x2");

QChar signo_base(int m)
{
    return signos_base[m % 3];
}

// The variable match 13 as the variable distribution would leave it.
const QString variables_13 = QStringLiteral("12x2x1x2");

// 10 bets; matches 1 to 12 get a base sign by mouse, match 13 is marked
// variable and given its columns, match 14 has no name and no sign.
void prepara_boleto()
{
    elige_apuestas(10);
    for (int m = 1; m <= 13; ++m)
        prueba::etiqueta_partido(m)
            ->setText(QStringLiteral("Local %1 - Visitante %1").arg(m));
    QTest::keyClicks(widget_de<QLineEdit>(ventana, QStringLiteral("fecha")), QStringLiteral("14/05/23"));
    for (int m = 1; m <= 12; ++m)
        pulsa_selector(m, signo_base(m));
    pulsa_marca(13);
    widget_de<Tvalor1x2_doble>(ventana, QStringLiteral("signo13"))->set_signo1(QStringLiteral("1x2"));
    for (int c = 1; c <= 8; ++c) {
        auto* celda = prueba::celda(13, c);
        celda->set_signo1(variables_13[c - 1]);
        if (c <= 2)
            celda->set_signo2(variables_13[8 - c]);
    }
}

// What prepara_boleto leaves on the main window, written out independently.
Folio folio_esperado()
{
    Folio folio;
    folio.boleto.apuestas = 10;
    folio.fecha = QStringLiteral("14/05/23");
    for (int m = 1; m <= 14; ++m) {
        const QChar base = m <= 12 ? signo_base(m) : QLatin1Char('0');
        for (int c = 1; c <= 8; ++c) {
            folio.boleto.signo1[m - 1][c - 1] = base;
            folio.boleto.signo2[m - 1][c - 1] = c <= 2 ? base : QLatin1Char('0');
        }
        folio.selectores[m - 1] = m <= 12 ? QString(base) : QStringLiteral("0");
        if (m <= 13)
            folio.partidos[m - 1] = QStringLiteral("Local %1 - Visitante %1").arg(m);
    }
    for (int c = 1; c <= 8; ++c) {
        folio.boleto.signo1[12][c - 1] = variables_13[c - 1];
        if (c <= 2)
            folio.boleto.signo2[12][c - 1] = variables_13[8 - c];
    }
    folio.selectores[12] = QStringLiteral("1x2");
    folio.variables[12] = true;
    return folio;
}

bool neutro(QRgb color)
{
    return qAbs(qRed(color) - qGreen(color)) <= 12 && qAbs(qRed(color) - qBlue(color)) <= 12
        && qAbs(qGreen(color) - qBlue(color)) <= 12;
}

// Where something may be drawn on the page: everything else must stay white.
class Zonas {
public:
    explicit Zonas(QSize tamano) : tamano_(tamano), ocupado_(size_t(tamano.width()) * tamano.height()) {}

    void marca(QRect zona)
    {
        zona = zona.intersected(QRect(QPoint(0, 0), tamano_));
        for (int y = zona.top(); y <= zona.bottom(); ++y)
            std::fill_n(ocupado_.begin() + y * tamano_.width() + zona.left(), zona.width(), true);
    }

    // The first pixel outside every zone that is not white, or none.
    std::optional<QPoint> mancha(const QImage& pagina) const
    {
        for (int y = 0; y < tamano_.height(); ++y) {
            const auto* fila = reinterpret_cast<const QRgb*>(pagina.constScanLine(y));
            for (int x = 0; x < tamano_.width(); ++x)
                if (!ocupado_[size_t(y) * tamano_.width() + x] && !blanco(fila[x]))
                    return QPoint(x, y);
        }
        return std::nullopt;
    }

private:
    QSize tamano_;
    std::vector<bool> ocupado_;
};

QRect en_pagina(const Rectangulo& r)
{
    return QRect(r.izquierda + margen, r.arriba + margen, r.derecha - r.izquierda, r.abajo - r.arriba);
}

int cuenta(const QImage& pagina, QRect zona, bool (*prueba)(QRgb))
{
    int n = 0;
    for (int y = zona.top(); y <= zona.bottom(); ++y)
        for (int x = zona.left(); x <= zona.right(); ++x)
            n += prueba(pagina.pixel(x, y)) ? 1 : 0;
    return n;
}

QString texto_punto(QPoint punto)
{
    return QStringLiteral("(%1, %2)").arg(punto.x()).arg(punto.y());
}

}  // namespace

class Prueba_impresion_pdf : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sin_impresora_no_se_imprime()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a default printer");
        Ventanas_de_prueba ventanas;
        Mensajes::olvida();
        pulsa_boton(ventana, QStringLiteral("print1"));
        pulsa_boton(ventana, QStringLiteral("print2"));
        const QString error = QStringLiteral("There is no default printer currently selected.");
        QCOMPARE(Mensajes::errores_capturados(), (QStringList {error, error}));
    }

    void archivo_que_no_se_puede_escribir()
    {
        Ventanas_de_prueba ventanas;
        QTemporaryDir carpeta;
        const QString archivo = carpeta.path() + QStringLiteral("/no/existe.pdf");
        elige_pdf(archivo, resolucion);
        Mensajes::olvida();
        pulsa_boton(ventana, QStringLiteral("print2"));
        QCOMPARE(Mensajes::errores_capturados(),
                 QStringList {QStringLiteral("Cannot print on %1.").arg(archivo)});
        QVERIFY(!QFile::exists(archivo));
    }

    // Dark in the middle of every dot and across most of its box, white
    // everywhere else on the page.
    void en_quiniela()
    {
        Ventanas_de_prueba ventanas;
        QTemporaryDir carpeta;
        const QString pdf = carpeta.filePath(QStringLiteral("quiniela.pdf"));
        prepara_boleto();
        elige_pdf(pdf, resolucion);
        Mensajes::olvida();
        pulsa_boton(ventana, QStringLiteral("print2"));
        QVERIFY2(Mensajes::errores_capturados().isEmpty(), qPrintable(Mensajes::errores_capturados().join(u'\n')));
        QCOMPARE(ventana->windowTitle(), QStringLiteral("Tolvera"));

        const QList<QImage> paginas = rasteriza(pdf, resolucion);
        QCOMPARE(paginas.size(), 1);
        const QImage& pagina = paginas.front();
        Zonas zonas(pagina.size());
        int puntos = 0;
        for (const Operacion& operacion : composicion_quiniela(folio_esperado().boleto, resolucion, resolucion)) {
            const auto* elipse = std::get_if<Elipse>(&operacion);
            if (!elipse)
                continue;
            ++puntos;
            const QRect caja = en_pagina(elipse->rect);
            zonas.marca(caja.adjusted(-1, -1, 1, 1));
            const QRect centro(caja.center() - QPoint(5, 5), QSize(11, 11));
            QVERIFY2(cuenta(pagina, centro, oscuro) == centro.width() * centro.height(),
                     qPrintable(texto_punto(caja.topLeft())));
        }
        // 12 matches with a base sign and the variable match, 10 columns each.
        QCOMPARE(puntos, 130);
        const std::optional<QPoint> mancha = zonas.mancha(pagina);
        QVERIFY2(!mancha, qPrintable(texto_punto(mancha.value_or(QPoint()))));
    }

    // Pictures where the layout puts them, every text dark inside its cell
    // over an opaque white box, white everywhere else.
    void en_folio()
    {
        Ventanas_de_prueba ventanas;
        QTemporaryDir carpeta;
        const QString pdf = carpeta.filePath(QStringLiteral("folio.pdf"));
        prepara_boleto();
        elige_pdf(pdf, resolucion);
        Mensajes::olvida();
        pulsa_boton(ventana, QStringLiteral("print1"));
        QVERIFY2(Mensajes::errores_capturados().isEmpty(), qPrintable(Mensajes::errores_capturados().join(u'\n')));
        QCOMPARE(ventana->windowTitle(), QStringLiteral("Tolvera"));

        const QList<QImage> paginas = rasteriza(pdf, resolucion);
        QCOMPARE(paginas.size(), 1);
        const QImage& pagina = paginas.front();
        QVERIFY(!ejecuta("pdfinfo", {pdf}).contains(QRegularExpression(QStringLiteral("^Title: *\\S"),
                                                                       QRegularExpression::MultilineOption)));
        QVERIFY(ejecuta("pdffonts", {pdf}).contains(QStringLiteral("LiberationSans")));

        QFont letra;
        letra.setPointSize(8);
        Zonas zonas(pagina.size());
        std::vector<std::pair<Dibuja_lamina, QRect>> laminas;
        std::vector<QRect> celdas;
        for (const Operacion& operacion : composicion_folio(folio_esperado(), resolucion, resolucion)) {
            if (const auto* lamina = std::get_if<Dibuja_lamina>(&operacion)) {
                laminas.emplace_back(*lamina, en_pagina(lamina->rect));
                zonas.marca(en_pagina(lamina->rect).adjusted(-2, -2, 2, 2));
            } else if (const auto* cara = std::get_if<Cambia_cara>(&operacion)) {
                letra.setFamily(cara->cara);
            } else if (const auto& escribe = std::get<Escribe>(operacion); !escribe.texto.isEmpty()) {
                const QFontMetrics medidas(letra, &Impresora::elegida());
                const QRect celda(escribe.x + margen, escribe.y + margen,
                                  medidas.horizontalAdvance(escribe.texto), medidas.height());
                zonas.marca(celda.adjusted(-3, -3, 3, 3));
                celdas.push_back(celda);
                QVERIFY2(cuenta(pagina, celda, oscuro) > 0, qPrintable(escribe.texto + texto_punto(celda.topLeft())));
                const QRect dentro = celda.adjusted(1, 1, -1, -1);
                QVERIFY2(cuenta(pagina, dentro, neutro) == dentro.width() * dentro.height(),
                         qPrintable(escribe.texto + texto_punto(celda.topLeft())));
            }
        }
        QCOMPARE(laminas.size(), size_t(3));
        // Base signs 12 + 3, the date, 13 names and 14 labels on both copies,
        // 13 x 8 bet signs on copy 1 and 13 x 2 on copy 2, one variable mark
        // on each copy.
        QCOMPARE(celdas.size(), size_t(15 + 1 + 26 + 28 + 104 + 26 + 2));

        for (const auto& [lamina, rect] : laminas) {
            // The picture stretched into its rectangle: its coarse blocks agree
            // with the page wherever no text covers them.
            const QString recurso = lamina.lamina == Lamina::quiniela ? QStringLiteral(":/laminas/quiniela.jpg")
                                                                      : QStringLiteral(":/laminas/columna.jpg");
            const QImage esperada = carga_jpeg(recurso).scaled(rect.size(), Qt::IgnoreAspectRatio,
                                                               Qt::SmoothTransformation);
            constexpr int bloque = 24;
            int comparados = 0;
            for (int y = 0; y + bloque <= rect.height(); y += bloque) {
                for (int x = 0; x + bloque <= rect.width(); x += bloque) {
                    const QRect zona(rect.topLeft() + QPoint(x, y), QSize(bloque, bloque));
                    if (std::any_of(celdas.begin(), celdas.end(),
                                    [&zona](const QRect& celda) { return celda.adjusted(-3, -3, 3, 3).intersects(zona); }))
                        continue;
                    long diferencia = 0;
                    for (int j = 0; j < bloque; ++j)
                        for (int i = 0; i < bloque; ++i) {
                            const QRgb a = pagina.pixel(zona.left() + i, zona.top() + j);
                            const QRgb b = esperada.pixel(x + i, y + j);
                            diferencia += qGray(a) - qGray(b);
                        }
                    ++comparados;
                    QVERIFY2(qAbs(diferencia) / (bloque * bloque) < 24, qPrintable(texto_punto(zona.topLeft())));
                }
            }
            QVERIFY(comparados > 20);
        }
        const std::optional<QPoint> mancha = zonas.mancha(pagina);
        QVERIFY2(!mancha, qPrintable(texto_punto(mancha.value_or(QPoint()))));
    }

    // The plain sheet measures names in the face it prints them in, on the
    // printer itself, and cuts the one that would run into its label.
    void un_nombre_largo_se_corta_antes_de_su_etiqueta()
    {
        Ventanas_de_prueba ventanas;
        elige_pdf(QDir::temp().filePath(QStringLiteral("no_se_imprime.pdf")), resolucion);
        widget_de<QLabel>(ventana, QStringLiteral("partido1"))->setText(QStringLiteral("R. Sociedad - R. Sociedad"));
        widget_de<QLabel>(ventana, QStringLiteral("partido2"))->setText(QStringLiteral("Betis - Sevilla"));
        const Folio folio = lee_folio(*ventana);
        const std::vector<Operacion> operaciones = composicion_folio(folio, resolucion, resolucion);
        const int x_nombres = R(3.5L * por_centimetro(resolucion));
        std::vector<QString> nombres;
        for (const Operacion& operacion : operaciones)
            if (const auto* escribe = std::get_if<Escribe>(&operacion); escribe && escribe->x == x_nombres)
                nombres.push_back(escribe->texto);
        QFont letra;
        letra.setPointSize(8);
        letra.setFamily(QStringLiteral("arial"));
        const QFontMetrics medidas(letra, &Impresora::elegida());
        const int sitio = R(3.15L * por_centimetro(resolucion));
        QVERIFY(medidas.horizontalAdvance(QStringLiteral("R. Sociedad - R. Sociedad")) > sitio);
        QVERIFY2(nombres.at(0).startsWith(u"R. Sociedad - R") && nombres.at(0).endsWith(u"…"),
                 qPrintable(nombres.at(0)));
        QVERIFY(medidas.horizontalAdvance(nombres.at(0)) <= sitio);
        QCOMPARE(nombres.at(1), QStringLiteral("Betis - Sevilla"));
    }
};

QTEST_MAIN(Prueba_impresion_pdf)
#include "prueba_impresion_pdf.moc"
