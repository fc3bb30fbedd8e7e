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

    void crea_componentes();
    void conecta();
    // The shares of match m as whole numbers; when one is not, says so
    // naming the match and gives nothing.
    std::optional<reparto::Porcentajes> lee_porcentajes(int partido) const;

    Trejilla* tabla_1x2;
    QLabel* Label3;
    Timagen* Image1;
    QPushButton* Button3;
    QPushButton* Button1;
};

extern Tventana_variables* ventana_variables;
