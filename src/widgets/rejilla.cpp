#include "widgets/rejilla.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

Trejilla::Trejilla(QWidget* padre, const Forma& forma)
    : QAbstractScrollArea(padre),
      forma_(forma),
      textos_(forma.columnas * forma.filas),
      anchos_(forma.columnas, forma.ancho_columna),
      altos_(forma.filas, forma.alto_fila),
      columna_actual_(forma.columnas_fijas),
      fila_actual_(forma.filas_fijas)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(forma.barra_vertical ? Qt::ScrollBarAsNeeded
                                                    : Qt::ScrollBarAlwaysOff);
    verticalScrollBar()->setSingleStep(1);
    viewport()->setBackgroundRole(QPalette::Base);
    setFocusPolicy(Qt::ClickFocus);
}

bool Trejilla::valida(int columna, int fila) const
{
    return columna >= 0 && columna < forma_.columnas && fila >= 0 && fila < forma_.filas;
}

QString Trejilla::celda(int columna, int fila) const
{
    return valida(columna, fila) ? textos_[fila * forma_.columnas + columna] : QString();
}

void Trejilla::pon_celda(int columna, int fila, const QString& texto)
{
    if (!valida(columna, fila))
        return;
    QString& actual = textos_[fila * forma_.columnas + columna];
    if (actual == texto)
        return;
    actual = texto;
    viewport()->update(rect_celda(columna, fila));
    Q_EMIT cambia_celda(columna, fila);
}

void Trejilla::vacia_fila(int fila)
{
    for (int columna = 0; columna < forma_.columnas; ++columna)
        pon_celda(columna, fila, QString());
}

int Trejilla::ancho_columna(int columna) const
{
    return anchos_.value(columna);
}

void Trejilla::pon_ancho_columna(int columna, int ancho)
{
    if (columna < 0 || columna >= anchos_.size())
        return;
    anchos_[columna] = ancho;
    viewport()->update();
}

int Trejilla::alto_fila(int fila) const
{
    return altos_.value(fila);
}

void Trejilla::pon_alto_fila(int fila, int alto)
{
    if (fila < 0 || fila >= altos_.size())
        return;
    altos_[fila] = alto;
    ajusta_barra();
    viewport()->update();
}

void Trejilla::pon_columna_actual(int columna)
{
    columna_actual_ = columna;
    viewport()->update();
}

void Trejilla::pon_fila_actual(int fila)
{
    fila_actual_ = fila;
    viewport()->update();
}

int Trejilla::izquierda(int columna) const
{
    int x = 0;
    for (int i = 0; i < columna; ++i)
        x += anchos_[i] + 1;
    return x;
}

int Trejilla::fila_superior() const
{
    return forma_.filas_fijas + verticalScrollBar()->value();
}

int Trejilla::arriba(int fila) const
{
    int y = 0;
    for (int i = 0; i < forma_.filas_fijas && i < fila; ++i)
        y += altos_[i] + 1;
    if (fila < forma_.filas_fijas)
        return y;
    if (fila < fila_superior())
        return -1;
    for (int i = fila_superior(); i < fila; ++i)
        y += altos_[i] + 1;
    return y;
}

QRect Trejilla::rect_celda(int columna, int fila) const
{
    const int y = valida(columna, fila) ? arriba(fila) : -1;
    if (y < 0)
        return {};
    return QRect(izquierda(columna), y, anchos_[columna], altos_[fila]);
}

bool Trejilla::celda_en(QPoint punto, int& columna, int& fila) const
{
    columna = -1;
    fila = -1;
    int x = 0;
    for (int c = 0; c < forma_.columnas; ++c) {
        if (punto.x() >= x && punto.x() < x + anchos_[c] + 1) {
            columna = c;
            break;
        }
        x += anchos_[c] + 1;
    }
    for (int f = 0; f < forma_.filas; ++f) {
        const int y = arriba(f);
        if (y >= 0 && punto.y() >= y && punto.y() < y + altos_[f] + 1) {
            fila = f;
            break;
        }
    }
    return columna >= 0 && fila >= 0;
}

// A left press on a cell outside the headers makes it the current one before
// the owner hears of the press.
void Trejilla::mousePressEvent(QMouseEvent* evento)
{
    const QPoint punto = evento->position().toPoint();
    int columna = 0;
    int fila = 0;
    if (evento->button() == Qt::LeftButton && celda_en(punto, columna, fila)
        && columna >= forma_.columnas_fijas && fila >= forma_.filas_fijas) {
        columna_actual_ = columna;
        fila_actual_ = fila;
        viewport()->update();
    }
    Q_EMIT OnMouseDown(evento->button(), evento->modifiers(), punto.x(), punto.y());
}

// Qt delivers the second of two quick presses as a double click; in a grid
// every press is a step of its own.
void Trejilla::mouseDoubleClickEvent(QMouseEvent* evento)
{
    mousePressEvent(evento);
}

void Trejilla::resizeEvent(QResizeEvent* evento)
{
    QAbstractScrollArea::resizeEvent(evento);
    ajusta_barra();
}

void Trejilla::scrollContentsBy(int, int)
{
    viewport()->update();
}

// The bar scrolls by whole rows: its range is the number of rows that do not fit.
void Trejilla::ajusta_barra()
{
    int alto_fijo = 0;
    for (int i = 0; i < forma_.filas_fijas; ++i)
        alto_fijo += altos_[i] + 1;
    const int disponible = viewport()->height() - alto_fijo;
    int visibles = 0;
    int ocupado = 0;
    for (int i = forma_.filas - 1; i >= forma_.filas_fijas; --i) {
        ocupado += altos_[i] + 1;
        if (ocupado > disponible)
            break;
        ++visibles;
    }
    const int moviles = forma_.filas - forma_.filas_fijas;
    verticalScrollBar()->setRange(0, qMax(0, moviles - visibles));
    verticalScrollBar()->setPageStep(qMax(1, visibles));
}

void Trejilla::pinta_celda(QPainter& pintor, int columna, int fila) const
{
    const QRect rect = rect_celda(columna, fila);
    if (rect.isEmpty())
        return;
    const bool fija = columna < forma_.columnas_fijas || fila < forma_.filas_fijas;
    const bool actual = !fija && columna == columna_actual_ && fila == fila_actual_;
    QPalette::ColorRole fondo = fija ? QPalette::Button : QPalette::Base;
    if (actual)
        fondo = QPalette::Highlight;
    pintor.fillRect(rect, palette().color(fondo));
    pintor.setPen(palette().color(actual ? QPalette::HighlightedText : QPalette::Text));
    pintor.save();
    pintor.setClipRect(rect);
    pintor.drawText(rect.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                    celda(columna, fila));
    pintor.restore();
}

void Trejilla::paintEvent(QPaintEvent* evento)
{
    QPainter pintor(viewport());
    const QColor linea = palette().color(QPalette::Mid);
    for (int fila = 0; fila < forma_.filas; ++fila) {
        for (int columna = 0; columna < forma_.columnas; ++columna) {
            const QRect rect = rect_celda(columna, fila);
            if (rect.isEmpty() || !evento->rect().intersects(rect.adjusted(0, 0, 1, 1)))
                continue;
            pinta_celda(pintor, columna, fila);
            pintor.fillRect(QRect(rect.right() + 1, rect.top(), 1, rect.height() + 1), linea);
            pintor.fillRect(QRect(rect.left(), rect.bottom() + 1, rect.width() + 1, 1), linea);
        }
    }
}
