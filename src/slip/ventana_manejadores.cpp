// The main window's own handlers: bets count, page, base signs, variable
// marks, "Nuevo", and the small commands of the window.
#include "slip/ventana.h"

#include "matches/partidos.h"
#include "printing/impresora.h"
#include "results/aciertos.h"
#include "slip/ayuda.h"
#include "slip/componentes.h"
#include "slip/importe.h"
#include "slip/linea_ordenes.h"
#include "slip/vigia_cambios.h"
#include "widgets/busca_componente.h"
#include "widgets/componentegoles.h"
#include "widgets/componentevalor1x2.h"
#include "widgets/componentevalor1x2doble.h"
#include "widgets/flechas.h"
#include "widgets/mensajes.h"
#include "widgets/rejilla.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

namespace {
const QString sin_apuestas = QStringLiteral("Selecciona primero el número de apuestas");
}

// A download still running would fill the emptied match table afterwards.
void Tventana::Button1Click()
{
    if (!puede_dejar_la_quiniela())
        return;
    ventana_partidos->abandona_descarga();
    apuestas->setCurrentIndex(-1);
    apuestas->setEnabled(true);
    ventana_partidos->vacia_equipos();
    for (int m = 1; m <= boleto::partidos; ++m) {
        auto* selector = componentes::selector(this, m);
        selector->set_signo1(QStringLiteral("0"));
        selector->setEnabled(true);
        selector->setTag(0);
        componentes::etiqueta_partido(this, m)->clear();
        componentes::marca(this, m)->setChecked(false);
        tabla_variables->vacia_fila(m - 1);
        ventana_aciertos->vacia_resultado(m);
    }
    ventana_aciertos->vacia_resultado_pleno();
    ventana_aciertos->vacia_totales();
    componente<QLabel>(this, QStringLiteral("partido15"))->clear();
    componente<Tgoles>(this, QStringLiteral("pleno_local"))->set_valor(QString());
    componente<Tgoles>(this, QStringLiteral("pleno_visitante"))->set_valor(QString());
    for (int k = 1; k <= boleto::columnas; ++k)
        for (int m = 1; m <= boleto::partidos; ++m)
            componentes::pon_signo_de_columna(this, m, k, boleto::sin_signo);
    archivo.clear();
    vigia->toma_referencia();
}

// A match without a name cannot be variable. Marking or unmarking blanks the
// match in all 16 columns and locks or unlocks its selector.
void Tventana::Checkvar1Click(QCheckBox* sender)
{
    const int m = sender->property("Tag").toInt();
    const bool marcada = sender->isChecked();
    if (componentes::etiqueta_partido(this, m)->text().isEmpty()) {
        sender->setChecked(false);
        return;
    }
    auto* selector = componentes::selector(this, m);
    selector->set_signo1(QStringLiteral("0"));
    selector->setTag(marcada ? 1 : 0);
    for (int k = 1; k <= boleto::columnas; ++k)
        componentes::pon_signo_de_columna(this, m, k, boleto::sin_signo);
}

void Tventana::apuestasChange()
{
    paginas->setEnabled(apuestas->currentIndex() >= 3);
}

void Tventana::muestra_importe()
{
    importe->setText(apuestas->currentIndex() == -1 ? QString() : texto_importe(numero_apuestas()));
}

void Tventana::paginasClick()
{
    Label_pagina->setText(paginas->posicion() == 1 ? QStringLiteral("1") : QStringLiteral("2"));
    const QChar pagina = Label_pagina->text().at(0);
    for (int c = 1; c <= boleto::huecos; ++c)
        for (int m = 1; m <= boleto::partidos; ++m)
            componentes::celda(this, m, c)->set_pagina(pagina);
}

// Runs after the selector has already taken its new sign; the base sign is
// copied into every played column and the bets count is frozen from now on.
void Tventana::signo1MouseDown(Tvalor1x2_doble* sender, int partido)
{
    if (apuestas->currentIndex() == -1) {
        Mensajes::muestra(sin_apuestas);
        sender->set_signo1(QStringLiteral("0"));
        return;
    }
    apuestas->setEnabled(false);
    const QChar signo = sender->signo1().at(0);
    for (int k = 1; k <= numero_apuestas(); ++k)
        componentes::pon_signo_de_columna(this, partido, k, signo);
}

void Tventana::Button4Click()
{
    if (apuestas->currentIndex() == -1) {
        Mensajes::muestra(sin_apuestas);
        return;
    }
    ventana_partidos->exec();
}

void Tventana::configura_impresoraClick()
{
    Impresora::configura(this);
}

void Tventana::autorClick()
{
    Mensajes::muestra(QStringLiteral("          Tolvera\r    Autor: El equipo de Tolvera\r    Versión %1")
                          .arg(version_del_programa()));
}

void Tventana::ayudaClick()
{
    if (!ventana_ayuda)
        ventana_ayuda = new Tventana_ayuda(this);
    ventana_ayuda->muestra_indice();
}
