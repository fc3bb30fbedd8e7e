#include "results/aciertos.h"

#include "common/geometria_laminas.h"
#include "slip/componentes.h"
#include "slip/ventana.h"
#include "widgets/busca_componente.h"
#include "widgets/componentevalor1x2doble.h"
#include "widgets/controles.h"
#include "widgets/imagen.h"
#include "widgets/mensajes.h"
#include "widgets/rejilla.h"
#include "widgets/selectores.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStringList>

#include <array>

Tventana_aciertos* ventana_aciertos = nullptr;

namespace {

constexpr int ancho_nombres = 180;
const QString titulo_totales = QStringLiteral(" ACIERTOS ");

// The pools pay five categories, from 14 hits down to 10.
constexpr int aciertos_primera = 14;
constexpr int aciertos_quinta = 10;

// How many columns won each category, "14: a · 13: b · 12: c · 11: d · 10: e",
// after "Especial: s · " when the Pleno plays its part.
QString texto_categorias(const std::array<int, 15>& columnas_con, const QString& especial = {})
{
    QStringList partes;
    if (!especial.isNull())
        partes.append(QStringLiteral("Especial: %1").arg(especial));
    for (int aciertos = aciertos_primera; aciertos >= aciertos_quinta; --aciertos)
        partes.append(QStringLiteral("%1: %2").arg(aciertos).arg(columnas_con[aciertos]));
    return partes.join(QStringLiteral(" · "));
}

QString nombres_categorias(bool con_especial)
{
    QStringList lineas;
    if (con_especial)
        lineas.append(QStringLiteral("Categoría especial: 14 aciertos y el Pleno al 15"));
    for (int aciertos = aciertos_primera; aciertos >= aciertos_quinta; --aciertos)
        lineas.append(
            QStringLiteral("%1.ª categoría: %2 aciertos").arg(aciertos_primera + 1 - aciertos).arg(aciertos));
    return lineas.join(QLatin1Char('\n'));
}

}  // namespace

Tventana_aciertos::Tventana_aciertos()
    : Tventana_secundaria(ventana, QStringLiteral("Aciertos"), 629, 492)
{
    ventana_aciertos = this;
    setObjectName(QStringLiteral("ventana_aciertos"));
    move(106, 67);
    crea_panel();
    crea_tablas();
    crea_pleno();
    crea_premios();
    connect(boton_aciertos, &QPushButton::clicked, this, Mensajes::protegido([this] { boton_aciertosClick(); }));
    connect(boton_cerrar, &QPushButton::clicked, this, Mensajes::protegido([this] { boton_cerrarClick(); }));
    FormCreate();
}

Tventana_aciertos::~Tventana_aciertos()
{
    if (ventana_aciertos == this)
        ventana_aciertos = nullptr;
}

// The selectors' tops are measured from the column picture, which sits in the
// far corner of its one-pixel-larger frame. The panel holds the 14 results
// only; the Pleno's and the prizes' rows run under it.
void Tventana_aciertos::crea_panel()
{
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(0, 0, 81, 365);

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
    // Right of "cerrar", level with its caption, as wide as sixteen columns
    // in every category make it.
    std::array<int, 15> todas {};
    todas.fill(16);
    categorias = crea_etiqueta(this, QStringLiteral("categorias"), texto_categorias(todas), {392, 330});
    categorias->clear();
    categorias->setToolTip(nombres_categorias(false));
    // With the Especial in front the counts take a second line.
    categorias->setWordWrap(true);
    categorias->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    categorias->resize(width() - categorias->x() - 4, 2 * categorias->height());
}

// Both grids get the same wide name column, so each count stands under its
// bet column.
void Tventana_aciertos::FormCreate()
{
    tabla_aciertos->pon_ancho_columna(0, ancho_nombres);
    for (int c = 1; c <= boleto::columnas; ++c)
        tabla_aciertos->pon_celda(c, 0, QStringLiteral(" ") + QString::number(c));
    tabla_aciertos_finales->pon_ancho_columna(0, ancho_nombres);
    tabla_aciertos_finales->pon_celda(0, 0, titulo_totales);
}

// Compares with the copy taken by "comprobar", not with the main window's
// cells. A result still "0" and a column without a sign never match; columns
// past the bets count keep what an earlier count wrote, but only the played
// ones win a category, each the one of its own hits.
void Tventana_aciertos::boton_aciertosClick()
{
    std::array<QString, boleto::partidos> resultados;
    for (int m = 1; m <= boleto::partidos; ++m)
        resultados[m - 1] = componentes::selector(this, m)->signo1().toUpper();
    const int apuestas = ventana->numero_apuestas();
    std::array<int, boleto::partidos + 1> columnas_con {};
    for (int c = 1; c <= apuestas; ++c) {
        int aciertos = 0;
        for (int m = 1; m <= boleto::partidos; ++m)
            if (tabla_aciertos->celda(c, m) == resultados[m - 1])
                ++aciertos;
        tabla_aciertos_finales->pon_celda(c, 0, QString::number(aciertos));
        ++columnas_con[aciertos];
    }
    // The Pleno is one forecast for the whole slip: every column with 14
    // hits wins the Especial too, or none does.
    const std::optional<bool> acertado = pleno_acertado();
    const int especiales = acertado.value_or(false) ? columnas_con[aciertos_primera] : 0;
    QString especial;
    if (pleno_en_juego())
        especial = acertado ? QString::number(especiales) : QStringLiteral("-");
    categorias->setText(texto_categorias(columnas_con, especial));
    categorias->setToolTip(nombres_categorias(!especial.isNull()));
    ganadoras = Ganadoras {especiales, columnas_con[14], columnas_con[13], columnas_con[12], columnas_con[11],
                           columnas_con[10]};
    premiosChange();
}

void Tventana_aciertos::boton_cerrarClick()
{
    close();
}

void Tventana_aciertos::vacia_resultado(int partido)
{
    componentes::selector(this, partido)->set_signo1(QStringLiteral("0"));
}

void Tventana_aciertos::vacia_totales()
{
    tabla_aciertos_finales->vacia_fila(0);
    categorias->clear();
    ganadoras.reset();
    premiosChange();
}
