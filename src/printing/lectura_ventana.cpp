#include "printing/lectura_ventana.h"

#include "common/jpeg.h"
#include "slip/componentes.h"
#include "slip/ventana.h"
#include "widgets/busca_componente.h"
#include "widgets/componentevalor1x2.h"
#include "widgets/componentevalor1x2doble.h"
#include "widgets/imagen.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace {

QImage lamina(const Tventana& ventana, const QString& nombre_imagen, const QString& recurso)
{
    const auto* widget = busca<Timagen>(&ventana, nombre_imagen);
    const QImage imagen = widget ? widget->imagen() : QImage();
    return imagen.isNull() ? carga_jpeg(recurso) : imagen;
}

// A goals forecast as its selector holds it; no selector, no forecast.
QString goles(const Tventana& ventana, const QString& nombre_selector)
{
    const QWidget* selector = busca_componente(&ventana, nombre_selector);
    return selector ? selector->property("valor").toString() : QString();
}

impresion::Pleno lee_pleno(const Tventana& ventana)
{
    impresion::Pleno pleno;
    if (const auto* partido = busca<QLabel>(&ventana, QStringLiteral("partido15")))
        pleno.nombre = partido->text();
    pleno.local = goles(ventana, QStringLiteral("pleno_local"));
    pleno.visitante = goles(ventana, QStringLiteral("pleno_visitante"));
    return pleno;
}

}  // namespace

impresion::Boleto lee_boleto(const Tventana& ventana)
{
    impresion::Boleto boleto;
    boleto.apuestas = ventana.numero_apuestas();
    for (int m = 1; m <= boleto::partidos; ++m) {
        for (int c = 1; c <= boleto::huecos; ++c) {
            const auto* celda = componentes::celda(&ventana, m, c);
            boleto.signo1[m - 1][c - 1] = celda->signo1();
            boleto.signo2[m - 1][c - 1] = celda->signo2();
        }
    }
    boleto.pleno = lee_pleno(ventana);
    return boleto;
}

impresion::Folio lee_folio(const Tventana& ventana)
{
    impresion::Folio folio;
    folio.boleto = lee_boleto(ventana);
    folio.fecha = componente<QLineEdit>(&ventana, QStringLiteral("fecha"))->text();
    folio.ancho_de_texto = impresion::ancho_de_texto;
    for (int m = 1; m <= boleto::partidos; ++m) {
        folio.partidos[m - 1] = componentes::etiqueta_partido(&ventana, m)->text();
        folio.selectores[m - 1] = componentes::selector(&ventana, m)->signo1();
        folio.variables[m - 1] = componentes::marca(&ventana, m)->isChecked();
    }
    return folio;
}

impresion::Laminas laminas_de(const Tventana& ventana)
{
    return {lamina(ventana, QStringLiteral("imagen_quiniela"), QStringLiteral(":/laminas/quiniela.jpg")),
            lamina(ventana, QStringLiteral("imagen_columna"), QStringLiteral(":/laminas/columna.jpg"))};
}
