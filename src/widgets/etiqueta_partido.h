#pragma once

#include <QLabel>

// A match name over its row of the slip picture: ink on paper, and as wide
// as the row leaves room for. A name that does not fit shows whole as the
// label's tooltip.
class Tetiqueta_partido : public QLabel {
    Q_OBJECT

public:
    explicit Tetiqueta_partido(QWidget* padre);

protected:
    bool event(QEvent* evento) override;
};
