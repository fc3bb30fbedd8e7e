// What a window manager reads from the secondary windows on a real X display:
// they are kept above the main window alone, and ask for no title-bar buttons.
#include "apoyo/apoyo.h"

#include "matches/partidos.h"
#include "results/aciertos.h"
#include "slip/ventana.h"
#include "variables/variables.h"

#include <QComboBox>
#include <QProcess>
#include <QTest>

namespace {

// "NAME(TYPE) = value" or "NAME(TYPE): value", as xprop prints it.
QString propiedad(WId ventana_x, const char* nombre_propiedad)
{
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"),
                {QStringLiteral("-id"), QString::number(ventana_x), QString::fromLatin1(nombre_propiedad)});
    if (!xprop.waitForFinished())
        return {};
    return QString::fromLocal8Bit(xprop.readAllStandardOutput()).trimmed();
}

// Motif function bits: all-but, close, maximise, minimise.
constexpr uint todas_menos = 0x1;
constexpr uint botones = 0x8 | 0x10 | 0x20;

}  // namespace

class Prueba_ventanas_x11 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sobre_la_principal_y_sin_botones_data()
    {
        QTest::addColumn<int>("cual");
        QTest::addColumn<QString>("abre");
        QTest::addColumn<QString>("cierra");
        QTest::newRow("Partidos") << 0 << QStringLiteral("Button4") << QStringLiteral("boton_cancelar");
        QTest::newRow("ventana_variables") << 1 << QStringLiteral("boton_variables") << QStringLiteral("Button1");
        QTest::newRow("Aciertos") << 2 << QStringLiteral("boton_comprobar") << QStringLiteral("boton_cerrar");
    }

    void sobre_la_principal_y_sin_botones()
    {
        QFETCH(int, cual);
        QFETCH(QString, abre);
        QFETCH(QString, cierra);
        Ventanas_de_prueba ventanas;
        QVERIFY(QTest::qWaitForWindowExposed(ventana));
        // "Partidos" asks for a bets count first.
        widget_de<QComboBox>(ventana, QStringLiteral("apuestas"))->setCurrentIndex(0);
        QWidget* secundaria = QList<QWidget*>{ventana_partidos, ventana_variables, ventana_aciertos}.at(cual);
        QString transitoria, estado, motif;
        dentro_de(secundaria, abre, cierra, [&] {
            transitoria = propiedad(secundaria->winId(), "WM_TRANSIENT_FOR");
            estado = propiedad(secundaria->winId(), "_NET_WM_STATE");
            motif = propiedad(secundaria->winId(), "_MOTIF_WM_HINTS");
        });
        QVERIFY2(transitoria.endsWith(QStringLiteral("# 0x") + QString::number(ventana->winId(), 16)),
                 qPrintable(transitoria));
        QVERIFY2(!estado.contains(QStringLiteral("ABOVE")) && !estado.contains(QStringLiteral("STAYS_ON_TOP")),
                 qPrintable(estado));
        // Flags, functions, decorations ...: the functions are given, and
        // they are the window's own, not "all but", with no button among them.
        const QStringList campos = motif.section(QLatin1Char('='), 1).split(QLatin1Char(','));
        QVERIFY2(campos.size() >= 2, qPrintable(motif));
        const uint banderas = campos[0].trimmed().toUInt(nullptr, 16);
        const uint funciones = campos[1].trimmed().toUInt(nullptr, 16);
        QVERIFY2((banderas & 0x1) && !(funciones & (todas_menos | botones)), qPrintable(motif));
    }
};

QTEST_MAIN(Prueba_ventanas_x11)
#include "prueba_ventanas_x11.moc"
