#pragma once

#include "printing/pintor.h"

#include <QDialog>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QPrinter;
class QPrintPreviewWidget;
class QPushButton;

// One print as the preview shows it: its drawing operations for a printer's
// resolution, the pictures they draw, where the faint slip goes under them
// (nowhere when not given), and the main window's handler that prints it.
struct Impresion_previa {
    std::function<impresion::Composicion(int dx, int dy)> compone;
    impresion::Laminas laminas;
    std::function<std::vector<impresion::Rectangulo>(int dx, int dy)> laminas_debajo;
    std::function<void()> imprime;
};

// Both prints seen before they go to paper, at the page size and resolution
// of the printer they go to. The user picks the print; "Imprimir" runs that
// print's own handler, so the paper gets what its button would print and
// never the faint slip.
class Tventana_vista_previa : public QDialog {
    Q_OBJECT

public:
    Tventana_vista_previa(QWidget* padre, Impresion_previa folio, Impresion_previa quiniela);
    ~Tventana_vista_previa() override;

private:
    void elige(int cual);
    void vistaPaintRequested(QPrinter& impresora) const;
    void boton_imprimirClick();

    std::array<Impresion_previa, 2> impresiones_;
    int elegida_ = 0;
    std::unique_ptr<QPrinter> impresora_;
    QPushButton* boton_folio;
    QPushButton* boton_quiniela;
    QPushButton* boton_imprimir;
    QPushButton* boton_cerrar;
    QPrintPreviewWidget* vista;
};
