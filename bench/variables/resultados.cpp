// Time of one press of "Resultados" with all 14 matches variable and 16 bets,
// averaged over many presses in one process: the handler alone, and the
// handler with the repaint that follows it.
#include "slip/programa.h"
#include "slip/ventana.h"
#include "variables/variables.h"
#include "widgets/busca_componente.h"
#include "widgets/mensajes.h"
#include "widgets/rejilla.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>

#include <cstdio>

namespace {

constexpr int pulsaciones = 2000;

// The state a user (or a bet file) would have left: 16 bets, every match
// named, marked variable and given shares.
void prepara_boleto()
{
    busca<QComboBox>(ventana, QStringLiteral("apuestas"))->setCurrentIndex(6);
    auto* porcentajes = busca<Trejilla>(ventana_variables, QStringLiteral("tabla_1x2"));
    for (int m = 1; m <= 14; ++m) {
        const QString partido = QStringLiteral("Local %1 - Visitante %1").arg(m);
        busca<QLabel>(ventana, nombre(QStringLiteral("partido"), m))->setText(partido);
        busca<QCheckBox>(ventana, nombre(QStringLiteral("checkvar"), m))->setChecked(true);
        porcentajes->pon_celda(0, m, partido);
        porcentajes->pon_celda(1, m, QString::number(20 + m));
        porcentajes->pon_celda(2, m, QString::number(30));
        porcentajes->pon_celda(3, m, QString::number(50 - m));
    }
}

// Milliseconds per press; with `pinta` the event loop turns after every press
// and repaints what it changed, as it does for a user.
double mide(QPushButton* resultados, bool pinta)
{
    QElapsedTimer reloj;
    reloj.start();
    for (int i = 0; i < pulsaciones; ++i) {
        resultados->click();
        if (pinta)
            QApplication::processEvents();
    }
    return static_cast<double>(reloj.nsecsElapsed()) / 1e6 / pulsaciones;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication aplicacion(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tolvera"));
    Mensajes::captura();
    crea_ventanas();
    ventana->show();
    prepara_boleto();
    auto* resultados = busca<QPushButton>(ventana_variables, QStringLiteral("Button3"));
    resultados->click();
    QApplication::processEvents();

    const double solo = mide(resultados, false);
    const double pintando = mide(resultados, true);
    const auto* tabla = busca<Trejilla>(ventana, QStringLiteral("tabla_variables"));
    std::printf("\"Resultados\", 14 variable matches, 16 bets, %d presses (last row \"%s\"):\n"
                "  handler alone:        %.3f ms per press\n"
                "  handler and repaint:  %.3f ms per press\n",
                pulsaciones, qPrintable(tabla->celda(0, 13)), solo, pintando);
    destruye_ventanas();
    return 0;
}
