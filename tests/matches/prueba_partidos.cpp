// The matches window: placing teams from the lists, "OK", "Cancelar" and what
// "Nuevo" leaves in the match table. Opened as a user does, with "Partidos".
#include "apoyo/apoyo.h"
#include "apoyo/carpeta_equipos.h"
#include "matches/partidos.h"
#include "slip/ventana.h"
#include "variables/variables.h"
#include "widgets/busca_componente.h"
#include "widgets/rejilla.h"

#include <QLabel>
#include <QListWidget>
#include <QTest>

#include <functional>

namespace {

QListWidget* lista(const char* nombre_lista)
{
    return widget_de<QListWidget>(ventana_partidos, QString::fromLatin1(nombre_lista));
}

QListWidget* primera()
{
    return lista("equipos_primera");
}

QListWidget* segunda()
{
    return lista("equipos_segunda");
}

QString partido(int m)
{
    return prueba::etiqueta_partido(m)->text();
}

// Home and away from the first list, for `partidos` matches from match 1.
void llena(int partidos)
{
    for (int i = 0; i < 2 * partidos; ++i)
        elige_equipo(primera(), i % primera()->count());
}

}  // namespace

class Prueba_partidos : public QObject {
    Q_OBJECT

private:
    Carpeta_equipos* carpeta = nullptr;

private Q_SLOTS:
    void init() { carpeta = new Carpeta_equipos; }
    void cleanup() { delete carpeta; }

    void al_crearse()
    {
        Ventanas_de_prueba ventanas;
        QCOMPARE(ventana_partidos->windowTitle(), QStringLiteral("Partidos"));
        QCOMPARE(tabla_partidos()->ancho_columna(0), 20);
        QCOMPARE(tabla_partidos()->celda(0, 0), QStringLiteral("1"));
        QCOMPARE(tabla_partidos()->celda(0, 13), QStringLiteral("14"));
        QCOMPARE(tabla_partidos()->columna_actual(), 1);
        QCOMPARE(tabla_partidos()->fila_actual(), 0);
        QCOMPARE(primera()->item(0)->text(), QStringLiteral("Alavés"));
        QCOMPARE(segunda()->count(), 11);
    }

    void veintiocho_elecciones_y_la_vigesimonovena()
    {
        Ventanas_de_prueba ventanas;
        elige_apuestas(8);
        en_partidos([] {
            for (int i = 0; i < 28; ++i)
                elige_equipo(i % 2 == 0 ? primera() : segunda(), i / 2 % 11);
            for (int fila = 0; fila < 14; ++fila) {
                QCOMPARE(tabla_partidos()->celda(1, fila), primera()->item(fila % 11)->text());
                QCOMPARE(tabla_partidos()->celda(2, fila), segunda()->item(fila % 11)->text());
            }
            elige_equipo(primera(), 15);
            QCOMPARE(tabla_partidos()->celda(2, 13), QStringLiteral("R. Madrid"));
            QCOMPARE(tabla_partidos()->celda(1, 13), QStringLiteral("Atlético"));
            QCOMPARE(tabla_partidos()->columna_actual(), 2);
            QCOMPARE(tabla_partidos()->fila_actual(), 13);
        });
    }

    void una_celda_pulsada_recibe_el_siguiente_equipo()
    {
        Ventanas_de_prueba ventanas;
        elige_apuestas(8);
        en_partidos([] {
            llena(6);
            pulsa_celda(tabla_partidos(), 2, 4);
            elige_equipo(segunda(), 3);
            QCOMPARE(tabla_partidos()->celda(2, 4), QStringLiteral("Cádiz"));
            QCOMPARE(tabla_partidos()->columna_actual(), 1);
            QCOMPARE(tabla_partidos()->fila_actual(), 5);

            pulsa_celda(tabla_partidos(), 1, 9);
            elige_equipo(segunda(), 0);
            QCOMPARE(tabla_partidos()->columna_actual(), 2);
            QCOMPARE(tabla_partidos()->fila_actual(), 9);

            // The number column is never the place of a team.
            pulsa_celda(tabla_partidos(), 0, 2);
            QCOMPARE(tabla_partidos()->columna_actual(), 2);
            QCOMPARE(tabla_partidos()->fila_actual(), 9);
        });
    }

    void el_mismo_equipo_dos_veces_y_con_el_teclado()
    {
        Ventanas_de_prueba ventanas;
        elige_apuestas(8);
        en_partidos([] {
            elige_equipo(primera(), 4);
            elige_equipo(primera(), 4);
            QCOMPARE(tabla_partidos()->celda(1, 0), QStringLiteral("Betis"));
            QCOMPARE(tabla_partidos()->celda(2, 0), QStringLiteral("Betis"));
            QTest::keyClick(primera(), Qt::Key_Down);
            QCOMPARE(tabla_partidos()->celda(1, 1), QStringLiteral("Celta"));
            QCOMPARE(tabla_partidos()->columna_actual(), 2);
        });
    }

    void una_linea_vacia_vacia_la_celda_y_avanza()
    {
        delete carpeta;
        carpeta = new Carpeta_equipos(QByteArray("Betis\r\n\r\nCelta\r\n"), Carpeta_equipos::segunda_de_prueba());
        Ventanas_de_prueba ventanas;
        elige_apuestas(8);
        en_partidos([] {
            elige_equipo(primera(), 0);
            elige_equipo(primera(), 2);
            pulsa_celda(tabla_partidos(), 1, 0);
            elige_equipo(primera(), 1);
            QCOMPARE(tabla_partidos()->celda(1, 0), QString());
            QCOMPARE(tabla_partidos()->columna_actual(), 2);
            QCOMPARE(tabla_partidos()->fila_actual(), 0);
        });
    }

    void ok_escribe_los_nombres_en_la_ventana()
    {
        Ventanas_de_prueba ventanas;
        elige_apuestas(8);
        en_partidos([] {
            llena(2);
            elige_equipo(segunda(), 1);
            pulsa_boton(ventana_partidos, QStringLiteral("boton_ok"));
        });
        QCOMPARE(partido(1), QStringLiteral("Alavés - Athletic"));
        QCOMPARE(partido(2), QStringLiteral("Atlético - Barcelona"));
        QCOMPARE(partido(3), QString());
        QCOMPARE(tabla_partidos()->celda(1, 2), QStringLiteral("Almería"));
    }

    void partidos_3_y_7_variables()
    {
        Ventanas_de_prueba ventanas;
        elige_apuestas(8);
        en_partidos([] {
            llena(14);
            pulsa_boton(ventana_partidos, QStringLiteral("boton_ok"));
        });
        pulsa_marca(3);
        pulsa_marca(7);
        auto* tabla_variables = widget_de<Trejilla>(ventana, QStringLiteral("tabla_variables"));
        auto* tabla_1x2 = widget_de<Trejilla>(ventana_variables, QStringLiteral("tabla_1x2"));
        tabla_variables->pon_celda(0, 2, QStringLiteral("anterior"));
        tabla_1x2->pon_celda(0, 5, QStringLiteral("anterior"));
        en_partidos([] {
            pulsa_celda(tabla_partidos(), 2, 6);
            elige_equipo(segunda(), 10);
            pulsa_boton(ventana_partidos, QStringLiteral("boton_ok"));
        });
        QCOMPARE(tabla_variables->celda(0, 0), QStringLiteral("Betis - Celta"));
        QCOMPARE(tabla_variables->celda(0, 1), QStringLiteral("Osasuna - Leganés"));
        QCOMPARE(tabla_variables->celda(0, 2), QStringLiteral("anterior"));
        QCOMPARE(tabla_1x2->celda(0, 3), QStringLiteral("Betis - Celta"));
        QCOMPARE(tabla_1x2->celda(0, 7), QStringLiteral("Osasuna - Leganés"));
        QCOMPARE(tabla_1x2->celda(0, 5), QStringLiteral("anterior"));
        QCOMPARE(partido(7), QStringLiteral("Osasuna - Leganés"));
    }

    void cancelar_conserva_lo_elegido()
    {
        Ventanas_de_prueba ventanas;
        elige_apuestas(8);
        en_partidos([] {
            llena(1);
            pulsa_boton(ventana_partidos, QStringLiteral("boton_ok"));
        });
        en_partidos([] {
            llena(3);
            pulsa_boton(ventana_partidos, QStringLiteral("boton_cancelar"));
        });
        QCOMPARE(partido(1), QStringLiteral("Alavés - Athletic"));
        QCOMPARE(partido(2), QString());
        en_partidos([] {
            QCOMPARE(tabla_partidos()->celda(2, 2), QStringLiteral("Barcelona"));
            pulsa_boton(ventana_partidos, QStringLiteral("boton_ok"));
        });
        QCOMPARE(partido(3), QStringLiteral("Atlético - Barcelona"));
    }

    void nuevo_vacia_los_equipos()
    {
        Ventanas_de_prueba ventanas;
        elige_apuestas(8);
        en_partidos([] {
            llena(3);
            pulsa_boton(ventana_partidos, QStringLiteral("boton_ok"));
        });
        pulsa_boton(ventana, QStringLiteral("Button1"));
        for (int fila = 0; fila < 14; ++fila) {
            QCOMPARE(tabla_partidos()->celda(0, fila), QString::number(fila + 1));
            QCOMPARE(tabla_partidos()->celda(1, fila), QString());
            QCOMPARE(tabla_partidos()->celda(2, fila), QString());
        }
        QCOMPARE(tabla_partidos()->columna_actual(), 1);
        QCOMPARE(tabla_partidos()->fila_actual(), 3);
        QCOMPARE(primera()->count(), 16);
    }
};

QTEST_MAIN(Prueba_partidos)
#include "prueba_partidos.moc"
