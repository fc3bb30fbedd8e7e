#pragma once

#include "widgets/etiqueta_marcas.h"

// The match sign selector: one sign or a set of two or three ("1x", "x2",
// "12", "1x2") shown as X marks; a press sets or clears a single sign.
class Tvalor1x2_doble : public Tetiqueta_marcas {
    Q_OBJECT

public:
    static constexpr int capacidad = 255;

    explicit Tvalor1x2_doble(QWidget* propietario);

    QString signo1() const { return signo1_; }
    void set_signo1(const QString& texto);

    // The caption for a sign text, or a null string for a text outside the table.
    static QString caption_de_texto(const QString& texto);

protected:
    void mousePressEvent(QMouseEvent* evento) override;

private:
    QString signo1_ = QStringLiteral("0");
};
