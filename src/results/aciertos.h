#pragma once

#include "widgets/ventana_secundaria.h"

#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class Tgoles;
class Trejilla;

// The hits window: the signs of all 16 bet columns, copied from the main
// window by "comprobar", against the results the user enters on its own
// selectors; "ACIERTOS" writes under every played column how many it got,
// how many columns won each category and, from the prizes the user types
// in, what the slip won.
class Tventana_aciertos : public Tventana_secundaria {
    Q_OBJECT

public:
    Tventana_aciertos();
    ~Tventana_aciertos() override;

    // "Nuevo" on the main window: the result of a match back to "0", and the
    // whole totals row emptied, its title included, with the prizes by category.
    void vacia_resultado(int partido);
    void vacia_resultado_pleno();
    void vacia_totales();

    // The categories, Especial first: 14 hits and the Pleno al 15, then 14
    // hits down to 10.
    static constexpr int numero_categorias = 6;

private:
    void FormCreate();
    void boton_aciertosClick();
    void boton_cerrarClick();

    void crea_panel();
    void crea_tablas();
    void crea_pleno();
    void crea_premios();
    void premiosChange();
    bool pleno_en_juego() const;
    std::optional<bool> pleno_acertado() const;

    using Ganadoras = std::array<int, numero_categorias>;

    QPushButton* boton_aciertos;
    QPushButton* boton_cerrar;
    Trejilla* tabla_aciertos;
    Trejilla* tabla_aciertos_finales;
    QLabel* categorias;
    QLabel* nombre_pleno;
    Tgoles* resultado_pleno_local;
    Tgoles* resultado_pleno_visitante;
    Tgoles* pronostico_pleno_local;
    Tgoles* pronostico_pleno_visitante;
    std::array<QLineEdit*, numero_categorias> premios;
    QLabel* premio;
    // The played columns that won each category at the last count; nothing
    // before a count, or after "Nuevo".
    std::optional<Ganadoras> ganadoras;
};

extern Tventana_aciertos* ventana_aciertos;
