// The main window's handlers of the prints.
#include "slip/ventana.h"

#include "printing/lectura_ventana.h"
#include "printing/pintor.h"
#include "printing/quiniela.h"

void Tventana::print1Click()
{
    const impresion::Folio folio = lee_folio(*this);
    impresion::imprime([&folio](int dx, int dy) { return impresion::composicion_folio(folio, dx, dy); },
                       laminas_de(*this));
}

void Tventana::print2Click()
{
    const impresion::Boleto boleto = lee_boleto(*this);
    impresion::imprime(
        [&boleto](int dx, int dy) { return impresion::composicion_quiniela(boleto, dx, dy); }, {});
}
