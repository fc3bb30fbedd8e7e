// The preview against the paper: each print previewed offscreen and printed
// from the preview into a PDF, the two pages rasterised alike and compared;
// the faint slip under the official slip's dots, every dot inside its box;
// the preview with no printer at all, and with an adjustment.
#include "apoyo/apoyo.h"
#include "apoyo/pdf.h"

#include "common/geometria_laminas.h"
#include "printing/ajuste.h"
#include "printing/impresora.h"
#include "printing/lamina_previa.h"
#include "printing/quiniela.h"
#include "printing/vista_previa.h"
#include "slip/ventana.h"
#include "widgets/busca_componente.h"
#include "widgets/mensajes.h"

#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace impresion;

namespace {

// The page is compared at half the printer's dots per inch.
constexpr int resolucion = 300;
constexpr int reduccion = 2;

// Runs `dentro` on the preview once it is on show, and closes it after if
// `dentro` left it open.
void en_vista_previa(const std::function<void(Tventana_vista_previa*)>& dentro)
{
    dentro_de(QStringLiteral("ventana_vista_previa"), QStringLiteral("boton_vista_previa"), QStringLiteral("boton_cerrar"),
              [&dentro](QWidget* vista) { dentro(qobject_cast<Tventana_vista_previa*>(vista)); });
}

// The preview's page as its scene holds it, in printer dots from the paper's
// corner, drawn at half size with `borde` dots more all round on red.
QImage pagina_previa(const Tventana_vista_previa* vista, QSize papel, int borde = 0)
{
    const QRect fuente = QRect(QPoint(0, 0), papel).adjusted(-borde, -borde, borde, borde);
    QImage imagen(fuente.size() / reduccion, QImage::Format_RGB32);
    imagen.fill(Qt::red);
    QPainter pintor(&imagen);
    pintor.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    vista->findChild<QGraphicsView*>()->scene()->render(&pintor, imagen.rect(), fuente);
    return imagen;
}

// The page is exactly the paper's size: white just inside its corners, not
// just outside.
bool del_tamano(const Tventana_vista_previa* vista, QSize papel)
{
    constexpr int borde = 4 * reduccion;
    const QImage imagen = pagina_previa(vista, papel, borde);
    const QRect dentro = QRect(QPoint(0, 0), papel / reduccion).translated(borde / reduccion, borde / reduccion);
    const QRect fuera = dentro.adjusted(-2, -2, 2, 2);
    for (const QRect& r : {dentro.adjusted(1, 1, -1, -1), fuera}) {
        const bool en_papel = r != fuera;
        for (const QPoint esquina : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
            if (blanco(imagen.pixel(esquina)) != en_papel)
                return false;
    }
    return true;
}

bool grisaceo(QRgb color)
{
    return qRed(color) < 160 && qGreen(color) < 160 && qBlue(color) < 160;
}

// A dark pixel of `a` with nothing darkish in `b` within two pixels, if any:
// the two rasterisers smooth the edges of a stroke differently.
std::optional<QPoint> oscuro_de_mas(const QImage& a, const QImage& b)
{
    constexpr int holgura = 2;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            if (!oscuro(a.pixel(x, y)))
                continue;
            bool pareja = false;
            for (int j = -holgura; j <= holgura && !pareja; ++j)
                for (int i = -holgura; i <= holgura && !pareja; ++i)
                    pareja = b.valid(x + i, y + j) && grisaceo(b.pixel(x + i, y + j));
            if (!pareja)
                return QPoint(x, y);
        }
    return std::nullopt;
}

// Blocks of 16 by 16 pixels whose mean grey differs by more than the two
// rasterisers' smoothing of texts and pictures could explain.
int bloques_distintos(const QImage& a, const QImage& b)
{
    constexpr int bloque = 16;
    int distintos = 0;
    for (int y = 0; y + bloque <= a.height(); y += bloque)
        for (int x = 0; x + bloque <= a.width(); x += bloque) {
            int diferencia = 0;
            for (int j = 0; j < bloque; ++j)
                for (int i = 0; i < bloque; ++i)
                    diferencia += qGray(a.pixel(x + i, y + j)) - qGray(b.pixel(x + i, y + j));
            distintos += qAbs(diferencia) / (bloque * bloque) > 24 ? 1 : 0;
        }
    return distintos;
}

QString texto_punto(std::optional<QPoint> punto)
{
    return punto ? QStringLiteral("(%1, %2)").arg(punto->x()).arg(punto->y()) : QString();
}

// 10 bets, every match named and given a base sign, a date.
void prepara_boleto()
{
    elige_apuestas(10);
    QTest::keyClicks(widget_de<QLineEdit>(ventana, QStringLiteral("fecha")), QStringLiteral("14/05/23"));
    for (int m = 1; m <= 14; ++m) {
        prueba::etiqueta_partido(m)
            ->setText(QStringLiteral("Local %1 - Visitante %1").arg(m));
        pulsa_selector(m, QStringLiteral("1x2")[m % 3]);
    }
}

QSize a4(int puntos_por_pulgada)
{
    return QPageSize(QPageSize::A4).sizePixels(puntos_por_pulgada);
}

}  // namespace

class Prueba_vista_previa : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Mapped onto the picture under its block, every dot of the print lies
    // inside the borders of its box, whatever the printer's resolution; the
    // second block gets its picture only when it is printed.
    void cada_punto_dentro_de_su_caja_data()
    {
        QTest::addColumn<int>("apuestas");
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::newRow("16 a 600") << 16 << 600 << 600;
        QTest::newRow("10 a 300") << 10 << 300 << 300;
        QTest::newRow("16 a 360 x 180") << 16 << 360 << 180;
        QTest::newRow("8 a 1200") << 8 << 1200 << 1200;
    }

    void cada_punto_dentro_de_su_caja()
    {
        QFETCH(int, apuestas);
        QFETCH(int, dx);
        QFETCH(int, dy);
        const std::vector<Rectangulo> debajo = laminas_bajo_puntos(apuestas, dx, dy);
        const int bloques = apuestas > 8 ? 2 : 1;
        QCOMPARE(int(debajo.size()), bloques);
        Boleto boleto;
        boleto.apuestas = apuestas;
        for (int s = 0; s < 3; ++s) {
            for (auto* signos : {&boleto.signo1, &boleto.signo2})
                for (auto& fila : *signos)
                    fila.fill(QStringLiteral("1x2")[s]);
            // Slot outer, match inner, and the second block's dot after the first's.
            int k = 0;
            for (const Operacion& operacion : composicion_quiniela(boleto, dx, dy)) {
                const auto* elipse = std::get_if<Elipse>(&operacion);
                if (!elipse)
                    continue;
                const int c = k / bloques / 14 + 1;
                const int m = k / bloques % 14 + 1;
                const Rectangulo& lamina = debajo[k % bloques];
                ++k;
                const double por_pixel_x = double(lamina.derecha - lamina.izquierda) / laminas::boleto_ancho;
                const double por_pixel_y = double(lamina.abajo - lamina.arriba) / laminas::boleto_alto;
                const laminas::Caja caja = laminas::caja_boleto(m, c, s);
                const Rectangulo& r = elipse->rect;
                const QString donde = QStringLiteral("match %1, slot %2, sign %3").arg(m).arg(c).arg(s);
                // Strictly between the border pixels.
                QVERIFY2((r.izquierda - lamina.izquierda) / por_pixel_x >= caja.izquierda + 1, qPrintable(donde));
                QVERIFY2((r.derecha - lamina.izquierda) / por_pixel_x <= caja.derecha, qPrintable(donde));
                QVERIFY2((r.arriba - lamina.arriba) / por_pixel_y >= caja.arriba + 1, qPrintable(donde));
                QVERIFY2((r.abajo - lamina.arriba) / por_pixel_y <= caja.abajo, qPrintable(donde));
            }
            QCOMPARE(k, 8 * 14 * bloques);
        }
    }

    // The page of the preview and the page printed from it into a PDF chosen
    // in "Configura", both at half of 300 dots per inch: the paper's size,
    // and the same texts and pictures on a plain sheet; on the official slip
    // the same dots within two pixels, and under them only the faint slip,
    // which the paper never gets.
    void la_vista_previa_es_lo_que_se_imprime_data()
    {
        QTest::addColumn<QString>("eleccion");
        QTest::addColumn<bool>("lamina_debajo");
        QTest::newRow("En folio") << QStringLiteral("boton_folio") << false;
        QTest::newRow("En quiniela") << QStringLiteral("boton_quiniela") << true;
    }

    void la_vista_previa_es_lo_que_se_imprime()
    {
        QFETCH(QString, eleccion);
        QFETCH(bool, lamina_debajo);
        Ventanas_de_prueba ventanas;
        auto* boton = widget_de<QPushButton>(ventana, QStringLiteral("boton_vista_previa"));
        QCOMPARE(boton->text(), QStringLiteral("Vista previa"));
        QCOMPARE(solapado(boton), QString());
        QTemporaryDir carpeta;
        const QString pdf = carpeta.filePath(QStringLiteral("impresion.pdf"));
        prepara_boleto();
        elige_pdf(pdf, resolucion);

        QImage previa;
        bool tamano = false;
        en_vista_previa([&](Tventana_vista_previa* vista) {
            pulsa_boton(vista, eleccion);
            tamano = del_tamano(vista, a4(resolucion));
            previa = pagina_previa(vista, a4(resolucion));
            pulsa_boton(vista, QStringLiteral("boton_imprimir"));
        });
        QVERIFY2(Mensajes::errores_capturados().isEmpty(), qPrintable(Mensajes::errores_capturados().join(u'\n')));
        QVERIFY(tamano);
        // The rasteriser rounds the page up to whole pixels.
        const QImage papel = rasteriza(pdf, resolucion / reduccion).value(0).copy(previa.rect());

        if (lamina_debajo) {
            QVERIFY2(!oscuro_de_mas(previa, papel), qPrintable(texto_punto(oscuro_de_mas(previa, papel))));
            QVERIFY2(!oscuro_de_mas(papel, previa), qPrintable(texto_punto(oscuro_de_mas(papel, previa))));
            // The slip is there, and faint.
            int tenues = 0;
            int min_gris = 255;
            for (int y = 0; y < previa.height(); ++y)
                for (int x = 0; x < previa.width(); ++x)
                    if (blanco(papel.pixel(x, y)) && !blanco(previa.pixel(x, y))) {
                        ++tenues;
                        min_gris = qMin(min_gris, qGray(previa.pixel(x, y)));
                    }
            QVERIFY2(tenues > 10000, qPrintable(QString::number(tenues)));
            QVERIFY2(min_gris > 170, qPrintable(QString::number(min_gris)));
        } else {
            QCOMPARE(bloques_distintos(previa, papel), 0);
        }
    }

    // Every press scales the page by the same step, from what is shown; the
    // page stays on show at every step.
    void ampliar_y_reducir()
    {
        Ventanas_de_prueba ventanas;
        QList<qreal> factores;
        en_vista_previa([&](Tventana_vista_previa* vista) {
            const auto* hoja = widget_de<QPrintPreviewWidget>(vista, QStringLiteral("vista"));
            factores.append(hoja->zoomFactor());
            for (const char* boton : {"boton_ampliar", "boton_ampliar", "boton_reducir", "boton_reducir",
                                      "boton_reducir"}) {
                pulsa_boton(vista, QString::fromLatin1(boton));
                factores.append(hoja->zoomFactor());
            }
        });
        QCOMPARE(factores.size(), 6);
        const qreal inicial = factores[0];
        QVERIFY(inicial > 0);
        const QList<qreal> pasos{1, 1.25, 1.25 * 1.25, 1.25, 1, 1 / 1.25};
        for (qsizetype i = 0; i < pasos.size(); ++i)
            QVERIFY2(qFuzzyCompare(factores[i], inicial * pasos[i]), qPrintable(QString::number(factores[i])));
    }

    // With no printer at all the preview still shows an A4 page at 600 dots
    // per inch; printing from it fails as the buttons do, and it stays open.
    void sin_impresora()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a default printer");
        Ventanas_de_prueba ventanas;
        bool tamano = false;
        bool abierta = false;
        en_vista_previa([&](Tventana_vista_previa* vista) {
            tamano = del_tamano(vista, a4(600));
            pulsa_boton(vista, QStringLiteral("boton_imprimir"));
            pulsa_boton(vista, QStringLiteral("boton_quiniela"));
            pulsa_boton(vista, QStringLiteral("boton_imprimir"));
            abierta = vista->isVisible();
        });
        QVERIFY(tamano);
        QVERIFY(abierta);
        const QString error = QStringLiteral("There is no default printer currently selected.");
        QCOMPARE(Mensajes::errores_capturados(), (QStringList {error, error}));
    }

    // With an adjustment stored, the dots are where "En quiniela" now prints
    // them: at 300 dots per inch, 10 mm right and 5 mm down is 118 and 59 dots.
    void la_vista_previa_muestra_el_ajuste()
    {
        QTemporaryDir ajustes;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ajustes.path());
        guarda_ajuste({10, 5});
        Ventanas_de_prueba ventanas;
        elige_apuestas(4);
        pulsa_selector(1, QLatin1Char('1'));
        elige_pdf(ajustes.filePath(QStringLiteral("impresion.pdf")), resolucion);
        QImage previa;
        en_vista_previa([&](Tventana_vista_previa* vista) {
            pulsa_boton(vista, QStringLiteral("boton_quiniela"));
            previa = pagina_previa(vista, a4(resolucion));
        });
        // The middle of match 1's "1" in column 1, from the paper's corner
        // (margins of 75 dots): from (993, 757) to (1111, 816).
        QVERIFY(oscuro(previa.pixel(1111 / reduccion, 816 / reduccion)));
        QVERIFY(!oscuro(previa.pixel(993 / reduccion, 757 / reduccion)));
    }
};

QTEST_MAIN(Prueba_vista_previa)
#include "prueba_vista_previa.moc"
