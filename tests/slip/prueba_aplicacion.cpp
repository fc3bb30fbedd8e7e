// The program as the desktop meets it: its command line, its icon on every
// window, and Qt's own dialogs in the user's language.
#include "apoyo/apoyo.h"
#include "matches/partidos.h"
#include "results/aciertos.h"
#include "slip/aplicacion.h"
#include "slip/linea_ordenes.h"
#include "slip/ventana.h"
#include "variables/variables.h"
#include "widgets/dialogo_archivo.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPushButton>
#include <QTest>

namespace {

using Pide = Linea_ordenes::Pide;

// The texts of the buttons of the file dialog that Dialogo_archivo shows,
// read while it is on show; the dialog is then cancelled.
QStringList botones_del_dialogo_de_abrir()
{
    QStringList textos;
    al_abrirse<QFileDialog>([&textos](QFileDialog* dialogo) {
        for (const QAbstractButton* boton : dialogo->findChild<QDialogButtonBox*>()->buttons())
            textos.append(boton->text().remove(QLatin1Char('&')));
        dialogo->reject();
    });
    Dialogo_archivo::abre(ventana, QStringLiteral("Abrir quiniela"), QStringLiteral("*.qui (*.qui)"));
    return textos;
}

}  // namespace

class Prueba_aplicacion : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void linea_de_ordenes_data()
    {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<Pide>("pide");
        QTest::addColumn<QString>("archivo");
        QTest::addColumn<QString>("empieza");
        const auto fila = [](const char* nombre, QStringList argumentos, Pide pide, const char* archivo,
                             const char* empieza) {
            argumentos.prepend(QStringLiteral("tolvera"));
            QTest::newRow(nombre) << argumentos << pide << QString::fromUtf8(archivo) << QString::fromUtf8(empieza);
        };
        fila("nada", {}, Pide::arrancar, "", "");
        fila("archivo", {QStringLiteral("/tmp/jornada 7.qui")}, Pide::arrancar, "/tmp/jornada 7.qui", "");
        fila("guion", {QStringLiteral("--"), QStringLiteral("-raro.qui")}, Pide::arrancar, "-raro.qui", "");
        fila("ayuda", {QStringLiteral("--help")}, Pide::ayuda, "", "Uso: tolvera [ARCHIVO.qui]\n");
        fila("ayuda corta", {QStringLiteral("-h")}, Pide::ayuda, "", "Uso: tolvera [ARCHIVO.qui]\n");
        fila("version", {QStringLiteral("--version")}, Pide::version, "", "tolvera ");
        fila("version gana", {QStringLiteral("--nada"), QStringLiteral("-v")}, Pide::version, "", "tolvera ");
        fila("desconocida", {QStringLiteral("--nada")}, Pide::error, "", "tolvera: opción desconocida: nada\n");
        fila("dos archivos", {QStringLiteral("a.qui"), QStringLiteral("b.qui")}, Pide::error, "",
             "tolvera: solo se abre una quiniela, no 2\n");
    }

    void linea_de_ordenes()
    {
        QFETCH(QStringList, argumentos);
        QFETCH(Pide, pide);
        QFETCH(QString, archivo);
        QFETCH(QString, empieza);
        const Linea_ordenes orden = interpreta_linea_ordenes(argumentos);
        QCOMPARE(orden.pide, pide);
        QCOMPARE(orden.archivo, archivo);
        QCOMPARE(orden.texto.left(empieza.size()), empieza);
        QCOMPARE(orden.texto.isEmpty(), pide == Pide::arrancar);
    }

    void cada_ventana_lleva_el_icono()
    {
        prepara_aplicacion();
        Ventanas_de_prueba ventanas;
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.example.tolvera"));
        for (const QWidget* una : {static_cast<QWidget*>(ventana), static_cast<QWidget*>(ventana_partidos),
                                   static_cast<QWidget*>(ventana_variables), static_cast<QWidget*>(ventana_aciertos)})
            QTRY_COMPARE(una->windowIcon().availableSizes(), (QList<QSize>{{48, 48}}));
    }

    // Right-to-left languages translate Qt's texts but keep the windows as
    // they are laid out.
    void dialogos_en_el_idioma_del_usuario_data()
    {
        QTest::addColumn<QString>("idioma");
        QTest::addColumn<QStringList>("botones");
        QTest::newRow("español") << QStringLiteral("es_ES")
                                 << QStringList{QStringLiteral("Abrir"), QStringLiteral("Cancelar")};
        QTest::newRow("C") << QStringLiteral("C") << QStringList{QStringLiteral("Open"), QStringLiteral("Cancel")};
        QTest::newRow("árabe") << QStringLiteral("ar_EG") << QStringList();
    }

    void dialogos_en_el_idioma_del_usuario()
    {
        QFETCH(QString, idioma);
        QFETCH(QStringList, botones);
        Ventanas_de_prueba ventanas;
        traduce_textos_de_qt(QLocale(idioma));
        if (!botones.isEmpty())
            QCOMPARE(botones_del_dialogo_de_abrir(), botones);
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
        QCOMPARE(widget_de<QPushButton>(ventana, QStringLiteral("Button3"))->text(), QStringLiteral("Recuperar"));
    }
};

QTEST_MAIN(Prueba_aplicacion)
#include "prueba_aplicacion.moc"
