// What the desktop around the program must not change: a dark theme, a
// theme's own fonts, quick presses, Return, and the keyboard.
#include "apoyo/apoyo.h"

#include "common/geometria_laminas.h"
#include "matches/partidos.h"
#include "results/aciertos.h"
#include "slip/ayuda.h"
#include "slip/ventana.h"
#include "variables/variables.h"
#include "widgets/busca_componente.h"
#include "widgets/dialogo_archivo.h"
#include "widgets/mensajes.h"
#include "widgets/rejilla.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QToolTip>

namespace {

// A dark palette and a 10-point face for the application, its buttons and
// its labels, as a desktop theme sets them before the windows are built, and
// again once they are built, as a theme that applies its settings late does.
class Tema_oscuro {
public:
    Tema_oscuro() : paleta_(QApplication::palette()), letra_(QApplication::font())
    {
        QApplication::setPalette(QPalette(QColor(0x31, 0x36, 0x3b), QColor(0x31, 0x36, 0x3b)));
        aplica_letra();
    }
    ~Tema_oscuro()
    {
        QApplication::setPalette(paleta_);
        QApplication::setFont(letra_);
    }
    static void aplica_letra()
    {
        const QFont grande(QStringLiteral("Liberation Sans"), 10);
        QApplication::setFont(grande);
        for (const char* clase : {"QPushButton", "QLabel", "QCheckBox"})
            QApplication::setFont(grande, clase);
    }

private:
    QPalette paleta_;
    QFont letra_;
};

int pixeles(const QImage& imagen, QRect zona, bool oscuros)
{
    int cuantos = 0;
    for (int y = zona.top(); y <= zona.bottom(); ++y)
        for (int x = zona.left(); x <= zona.right(); ++x)
            cuantos += (oscuros ? qGray(imagen.pixel(x, y)) < 96 : qGray(imagen.pixel(x, y)) > 200) ? 1 : 0;
    return cuantos;
}

int oscuros(const QImage& imagen, QRect zona)
{
    return pixeles(imagen, zona, true);
}

// Some dark ink on mostly white paper.
bool tinta_sobre_papel(const QImage& imagen, QRect zona)
{
    const int tinta = oscuros(imagen, zona);
    return tinta > 0 && pixeles(imagen, zona, false) > tinta;
}

// Inside the border of a box of a picture, in window coordinates.
QRect interior(const laminas::Caja& caja, QPoint lamina)
{
    return QRect(QPoint(caja.izquierda + 1, caja.arriba + 1), QPoint(caja.derecha - 1, caja.abajo - 1))
        .translated(lamina);
}

// Whether a caption is drawn whole: a label as large as it asks to be, a
// button as wide as its text and the room the style keeps round it.
QString no_cabe(const QWidget* widget)
{
    const auto* etiqueta = qobject_cast<const QLabel*>(widget);
    const auto* boton = qobject_cast<const QAbstractButton*>(widget);
    const QString texto = etiqueta ? etiqueta->text() : boton ? boton->text() : QString();
    if (texto.isEmpty())
        return {};
    QSize necesita = widget->sizeHint();
    if (qobject_cast<const QPushButton*>(widget)) {
        const QStyle* estilo = widget->style();
        necesita = widget->fontMetrics().size(Qt::TextShowMnemonic, texto)
            + QSize(1, 1) * (estilo->pixelMetric(QStyle::PM_ButtonMargin, nullptr, widget)
                             + 2 * estilo->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, widget));
    }
    if (necesita.width() <= widget->width() && necesita.height() <= widget->height())
        return {};
    return QStringLiteral("%1 \"%2\" needs %3x%4, has %5x%6")
        .arg(widget->objectName(), texto)
        .arg(necesita.width()).arg(necesita.height()).arg(widget->width()).arg(widget->height());
}

// Press, release, double click, release ...: the events Qt makes of quick presses.
void pulsaciones_rapidas(Trejilla* rejilla, int columna, int fila, int veces)
{
    const QPoint punto = rejilla->rect_celda(columna, fila).center();
    for (int i = 0; i < veces; ++i) {
        if (i % 2 == 0)
            QTest::mousePress(rejilla->viewport(), Qt::LeftButton, Qt::NoModifier, punto, 1);
        else
            QTest::mouseDClick(rejilla->viewport(), Qt::LeftButton, Qt::NoModifier, punto, 1);
        QTest::mouseRelease(rejilla->viewport(), Qt::LeftButton, Qt::NoModifier, punto, 1);
    }
}

Trejilla* rejilla(const QWidget* propietaria, const char* nombre_rejilla)
{
    return widget_de<Trejilla>(propietaria, QString::fromLatin1(nombre_rejilla));
}

void pon_partido(int partido, const QString& texto)
{
    prueba::etiqueta_partido(partido)->setText(texto);
}

}  // namespace

class Prueba_escritorio : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tinta_negra_y_letra_propia_con_un_tema_oscuro()
    {
        Tema_oscuro tema;
        Ventanas_de_prueba ventanas;
        Tema_oscuro::aplica_letra();

        const QImage antes = ventana->grab().toImage();
        elige_apuestas(8);
        const QChar signos[3] = {QLatin1Char('1'), QLatin1Char('x'), QLatin1Char('2')};
        for (int m = 1; m <= 3; ++m)
            pulsa_selector(m, signos[m - 1]);
        pon_partido(1, QStringLiteral("Betis - Celta"));
        const QImage despues = ventana->grab().toImage();

        const QPoint boleto = widget(ventana, QStringLiteral("imagen_quiniela"))->pos();
        const QWidget* columna = widget(ventana, QStringLiteral("imagen_columna"));
        const QPoint lamina_columna = columna->mapTo(ventana, QPoint(0, 0));
        QList<QRect> marcadas;
        for (int m = 1; m <= 3; ++m) {
            marcadas.append(interior(laminas::caja_columna(m, m - 1), lamina_columna));
            for (int c = 1; c <= 8; ++c)
                marcadas.append(interior(laminas::caja_boleto(m, c, m - 1), boleto));
        }
        marcadas.append(widget(ventana, QStringLiteral("partido1"))->geometry());
        for (const QRect& zona : marcadas)
            QVERIFY2(oscuros(despues, zona) >= oscuros(antes, zona) + 10,
                     qPrintable(QStringLiteral("no ink at %1,%2").arg(zona.x()).arg(zona.y())));
        for (const char* sobre_lamina : {"Label1", "Label15", "Label_pagina"}) {
            const QRect zona = widget(ventana, QString::fromLatin1(sobre_lamina))->geometry();
            QVERIFY2(tinta_sobre_papel(despues, zona), sobre_lamina);
        }

        QStringList no_caben;
        for (const QWidget* una : std::initializer_list<const QWidget*>{ventana, ventana_partidos, ventana_variables,
                                                                       ventana_aciertos})
            for (const QWidget* hijo : una->findChildren<QWidget*>())
                if (const QString fallo = no_cabe(hijo); !fallo.isEmpty())
                    no_caben.append(fallo);
        QVERIFY2(no_caben.isEmpty(), qPrintable(no_caben.join(QStringLiteral("; "))));
    }

    void cada_pulsacion_rapida_es_un_paso()
    {
        Ventanas_de_prueba ventanas;
        elige_apuestas(4);
        pon_partido(2, QStringLiteral("Betis - Celta"));
        pulsa_marca(2);
        dentro_de(ventana_variables, QStringLiteral("boton_variables"), QStringLiteral("Button1"), [] {
            Trejilla* tabla_1x2 = rejilla(ventana_variables, "tabla_1x2");
            pulsaciones_rapidas(tabla_1x2, 1, 2, 10);
            QCOMPARE(tabla_1x2->celda(1, 2), QStringLiteral("44"));  // 34 to start, then 10 steps
            QCOMPARE(tabla_1x2->celda(2, 2), QStringLiteral("23"));
            pulsa_boton(ventana_variables, QStringLiteral("Button3"));
        });
        // Every press on the variables table checks the columns again; with
        // one variable match in four columns some are always alike.
        Mensajes::olvida();
        pulsaciones_rapidas(rejilla(ventana, "tabla_variables"), 1, 0, 10);
        QCOMPARE(Mensajes::capturados().size(), 10);
    }

    void intro_solo_hace_lo_del_widget_con_el_foco()
    {
        Ventanas_de_prueba ventanas;
        elige_apuestas(4);
        dentro_de(ventana_partidos, QStringLiteral("Button4"), QStringLiteral("boton_cancelar"), [] {
            auto* lista = widget_de<QListWidget>(ventana_partidos, QStringLiteral("equipos_primera"));
            pulsa(lista->viewport(), lista->visualItemRect(lista->item(0)).center());
            Trejilla* tabla = rejilla(ventana_partidos, "tabla_partidos");
            QCOMPARE(tabla->celda(1, 0), lista->item(0)->text());
            QTest::keyClick(lista, Qt::Key_Return);
            QVERIFY(ventana_partidos->isVisible());
            QCOMPARE(tabla->celda(2, 0), QString());
            QCOMPARE(QPoint(tabla->columna_actual(), tabla->fila_actual()), QPoint(2, 0));
        });
        QCOMPARE(widget_de<QLabel>(ventana, QStringLiteral("partido1"))->text(), QString());

        pon_partido(1, QStringLiteral("Betis - Celta"));
        pulsa_marca(1);
        dentro_de(ventana_variables, QStringLiteral("boton_variables"), QStringLiteral("Button1"), [] {
            Trejilla* tabla_1x2 = rejilla(ventana_variables, "tabla_1x2");
            pulsa_celda(tabla_1x2, 1, 1);
            QTest::keyClick(tabla_1x2, Qt::Key_Return);
            QVERIFY(ventana_variables->isVisible());
            QCOMPARE(tabla_1x2->celda(1, 1), QStringLiteral("35"));
        });
        QCOMPARE(rejilla(ventana, "tabla_variables")->celda(0, 0), QString());
        QCOMPARE(Mensajes::capturados(), QStringList());
    }

    void la_primera_flecha_elige_el_primer_equipo()
    {
        Ventanas_de_prueba ventanas;
        elige_apuestas(4);
        dentro_de(ventana_partidos, QStringLiteral("Button4"), QStringLiteral("boton_cancelar"), [] {
            auto* lista = widget_de<QListWidget>(ventana_partidos, QStringLiteral("equipos_segunda"));
            // Focus comes once the modal window is active, which a loaded
            // machine may take a few turns of the loop to report.
            QVERIFY(QTest::qWaitForWindowActive(ventana_partidos));
            lista->setFocus(Qt::TabFocusReason);
            QTRY_VERIFY(lista->hasFocus());
            Trejilla* tabla = rejilla(ventana_partidos, "tabla_partidos");
            QTest::keyClick(lista, Qt::Key_Down);
            QTest::keyClick(lista, Qt::Key_Down);
            QCOMPARE(tabla->celda(1, 0), lista->item(0)->text());
            QCOMPARE(tabla->celda(2, 0), lista->item(1)->text());
        });
    }

    void un_nombre_largo_se_lee_entero_en_la_pista()
    {
        Ventanas_de_prueba ventanas;
        auto* partido = widget_de<QLabel>(ventana, QStringLiteral("partido4"));
        const QRect sitio = partido->geometry();
        const QString largo = QStringLiteral("Real Sociedad de Fútbol - Club Atlético Osasuna");
        for (const QString& texto : {largo, QStringLiteral("Betis - Celta")}) {
            partido->setText(texto);
            const QPoint centro = partido->rect().center();
            QHelpEvent pregunta(QEvent::ToolTip, centro, partido->mapToGlobal(centro));
            QApplication::sendEvent(partido, &pregunta);
            QTRY_COMPARE(QToolTip::text(), texto == largo ? largo : QString());
            QCOMPARE(partido->geometry(), sitio);
        }
    }

    void atajos_de_la_ventana_principal()
    {
        Ventanas_de_prueba ventanas;
        ventana->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(ventana));
        auto* fecha = widget_de<QLineEdit>(ventana, QStringLiteral("fecha"));
        const QString ruta = QDir::temp().filePath(QStringLiteral("tolvera_atajos.qui"));
        QFile::remove(ruta);
        fecha->setText(QStringLiteral("19/10/03"));
        Dialogo_archivo::fija_siguiente(ruta);
        QTest::keyClick(ventana, Qt::Key_S, Qt::ControlModifier);
        QTRY_VERIFY(QFile::exists(ruta));
        fecha->clear();
        Dialogo_archivo::fija_siguiente(ruta);
        QTest::keyClick(ventana, Qt::Key_O, Qt::ControlModifier);
        QTRY_COMPARE(fecha->text(), QStringLiteral("19/10/03"));
        QTest::keyClick(ventana, Qt::Key_F1);
        QTRY_VERIFY(ventana->findChild<Tventana_ayuda*>() && ventana->findChild<Tventana_ayuda*>()->isVisible());
        QCOMPARE(Mensajes::errores_capturados(), QStringList());
        QFile::remove(ruta);
    }
};

QTEST_MAIN(Prueba_escritorio)
#include "prueba_escritorio.moc"
