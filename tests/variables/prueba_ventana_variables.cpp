// The percentages window: its layout, shares set with the mouse, and
// "Resultados" turning them into signs on the main window.
#include "apoyo/apoyo.h"
#include "apoyo_variables.h"

#include "slip/ventana.h"
#include "variables/variables.h"
#include "widgets/busca_componente.h"
#include "widgets/componentevalor1x2doble.h"
#include "widgets/imagen.h"
#include "widgets/mensajes.h"
#include "widgets/rejilla.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

namespace {

QRect sitio(const QString& nombre_widget)
{
    return widget(ventana_variables, nombre_widget)->geometry();
}

void pulsa_resultados()
{
    pulsa_boton(ventana_variables, QStringLiteral("Button3"));
}

int bloqueo_de(int partido)
{
    return prueba::selector(partido)->Tag();
}

}  // namespace

class Prueba_ventana_variables : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void disposicion()
    {
        Ventanas_de_prueba ventanas;
        QCOMPARE(ventana_variables->windowTitle(), QStringLiteral("ventana_variables"));
        QCOMPARE(ventana_variables->size(), QSize(471 - 8, 299 - 27));
        // Above the main window only (through it as transient parent), not above other programs.
        QVERIFY(!(ventana_variables->windowFlags() & Qt::WindowStaysOnTopHint));
        QVERIFY(!(ventana_variables->windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(ventana_variables->pos() + QPoint(471 / 2, 299 / 2),
                 QGuiApplication::primaryScreen()->geometry().center());
        QCOMPARE(sitio(QStringLiteral("tabla_1x2")), QRect(4, 4, 261, 259));
        QCOMPARE(sitio(QStringLiteral("Image1")), QRect(276, 16, 81, 105));
        QCOMPARE(sitio(QStringLiteral("Button3")), QRect(280, 140, 73, 49));
        QCOMPARE(sitio(QStringLiteral("Button1")), QRect(280, 208, 73, 45));
        QCOMPARE(sitio(QStringLiteral("Label3")).topLeft(), QPoint(304, 12));
        QCOMPARE(sitio(QStringLiteral("Bevel1")), QRect(272, 4, 89, 121));
        QCOMPARE(sitio(QStringLiteral("Bevel2")), QRect(272, 132, 89, 65));
        QCOMPARE(sitio(QStringLiteral("Bevel3")), QRect(272, 200, 89, 61));
        QCOMPARE(widget_de<QLabel>(ventana_variables, QStringLiteral("Label3"))->text(), QStringLiteral("RATON"));
        QCOMPARE(widget_de<QPushButton>(ventana_variables, QStringLiteral("Button3"))->text(),
                 QStringLiteral("Resultados"));
        QCOMPARE(widget_de<QPushButton>(ventana_variables, QStringLiteral("Button1"))->text(),
                 QStringLiteral("Cerrar"));
        QVERIFY(!widget_de<Timagen>(ventana_variables, QStringLiteral("Image1"))->imagen().isNull());
        Trejilla* tabla = tabla_1x2();
        QCOMPARE(tabla->columnas(), 4);
        QCOMPARE(tabla->filas(), 15);
        QCOMPARE(tabla->ancho_columna(0), 180);
        QCOMPARE(tabla->ancho_columna(3), 24);
        QCOMPARE(tabla->alto_fila(14), 16);
        QCOMPARE(tabla->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

        en_porcentajes([] {});
        QCOMPARE(tabla->celda(0, 0), QStringLiteral("        Partidos   (%)"));
        QCOMPARE(QStringList({tabla->celda(1, 0), tabla->celda(2, 0), tabla->celda(3, 0)}),
                 QStringList({QStringLiteral("  1"), QStringLiteral("  X"), QStringLiteral("  2")}));
        QVERIFY(!ventana_variables->isVisible());
    }

    // Marked matches take their current names and keep their shares; an
    // unmarked one loses both, so it must be set again once marked again.
    void abrir_la_ventana()
    {
        Ventanas_de_prueba ventanas;
        marca_variable(1, QStringLiteral("A - B"));
        marca_variable(2, QStringLiteral("C - D"));
        pon_porcentajes(1, QStringLiteral("60"), QStringLiteral("20"), QStringLiteral("20"));
        pon_porcentajes(2, QStringLiteral("10"), QStringLiteral("10"), QStringLiteral("80"));
        pulsa_marca(2);
        widget_de<QLabel>(ventana, QStringLiteral("partido1"))->setText(QStringLiteral("A - E"));
        en_porcentajes([] {});
        QCOMPARE(tabla_1x2()->celda(0, 1), QStringLiteral("A - E"));
        QCOMPARE(porcentajes_de(1), QStringLiteral("60/20/20"));
        QCOMPARE(tabla_1x2()->celda(0, 2), QString());
        QCOMPARE(porcentajes_de(2), QStringLiteral("//"));

        elige_numero_de_apuestas(4);
        pulsa_marca(2);
        en_porcentajes(pulsa_resultados);
        QCOMPARE(Mensajes::capturados(), QStringList({QStringLiteral("faltan campos por rellenar")}));
    }

    void primera_pulsacion_en_una_fila_nueva()
    {
        Ventanas_de_prueba ventanas;
        for (int m = 1; m <= 4; ++m)
            marca_variable(m, nombre(QStringLiteral("Partido "), m));
        en_porcentajes([] {
            pulsa_celda(tabla_1x2(), 1, 1, Qt::LeftButton);
            pulsa_celda(tabla_1x2(), 1, 2, Qt::RightButton);
            pulsa_celda(tabla_1x2(), 2, 3, Qt::MiddleButton);
            pulsa_celda(tabla_1x2(), 3, 4, Qt::LeftButton);
        });
        QCOMPARE(porcentajes_de(1), QStringLiteral("35/32/33"));
        QCOMPARE(porcentajes_de(2), QStringLiteral("33/34/33"));
        QCOMPARE(porcentajes_de(3), QStringLiteral("34/33/33"));
        QCOMPARE(porcentajes_de(4), QStringLiteral("33/33/34"));
    }

    void pareja_limites_y_pulsaciones_sin_efecto()
    {
        Ventanas_de_prueba ventanas;
        const QStringList filas = {QStringLiteral("50/0/50"), QStringLiteral("100/0/0"), QStringLiteral("99/1/0"),
                                   QStringLiteral("0/50/50"), QStringLiteral("1/99/0")};
        for (int m = 1; m <= filas.size(); ++m) {
            marca_variable(m, nombre(QStringLiteral("Partido "), m));
            const QStringList p = filas[m - 1].split(QLatin1Char('/'));
            pon_porcentajes(m, p[0], p[1], p[2]);
        }
        int columna_actual = 0;
        int fila_actual = 0;
        en_porcentajes([&] {
            Trejilla* tabla = tabla_1x2();
            pulsa_celda(tabla, 1, 1, Qt::LeftButton);
            pulsa_celda(tabla, 1, 2, Qt::RightButton);
            pulsa_celda(tabla, 1, 3, Qt::LeftButton);
            pulsa_celda(tabla, 1, 4, Qt::RightButton);
            pulsa_celda(tabla, 1, 5, Qt::RightButton);
            pulsa_celda(tabla, 2, 5, Qt::LeftButton);
            pulsa_celda(tabla, 2, 5, Qt::RightButton);
            columna_actual = tabla->columna_actual();
            fila_actual = tabla->fila_actual();
            pulsa_celda(tabla, 1, 0, Qt::LeftButton);
            pulsa_celda(tabla, 0, 1, Qt::LeftButton);
            pulsa_celda(tabla, 1, 6, Qt::LeftButton);
        });
        QCOMPARE(porcentajes_de(1), QStringLiteral("51/0/49"));
        QCOMPARE(porcentajes_de(2), QStringLiteral("99/0/1"));
        QCOMPARE(porcentajes_de(3), QStringLiteral("99/1/0"));
        QCOMPARE(porcentajes_de(4), QStringLiteral("0/50/50"));
        QCOMPARE(porcentajes_de(5), QStringLiteral("1/99/0"));
        QCOMPARE(QPoint(columna_actual, fila_actual), QPoint(2, 5));
        QCOMPARE(porcentajes_de(6), QStringLiteral("//"));
        QCOMPARE(tabla_1x2()->celda(1, 0), QStringLiteral("  1"));
        QCOMPARE(tabla_1x2()->celda(0, 1), QStringLiteral("Partido 1"));
    }

    void resultados_sin_partidos_variables()
    {
        Ventanas_de_prueba ventanas;
        tabla_variables()->pon_celda(0, 3, QStringLiteral("viejo"));
        tabla_variables()->pon_celda(5, 3, QStringLiteral("1"));
        en_porcentajes(pulsa_resultados);
        QCOMPARE(tabla_variables()->celda(0, 3), QString());
        QCOMPARE(fila_variables(3), QString(16, QLatin1Char('.')));
        QCOMPARE(Mensajes::capturados(), QStringList());
    }

    // Seed 0 and no warm-up: match 2 takes the first eight draws (worked out
    // in prueba_reparto). Match 5 has no shares, so match 9 is never reached
    // and the repeated-column check does not run.
    void resultados_con_un_porcentaje_sin_poner()
    {
        Ventanas_de_prueba ventanas;
        elige_numero_de_apuestas(8);
        marca_variable(2, QStringLiteral("B - B"));
        marca_variable(5, QStringLiteral("E - E"));
        marca_variable(9, QStringLiteral("I - I"));
        pon_porcentajes(2, QStringLiteral("34"), QStringLiteral("33"), QStringLiteral("33"));
        pon_porcentajes(9, QStringLiteral("50"), QStringLiteral("0"), QStringLiteral("50"));
        en_porcentajes(pulsa_resultados);
        QCOMPARE(Mensajes::capturados(), QStringList({QStringLiteral("faltan campos por rellenar")}));
        QCOMPARE(tabla_variables()->celda(0, 0), QStringLiteral("B - B"));
        QCOMPARE(fila_variables(0), QStringLiteral("11XXX122........"));
        QCOMPARE(columnas_de(2), QStringLiteral("11xxx12200000000"));
        QCOMPARE(selector_de(2), QStringLiteral("1x2"));
        QCOMPARE(bloqueo_de(2), 1);
        QCOMPARE(tabla_variables()->celda(0, 1), QString());
        QCOMPARE(columnas_de(9), QString(16, QLatin1Char('0')));
        QCOMPARE(selector_de(9), QStringLiteral("0"));
    }

    void resultados_completos_avisan_de_columnas_repetidas()
    {
        Ventanas_de_prueba ventanas;
        elige_numero_de_apuestas(8);
        marca_variable(2, QStringLiteral("B - B"));
        pon_porcentajes(2, QStringLiteral("34"), QStringLiteral("33"), QStringLiteral("33"));
        en_porcentajes(pulsa_resultados);
        QCOMPARE(fila_variables(0), QStringLiteral("11XXX122........"));
        QCOMPARE(Mensajes::capturados(),
                 QStringList({QStringLiteral("Estan repetidas las columnas : 1 y 2 , 1 y 6 , 2 y 6 , 3 y 4 , "
                                             "3 y 5 , 4 y 5 , 7 y 8")}));
    }

    // Columns 9 and 10 are the page-2 signs of slots 1 and 2; 11 to 16 stay
    // as they were.
    void resultados_con_diez_apuestas()
    {
        Ventanas_de_prueba ventanas;
        elige_numero_de_apuestas(10);
        marca_variable(3, QStringLiteral("C - C"));
        marca_variable(7, QStringLiteral("G - G"));
        pon_porcentajes(3, QStringLiteral("50"), QStringLiteral("0"), QStringLiteral("50"));
        pon_porcentajes(7, QStringLiteral("0"), QStringLiteral("30"), QStringLiteral("70"));
        en_porcentajes(pulsa_resultados);
        const QString fila = fila_variables(0);
        QVERIFY2(QRegularExpression(QStringLiteral("^[12]{10}\\.{6}$")).match(fila).hasMatch(), qPrintable(fila));
        QCOMPARE(fila.count(QLatin1Char('1')), 5);
        QCOMPARE(columnas_de(3), fila.left(10) + QString(6, QLatin1Char('0')));
        QCOMPARE(selector_de(3), QStringLiteral("12"));
        QCOMPARE(tabla_variables()->celda(0, 1), QStringLiteral("G - G"));
        QCOMPARE(fila_variables(1).count(QLatin1Char('X')), 3);
        QCOMPARE(columnas_de(7),
                 fila_variables(1, 10).replace(QLatin1Char('X'), QLatin1Char('x')) + QString(6, QLatin1Char('0')));
        QCOMPARE(selector_de(7), QStringLiteral("x2"));
    }

    // One sign only: every column gets it and the selector keeps its text.
    // A second press starts from an empty table and draws afresh.
    void un_solo_signo_y_segunda_pulsacion()
    {
        Ventanas_de_prueba ventanas;
        elige_numero_de_apuestas(8);
        marca_variable(4, QStringLiteral("D - D"));
        pon_porcentajes(4, QStringLiteral("100"), QStringLiteral("0"), QStringLiteral("0"));
        en_porcentajes([] {
            pulsa_resultados();
            pulsa_resultados();
        });
        QCOMPARE(fila_variables(0), QStringLiteral("11111111........"));
        QCOMPARE(tabla_variables()->celda(0, 1), QString());
        QCOMPARE(columnas_de(4), QStringLiteral("1111111100000000"));
        QCOMPARE(selector_de(4), QStringLiteral("0"));
    }

    void resultados_sin_numero_de_apuestas_usa_dos_columnas()
    {
        Ventanas_de_prueba ventanas;
        marca_variable(1, QStringLiteral("A - A"));
        pon_porcentajes(1, QStringLiteral("50"), QStringLiteral("50"), QStringLiteral("0"));
        en_porcentajes(pulsa_resultados);
        const QString fila = fila_variables(0);
        QVERIFY2(fila == QStringLiteral("1X") + QString(14, QLatin1Char('.'))
                     || fila == QStringLiteral("X1") + QString(14, QLatin1Char('.')),
                 qPrintable(fila));
    }

    // Shares a bet file brought that are not whole numbers stop the press
    // there, as a missing share does, and name the match.
    void porcentaje_que_no_es_un_numero()
    {
        Ventanas_de_prueba ventanas;
        elige_numero_de_apuestas(4);
        marca_variable(1, QStringLiteral("A - B"));
        marca_variable(3, QStringLiteral("C - D"));
        marca_variable(7, QStringLiteral("E - F"));
        pon_porcentajes(1, QStringLiteral("34"), QStringLiteral("33"), QStringLiteral("33"));
        pon_porcentajes(3, QStringLiteral("50"), QStringLiteral("5a"), QStringLiteral("45"));
        pon_porcentajes(7, QStringLiteral("34"), QStringLiteral("33"), QStringLiteral("33"));
        en_porcentajes([] {
            pulsa_resultados();
            pulsa_celda(tabla_1x2(), 1, 3, Qt::LeftButton);
        });
        const QString aviso = QStringLiteral("porcentaje no válido en el partido 3: C - D");
        QCOMPARE(Mensajes::capturados(), QStringList({aviso, aviso}));
        QCOMPARE(porcentajes_de(3), QStringLiteral("50/5a/45"));
        QCOMPARE(tabla_variables()->celda(0, 0), QStringLiteral("A - B"));
        QCOMPARE(tabla_variables()->celda(0, 1), QString());
        QCOMPARE(columnas_de(7), QString(16, QLatin1Char('0')));
    }
};

QTEST_MAIN(Prueba_ventana_variables)
#include "prueba_ventana_variables.moc"
