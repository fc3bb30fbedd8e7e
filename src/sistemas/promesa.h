#pragma once

#include <QObject>

class QLabel;
class Trejilla;
class Tventana;

// The main window's labels `garantia` and `probabilidades`, kept in step
// with the slip: every change of a bet cell, the bets count, a variable mark
// or a share asks for one count, made when the event loop next turns, so a
// "Resultados" that rewrites a hundred cells costs one count.
class Tpromesa : public QObject {
    Q_OBJECT

public:
    // Beside the bets count, right of the column of buttons; the shares live
    // in the percentages window's table.
    Tpromesa(Tventana* principal, Trejilla* porcentajes);

private:
    void pide();
    void cuenta();

    Tventana* principal_;
    Trejilla* porcentajes_;
    QLabel* garantia_;
    QLabel* probabilidades_;
    bool pedida_ = false;
};
