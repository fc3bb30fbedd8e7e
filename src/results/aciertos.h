#pragma once

#include "widgets/ventana_secundaria.h"

// The hits window: the results of the round against every played column.
class Tventana_aciertos : public Tventana_secundaria {
    Q_OBJECT

public:
    Tventana_aciertos();
    ~Tventana_aciertos() override;

    // "Nuevo" on the main window: the result of a match back to "0", and the
    // whole totals row emptied, its title included.
    void vacia_resultado(int partido);
    void vacia_totales();
};

extern Tventana_aciertos* ventana_aciertos;
