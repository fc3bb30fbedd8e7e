#pragma once

#include "widgets/ventana_secundaria.h"

class QLabel;
class QPushButton;
class Trejilla;

// The hits window: the signs of all 16 bet columns, copied from the main
// window by "comprobar", against the results the user enters on its own
// selectors; "ACIERTOS" writes under every played column how many it got.
class Tventana_aciertos : public Tventana_secundaria {
    Q_OBJECT

public:
    Tventana_aciertos();
    ~Tventana_aciertos() override;

    // "Nuevo" on the main window: the result of a match back to "0", and the
    // whole totals row emptied, its title included, with the prizes by category.
    void vacia_resultado(int partido);
    void vacia_totales();

private:
    void FormCreate();
    void boton_aciertosClick();
    void boton_cerrarClick();

    void crea_panel();
    void crea_tablas();

    QPushButton* boton_aciertos;
    QPushButton* boton_cerrar;
    Trejilla* tabla_aciertos;
    Trejilla* tabla_aciertos_finales;
    QLabel* categorias;
};

extern Tventana_aciertos* ventana_aciertos;
