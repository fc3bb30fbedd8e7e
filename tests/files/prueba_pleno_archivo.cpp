// The Pleno al 15 in the bet file: its 48-byte trailer after the record,
// written only when the Pleno holds anything, and read back only when it is
// whole and marked "PL15".
#include "apoyo/apoyo.h"
#include "files/quiniela_en_ventanas.h"
#include "files/registro_pleno.h"
#include "files/registro_quiniela.h"
#include "matches/partidos.h"
#include "slip/ventana.h"
#include "widgets/componentegoles.h"
#include "widgets/rejilla.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

using registro_pleno::Pleno;

namespace {

Trejilla* tabla_pleno()
{
    return widget_de<Trejilla>(ventana_partidos, QStringLiteral("tabla_pleno"));
}

Tgoles* goles(const char* nombre_selector)
{
    return widget_de<Tgoles>(ventana, QString::fromLatin1(nombre_selector));
}

// Chooses a box of a goal selector of the main window as a user does.
void pulsa_goles(const char* nombre_selector, const QString& valor)
{
    Tgoles* selector = goles(nombre_selector);
    if (selector->valor() == valor)
        return;
    const int caja = valor.isEmpty() ? QStringLiteral("012M").indexOf(selector->valor())
                                     : QStringLiteral("012M").indexOf(valor);
    pulsa(selector, QPoint(13 * caja + 6, 10));
}

void pon_pleno(const Pleno& pleno)
{
    tabla_pleno()->pon_celda(1, 0, pleno.local);
    tabla_pleno()->pon_celda(2, 0, pleno.visitante);
    pulsa_goles("pleno_local", pleno.goles_local);
    pulsa_goles("pleno_visitante", pleno.goles_visitante);
}

QStringList pleno_en_pantalla()
{
    return {tabla_pleno()->celda(1, 0), tabla_pleno()->celda(2, 0),
            widget_de<QLabel>(ventana, QStringLiteral("partido15"))->text(), goles("pleno_local")->valor(),
            goles("pleno_visitante")->valor()};
}

// The trailer of Real Madrid against Barcelona, forecast 1 to M.
QByteArray cola_del_clasico()
{
    QByteArray cola(48, '\0');
    cola.replace(0, 4, "PL15");
    cola.replace(4, 12, "\x0bReal Madrid");
    cola.replace(25, 10, "\x09" "Barcelona");
    cola[46] = '1';
    cola[47] = 'M';
    return cola;
}

const Pleno clasico {QStringLiteral("Real Madrid"), QStringLiteral("Barcelona"), QStringLiteral("1"),
                     QStringLiteral("M")};

}  // namespace

class Prueba_pleno_archivo : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void la_cola_byte_a_byte()
    {
        QCOMPARE(registro_pleno::codifica(clasico), cola_del_clasico());
        QCOMPARE(registro_pleno::codifica(Pleno {}), QByteArray());
        const QByteArray registro(registro_quiniela::tamano, '\0');
        QCOMPARE(registro_pleno::descodifica(registro + cola_del_clasico()), clasico);
        // "Athletic de Bilbao SAD" is 22 characters; the field keeps 20.
        const Pleno largo {QStringLiteral("Athletic de Bilbao SAD"), QString(), QString(), QStringLiteral("0")};
        const QByteArray cola = registro_pleno::codifica(largo);
        QCOMPARE(cola.mid(4, 22), QByteArray("\x14" "Athletic de Bilbao S\0", 22));
        QCOMPARE(cola.mid(25), QByteArray(21, '\0') + QByteArray("\0" "0", 2));
    }

    // The slip saved with its Pleno, or without one exactly as the record
    // alone; whatever the Pleno holds comes back on loading.
    void guardar_y_recuperar_data()
    {
        QTest::addColumn<Pleno>("pleno");
        QTest::newRow("sin pleno") << Pleno {};
        QTest::newRow("solo un pronostico") << Pleno {QString(), QString(), QString(), QStringLiteral("2")};
        QTest::newRow("solo el local") << Pleno {QStringLiteral("Betis"), QString(), QString(), QString()};
        QTest::newRow("entero") << clasico;
    }

    void guardar_y_recuperar()
    {
        QFETCH(Pleno, pleno);
        QTemporaryDir carpeta;
        const QString ruta = carpeta.filePath(QStringLiteral("pleno.qui"));
        Ventanas_de_prueba ventanas;
        elige_apuestas(6);
        pulsa_selector(3, QLatin1Char('x'));
        pon_pleno(pleno);
        guarda_como(ruta);
        const QByteArray escrito = contenido(ruta);
        QCOMPARE(escrito.left(registro_quiniela::tamano), registro_quiniela::codifica(quiniela_en_ventanas::recoge()));
        QCOMPARE(escrito.mid(registro_quiniela::tamano), registro_pleno::codifica(pleno));
        QCOMPARE(escrito.size(), pleno.vacio() ? 1248 : 1296);
        QCOMPARE(quiniela_en_ventanas::contenido_archivo(), escrito);

        pulsa_boton(ventana, QStringLiteral("Button1"));
        QCOMPARE(pleno_en_pantalla(), QStringList(5, QString()));
        recupera(ruta);
        QCOMPARE(pleno_en_pantalla(), (QStringList {pleno.local, pleno.visitante,
                                                    nombre_partido(pleno.local, pleno.visitante), pleno.goles_local,
                                                    pleno.goles_visitante}));
    }

    // Loading replaces the Pleno on show; only a whole "PL15" trailer
    // brings one, made safe as the record's fields are.
    void recuperar_colas_data()
    {
        const QByteArray registro = registro_quiniela::codifica(registro_quiniela::Quiniela {});
        QByteArray danada = cola_del_clasico();
        danada[4] = '\xc8';
        danada.replace(5, 20, "Sporting de Gijon SA");
        danada[46] = 'X';
        danada[47] = '3';
        QTest::addColumn<QByteArray>("archivo");
        QTest::addColumn<QStringList>("en_pantalla");
        const QStringList vacio(5, QString());
        QTest::newRow("1248 bytes") << registro << vacio;
        QTest::newRow("bytes ajenos") << registro + QByteArray(48, 'A') << vacio;
        QTest::newRow("cola cortada") << registro + cola_del_clasico().left(47) << vacio;
        QTest::newRow("cola entera")
            << registro + cola_del_clasico() + "y algo mas"
            << QStringList {QStringLiteral("Real Madrid"), QStringLiteral("Barcelona"),
                            QStringLiteral("Real Madrid - Barcelona"), QStringLiteral("1"), QStringLiteral("M")};
        QTest::newRow("bytes malos")
            << registro + danada
            << QStringList {QStringLiteral("Sporting de Gijon SA"), QStringLiteral("Barcelona"),
                            QStringLiteral("Sporting de Gijon SA - Barcelona"), QString(), QString()};
    }

    void recuperar_colas()
    {
        QFETCH(QByteArray, archivo);
        QFETCH(QStringList, en_pantalla);
        QTemporaryDir carpeta;
        const QString ruta = carpeta.filePath(QStringLiteral("otra.qui"));
        QVERIFY(escribe_bytes(ruta, archivo));
        Ventanas_de_prueba ventanas;
        elige_apuestas(4);
        pon_pleno({QStringLiteral("Previo"), QStringLiteral("Otro"), QStringLiteral("2"), QStringLiteral("0")});
        widget_de<QLabel>(ventana, QStringLiteral("partido15"))->setText(QStringLiteral("Previo - Otro"));
        recupera(ruta);
        QCOMPARE(pleno_en_pantalla(), en_pantalla);
    }
};

QTEST_MAIN(Prueba_pleno_archivo)
#include "prueba_pleno_archivo.moc"
