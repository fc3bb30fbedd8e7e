// The main window's handler of the results checking.
#include "slip/ventana.h"

#include "results/aciertos.h"
#include "widgets/busca_componente.h"
#include "widgets/componentevalor1x2.h"
#include "widgets/rejilla.h"

#include <QLabel>

namespace {

// The hits table writes the draw as a capital X and no sign as nothing.
QString texto_signo(QChar signo)
{
    return signo == QLatin1Char('0') ? QString() : QString(signo.toUpper());
}

}  // namespace

// Copies the names and the signs of all 16 columns, whatever the bets count;
// the results and the totals stay as the window was last closed.
void Tventana::boton_comprobarClick()
{
    auto* tabla = busca<Trejilla>(ventana_aciertos, QStringLiteral("tabla_aciertos"));
    for (int m = 1; m <= 14; ++m)
        tabla->pon_celda(0, m, busca<QLabel>(this, nombre(QStringLiteral("partido"), m))->text());
    for (int c = 1; c <= 8; ++c) {
        for (int m = 1; m <= 14; ++m) {
            const Tvalor1x2* apuesta = celda(m, c);
            tabla->pon_celda(c, m, texto_signo(apuesta->signo1()));
            tabla->pon_celda(c + 8, m, texto_signo(apuesta->signo2()));
        }
    }
    ventana_aciertos->exec();
}
