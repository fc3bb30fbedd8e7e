#pragma once

#include "widgets/ventana_secundaria.h"

// The percentages window: shares of 1, X and 2 of every variable match.
class Tventana_variables : public Tventana_secundaria {
    Q_OBJECT

public:
    Tventana_variables();
    ~Tventana_variables() override;
};

extern Tventana_variables* ventana_variables;
