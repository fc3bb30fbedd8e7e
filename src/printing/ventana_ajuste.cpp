#include "printing/ventana_ajuste.h"

#include "printing/pintor.h"
#include "printing/quiniela.h"
#include "widgets/letras.h"
#include "widgets/mensajes.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QDoubleSpinBox* medida(QWidget* padre, const QString& nombre, const impresion::Limites& limites,
                       const QString& unidad)
{
    auto* caja = new QDoubleSpinBox(padre);
    caja->setObjectName(nombre);
    caja->setRange(limites.minimo, limites.maximo);
    caja->setDecimals(limites.decimales);
    caja->setSingleStep(limites.decimales == 1 ? 0.1 : 0.01);
    caja->setSuffix(u' ' + unidad);
    return caja;
}

QPushButton* boton(QWidget* padre, QHBoxLayout* fila, const QString& nombre, const QString& caption)
{
    auto* pulsador = new QPushButton(caption, padre);
    pulsador->setObjectName(nombre);
    // Return in a box never prints nor closes the window.
    pulsador->setAutoDefault(false);
    fila->addWidget(pulsador);
    return pulsador;
}

}  // namespace

Tventana_ajuste::Tventana_ajuste(QWidget* padre)
    : QDialog(padre)
{
    setObjectName(QStringLiteral("ventana_ajuste"));
    setWindowTitle(QStringLiteral("Ajuste de la quiniela"));
    setFont(letra_ventanas());
    setModal(true);

    const QString mm = QStringLiteral("mm");
    const QString cm = QStringLiteral("cm");
    desplazamiento_x = medida(this, QStringLiteral("desplazamiento_x"), impresion::limites_desplazamiento, mm);
    desplazamiento_y = medida(this, QStringLiteral("desplazamiento_y"), impresion::limites_desplazamiento, mm);
    imprime_pleno = new QCheckBox(QStringLiteral("Imprimir el Pleno al 15"), this);
    imprime_pleno->setObjectName(QStringLiteral("imprime_pleno"));
    pleno_x = medida(this, QStringLiteral("pleno_x"), impresion::limites_posicion, cm);
    pleno_y = medida(this, QStringLiteral("pleno_y"), impresion::limites_posicion, cm);
    pleno_paso = medida(this, QStringLiteral("pleno_paso"), impresion::limites_medida, cm);
    pleno_filas = medida(this, QStringLiteral("pleno_filas"), impresion::limites_medida, cm);

    auto* campos = new QFormLayout;
    campos->addRow(QStringLiteral("Mover los puntos a la derecha:"), desplazamiento_x);
    campos->addRow(QStringLiteral("Mover los puntos hacia abajo:"), desplazamiento_y);
    campos->addRow(imprime_pleno);
    campos->addRow(QStringLiteral("Casilla «0» del local, desde la izquierda:"), pleno_x);
    campos->addRow(QStringLiteral("Casilla «0» del local, desde arriba:"), pleno_y);
    campos->addRow(QStringLiteral("De una casilla a la siguiente:"), pleno_paso);
    campos->addRow(QStringLiteral("De la fila del local a la del visitante:"), pleno_filas);

    auto* botones = new QHBoxLayout;
    boton_hoja_prueba = boton(this, botones, QStringLiteral("boton_hoja_prueba"), QStringLiteral("Hoja de prueba"));
    botones->addStretch();
    boton_aceptar = boton(this, botones, QStringLiteral("boton_aceptar"), QStringLiteral("Aceptar"));
    boton_cancelar = boton(this, botones, QStringLiteral("boton_cancelar"), QStringLiteral("Cancelar"));

    auto* columna = new QVBoxLayout(this);
    columna->setSizeConstraint(QLayout::SetFixedSize);
    columna->addLayout(campos);
    columna->addSpacing(8);
    columna->addLayout(botones);

    connect(boton_hoja_prueba, &QPushButton::clicked, this,
            Mensajes::protegido([this] { boton_hoja_pruebaClick(); }));
    connect(boton_aceptar, &QPushButton::clicked, this, Mensajes::protegido([this] { boton_aceptarClick(); }));
    connect(boton_cancelar, &QPushButton::clicked, this, &QDialog::reject);

    muestra(impresion::lee_ajuste());
}

impresion::Ajuste Tventana_ajuste::ajuste() const
{
    return {desplazamiento_x->value(), desplazamiento_y->value(), imprime_pleno->isChecked(),
            pleno_x->value(),          pleno_y->value(),          pleno_paso->value(),
            pleno_filas->value()};
}

void Tventana_ajuste::muestra(const impresion::Ajuste& ajuste)
{
    desplazamiento_x->setValue(ajuste.desplazamiento_x);
    desplazamiento_y->setValue(ajuste.desplazamiento_y);
    imprime_pleno->setChecked(ajuste.imprime_pleno);
    pleno_x->setValue(ajuste.pleno_x);
    pleno_y->setValue(ajuste.pleno_y);
    pleno_paso->setValue(ajuste.pleno_paso);
    pleno_filas->setValue(ajuste.pleno_filas);
}

// On the printer chosen in "Configura", as "En quiniela" prints.
void Tventana_ajuste::boton_hoja_pruebaClick()
{
    const impresion::Ajuste probado = ajuste();
    impresion::imprime(
        [&probado](int dx, int dy) { return impresion::composicion_hoja_prueba(probado, dx, dy); }, {});
}

// A failure to store keeps the window open with what the user chose.
void Tventana_ajuste::boton_aceptarClick()
{
    impresion::guarda_ajuste(ajuste());
    accept();
}
