// What the main window asks before a file is replaced or a changed slip is
// left behind, the title that tells whether there is anything to save, and
// the names a bet file cannot keep letter for letter.
#include "apoyo/apoyo.h"
#include "files/registro_quiniela.h"
#include "apoyo/carpeta_equipos.h"
#include "matches/partidos.h"
#include "slip/ventana.h"
#include "widgets/busca_componente.h"
#include "widgets/dialogo_archivo.h"
#include "widgets/mensajes.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

namespace {

using Boton = QMessageBox::StandardButton;

const QString guardar_cambios = QStringLiteral("¿Guardar los cambios de la quiniela?");

QByteArray lee(const QString& ruta)
{
    QFile archivo(ruta);
    return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
}

QStringList preguntas()
{
    QStringList textos;
    for (const Mensajes::Pregunta& pregunta : Mensajes::preguntas_capturadas())
        textos.append(pregunta.texto);
    return textos;
}

// "texto:boton" for each button of the question, in order.
QStringList botones(const Mensajes::Pregunta& pregunta)
{
    QStringList textos;
    for (const Mensajes::Boton& boton : pregunta.botones)
        textos.append(QStringLiteral("%1:%2").arg(boton.texto).arg(static_cast<int>(boton.boton), 0, 16));
    return textos;
}

QString titulo()
{
    return ventana->windowTitle();
}

QComboBox* apuestas()
{
    return widget_de<QComboBox>(ventana, QStringLiteral("apuestas"));
}

QString partido(int m)
{
    return widget_de<QLabel>(ventana, nombre(QStringLiteral("partido"), m))->text();
}

QByteArray alcor_brenes()
{
    registro_quiniela::Quiniela quiniela;
    quiniela.indice_apuestas = 2;
    quiniela.equipos_local[0] = QStringLiteral("Alcor");
    quiniela.equipos_visitante[0] = QStringLiteral("Brenes");
    return registro_quiniela::codifica(quiniela);
}

}  // namespace

class Prueba_preguntas : public QObject {
    Q_OBJECT

private:
    Carpeta_equipos* carpeta = nullptr;

    QString ruta(const QString& nombre_archivo) const { return carpeta->ruta(nombre_archivo); }

private Q_SLOTS:
    void init() { carpeta = new Carpeta_equipos; }
    void cleanup() { delete carpeta; }

    void reemplazar_un_archivo_data()
    {
        QTest::addColumn<QString>("escrito");  // the name given to the dialog
        QTest::addColumn<bool>("existe");
        QTest::addColumn<Boton>("respuesta");
        QTest::newRow("nombre nuevo") << QStringLiteral("jornada15.qui") << false << QMessageBox::NoButton;
        QTest::newRow("reemplazar") << QStringLiteral("jornada15.qui") << true << QMessageBox::Yes;
        QTest::newRow("cancelar") << QStringLiteral("jornada15.qui") << true << QMessageBox::No;
        QTest::newRow("extension anadida, reemplazar") << QStringLiteral("jornada15") << true << QMessageBox::Yes;
        QTest::newRow("extension anadida, cancelar") << QStringLiteral("jornada15") << true << QMessageBox::No;
    }

    void reemplazar_un_archivo()
    {
        QFETCH(QString, escrito);
        QFETCH(bool, existe);
        QFETCH(Boton, respuesta);
        const QByteArray viejo(registro_quiniela::tamano, 'v');
        if (existe)
            QVERIFY(escribe_bytes(ruta(QStringLiteral("jornada15.qui")), viejo));
        Ventanas_de_prueba ventanas;
        elige_apuestas(8);
        if (respuesta != QMessageBox::NoButton)
            Mensajes::fija_respuesta(respuesta);
        guarda_como(ruta(escrito));

        const bool escribe = respuesta != QMessageBox::No;
        if (existe) {
            QCOMPARE(preguntas(), QStringList(QStringLiteral("Ya existe «jornada15.qui». ¿Quieres reemplazarlo?")));
            QCOMPARE(botones(Mensajes::preguntas_capturadas().constFirst()),
                     (QStringList{QStringLiteral("Reemplazar:4000"), QStringLiteral("Cancelar:10000")}));
        } else {
            QCOMPARE(preguntas(), QStringList());
        }
        const QByteArray guardado = lee(ruta(QStringLiteral("jornada15.qui")));
        QCOMPARE(guardado == viejo, !escribe);
        QCOMPARE(guardado.left(4) == QByteArray("\2\0\0\0", 4), escribe);
        QTRY_COMPARE(titulo(), escribe ? QStringLiteral("jornada15.qui — Tolvera") : QStringLiteral("*Tolvera"));
        QVERIFY(!QFileInfo::exists(ruta(QStringLiteral("jornada15.qui.qui"))));
        QCOMPARE(Mensajes::errores_capturados(), QStringList());
    }

    // The changed slip is 8 bets chosen; "otra.qui" is a slip of Alcor and
    // Brenes. `dialogo` answers the one file dialog the case meets: null for
    // none, empty for cancelling it.
    void cambios_sin_guardar_data()
    {
        QTest::addColumn<QString>("accion");
        QTest::addColumn<Boton>("respuesta");
        QTest::addColumn<QString>("dialogo");
        QTest::addColumn<bool>("sigue");
        QTest::addColumn<QString>("error");
        const QString ninguno;
        const QString guardada = QStringLiteral("guardada");
        const QString sin_carpeta = QStringLiteral("no/existe/guardada");
        const QString invalido = QStringLiteral("Invalid filename.");
        for (const QString& accion : {QStringLiteral("Nuevo"), QStringLiteral("cerrar")}) {
            QTest::addRow("%s, Guardar", qPrintable(accion)) << accion << QMessageBox::Save << guardada << true << ninguno;
            QTest::addRow("%s, Guardar que falla", qPrintable(accion))
                << accion << QMessageBox::Save << sin_carpeta << false << invalido;
            QTest::addRow("%s, Descartar", qPrintable(accion)) << accion << QMessageBox::Discard << ninguno << true << ninguno;
            QTest::addRow("%s, Cancelar", qPrintable(accion)) << accion << QMessageBox::Cancel << ninguno << false << ninguno;
        }
        const QString recuperar = QStringLiteral("Recuperar");
        QTest::newRow("Recuperar, Guardar cancelado") << recuperar << QMessageBox::Save << QStringLiteral("") << false << ninguno;
        QTest::newRow("Recuperar, Descartar")
            << recuperar << QMessageBox::Discard << QStringLiteral("otra.qui") << true << ninguno;
        QTest::newRow("Recuperar, Cancelar") << recuperar << QMessageBox::Cancel << ninguno << false << ninguno;
    }

    void cambios_sin_guardar()
    {
        QFETCH(QString, accion);
        QFETCH(Boton, respuesta);
        QFETCH(QString, dialogo);
        QFETCH(bool, sigue);
        QFETCH(QString, error);
        QVERIFY(escribe_bytes(ruta(QStringLiteral("otra.qui")), alcor_brenes()));
        Ventanas_de_prueba ventanas;
        elige_apuestas(8);
        QTRY_COMPARE(titulo(), QStringLiteral("*Tolvera"));
        Mensajes::fija_respuesta(respuesta);
        if (!dialogo.isNull())
            Dialogo_archivo::fija_siguiente(dialogo.isEmpty() ? dialogo : ruta(dialogo));

        if (accion == QStringLiteral("Nuevo")) {
            pulsa_boton(ventana, QStringLiteral("Button1"));
            QCOMPARE(apuestas()->currentIndex() == -1, sigue);
        } else if (accion == QStringLiteral("Recuperar")) {
            pulsa_boton(ventana, QStringLiteral("Button3"));
            QCOMPARE(partido(1) == QStringLiteral("Alcor - Brenes"), sigue);
        } else {
            QCOMPARE(ventana->close(), sigue);
            QCOMPARE(ventana->isVisible(), !sigue);
        }
        QCOMPARE(preguntas(), QStringList(guardar_cambios));
        QCOMPARE(botones(Mensajes::preguntas_capturadas().constFirst()),
                 (QStringList{QStringLiteral("Guardar:800"), QStringLiteral("Descartar:800000"),
                              QStringLiteral("Cancelar:400000")}));
        const bool guardado = respuesta == QMessageBox::Save && sigue;
        QCOMPARE(QFileInfo(ruta(QStringLiteral("guardada.qui"))).size(), guardado ? registro_quiniela::tamano : 0);
        QCOMPARE(Mensajes::errores_capturados(), error.isNull() ? QStringList() : QStringList(error));
    }

    // Unchanged since the start, a save, a load or "Nuevo", or changed and
    // changed back: "Recuperar" (its dialog cancelled), "Nuevo" and closing
    // ask nothing.
    void sin_cambios_no_se_pregunta_data()
    {
        QTest::addColumn<QString>("como");
        QTest::addColumn<QString>("esperado");  // the title then
        QTest::newRow("al empezar") << QStringLiteral("empezar") << QStringLiteral("Tolvera");
        QTest::newRow("tras guardar") << QStringLiteral("guardar") << QStringLiteral("jornada15.qui — Tolvera");
        QTest::newRow("tras recuperar") << QStringLiteral("recuperar") << QStringLiteral("otra.qui — Tolvera");
        QTest::newRow("tras Nuevo") << QStringLiteral("Nuevo") << QStringLiteral("Tolvera");
        QTest::newRow("deshecho") << QStringLiteral("deshacer") << QStringLiteral("otra.qui — Tolvera");
    }

    void sin_cambios_no_se_pregunta()
    {
        QFETCH(QString, como);
        QFETCH(QString, esperado);
        QVERIFY(escribe_bytes(ruta(QStringLiteral("otra.qui")), alcor_brenes()));
        Ventanas_de_prueba ventanas;
        if (como != QStringLiteral("empezar"))
            elige_apuestas(8);
        if (como == QStringLiteral("guardar")) {
            guarda_como(ruta(QStringLiteral("jornada15")));
        } else if (como == QStringLiteral("recuperar")) {
            recupera(ruta(QStringLiteral("otra.qui")));
        } else if (como == QStringLiteral("Nuevo")) {
            pulsa_boton(ventana, QStringLiteral("Button1"));
        } else if (como == QStringLiteral("deshacer")) {
            recupera(ruta(QStringLiteral("otra.qui")));
            escribe_fecha(QStringLiteral("1/1/26"));
            QTRY_COMPARE(titulo(), QStringLiteral("*otra.qui — Tolvera"));
            escribe_fecha(QString());
        }
        Mensajes::olvida();
        QTRY_COMPARE(titulo(), esperado);
        recupera(QString());
        pulsa_boton(ventana, QStringLiteral("Button1"));
        QCOMPARE(titulo(), QStringLiteral("Tolvera"));
        QVERIFY(ventana->close());
        QCOMPARE(preguntas(), QStringList());
        QCOMPARE(Mensajes::errores_capturados(), QStringList());
    }

    // The "*" follows every value the file holds, once per turn of the event
    // loop however many cells one press changed; printing leaves it be.
    void el_titulo_sigue_a_la_quiniela()
    {
        Ventanas_de_prueba ventanas;
        QSignalSpy titulos(ventana, &QWidget::windowTitleChanged);
        elige_apuestas(16);
        QTRY_COMPARE(titulo(), QStringLiteral("*Tolvera"));
        guarda_como(ruta(QStringLiteral("jornada15")));
        QCOMPARE(titulo(), QStringLiteral("jornada15.qui — Tolvera"));
        titulos.clear();
        pulsa_selector(5, QLatin1Char('1'));  // 16 bet columns
        QTRY_COMPARE(titulo(), QStringLiteral("*jornada15.qui — Tolvera"));
        QCoreApplication::processEvents();  // a second title would be posted by now
        QCOMPARE(titulos.size(), 1);
        pulsa_selector(5, QLatin1Char('1'));  // cleared again: the file's slip
        QTRY_COMPARE(titulo(), QStringLiteral("jornada15.qui — Tolvera"));
        QWidget* pleno = widget(ventana, QStringLiteral("pleno_local"));
        const QPoint uno(pleno->width() * 3 / 8, pleno->height() / 2);  // its "1"
        pulsa(pleno, uno);
        QTRY_COMPARE(titulo(), QStringLiteral("*jornada15.qui — Tolvera"));
        pulsa(pleno, uno);
        QTRY_COMPARE(titulo(), QStringLiteral("jornada15.qui — Tolvera"));

        escribe_fecha(QStringLiteral("19/10/03"));
        QTRY_COMPARE(titulo(), QStringLiteral("*jornada15.qui — Tolvera"));
        elige_pdf(ruta(QStringLiteral("hoja.pdf")), 72);
        pulsa_boton(ventana, QStringLiteral("print1"));
        QVERIFY(QFileInfo(ruta(QStringLiteral("hoja.pdf"))).size() > 0);
        QCoreApplication::processEvents();
        QCOMPARE(titulo(), QStringLiteral("*jornada15.qui — Tolvera"));

        Mensajes::fija_respuesta(QMessageBox::Discard);
        pulsa_boton(ventana, QStringLiteral("Button1"));
        QCOMPARE(titulo(), QStringLiteral("Tolvera"));
        recupera(ruta(QStringLiteral("jornada15.qui")));
        QCOMPARE(titulo(), QStringLiteral("jornada15.qui — Tolvera"));
        QCOMPARE(fecha()->text(), QString());
        QCOMPARE(Mensajes::errores_capturados(), QStringList());
    }

    // Team lists read as UTF-8 bring letters that Windows-1252 lacks: saving
    // says how they will be kept, before the dialog, and keeps them so.
    void nombres_que_no_caben()
    {
        delete carpeta;
        carpeta = new Carpeta_equipos(QStringLiteral("Beşiktaş\nŁódź\nMálaga\n").toUtf8());
        Ventanas_de_prueba ventanas;
        elige_apuestas(8);
        al_abrirse(ventana_partidos, [] {
            for (int m = 0; m < 3; ++m) {
                elige_equipo(lista_equipos(QStringLiteral("equipos_primera")), m);
                elige_equipo(lista_equipos(QStringLiteral("equipos_segunda")), m);
            }
            elige_equipo(lista_equipos(QStringLiteral("equipos_primera")), 0);
            pulsa_boton(ventana_partidos, QStringLiteral("boton_ok"));
        });
        pulsa_boton(ventana, QStringLiteral("Button4"));
        const QString aviso = QStringLiteral("Estos nombres no caben tal cual en el archivo de la quiniela:\r"
                                             "«Beşiktaş» se guardará como «Besiktas»\r"
                                             "«Łódź» se guardará como «Lódz»");

        Mensajes::fija_respuesta(QMessageBox::Cancel);
        pulsa_boton(ventana, QStringLiteral("Button2"));
        QCOMPARE(preguntas(), QStringList(aviso));
        QCOMPARE(botones(Mensajes::preguntas_capturadas().constFirst()),
                 (QStringList{QStringLiteral("Guardar:400"), QStringLiteral("Cancelar:400000")}));
        QCOMPARE(QDir(ruta(QString())).entryList({QStringLiteral("*.qui")}), QStringList());

        Mensajes::fija_respuesta(QMessageBox::Ok);
        guarda_como(ruta(QStringLiteral("turcos")));
        QCOMPARE(preguntas(), (QStringList{aviso, aviso}));
        const QByteArray registro = lee(ruta(QStringLiteral("turcos.qui")));
        QCOMPARE(registro.mid(508, 9), QByteArray("\x08" "Besiktas"));
        QCOMPARE(registro.mid(529, 5), QByteArray("\x04" "L\xf3" "dz"));
        QCOMPARE(registro.mid(550, 7), QByteArray("\x06" "M\xe1laga"));
        QTRY_COMPARE(titulo(), QStringLiteral("turcos.qui — Tolvera"));
        recupera(ruta(QStringLiteral("turcos.qui")));
        QCOMPARE(partido(1), QStringLiteral("Besiktas - Albacete"));
        QCOMPARE(Mensajes::errores_capturados(), QStringList());
    }
};

QTEST_MAIN(Prueba_preguntas)
#include "prueba_preguntas.moc"
