#include "matches/lista_equipos.h"

#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace {

// Every entry is `alto_entrada` pixels high; with uniform sizes only the
// first entry is ever measured.
class Entrada_fija : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& opcion, const QModelIndex& indice) const override
    {
        return {QStyledItemDelegate::sizeHint(opcion, indice).width(), Tlista_equipos::alto_entrada};
    }
};

}  // namespace

Tlista_equipos::Tlista_equipos(QWidget* padre)
    : QListWidget(padre)
{
    setItemDelegate(new Entrada_fija(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
}

void Tlista_equipos::pon_equipos(const QStringList& equipos)
{
    clear();
    addItems(equipos);
}

void Tlista_equipos::mousePressEvent(QMouseEvent* evento)
{
    QListWidget::mousePressEvent(evento);
    if (evento->button() == Qt::LeftButton && itemAt(evento->position().toPoint()))
        Q_EMIT OnClick();
}

// Qt makes the first entry current, unselected, when a list first gets the
// focus from the keyboard; the first Down would then pick the second team.
// Without a current entry it picks the first.
void Tlista_equipos::focusInEvent(QFocusEvent* evento)
{
    const bool sin_actual = currentRow() < 0;
    QListWidget::focusInEvent(evento);
    if (sin_actual && currentRow() >= 0 && selectedItems().isEmpty())
        selectionModel()->clearCurrentIndex();
}

void Tlista_equipos::keyPressEvent(QKeyEvent* evento)
{
    const int antes = currentRow();
    QListWidget::keyPressEvent(evento);
    if (currentRow() != antes && currentRow() >= 0)
        Q_EMIT OnClick();
}
