#include "widgets/etiqueta_partido.h"

#include "widgets/papel.h"

#include <QHelpEvent>
#include <QToolTip>

Tetiqueta_partido::Tetiqueta_partido(QWidget* padre)
    : QLabel(padre)
{
    sobre_papel(this);
}

// Asked when the tooltip is due rather than on every change of the name: the
// name is written from many places.
bool Tetiqueta_partido::event(QEvent* evento)
{
    if (evento->type() != QEvent::ToolTip)
        return QLabel::event(evento);
    const auto* ayuda = static_cast<QHelpEvent*>(evento);
    if (fontMetrics().horizontalAdvance(text()) > contentsRect().width())
        QToolTip::showText(ayuda->globalPos(), text(), this);
    else
        QToolTip::hideText();
    return true;
}
