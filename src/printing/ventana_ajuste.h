#pragma once

#include "printing/ajuste.h"

#include <QDialog>

class QCheckBox;
class QDoubleSpinBox;
class QPushButton;

// Where the dots of the official slip go on the user's printer: a shift of
// every dot and the place of the Pleno's boxes. It opens with what is
// stored; only "Aceptar" stores what it shows. "Hoja de prueba" prints what
// it shows, stored or not, so it can be tried before it is kept.
class Tventana_ajuste : public QDialog {
    Q_OBJECT

public:
    explicit Tventana_ajuste(QWidget* padre);

private:
    impresion::Ajuste ajuste() const;
    void muestra(const impresion::Ajuste& ajuste);
    void boton_hoja_pruebaClick();
    void boton_aceptarClick();

    QDoubleSpinBox* desplazamiento_x;
    QDoubleSpinBox* desplazamiento_y;
    QCheckBox* imprime_pleno;
    QDoubleSpinBox* pleno_x;
    QDoubleSpinBox* pleno_y;
    QDoubleSpinBox* pleno_paso;
    QDoubleSpinBox* pleno_filas;
    QPushButton* boton_hoja_prueba;
    QPushButton* boton_aceptar;
    QPushButton* boton_cancelar;
};
