#pragma once

#include <QAbstractScrollArea>
#include <QStringList>
#include <QVector>

// A grid of texts addressed by (column, row), with fixed columns and rows
// drawn as headers, a current cell, one-pixel grid lines after every cell and
// cells that cannot be typed into. All five grids of the program are one of
// these. Coordinates of presses are those of the cell area (the viewport).
class Trejilla : public QAbstractScrollArea {
    Q_OBJECT

public:
    struct Forma {
        int columnas = 5;
        int filas = 5;
        int columnas_fijas = 1;
        int filas_fijas = 1;
        int ancho_columna = 64;
        int alto_fila = 24;
        bool barra_vertical = false;
    };

    Trejilla(QWidget* padre, const Forma& forma);

    int columnas() const { return forma_.columnas; }
    int filas() const { return forma_.filas; }

    QString celda(int columna, int fila) const;
    void pon_celda(int columna, int fila, const QString& texto);
    void vacia_fila(int fila);

    int ancho_columna(int columna) const;
    void pon_ancho_columna(int columna, int ancho);
    int alto_fila(int fila) const;
    void pon_alto_fila(int fila, int alto);

    int columna_actual() const { return columna_actual_; }
    int fila_actual() const { return fila_actual_; }
    void pon_columna_actual(int columna);
    void pon_fila_actual(int fila);

    // The cell under a point of the cell area; false when the point is on no cell.
    bool celda_en(QPoint punto, int& columna, int& fila) const;
    // Where a cell is drawn in the cell area (for tests and painting).
    QRect rect_celda(int columna, int fila) const;

Q_SIGNALS:
    void OnMouseDown(Qt::MouseButton boton, Qt::KeyboardModifiers estado, int x, int y);
    // A cell's text changed, whoever changed it.
    void cambia_celda(int columna, int fila);

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    bool valida(int columna, int fila) const;
    int izquierda(int columna) const;
    // Top of a row on screen, -1 when it is scrolled out of view.
    int arriba(int fila) const;
    int fila_superior() const;
    void ajusta_barra();
    void pinta_celda(class QPainter& pintor, int columna, int fila) const;

    Forma forma_;
    QStringList textos_;
    QVector<int> anchos_;
    QVector<int> altos_;
    int columna_actual_;
    int fila_actual_;
};
