// "Guardar" and "Recuperar" on the main window: a whole slip there and back,
// the dialogs, the extension rule, and loads that must change nothing.
#include "apoyo/apoyo.h"
#include "files/registro_quiniela.h"
#include "apoyo/carpeta_equipos.h"
#include "matches/partidos.h"
#include "slip/ventana.h"
#include "variables/variables.h"
#include "widgets/busca_componente.h"
#include "widgets/componentevalor1x2.h"
#include "widgets/componentevalor1x2doble.h"
#include "widgets/dialogo_archivo.h"
#include "widgets/flechas.h"
#include "widgets/mensajes.h"
#include "widgets/rejilla.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QToolButton>

namespace {

Trejilla* rejilla(const QWidget* propietaria, const char* nombre_rejilla)
{
    return widget_de<Trejilla>(propietaria, QString::fromLatin1(nombre_rejilla));
}

Trejilla* tabla_1x2()
{
    return rejilla(ventana_variables, "tabla_1x2");
}

Trejilla* tabla_variables()
{
    return rejilla(ventana, "tabla_variables");
}

QComboBox* apuestas()
{
    return widget_de<QComboBox>(ventana, QStringLiteral("apuestas"));
}

QString texto_de(const QWidget* propietaria, const QString& nombre_widget)
{
    return widget_de<QLabel>(propietaria, nombre_widget)->text();
}

QStringList celdas(const Trejilla* tabla, int primera_fila = 0)
{
    QStringList textos;
    for (int fila = primera_fila; fila < tabla->filas(); ++fila)
        for (int columna = 0; columna < tabla->columnas(); ++columna)
            textos.append(QStringLiteral("%1,%2=%3").arg(columna).arg(fila).arg(tabla->celda(columna, fila)));
    return textos;
}

// Everything a bet file keeps, as the widgets show it, one line per value.
QStringList estado()
{
    QStringList lineas = {
        QStringLiteral("apuestas=%1 %2").arg(apuestas()->currentIndex()).arg(apuestas()->isEnabled()),
        QStringLiteral("paginas=%1").arg(widget_de<Tflechas>(ventana, QStringLiteral("paginas"))->isEnabled()),
        QStringLiteral("fecha=") + fecha()->text(),
    };
    for (int m = 1; m <= 14; ++m) {
        const auto* selector = prueba::selector(m);
        const auto* marca = prueba::marca(m);
        lineas.append(QStringLiteral("%1: %2 | %3 [%4] tag %5 | marca %6")
                          .arg(m)
                          .arg(texto_de(ventana, nombre(QStringLiteral("partido"), m)), selector->signo1(),
                               selector->Caption())
                          .arg(selector->Tag())
                          .arg(marca->isChecked()));
        for (int c = 1; c <= 8; ++c) {
            const auto* celda = prueba::celda(m, c);
            lineas.append(celda->objectName() + QLatin1Char('=')
                          + celda->signo1() + celda->signo2() + QLatin1Char('[') + celda->Caption() + QLatin1Char(']'));
        }
    }
    lineas += celdas(tabla_partidos());
    lineas += celdas(tabla_variables());
    lineas += celdas(tabla_1x2(), 1);
    return lineas;
}

// 28 picks in "Partidos", then "OK".
void pon_partidos()
{
    al_abrirse(ventana_partidos, [] {
        auto* primera = widget_de<QListWidget>(ventana_partidos, QStringLiteral("equipos_primera"));
        auto* segunda = widget_de<QListWidget>(ventana_partidos, QStringLiteral("equipos_segunda"));
        for (int m = 0; m < 14; ++m) {
            elige_equipo(primera, m);
            elige_equipo(segunda, m % segunda->count());
        }
        pulsa_boton(ventana_partidos, QStringLiteral("boton_ok"));
    });
    pulsa_boton(ventana, QStringLiteral("Button4"));
}

// "variables": match 3 gets 0 / 100 / 0 and match 7 39 / 28 / 33, all with
// the mouse, then "Resultados" and "Cerrar".
void reparte_variables()
{
    al_abrirse(ventana_variables, [] {
        pulsa_celda(tabla_1x2(), 1, 3, Qt::RightButton);
        while (tabla_1x2()->celda(1, 3) != QStringLiteral("0"))
            pulsa_celda(tabla_1x2(), 1, 3, Qt::RightButton);
        while (tabla_1x2()->celda(3, 3) != QStringLiteral("0"))
            pulsa_celda(tabla_1x2(), 3, 3, Qt::RightButton);
        for (int i = 0; i < 5; ++i)
            pulsa_celda(tabla_1x2(), 1, 7);
        pulsa_boton(ventana_variables, QStringLiteral("Button3"));
        pulsa_boton(ventana_variables, QStringLiteral("Button1"));
    });
    pulsa_boton(ventana, QStringLiteral("boton_variables"));
}

// "variables" and straight "Cerrar": rows of unmarked matches lose their shares.
void abre_y_cierra_variables()
{
    al_abrirse(ventana_variables, [] { pulsa_boton(ventana_variables, QStringLiteral("Button1")); });
    pulsa_boton(ventana, QStringLiteral("boton_variables"));
}

// A slip of 12 bets: names, base signs, two variable matches with their
// signs spread by "Resultados", and a date.
void prepara_boleto()
{
    elige_apuestas(12);
    pon_partidos();
    const QString signos = QStringLiteral("1x2");
    for (int m = 1; m <= 14; ++m)
        if (m != 3 && m != 7)
            pulsa_selector(m, signos.at(m % 3));
    pulsa_selector(14, QLatin1Char('1'));
    pulsa_marca(3);
    pulsa_marca(7);
    reparte_variables();
    escribe_fecha(QStringLiteral("19/10/03"));
}

registro_quiniela::Quiniela boleto_de(int indice_apuestas)
{
    registro_quiniela::Quiniela quiniela;
    quiniela.indice_apuestas = indice_apuestas;
    quiniela.equipos_local[0] = QStringLiteral("Alcor");
    quiniela.equipos_visitante[0] = QStringLiteral("Brenes");
    quiniela.signos_partido[0] = QStringLiteral("1");
    return quiniela;
}

}  // namespace

class Prueba_guardar_recuperar : public QObject {
    Q_OBJECT

private:
    Carpeta_equipos* carpeta = nullptr;

    QString ruta(const char* nombre_archivo) const { return carpeta->ruta(QString::fromLatin1(nombre_archivo)); }

private Q_SLOTS:
    void init() { carpeta = new Carpeta_equipos; }
    void cleanup() { delete carpeta; }

    void un_boleto_entero_va_y_vuelve()
    {
        Ventanas_de_prueba ventanas;
        prepara_boleto();
        QCOMPARE(tabla_1x2()->celda(2, 3), QStringLiteral("100"));
        QCOMPARE(tabla_variables()->celda(0, 1), texto_de(ventana, QStringLiteral("partido7")));
        QVERIFY(!tabla_variables()->celda(12, 1).isEmpty());
        QVERIFY(Mensajes::errores_capturados().isEmpty());
        const QStringList antes = estado();

        QCOMPARE(Dialogo_archivo::carpeta(), QDir::currentPath());
        guarda_como(ruta("jornada7"));
        QCOMPARE(QFileInfo(ruta("jornada7.qui")).size(), 1248);
        QCOMPARE(Dialogo_archivo::ultimo_titulo(), QStringLiteral("Guardar quiniela"));
        QCOMPARE(Dialogo_archivo::ultimo_filtro(), QStringLiteral("*.qui (*.qui)"));

        pulsa_boton(ventana, QStringLiteral("Button1"));
        abre_y_cierra_variables();
        escribe_fecha(QStringLiteral("01/01/01"));
        elige_apuestas(4);
        QVERIFY(estado() != antes);

        recupera(ruta("jornada7.qui"));
        QCOMPARE(Dialogo_archivo::ultimo_titulo(), QStringLiteral("Abrir quiniela"));
        QCOMPARE(Dialogo_archivo::ultimo_filtro(), QStringLiteral("*.qui (*.qui)"));
        QVERIFY(Mensajes::errores_capturados().isEmpty());
        QCOMPARE(estado(), antes);
    }

    // In the working directory until a slip is saved or loaded; then in that
    // slip's folder. A cancelled or failed command moves nothing.
    void los_dialogos_abren_en_la_carpeta_de_la_ultima_quiniela()
    {
        Ventanas_de_prueba ventanas;
        QVERIFY(QDir().mkpath(ruta("guardadas")) && QDir().mkpath(ruta("otras")));
        guarda_como(ruta("guardadas/jornada7"));
        QCOMPARE(Dialogo_archivo::carpeta(), ruta("guardadas"));
        QVERIFY(QFile::copy(ruta("guardadas/jornada7.qui"), ruta("otras/jornada8.qui")));
        QDir::setCurrent(ruta("guardadas"));
        ventana->recupera(QStringLiteral("../otras/jornada8.qui"));
        QCOMPARE(Dialogo_archivo::carpeta(), ruta("otras"));
        recupera(ruta("guardadas/no_existe.qui"));
        recupera(QString());
        guarda_como(QString());
        QCOMPARE(Dialogo_archivo::carpeta(), ruta("otras"));
        QCOMPARE(Mensajes::errores_capturados(), QStringList{QStringLiteral("File not found.")});
    }

    void cancelar_no_escribe_ni_cambia_nada()
    {
        Ventanas_de_prueba ventanas;
        elige_apuestas(8);
        pon_partidos();
        const QStringList antes = estado();
        guarda_como(QString());
        QCOMPARE(QDir(carpeta->ruta(QString())).entryList({QStringLiteral("*.qui*")}, QDir::Files), QStringList());
        recupera(QString());
        QCOMPARE(estado(), antes);
        QVERIFY(Mensajes::errores_capturados().isEmpty());
    }

    void la_extension_se_anade_si_no_es_qui()
    {
        Ventanas_de_prueba ventanas;
        guarda_como(ruta("jornada7"));
        guarda_como(ruta("jornada7.qui"));
        guarda_como(ruta("jornada7.QUI"));
        QStringList archivos = QDir(carpeta->ruta(QString())).entryList({QStringLiteral("jornada7*")}, QDir::Files);
        archivos.sort();
        QCOMPARE(archivos, (QStringList{QStringLiteral("jornada7.QUI.qui"), QStringLiteral("jornada7.qui")}));
    }

    void una_carga_fallida_no_cambia_nada_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        const QByteArray bueno = registro_quiniela::codifica(boleto_de(3));
        QTest::newRow("corto") << bueno.left(1247) << QStringLiteral("Read beyond end of file.");
        QTest::newRow("vacio") << QByteArray("") << QStringLiteral("Read beyond end of file.");
        QByteArray malo = bueno;
        malo[0] = '\x09';
        QTest::newRow("apuestas") << malo
                                  << QStringLiteral("El archivo no es una quiniela válida: número de apuestas desconocido (9).");
    }

    void una_carga_fallida_no_cambia_nada()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        Ventanas_de_prueba ventanas;
        prepara_boleto();
        const QStringList antes = estado();
        Mensajes::olvida();
        QVERIFY(escribe_bytes(ruta("malo.qui"), bytes));
        recupera(ruta("malo.qui"));
        QCOMPARE(Mensajes::errores_capturados(), QStringList{error});
        QCOMPARE(estado(), antes);
    }

    void un_archivo_que_no_existe()
    {
        Ventanas_de_prueba ventanas;
        recupera(ruta("no_existe.qui"));
        recupera(ruta("no/existe.qui"));
        QCOMPARE(Mensajes::errores_capturados(),
                 (QStringList{QStringLiteral("File not found."), QStringLiteral("Invalid filename.")}));
    }

    // As a change of the bets count does; the page on show stays.
    void el_selector_de_pagina_sigue_al_numero_de_apuestas()
    {
        Ventanas_de_prueba ventanas;
        auto* paginas = widget_de<Tflechas>(ventana, QStringLiteral("paginas"));
        QVERIFY(escribe_bytes(ruta("diez.qui"), registro_quiniela::codifica(boleto_de(3))));
        QVERIFY(escribe_bytes(ruta("ocho.qui"), registro_quiniela::codifica(boleto_de(2))));
        recupera(ruta("diez.qui"));
        QVERIFY(paginas->isEnabled());
        QCOMPARE(apuestas()->currentText(), QStringLiteral("10"));
        QVERIFY(!apuestas()->isEnabled());
        pulsa(paginas->flecha_mas(), paginas->flecha_mas()->rect().center());
        recupera(ruta("ocho.qui"));
        QVERIFY(!paginas->isEnabled());
        QCOMPARE(apuestas()->currentText(), QStringLiteral("8"));
        QCOMPARE(texto_de(ventana, QStringLiteral("Label_pagina")), QStringLiteral("2"));
    }

    void textos_que_no_caben()
    {
        Ventanas_de_prueba ventanas;
        elige_apuestas(8);
        // Long names and lone home teams come with a downloaded round.
        tabla_partidos()->pon_celda(1, 0, QStringLiteral("Real Sociedad de Fútbol B"));
        tabla_partidos()->pon_celda(2, 0, QStringLiteral("Cádiz"));
        tabla_partidos()->pon_celda(1, 1, QStringLiteral("Burgos"));
        tabla_variables()->pon_celda(1, 0, QStringLiteral("1X"));
        tabla_variables()->pon_celda(2, 0, QStringLiteral("X"));
        guarda_como(ruta("cortes.qui"));
        recupera(ruta("cortes.qui"));
        QCOMPARE(tabla_partidos()->celda(1, 0), QStringLiteral("Real Sociedad de Fút"));
        QCOMPARE(texto_de(ventana, QStringLiteral("partido1")), QStringLiteral("Real Sociedad de Fút - Cádiz"));
        QCOMPARE(tabla_partidos()->celda(1, 1), QStringLiteral("Burgos"));
        QCOMPARE(texto_de(ventana, QStringLiteral("partido2")), QString());
        QCOMPARE(tabla_variables()->celda(1, 0), QString());
        QCOMPARE(tabla_variables()->celda(2, 0), QStringLiteral("X"));
    }

    void no_quedan_nombres_de_la_quiniela_anterior()
    {
        Ventanas_de_prueba ventanas;
        for (int fila = 0; fila < 3; ++fila)
            tabla_variables()->pon_celda(0, fila, QStringLiteral("Betis - Celta"));
        tabla_1x2()->pon_celda(0, 5, QStringLiteral("Betis - Celta"));
        QVERIFY(escribe_bytes(ruta("otra.qui"), registro_quiniela::codifica(boleto_de(1))));
        recupera(ruta("otra.qui"));
        for (int fila = 0; fila < 14; ++fila) {
            QCOMPARE(tabla_variables()->celda(0, fila), QString());
            QCOMPARE(tabla_1x2()->celda(0, fila + 1), QString());
        }
    }

    void se_carga_un_archivo_protegido_contra_escritura()
    {
        Ventanas_de_prueba ventanas;
        QVERIFY(escribe_bytes(ruta("protegido.qui"), registro_quiniela::codifica(boleto_de(1))));
        QVERIFY(QFile::setPermissions(ruta("protegido.qui"), QFile::ReadOwner | QFile::ReadGroup));
        recupera(ruta("protegido.qui"));
        QVERIFY(Mensajes::errores_capturados().isEmpty());
        QCOMPARE(texto_de(ventana, QStringLiteral("partido1")), QStringLiteral("Alcor - Brenes"));
    }
};

QTEST_MAIN(Prueba_guardar_recuperar)
#include "prueba_guardar_recuperar.moc"
