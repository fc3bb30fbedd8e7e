#include "widgets/ventana_secundaria.h"

#include "widgets/letras.h"

Tventana_secundaria::Tventana_secundaria(const QString& caption, int ancho, int alto)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(caption);
    setFont(letra_ventanas());
    setFixedSize(ancho - 8, alto - 27);
    setModal(true);
}
