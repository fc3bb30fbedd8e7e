// The X that a bet cell or a selector draws must fall inside the box of its
// sign on the picture underneath, for every row, column slot and sign.
#include "apoyo/apoyo.h"

#include "common/geometria_laminas.h"
#include "slip/ventana.h"
#include "widgets/busca_componente.h"
#include "widgets/componentevalor1x2.h"
#include "widgets/componentevalor1x2doble.h"

#include <QImage>
#include <QTest>

namespace {

// The dark pixels a widget paints, in its own coordinates.
QRect tinta(QWidget* marcas)
{
    QImage imagen(marcas->size(), QImage::Format_RGB32);
    imagen.fill(Qt::white);
    marcas->render(&imagen);
    QRect caja;
    for (int y = 0; y < imagen.height(); ++y)
        for (int x = 0; x < imagen.width(); ++x)
            if (qGray(imagen.pixel(x, y)) < 224)
                caja |= QRect(x, y, 1, 1);
    return caja;
}

QRect rect(const laminas::Caja& caja)
{
    return QRect(QPoint(caja.izquierda, caja.arriba), QPoint(caja.derecha, caja.abajo));
}

const QChar signos[3] = {QLatin1Char('1'), QLatin1Char('x'), QLatin1Char('2')};

}  // namespace

class Prueba_laminas : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cada_marca_de_celda_cae_en_su_casilla()
    {
        Ventanas_de_prueba ventanas;
        const QPoint boleto = widget(ventana, QStringLiteral("imagen_quiniela"))->pos();
        int comprobadas = 0;
        for (int c = 1; c <= 8; ++c) {
            for (int m = 1; m <= 14; ++m) {
                auto* celda = prueba::celda(m, c);
                for (int s = 0; s < 3; ++s) {
                    celda->set_signo1(signos[s]);
                    const QRect marca = tinta(celda).translated(celda->pos() - boleto);
                    const QRect caja = rect(laminas::caja_boleto(m, c, s));
                    QVERIFY2(!marca.isEmpty() && caja.contains(marca),
                             qPrintable(QStringLiteral("match %1 slot %2 sign %3").arg(m).arg(c).arg(signos[s])));
                    ++comprobadas;
                }
            }
        }
        QCOMPARE(comprobadas, 112 * 3);
    }

    void cada_marca_de_selector_cae_en_su_casilla()
    {
        Ventanas_de_prueba ventanas;
        const QWidget* columna = widget(ventana, QStringLiteral("imagen_columna"));
        for (int m = 1; m <= 14; ++m) {
            auto* selector = prueba::selector(m);
            for (int s = 0; s < 3; ++s) {
                selector->set_signo1(QString(signos[s]));
                const QRect marca = tinta(selector).translated(selector->pos() - columna->pos());
                QVERIFY2(rect(laminas::caja_columna(m, s)).contains(marca),
                         qPrintable(QStringLiteral("match %1 sign %2").arg(m).arg(signos[s])));
            }
        }
    }

    // The boxes themselves stay on their pictures and never overlap a
    // neighbouring row's.
    void las_casillas_caben_en_sus_laminas()
    {
        const QRect boleto(0, 0, laminas::boleto_ancho, laminas::boleto_alto);
        const QRect columna(0, 0, laminas::columna_ancho, laminas::columna_alto);
        for (int m = 1; m <= 14; ++m) {
            for (int s = 0; s < 3; ++s) {
                QVERIFY(boleto.contains(rect(laminas::caja_boleto(m, 1, s))));
                QVERIFY(boleto.contains(rect(laminas::caja_boleto(m, 8, s))));
                QVERIFY(columna.contains(rect(laminas::caja_columna(m, s))));
                if (m < 14) {
                    QVERIFY(laminas::caja_boleto(m, 1, s).abajo < laminas::caja_boleto(m + 1, 1, s).arriba);
                    QVERIFY(laminas::caja_columna(m, s).abajo <= laminas::caja_columna(m + 1, s).arriba);
                }
            }
        }
    }
};

QTEST_MAIN(Prueba_laminas)
#include "prueba_laminas.moc"
