#pragma once

#include "widgets/ventana_secundaria.h"

// The hits window: the results of the round against every played column.
class Tventana_aciertos : public Tventana_secundaria {
    Q_OBJECT

public:
    Tventana_aciertos();
    ~Tventana_aciertos() override;
};

extern Tventana_aciertos* ventana_aciertos;
