// The main window as the program starts it: its widgets and bet cells, the
// warm-up of the random generator, page switching and the small commands.
#include "apoyo/apoyo.h"

#include "common/aleatorio.h"
#include "printing/impresora.h"
#include "slip/ayuda.h"
#include "slip/componentes.h"
#include "slip/linea_ordenes.h"
#include "slip/programa.h"
#include "slip/reloj.h"
#include "slip/ventana.h"
#include "widgets/busca_componente.h"
#include "widgets/componentevalor1x2.h"
#include "widgets/componentevalor1x2doble.h"
#include "widgets/flechas.h"
#include "widgets/mensajes.h"
#include "widgets/rejilla.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

using prueba::celda;

QString pagina_mostrada()
{
    return widget_de<QLabel>(ventana, QStringLiteral("Label_pagina"))->text();
}

// What the printer set-up dialog lets the user choose, as one line. A file
// printer has no duplex to keep.
QString eleccion(const QPrinter& impresora)
{
    const QPageLayout pagina = impresora.pageLayout();
    return QStringLiteral("%1 copies=%2 collate=%3 colour=%4 source=%5 order=%6 %7 %8 %9")
        .arg(impresora.outputFileName())
        .arg(impresora.copyCount())
        .arg(impresora.collateCopies())
        .arg(impresora.colorMode())
        .arg(impresora.paperSource())
        .arg(impresora.pageOrder())
        .arg(pagina.pageSize().name())
        .arg(pagina.orientation())
        .arg(pagina.margins(QPageLayout::Millimeter).left());
}

}  // namespace

class Prueba_ventana : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void al_empezar()
    {
        Ventanas_de_prueba ventanas;
        QCOMPARE(ventana->windowTitle(), QStringLiteral("Tolvera"));
        auto* apuestas = widget_de<QComboBox>(ventana, QStringLiteral("apuestas"));
        QCOMPARE(apuestas->currentIndex(), -1);
        QVERIFY(apuestas->isEnabled());
        QCOMPARE(apuestas->count(), 7);
        QCOMPARE(apuestas->itemText(6), QStringLiteral("16"));
        QVERIFY(!apuestas->isEditable());
        QCOMPARE(ventana->numero_apuestas(), 2);
        QVERIFY(!paginas()->isEnabled());
        QCOMPARE(paginas()->posicion(), 1);
        QCOMPARE(pagina_mostrada(), QStringLiteral("1"));
        QCOMPARE(widget_de<QLineEdit>(ventana, QStringLiteral("fecha"))->maxLength(), 8);
        auto* tabla = widget_de<Trejilla>(ventana, QStringLiteral("tabla_variables"));
        QCOMPARE(tabla->columnas(), 17);
        QCOMPARE(tabla->filas(), 14);
        QCOMPARE(tabla->ancho_columna(0), 180);
        QCOMPARE(tabla->ancho_columna(16), 30);
        QCOMPARE(widget(ventana, QStringLiteral("imagen_quiniela"))->geometry(), QRect(93, 12, 566, 364));
        for (int m = 1; m <= 14; ++m) {
            auto* selector = prueba::selector(m);
            QCOMPARE(selector->signo1(), QStringLiteral("0"));
            QCOMPARE(selector->Tag(), 0);
            QVERIFY(prueba::etiqueta_partido(m)->text().isEmpty());
            QCOMPARE(prueba::marca(m)->property("Tag").toInt(), m);
        }
        const char* const botones[][2] = {
            {"Button1", "Nuevo"}, {"Button2", "Guardar"}, {"Button3", "Recuperar"}, {"autor", "autor"},
            {"print1", "En folio"}, {"print2", "En quiniela"}, {"configura_impresora", "Configura"},
            {"boton_variables", "variables"}, {"boton_comprobar", "comprobar"}, {"Button4", "Partidos"},
            {"ayuda", "Ayuda"}};
        for (const auto& boton : botones)
            QCOMPARE(widget(ventana, QString::fromLatin1(boton[0]))->property("text").toString(),
                     QString::fromLatin1(boton[1]));
    }

    // Lefts 251, 291 ... 531; tops 94, 112 ... 274, then 291, 308, 325.
    void las_112_celdas_en_su_sitio_y_bloqueadas()
    {
        Ventanas_de_prueba ventanas;
        const int arriba[14] = {94, 112, 130, 148, 166, 184, 202, 220, 238, 256, 274, 291, 308, 325};
        for (int c = 1; c <= 8; ++c) {
            for (int m = 1; m <= 14; ++m) {
                Tvalor1x2* una = celda(m, c);
                QCOMPARE(una->pos(), QPoint(251 + 40 * (c - 1), arriba[m - 1]));
                QCOMPARE(una->Tag(), 1);
                QCOMPARE(una->parentWidget(), ventana);
                QCOMPARE(una->Caption(), QStringLiteral("   "));
                QCOMPARE(una->pagina(), QLatin1Char('1'));
            }
        }
        QCOMPARE(ventana->findChildren<Tvalor1x2*>().size(), 112);
        pulsa_signo(celda(4, 4), QLatin1Char('1'));
        QCOMPARE(celda(4, 4)->signo1(), QLatin1Char('0'));
    }

    void el_calentamiento_gasta_tantos_numeros_como_milisegundos()
    {
        Mensajes::captura();
        reloj::fija_milisegundos(7);
        aleatorio::fija_semilla(0);
        crea_ventanas();
        QCOMPARE(aleatorio::semilla(), 1368768587u);
        destruye_ventanas();

        reloj::fija_milisegundos(0);
        aleatorio::fija_semilla(0);
        crea_ventanas();
        QCOMPARE(aleatorio::semilla(), 0u);
        destruye_ventanas();
    }

    void cambiar_de_pagina_muestra_los_signos_de_la_otra()
    {
        Ventanas_de_prueba ventanas;
        elige_apuestas(10);
        pulsa_selector(2, QLatin1Char('2'));
        celda(2, 1)->set_signo2(QLatin1Char('x'));
        pulsa(paginas()->flecha_mas(), paginas()->flecha_mas()->rect().center());
        QCOMPARE(pagina_mostrada(), QStringLiteral("2"));
        QCOMPARE(celda(2, 1)->Caption(), QStringLiteral(" X "));
        QCOMPARE(celda(2, 3)->Caption(), QStringLiteral("   "));
        QCOMPARE(celda(2, 3)->signo1(), QLatin1Char('2'));
        pulsa(paginas()->flecha_mas(), paginas()->flecha_mas()->rect().center());
        QCOMPARE(paginas()->posicion(), 2);
        pulsa(paginas()->flecha_menos(), paginas()->flecha_menos()->rect().center());
        QCOMPARE(pagina_mostrada(), QStringLiteral("1"));
        QCOMPARE(celda(2, 3)->Caption(), QStringLiteral("  X"));
    }

    // Columns 1..8 are the page-1 signs of slots 1..8, 9..16 the page-2 signs
    // of the same slots; every column lands in a cell of its own.
    void cada_columna_en_su_hueco_y_pagina()
    {
        Ventanas_de_prueba ventanas;
        const QString signos = QStringLiteral("1x21x21x" "21x21x21");
        for (int k = 1; k <= 16; ++k)
            componentes::pon_signo_de_columna(ventana, 5, k, signos.at(k - 1));
        QString pagina1;
        QString pagina2;
        for (int c = 1; c <= 8; ++c) {
            pagina1 += celda(5, c)->signo1();
            pagina2 += celda(5, c)->signo2();
        }
        QCOMPARE(pagina1 + pagina2, signos);
        for (int k = 1; k <= 16; ++k)
            QCOMPARE(componentes::signo_de_columna(ventana, 5, k), signos.at(k - 1));
    }

    // A composed name nothing carries is reported with its window, not followed.
    void un_nombre_que_no_existe_se_dice()
    {
        Ventanas_de_prueba ventanas;
        Mensajes::protege([] { componentes::celda(ventana, 15, 1)->set_signo1(QLatin1Char('1')); });
        QCOMPARE(Mensajes::errores_capturados(),
                 QStringList{QStringLiteral("Falta el componente signo15_col1 en la ventana ventana.")});
        QVERIFY_THROWS_EXCEPTION(std::logic_error, componentes::selector(ventana, 0));
    }

    void autor_en_tres_lineas()
    {
        Ventanas_de_prueba ventanas;
        pulsa_boton(ventana, QStringLiteral("autor"));
        QCOMPARE(Mensajes::capturados(),
                 QStringList(QStringLiteral("          Tolvera\r    Autor: El equipo de Tolvera\r    Versión ")
                             + version_del_programa()));
        QCOMPARE(interpreta_linea_ordenes({QStringLiteral("tolvera"), QStringLiteral("--version")}).texto,
                 QStringLiteral("tolvera %1\n").arg(version_del_programa()));
    }

    void la_ayuda_se_abre_por_el_indice()
    {
        Ventanas_de_prueba ventanas;
        pulsa_boton(ventana, QStringLiteral("ayuda"));
        auto* ayuda = ventana->findChild<Tventana_ayuda*>();
        QVERIFY(ayuda);
        QVERIFY(ayuda->isVisible());
        QCOMPARE(ayuda->pagina(), QUrl(QStringLiteral("qrc:/ayuda/indice.html")));
    }

    // What is chosen in "Configura" is the printer of later prints; a cancelled
    // dialog keeps the earlier choice.
    void configura_elige_la_impresora_de_despues()
    {
        Ventanas_de_prueba ventanas;
        const QTemporaryDir carpeta;
        const QString pdf = carpeta.filePath(QStringLiteral("elegida.pdf"));
        Impresora::fija_respuesta([&](QPrinter& impresora) {
            impresora.setOutputFormat(QPrinter::PdfFormat);
            impresora.setOutputFileName(pdf);
            return true;
        });
        pulsa_boton(ventana, QStringLiteral("configura_impresora"));
        QCOMPARE(Impresora::elegida().outputFileName(), pdf);
        Impresora::fija_respuesta([&carpeta](QPrinter& impresora) {
            impresora.setOutputFileName(carpeta.filePath(QStringLiteral("otra.pdf")));
            return false;
        });
        pulsa_boton(ventana, QStringLiteral("configura_impresora"));
        QCOMPARE(Impresora::elegida().outputFileName(), pdf);
        QCOMPARE(Mensajes::errores_capturados().join(QLatin1Char('|')), QString());
    }

    // The dialog only chooses, so its button says so; every choice made in it
    // holds for the prints and comes back the next time it opens.
    void configura_dice_aceptar_y_recuerda_cada_eleccion()
    {
        Ventanas_de_prueba ventanas;
        QString boton_aceptar;
        al_abrirse<QPrintDialog>([&](QPrintDialog* dialogo) {
            auto* botones = dialogo->findChild<QDialogButtonBox*>();
            boton_aceptar = botones->button(QDialogButtonBox::Ok)->text();
            pulsa(botones->button(QDialogButtonBox::Cancel), botones->button(QDialogButtonBox::Cancel)->rect().center());
        });
        pulsa_boton(ventana, QStringLiteral("configura_impresora"));
        QCOMPARE(boton_aceptar, QStringLiteral("Aceptar"));

        const QTemporaryDir carpeta;
        const QString pdf = carpeta.filePath(QStringLiteral("elegida.pdf"));
        Impresora::fija_respuesta([&](QPrinter& impresora) {
            impresora.setOutputFileName(pdf);
            impresora.setCopyCount(3);
            impresora.setCollateCopies(false);
            impresora.setColorMode(QPrinter::GrayScale);
            impresora.setPaperSource(QPrinter::Manual);
            impresora.setPageOrder(QPrinter::LastPageFirst);
            impresora.setPageLayout(QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Landscape,
                                                QMarginsF(7, 7, 7, 7), QPageLayout::Millimeter));
            return true;
        });
        pulsa_boton(ventana, QStringLiteral("configura_impresora"));
        const QString elegida = eleccion(Impresora::elegida());
        QCOMPARE(elegida, pdf + QStringLiteral(" copies=3 collate=0 colour=0 source=3 order=1 A5 1 7"));
        QString mostrada;
        Impresora::fija_respuesta([&](QPrinter& impresora) {
            mostrada = eleccion(impresora);
            return true;
        });
        pulsa_boton(ventana, QStringLiteral("configura_impresora"));
        QCOMPARE(mostrada, elegida);
        QCOMPARE(eleccion(Impresora::elegida()), elegida);
    }
};

QTEST_MAIN(Prueba_ventana)
#include "prueba_ventana.moc"
