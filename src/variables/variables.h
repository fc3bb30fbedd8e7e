#pragma once

#include "variables/reparto.h"
#include "widgets/ventana_secundaria.h"

#include <optional>

class QLabel;
class QPushButton;
class Timagen;
class Trejilla;

// The percentages window: shares of 1, X and 2 of every variable match, set
// with the mouse, and "Resultados", which turns them into signs in the bet
// columns of the main window.
class Tventana_variables : public Tventana_secundaria {
    Q_OBJECT

public:
    Tventana_variables();
    ~Tventana_variables() override;

private:
    void FormCreate();
    void tabla_1x2MouseDown(Qt::MouseButton boton, Qt::KeyboardModifiers estado, int x, int y);
    void Button3Click();
    void Button1Click();
    void boton_reducirClick();
    // Digits typed into a share cell; Tab and Enter move on.
    bool tabla_1x2KeyPress(const class QKeyEvent& tecla);
    void pasa_a_la_siguiente();

    void crea_componentes();
    void conecta();
    // The shares of match m as whole numbers; when one is not, says so
    // naming the match and gives nothing.
    std::optional<reparto::Porcentajes> lee_porcentajes(int partido) const;
    std::optional<reparto::Porcentajes> lee_porcentajes_para_repartir(int partido) const;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

    Trejilla* tabla_1x2;
    QLabel* Label3;
    Timagen* Image1;
    QPushButton* Button3;
    QPushButton* Button1;
    QPushButton* boton_reducir;
    // The first digit typed into a cell replaces its share, the next ones
    // add to it, as in a spreadsheet; any press or move starts afresh.
    bool tecleando_ = false;
};

extern Tventana_variables* ventana_variables;
