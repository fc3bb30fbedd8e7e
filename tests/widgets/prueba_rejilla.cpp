// The one grid widget: where its cells lie, which cell a press lands on, the
// current cell, scrolling by rows; and the small shared pieces around it.
#include "apoyo/apoyo.h"

#include "common/error.h"
#include "widgets/busca_componente.h"
#include "widgets/mensajes.h"
#include "widgets/rejilla.h"

#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

namespace {

Trejilla::Forma porcentajes()
{
    return {.columnas = 4, .filas = 15, .columnas_fijas = 1, .filas_fijas = 1,
            .ancho_columna = 24, .alto_fila = 16, .barra_vertical = false};
}

}  // namespace

class Prueba_rejilla : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Each cell is followed by its one-pixel grid line, inside a two-pixel frame.
    void las_celdas_y_las_lineas_caben_al_pixel()
    {
        Trejilla rejilla(nullptr, porcentajes());
        rejilla.pon_ancho_columna(0, 180);
        rejilla.resize(261, 259);
        rejilla.show();
        QVERIFY(QTest::qWaitForWindowExposed(&rejilla));
        QCOMPARE(rejilla.viewport()->size(), QSize(257, 255));
        QCOMPARE(rejilla.rect_celda(0, 0), QRect(0, 0, 180, 16));
        QCOMPARE(rejilla.rect_celda(1, 1), QRect(181, 17, 24, 16));
        QCOMPARE(rejilla.rect_celda(3, 14), QRect(231, 238, 24, 16));
    }

    void la_celda_bajo_el_raton()
    {
        Trejilla rejilla(nullptr, porcentajes());
        rejilla.pon_ancho_columna(0, 180);
        rejilla.resize(261, 259);
        int columna = 0;
        int fila = 0;
        QVERIFY(rejilla.celda_en(QPoint(180, 16), columna, fila));
        QCOMPARE(QPoint(columna, fila), QPoint(0, 0));
        QVERIFY(rejilla.celda_en(QPoint(181, 17), columna, fila));
        QCOMPARE(QPoint(columna, fila), QPoint(1, 1));
        QVERIFY(!rejilla.celda_en(QPoint(256, 3), columna, fila));
        QCOMPARE(columna, -1);
    }

    void un_clic_izquierdo_fuera_de_las_cabeceras_cambia_la_celda_actual()
    {
        Trejilla rejilla(nullptr, porcentajes());
        rejilla.resize(200, 259);
        QCOMPARE(QPoint(rejilla.columna_actual(), rejilla.fila_actual()), QPoint(1, 1));
        QSignalSpy avisos(&rejilla, &Trejilla::OnMouseDown);
        pulsa_celda(&rejilla, 2, 5);
        QCOMPARE(QPoint(rejilla.columna_actual(), rejilla.fila_actual()), QPoint(2, 5));
        pulsa_celda(&rejilla, 0, 7);
        pulsa_celda(&rejilla, 3, 9, Qt::RightButton);
        QCOMPARE(QPoint(rejilla.columna_actual(), rejilla.fila_actual()), QPoint(2, 5));
        QCOMPARE(avisos.count(), 3);
        QCOMPARE(avisos.at(2).at(0).value<Qt::MouseButton>(), Qt::RightButton);
    }

    void la_barra_baja_fila_a_fila()
    {
        Trejilla rejilla(nullptr, {.columnas = 17, .filas = 14, .columnas_fijas = 1, .filas_fijas = 0,
                                   .ancho_columna = 30, .alto_fila = 16, .barra_vertical = true});
        rejilla.resize(700, 140);
        rejilla.show();
        QVERIFY(QTest::qWaitForWindowExposed(&rejilla));
        QScrollBar* barra = rejilla.verticalScrollBar();
        QCOMPARE(barra->maximum(), 14 - 136 / 17);
        barra->setValue(3);
        QCOMPARE(rejilla.rect_celda(1, 3).top(), 0);
        QVERIFY(rejilla.rect_celda(1, 2).isEmpty());
        int columna = 0;
        int fila = 0;
        QVERIFY(rejilla.celda_en(QPoint(200, 20), columna, fila));
        QCOMPARE(fila, 4);
    }

    void textos_por_columna_y_fila()
    {
        Trejilla rejilla(nullptr, porcentajes());
        rejilla.pon_celda(2, 3, QStringLiteral("33"));
        QCOMPARE(rejilla.celda(2, 3), QStringLiteral("33"));
        rejilla.pon_celda(9, 3, QStringLiteral("fuera"));
        QCOMPARE(rejilla.celda(9, 3), QString());
        rejilla.vacia_fila(3);
        QCOMPARE(rejilla.celda(2, 3), QString());
    }

    void buscar_por_nombre_no_distingue_mayusculas()
    {
        QWidget ventana_prueba;
        auto* marca = new QLabel(&ventana_prueba);
        marca->setObjectName(QStringLiteral("Checkvar12"));
        QCOMPARE(busca_componente(&ventana_prueba, QStringLiteral("checkvar12")), marca);
        QCOMPARE(busca_componente(&ventana_prueba, QStringLiteral("CHECKVAR12")), marca);
        QCOMPARE(busca_componente(&ventana_prueba, QStringLiteral("checkvar1")), nullptr);
        auto* tarde = new QLabel(&ventana_prueba);
        tarde->setObjectName(QStringLiteral("partido3"));
        QCOMPARE(busca<QLabel>(&ventana_prueba, nombre(QStringLiteral("Partido"), 3)), tarde);
        QCOMPARE(nombre(QStringLiteral("signo"), 3, QStringLiteral("_col"), 7), QStringLiteral("signo3_col7"));
    }

    void el_informe_de_error_acaba_en_punto()
    {
        Mensajes::captura();
        Mensajes::informa_error(QStringLiteral("File not found"));
        Mensajes::informa_error(QStringLiteral("Ya tiene punto."));
        Mensajes::protege([] { throw Error_tolvera(QStringLiteral("Disk full")); });
        Mensajes::muestra(QStringLiteral("sin punto"));
        QCOMPARE(Mensajes::errores_capturados(),
                 QStringList({QStringLiteral("File not found."), QStringLiteral("Ya tiene punto."),
                              QStringLiteral("Disk full.")}));
        QCOMPARE(Mensajes::capturados(), QStringList(QStringLiteral("sin punto")));
        Mensajes::olvida();
    }
};

QTEST_MAIN(Prueba_rejilla)
#include "prueba_rejilla.moc"
