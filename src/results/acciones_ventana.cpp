// The main window's handler of the results checking.
#include "slip/ventana.h"

#include "results/aciertos.h"
#include "slip/componentes.h"
#include "widgets/busca_componente.h"
#include "widgets/componentegoles.h"
#include "widgets/rejilla.h"

#include <QLabel>

namespace {

// The hits table writes the draw as a capital X and no sign as nothing.
QString texto_signo(QChar signo)
{
    return signo == QLatin1Char('0') ? QString() : QString(signo.toUpper());
}

}  // namespace

// Copies the names and the signs of all 16 columns, whatever the bets count,
// and the Pleno's name and forecast;
// the results and the totals stay as the window was last closed.
void Tventana::boton_comprobarClick()
{
    auto* tabla = componente<Trejilla>(ventana_aciertos, QStringLiteral("tabla_aciertos"));
    for (int m = 1; m <= boleto::partidos; ++m) {
        tabla->pon_celda(0, m, componentes::etiqueta_partido(this, m)->text());
        for (int k = 1; k <= boleto::columnas; ++k)
            tabla->pon_celda(k, m, texto_signo(componentes::signo_de_columna(this, m, k)));
    }
    componente<QLabel>(ventana_aciertos, QStringLiteral("nombre_pleno"))
        ->setText(componente<QLabel>(this, QStringLiteral("partido15"))->text());
    for (const QString& lado : {QStringLiteral("_local"), QStringLiteral("_visitante")})
        componente<Tgoles>(ventana_aciertos, QStringLiteral("pronostico_pleno") + lado)
            ->set_valor(componente<Tgoles>(this, QStringLiteral("pleno") + lado)->valor());
    ventana_aciertos->exec();
}
