#pragma once

#include <QWidget>

// A transparent label in bold Courier New whose caption is a row of mark
// positions, each one character cell wide, so that an X at position 1, 2 or 3
// falls into the box "1", "X" or "2" of the slip picture underneath. It sizes
// itself to its caption and tells the sign of a press from the third it hit.
class Tetiqueta_marcas : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Tag READ Tag WRITE setTag)

public:
    explicit Tetiqueta_marcas(QWidget* propietario);

    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);

    int Tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }

    // Width of one character position, in pixels (13 at 96 dots per inch).
    int ancho_caracter() const { return ancho_caracter_; }

    // "1" up to the one-third line, "2" past the two-thirds line, else "x".
    static QChar signo_del_tercio(double x, double ancho);

Q_SIGNALS:
    void OnMouseDown(Qt::MouseButton boton, Qt::KeyboardModifiers estado, int x, int y);

protected:
    void paintEvent(QPaintEvent* evento) override;
    void dispara_mouse_down(const class QMouseEvent* evento);
    QChar signo_pulsado(const class QMouseEvent* evento) const;

private:
    QString caption_;
    int tag_ = 0;
    int ancho_caracter_ = 0;
};
