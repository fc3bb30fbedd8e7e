#include "variables/variables.h"

#include "slip/componentes.h"
#include "slip/ventana.h"
#include "variables/porcentajes.h"
#include "widgets/busca_componente.h"
#include "widgets/controles.h"
#include "widgets/imagen.h"
#include "widgets/mensajes.h"
#include "widgets/papel.h"
#include "widgets/rejilla.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

Tventana_variables* ventana_variables = nullptr;

namespace {

constexpr int ancho_ventana = 375;
constexpr int alto_ventana = 299;
constexpr int partidos = boleto::partidos;

void bisel(QWidget* padre, const QString& nombre, QRect sitio)
{
    auto* marco = new QFrame(padre);
    marco->setObjectName(nombre);
    marco->setFrameStyle(QFrame::Box | QFrame::Sunken);
    marco->setGeometry(sitio);
}

}  // namespace

Tventana_variables::Tventana_variables()
    : Tventana_secundaria(ventana, QStringLiteral("ventana_variables"), ancho_ventana, alto_ventana)
{
    ventana_variables = this;
    setObjectName(QStringLiteral("ventana_variables"));
    if (const QScreen* pantalla = QGuiApplication::primaryScreen())
        move(pantalla->geometry().center() - QPoint(ancho_ventana / 2, alto_ventana / 2));
    crea_componentes();
    conecta();
    FormCreate();
}

Tventana_variables::~Tventana_variables()
{
    if (ventana_variables == this)
        ventana_variables = nullptr;
}

// The bevels first, so that what they group lies over them.
void Tventana_variables::crea_componentes()
{
    bisel(this, QStringLiteral("Bevel1"), {272, 4, 89, 121});
    bisel(this, QStringLiteral("Bevel2"), {272, 132, 89, 65});
    bisel(this, QStringLiteral("Bevel3"), {272, 200, 89, 61});

    tabla_1x2 = new Trejilla(this, {.columnas = 4, .filas = partidos + 1, .columnas_fijas = 1, .filas_fijas = 1,
                                    .ancho_columna = 24, .alto_fila = 16, .barra_vertical = false});
    tabla_1x2->setObjectName(QStringLiteral("tabla_1x2"));
    tabla_1x2->setGeometry(4, 4, 261, 259);

    // The caption stands over the top of the picture.
    Image1 = new Timagen(this, QStringLiteral("Image1"), QStringLiteral(":/laminas/raton_porcentajes.jpg"));
    Image1->setGeometry(276, 16, 81, 105);
    Label3 = crea_etiqueta(this, QStringLiteral("Label3"), QStringLiteral("RATON"), {304, 12});
    sobre_papel(Label3);

    Button3 = crea_boton(this, QStringLiteral("Button3"), QStringLiteral("Resultados"), {280, 140, 73, 49});
    Button1 = crea_boton(this, QStringLiteral("Button1"), QStringLiteral("Cerrar"), {280, 208, 73, 45});
}

void Tventana_variables::conecta()
{
    connect(tabla_1x2, &Trejilla::OnMouseDown, this,
            Mensajes::protegido([this](Qt::MouseButton boton, Qt::KeyboardModifiers estado, int x, int y) {
                tabla_1x2MouseDown(boton, estado, x, y);
            }));
    connect(Button3, &QPushButton::clicked, this, Mensajes::protegido([this] { Button3Click(); }));
    connect(Button1, &QPushButton::clicked, this, Mensajes::protegido([this] { Button1Click(); }));
}

void Tventana_variables::FormCreate()
{
    tabla_1x2->pon_ancho_columna(0, 180);
}

std::optional<reparto::Porcentajes> Tventana_variables::lee_porcentajes(int partido) const
{
    const std::optional<int> p1 = porcentajes::lee(tabla_1x2->celda(1, partido));
    const std::optional<int> px = porcentajes::lee(tabla_1x2->celda(2, partido));
    const std::optional<int> p2 = porcentajes::lee(tabla_1x2->celda(3, partido));
    if (!p1 || !px || !p2) {
        Mensajes::muestra(QStringLiteral("porcentaje no válido en el partido %1: %2")
                              .arg(QString::number(partido), tabla_1x2->celda(0, partido)));
        return std::nullopt;
    }
    return reparto::Porcentajes{*p1, *px, *p2};
}

// Left adds to the pressed share, right takes away, middle only gives a new
// row its starting shares; the partner share pays.
void Tventana_variables::tabla_1x2MouseDown(Qt::MouseButton boton, Qt::KeyboardModifiers, int x, int y)
{
    if (boton != Qt::LeftButton && boton != Qt::RightButton && boton != Qt::MiddleButton)
        return;
    int columna = 0;
    int fila = 0;
    if (!tabla_1x2->celda_en({x, y}, columna, fila) || columna == 0 || fila == 0
        || tabla_1x2->celda(0, fila).isEmpty())
        return;
    tabla_1x2->pon_columna_actual(columna);
    tabla_1x2->pon_fila_actual(fila);
    if (tabla_1x2->celda(columna, fila).isEmpty())
        for (std::size_t signo = 0; signo < 3; ++signo)
            tabla_1x2->pon_celda(static_cast<int>(signo) + 1, fila, QString::number(porcentajes::de_partida[signo]));

    const std::optional<reparto::Porcentajes> leidos = lee_porcentajes(fila);
    if (!leidos)
        return;
    porcentajes::Fila valores = {leidos->p1, leidos->px, leidos->p2};
    const int pulsada = columna - 1;
    const int otra = porcentajes::pareja(valores, pulsada);
    if (boton == Qt::LeftButton && !porcentajes::suma(valores, pulsada))
        return;
    if (boton == Qt::RightButton && !porcentajes::resta(valores, pulsada))
        return;
    tabla_1x2->pon_celda(columna, fila, QString::number(valores[static_cast<std::size_t>(pulsada)]));
    tabla_1x2->pon_celda(otra + 1, fila, QString::number(valores[static_cast<std::size_t>(otra)]));
}

// "Resultados": every variable match in match order. A match whose shares are
// missing or unreadable ends the press there; the matches before it keep
// their signs and the repeated-column check waits for a complete run.
void Tventana_variables::Button3Click()
{
    const int n = ventana->numero_apuestas();
    auto* tabla_variables = componentes::tabla_variables(ventana);
    for (int fila = 0; fila < tabla_variables->filas(); ++fila)
        tabla_variables->vacia_fila(fila);
    for (int m = 1; m <= partidos; ++m) {
        const QString nombre_partido = tabla_1x2->celda(0, m);
        if (nombre_partido.isEmpty())
            continue;
        if (tabla_1x2->celda(1, m).isEmpty()) {
            Mensajes::muestra(QStringLiteral("faltan campos por rellenar"));
            return;
        }
        const std::optional<reparto::Porcentajes> leidos = lee_porcentajes(m);
        if (!leidos)
            return;
        const reparto::Cuentas cuentas = reparto::cuenta_columnas(*leidos, n);
        ventana->coloca_variables(nombre_partido, m, cuentas.c1, cuentas.cx, cuentas.c2);
    }
    ventana->comprueba_repeticiones();
}

void Tventana_variables::Button1Click()
{
    close();
}
