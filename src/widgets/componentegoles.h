#pragma once

#include "widgets/etiqueta_marcas.h"

// The goal selector of the Pleno al 15: four boxes "0", "1", "2" and "M"
// (three goals or more) on their own scrap of paper, the chosen one marked
// with an X. A press in a quarter of the width chooses that box, a press on
// the chosen box clears it. Its value is "" or one of the four letters.
class Tgoles : public Tetiqueta_marcas {
    Q_OBJECT
    Q_PROPERTY(QString valor READ valor WRITE set_valor)

public:
    explicit Tgoles(QWidget* propietario);

    QString valor() const { return valor_; }
    // Anything but "", "0", "1", "2" or "M" is taken as "".
    void set_valor(const QString& valor);

protected:
    void mousePressEvent(class QMouseEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;

private:
    QString valor_;
};
