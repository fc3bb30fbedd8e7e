#include "matches/lista_equipos.h"

#include <QMouseEvent>

Tlista_equipos::Tlista_equipos(QWidget* padre)
    : QListWidget(padre)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    QFont letra = font();
    letra.setPixelSize(alto_entrada - 2);
    setFont(letra);
}

void Tlista_equipos::pon_equipos(const QStringList& equipos)
{
    clear();
    // The width only sets the reach of a horizontal scroll: an estimate from
    // the average character spares laying out every name at start-up.
    const int ancho_caracter = fontMetrics().averageCharWidth();
    for (const QString& equipo : equipos) {
        auto* entrada = new QListWidgetItem(equipo, this);
        entrada->setSizeHint(QSize(ancho_caracter * static_cast<int>(equipo.size()) + 4, alto_entrada));
    }
}

void Tlista_equipos::mousePressEvent(QMouseEvent* evento)
{
    QListWidget::mousePressEvent(evento);
    if (evento->button() == Qt::LeftButton && itemAt(evento->position().toPoint()))
        Q_EMIT OnClick();
}

void Tlista_equipos::keyPressEvent(QKeyEvent* evento)
{
    const int antes = currentRow();
    QListWidget::keyPressEvent(evento);
    if (currentRow() != antes && currentRow() >= 0)
        Q_EMIT OnClick();
}
