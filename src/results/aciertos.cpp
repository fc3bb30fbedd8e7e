#include "results/aciertos.h"

#include "geometria_laminas.h"
#include "slip/ventana.h"
#include "widgets/busca_componente.h"
#include "widgets/componentevalor1x2doble.h"
#include "widgets/controles.h"
#include "widgets/imagen.h"
#include "widgets/rejilla.h"
#include "widgets/selectores.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <array>

Tventana_aciertos* ventana_aciertos = nullptr;

namespace {

constexpr int ancho_nombres = 180;
const QString titulo_totales = QStringLiteral(" ACIERTOS ");

}  // namespace

Tventana_aciertos::Tventana_aciertos()
    : Tventana_secundaria(ventana, QStringLiteral("Aciertos"), 629, 392)
{
    ventana_aciertos = this;
    setObjectName(QStringLiteral("ventana_aciertos"));
    move(106, 67);
    crea_panel();
    crea_tablas();
    connect(boton_aciertos, &QPushButton::clicked, this, [this] { boton_aciertosClick(); });
    connect(boton_cerrar, &QPushButton::clicked, this, [this] { boton_cerrarClick(); });
    FormCreate();
}

Tventana_aciertos::~Tventana_aciertos()
{
    if (ventana_aciertos == this)
        ventana_aciertos = nullptr;
}

// The selectors' tops are measured from the column picture, which sits in the
// far corner of its one-pixel-larger frame.
void Tventana_aciertos::crea_panel()
{
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(0, 0, 81, height());

    auto* resultados = new QLabel(QStringLiteral("Resultados"), panel);
    resultados->setObjectName(QStringLiteral("Label1"));
    resultados->move(24, 16);
    resultados->adjustSize();

    auto* columna = new Timagen(panel, QStringLiteral("Image1"), QStringLiteral(":/laminas/columna.jpg"));
    columna->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    columna->setGeometry(32, 32, laminas::columna_ancho + 1, laminas::columna_alto + 1);
    crea_selectores(panel, QPoint(33, 33));

    boton_aciertos = crea_boton(panel, QStringLiteral("boton_aciertos"), QStringLiteral("ACIERTOS"), {8, 296, 67, 25});
}

void Tventana_aciertos::crea_tablas()
{
    tabla_aciertos = new Trejilla(this, {.columnas = 17, .filas = 15, .columnas_fijas = 1, .filas_fijas = 1,
                                         .ancho_columna = 20, .alto_fila = 17, .barra_vertical = false});
    tabla_aciertos->setObjectName(QStringLiteral("tabla_aciertos"));
    tabla_aciertos->setGeometry(88, 8, 521, 273);

    tabla_aciertos_finales = new Trejilla(this, {.columnas = 17, .filas = 1, .columnas_fijas = 1, .filas_fijas = 0,
                                                 .ancho_columna = 20, .alto_fila = 16, .barra_vertical = false});
    tabla_aciertos_finales->setObjectName(QStringLiteral("tabla_aciertos_finales"));
    tabla_aciertos_finales->setGeometry(88, 296, 521, 21);

    boton_cerrar = crea_boton(this, QStringLiteral("boton_cerrar"), QStringLiteral("cerrar"), {308, 324, 75, 25});
}

// Both grids get the same wide name column, so each count stands under its
// bet column.
void Tventana_aciertos::FormCreate()
{
    tabla_aciertos->pon_ancho_columna(0, ancho_nombres);
    for (int c = 1; c <= 16; ++c)
        tabla_aciertos->pon_celda(c, 0, QStringLiteral(" ") + QString::number(c));
    tabla_aciertos_finales->pon_ancho_columna(0, ancho_nombres);
    tabla_aciertos_finales->pon_celda(0, 0, titulo_totales);
}

// Compares with the copy taken by "comprobar", not with the main window's
// cells. A result still "0" and a column without a sign never match; columns
// past the bets count keep what an earlier count wrote.
void Tventana_aciertos::boton_aciertosClick()
{
    std::array<QString, 14> resultados;
    for (int m = 1; m <= 14; ++m)
        resultados[m - 1] = busca<Tvalor1x2_doble>(this, nombre(QStringLiteral("signo"), m))->signo1().toUpper();
    const int apuestas = ventana->numero_apuestas();
    for (int c = 1; c <= apuestas; ++c) {
        int aciertos = 0;
        for (int m = 1; m <= 14; ++m)
            if (tabla_aciertos->celda(c, m) == resultados[m - 1])
                ++aciertos;
        tabla_aciertos_finales->pon_celda(c, 0, QString::number(aciertos));
    }
}

void Tventana_aciertos::boton_cerrarClick()
{
    close();
}

void Tventana_aciertos::vacia_resultado(int partido)
{
    busca<Tvalor1x2_doble>(this, nombre(QStringLiteral("signo"), partido))->set_signo1(QStringLiteral("0"));
}

void Tventana_aciertos::vacia_totales()
{
    tabla_aciertos_finales->vacia_fila(0);
}
