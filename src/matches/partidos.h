#pragma once

#include "widgets/ventana_secundaria.h"

// The matches window: the match table and the two team lists.
class Tventana_partidos : public Tventana_secundaria {
    Q_OBJECT

public:
    Tventana_partidos();
    ~Tventana_partidos() override;

    // "Nuevo" on the main window: empties both team columns of the match table.
    void vacia_equipos();
};

extern Tventana_partidos* ventana_partidos;
