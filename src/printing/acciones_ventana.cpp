// The main window's handlers of the prints.
#include "slip/ventana.h"

#include "printing/lamina_previa.h"
#include "printing/lectura_ventana.h"
#include "printing/pintor.h"
#include "printing/quiniela.h"
#include "printing/ventana_ajuste.h"
#include "printing/vista_previa.h"

void Tventana::print1Click()
{
    const impresion::Folio folio = lee_folio(*this);
    impresion::imprime([&folio](int dx, int dy) { return impresion::composicion_folio(folio, dx, dy); },
                       laminas_de(*this));
}

void Tventana::print2Click()
{
    const impresion::Boleto boleto = lee_boleto(*this);
    const impresion::Ajuste ajuste = impresion::lee_ajuste();
    impresion::imprime(
        [&boleto, &ajuste](int dx, int dy) { return impresion::composicion_quiniela(boleto, dx, dy, ajuste); },
        {});
}

// The window is read once: nothing changes it while the preview is open.
void Tventana::boton_vista_previaClick()
{
    const impresion::Folio folio = lee_folio(*this);
    const impresion::Laminas laminas = laminas_de(*this);
    const impresion::Boleto& boleto = folio.boleto;
    const impresion::Ajuste ajuste = impresion::lee_ajuste();
    Tventana_vista_previa vista(
        this,
        {[&folio](int dx, int dy) { return impresion::composicion_folio(folio, dx, dy); }, laminas, {},
         [this] { print1Click(); }},
        {[&boleto, &ajuste](int dx, int dy) { return impresion::composicion_quiniela(boleto, dx, dy, ajuste); },
         laminas,
         [&boleto, &ajuste](int dx, int dy) {
             return impresion::laminas_bajo_puntos(boleto.apuestas, dx, dy, ajuste);
         },
         [this] { print2Click(); }});
    vista.exec();
}

// Opened afresh each time, with what is stored.
void Tventana::boton_ajusteClick()
{
    Tventana_ajuste ajuste(this);
    ajuste.exec();
}
