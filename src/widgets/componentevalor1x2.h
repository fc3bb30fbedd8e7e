#pragma once

#include "widgets/etiqueta_marcas.h"

// The bet cell: one match in one column slot of the slip. It keeps the sign of
// the page-1 column (signo1) and of the page-2 column (signo2) and shows the
// one of the page it is told to show.
class Tvalor1x2 : public Tetiqueta_marcas {
    Q_OBJECT

public:
    explicit Tvalor1x2(QWidget* propietario);

    QChar signo1() const { return signo1_; }
    QChar signo2() const { return signo2_; }
    QChar pagina() const { return pagina_; }
    void set_signo1(QChar signo);
    void set_signo2(QChar signo);
    void set_pagina(QChar pagina);

    // "1" -> "X  ", "x" -> " X ", "2" -> "  X", "0" -> "   ", anything else null.
    static QString caption_de_signo(QChar signo);

Q_SIGNALS:
    // Either sign changed, whoever changed it.
    void cambia();

protected:
    void mousePressEvent(QMouseEvent* evento) override;

private:
    void muestra();

    QChar signo1_ = QLatin1Char('0');
    QChar signo2_ = QLatin1Char('0');
    QChar pagina_ = QLatin1Char('1');
};
