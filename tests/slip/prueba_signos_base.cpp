// Base signs, variable marks and "Nuevo" on the main window, driven with the
// mouse as a user does.
#include "apoyo/apoyo.h"

#include "slip/ventana.h"
#include "widgets/busca_componente.h"
#include "widgets/componentevalor1x2.h"
#include "widgets/componentevalor1x2doble.h"
#include "widgets/flechas.h"
#include "widgets/mensajes.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QToolButton>

namespace {

using prueba::celda;
using prueba::marca;

Tvalor1x2_doble* selector(int m)
{
    return prueba::selector(m);
}

// The 16 bet columns of a match: page-1 signs, then page-2 signs.
QString columnas(int m)
{
    QString signos;
    for (int c = 1; c <= 8; ++c)
        signos += celda(m, c)->signo1();
    for (int c = 1; c <= 8; ++c)
        signos += celda(m, c)->signo2();
    return signos;
}

QComboBox* apuestas()
{
    return widget_de<QComboBox>(ventana, QStringLiteral("apuestas"));
}

void pasa_a_pagina_2()
{
    pulsa(paginas()->flecha_mas(), paginas()->flecha_mas()->rect().center());
}

void pon_nombre(int m)
{
    prueba::etiqueta_partido(m)->setText(QStringLiteral("Alcor - Brenes"));
}

const QString sin_apuestas = QStringLiteral("Selecciona primero el número de apuestas");

}  // namespace

class Prueba_signos_base : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void el_signo_base_llena_las_columnas_jugadas()
    {
        const struct {
            int apuestas;
            QString esperado;
        } casos[] = {
            {4, QStringLiteral("1111000000000000")},
            {6, QStringLiteral("1111110000000000")},
            {8, QStringLiteral("1111111100000000")},
            {10, QStringLiteral("1111111111000000")},
            {12, QStringLiteral("1111111111110000")},
            {16, QStringLiteral("1111111111111111")},
        };
        for (const auto& caso : casos) {
            Ventanas_de_prueba ventanas;
            elige_apuestas(caso.apuestas);
            pulsa_selector(5, QLatin1Char('1'));
            QCOMPARE(columnas(5), caso.esperado);
            QCOMPARE(columnas(4), QString(16, QLatin1Char('0')));
            QCOMPARE(celda(5, 1)->Caption(), QStringLiteral("X  "));
        }
    }

    void la_segunda_pulsacion_borra_las_mismas_columnas()
    {
        Ventanas_de_prueba ventanas;
        elige_apuestas(12);
        pulsa_selector(5, QLatin1Char('2'));
        QCOMPARE(columnas(5), QStringLiteral("2222222222220000"));
        pulsa_selector(5, QLatin1Char('2'));
        QCOMPARE(columnas(5), QString(16, QLatin1Char('0')));
        QCOMPARE(selector(5)->signo1(), QStringLiteral("0"));
        pulsa_selector(5, QLatin1Char('x'));
        QCOMPARE(columnas(5), QStringLiteral("xxxxxxxxxxxx0000"));
        QCOMPARE(celda(5, 8)->Caption(), QStringLiteral(" X "));
    }

    void sin_numero_de_apuestas_no_hay_signo_base()
    {
        Ventanas_de_prueba ventanas;
        pulsa_selector(2, QLatin1Char('1'));
        QCOMPARE(Mensajes::capturados(), QStringList(sin_apuestas));
        QCOMPARE(selector(2)->signo1(), QStringLiteral("0"));
        QCOMPARE(selector(2)->Caption(), QStringLiteral("   "));
        for (int m = 1; m <= 14; ++m)
            QCOMPARE(columnas(m), QString(16, QLatin1Char('0')));
        QVERIFY(apuestas()->isEnabled());
    }

    void el_numero_de_apuestas_se_congela_hasta_nuevo()
    {
        Ventanas_de_prueba ventanas;
        elige_apuestas(8);
        elige_apuestas(6);
        QCOMPARE(apuestas()->currentText(), QStringLiteral("6"));
        pulsa_selector(1, QLatin1Char('1'));
        QVERIFY(!apuestas()->isEnabled());
        pulsa(apuestas(), apuestas()->rect().center());
        QVERIFY(!apuestas()->view()->isVisible());
        QCOMPARE(apuestas()->currentText(), QStringLiteral("6"));
        pulsa_boton(ventana, QStringLiteral("Button1"));
        QVERIFY(apuestas()->isEnabled());
        QCOMPARE(apuestas()->currentIndex(), -1);
        elige_apuestas(14);
        QCOMPARE(ventana->numero_apuestas(), 14);
    }

    void menos_de_diez_apuestas_apaga_las_paginas_sin_cambiar_la_que_se_ve()
    {
        Ventanas_de_prueba ventanas;
        QVERIFY(!paginas()->isEnabled());
        elige_apuestas(12);
        QVERIFY(paginas()->isEnabled());
        pasa_a_pagina_2();
        elige_apuestas(8);
        QVERIFY(!paginas()->isEnabled());
        QCOMPARE(widget_de<QLabel>(ventana, QStringLiteral("Label_pagina"))->text(), QStringLiteral("2"));
        QCOMPARE(celda(1, 1)->pagina(), QLatin1Char('2'));
    }

    void nuevo_lo_vacia_todo_menos_la_pagina_y_la_fecha()
    {
        Ventanas_de_prueba ventanas;
        elige_apuestas(16);
        pasa_a_pagina_2();
        pon_nombre(3);
        pulsa_marca(3);
        pulsa_selector(1, QLatin1Char('2'));
        pulsa_selector(14, QLatin1Char('x'));
        widget_de<QWidget>(ventana, QStringLiteral("fecha"))->setProperty("text", QStringLiteral("19/10/03"));
        pulsa_boton(ventana, QStringLiteral("Button1"));

        for (int m = 1; m <= 14; ++m) {
            QCOMPARE(columnas(m), QString(16, QLatin1Char('0')));
            QCOMPARE(selector(m)->signo1(), QStringLiteral("0"));
            QCOMPARE(selector(m)->Tag(), 0);
            QVERIFY(!marca(m)->isChecked());
            QVERIFY(prueba::etiqueta_partido(m)->text().isEmpty());
        }
        QVERIFY(paginas()->isEnabled());
        QCOMPARE(paginas()->posicion(), 2);
        QCOMPARE(celda(7, 7)->pagina(), QLatin1Char('2'));
        QCOMPARE(celda(7, 7)->Tag(), 1);
        QCOMPARE(widget_de<QWidget>(ventana, QStringLiteral("fecha"))->property("text").toString(),
                 QStringLiteral("19/10/03"));
    }

    void una_marca_sin_nombre_de_partido_no_se_queda()
    {
        Ventanas_de_prueba ventanas;
        elige_apuestas(4);
        pulsa_selector(3, QLatin1Char('1'));
        pulsa_marca(3);
        QVERIFY(!marca(3)->isChecked());
        QCOMPARE(selector(3)->signo1(), QStringLiteral("1"));
        QCOMPARE(selector(3)->Tag(), 0);
        QCOMPARE(columnas(3), QStringLiteral("1111000000000000"));
    }

    void marcar_y_desmarcar_deja_el_partido_en_blanco()
    {
        Ventanas_de_prueba ventanas;
        elige_apuestas(16);
        pon_nombre(6);
        pulsa_selector(6, QLatin1Char('2'));
        pulsa_marca(6);
        QVERIFY(marca(6)->isChecked());
        QCOMPARE(columnas(6), QString(16, QLatin1Char('0')));
        QCOMPARE(selector(6)->Tag(), 1);
        pulsa_selector(6, QLatin1Char('1'));
        QCOMPARE(selector(6)->signo1(), QStringLiteral("0"));

        // Signs that reached the columns by other ways go too on unmarking.
        celda(6, 3)->set_signo2(QLatin1Char('x'));
        pulsa_marca(6);
        QVERIFY(!marca(6)->isChecked());
        QCOMPARE(selector(6)->Tag(), 0);
        QCOMPARE(columnas(6), QString(16, QLatin1Char('0')));
        pulsa_selector(6, QLatin1Char('1'));
        QCOMPARE(columnas(6), QString(16, QLatin1Char('1')));
    }

    void partidos_sin_numero_de_apuestas_avisa()
    {
        Ventanas_de_prueba ventanas;
        pulsa_boton(ventana, QStringLiteral("Button4"));
        QCOMPARE(Mensajes::capturados(), QStringList(sin_apuestas));
    }
};

QTEST_MAIN(Prueba_signos_base)
#include "prueba_signos_base.moc"
