#pragma once

#include <QWidget>

class QToolButton;

// A horizontal up-down: two arrow buttons that step a position between a
// minimum and a maximum without wrapping. Every press of either arrow reports
// a click, after the position has moved (or stayed at its limit).
class Tflechas : public QWidget {
    Q_OBJECT

public:
    Tflechas(QWidget* padre, int minimo, int maximo);

    int posicion() const { return posicion_; }
    void pon_posicion(int posicion);

    QToolButton* flecha_menos() const { return menos_; }
    QToolButton* flecha_mas() const { return mas_; }

Q_SIGNALS:
    void clicked();

private:
    void paso(int cambio);

    QToolButton* menos_;
    QToolButton* mas_;
    int minimo_;
    int maximo_;
    int posicion_;
};
