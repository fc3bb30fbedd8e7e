#include "matches/partidos.h"

#include "matches/HTTPGet.h"
#include "matches/archivo_equipos.h"
#include "matches/lista_equipos.h"
#include "matches/ubica_equipos.h"
#include "slip/componentes.h"
#include "slip/ventana.h"
#include "variables/variables.h"
#include "widgets/busca_componente.h"
#include "widgets/controles.h"
#include "widgets/mensajes.h"
#include "widgets/rejilla.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

Tventana_partidos* ventana_partidos = nullptr;

QString nombre_partido(const QString& local, const QString& visitante)
{
    if (local.isEmpty() || visitante.isEmpty())
        return {};
    return local + QStringLiteral(" - ") + visitante;
}

Tventana_partidos::Tventana_partidos()
    : Tventana_secundaria(ventana, QStringLiteral("Partidos"), 512, 502)
{
    ventana_partidos = this;
    setObjectName(QStringLiteral("ventana_partidos"));
    crea_controles();
    crea_HTTPGetweb();
    conecta();
    FormCreate();
}

Tventana_partidos::~Tventana_partidos()
{
    // A download still running must not reach a window half gone.
    delete HTTPGetweb;
    if (ventana_partidos == this)
        ventana_partidos = nullptr;
}

void Tventana_partidos::crea_controles()
{
    tabla_partidos = new Trejilla(this, {.columnas = 3, .filas = 14, .columnas_fijas = 1, .filas_fijas = 0,
                                         .ancho_columna = 80, .alto_fila = 24, .barra_vertical = false});
    tabla_partidos->setObjectName(QStringLiteral("tabla_partidos"));
    tabla_partidos->setGeometry(16, 20, 205, 369);

    // The Pleno al 15 under the buttons, where the window grew to hold it.
    tabla_pleno = new Trejilla(this, {.columnas = 3, .filas = 1, .columnas_fijas = 1, .filas_fijas = 0,
                                      .ancho_columna = 80, .alto_fila = 24, .barra_vertical = false});
    tabla_pleno->setObjectName(QStringLiteral("tabla_pleno"));
    tabla_pleno->setGeometry(16, 436, 205, 29);

    crea_etiqueta(this, QStringLiteral("Label1"), QStringLiteral("Primera"), {280, 4});
    equipos_primera = new Tlista_equipos(this);
    equipos_primera->setObjectName(QStringLiteral("equipos_primera"));
    equipos_primera->setGeometry(236, 20, 125, 369);

    crea_etiqueta(this, QStringLiteral("Label2"), QStringLiteral("Segunda"), {416, 4});
    equipos_segunda = new Tlista_equipos(this);
    equipos_segunda->setObjectName(QStringLiteral("equipos_segunda"));
    equipos_segunda->setGeometry(372, 20, 121, 369);

    boton_ok = crea_boton(this, QStringLiteral("boton_ok"), QStringLiteral("OK"), {24, 400, 75, 25});
    boton_cancelar = crea_boton(this, QStringLiteral("boton_cancelar"), QStringLiteral("Cancelar"), {120, 400, 75, 25});
    Boton_internet = crea_boton(this, QStringLiteral("Boton_internet"), QStringLiteral("internet"), {328, 400, 75, 25});
}

void Tventana_partidos::conecta()
{
    connect(equipos_primera, &Tlista_equipos::OnClick, this,
            Mensajes::protegido([this] { equipos_primeraClick(equipos_primera); }));
    connect(equipos_segunda, &Tlista_equipos::OnClick, this,
            Mensajes::protegido([this] { equipos_primeraClick(equipos_segunda); }));
    connect(tabla_partidos, &Trejilla::OnMouseDown, this, Mensajes::protegido([this] { tabla_partidosMouseDown(); }));
    connect(tabla_pleno, &Trejilla::OnMouseDown, this,
            Mensajes::protegido([this](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
                tabla_plenoMouseDown(x, y);
            }));
    connect(boton_ok, &QPushButton::clicked, this, Mensajes::protegido([this] { boton_okClick(); }));
    connect(boton_cancelar, &QPushButton::clicked, this, Mensajes::protegido([this] { boton_cancelarClick(); }));
    connect(Boton_internet, &QPushButton::clicked, this, Mensajes::protegido([this] { Boton_internetClick(); }));
}

// A list that cannot be read is reported and stops the loading there: without
// "primera.txt" the second list is not read either. The window opens anyway.
// The working directory's lists win over the installed ones.
void Tventana_partidos::FormCreate()
{
    tabla_partidos->pon_ancho_columna(0, 20);
    for (int fila = 0; fila < boleto::partidos; ++fila)
        tabla_partidos->pon_celda(0, fila, QString::number(fila + 1));
    tabla_pleno->pon_ancho_columna(0, 20);
    tabla_pleno->pon_celda(0, 0, QStringLiteral("15"));
    Mensajes::protege([this] {
        equipos_primera->pon_equipos(archivo_equipos::lee(ubica_equipos::ruta(QStringLiteral("primera.txt"))));
        equipos_segunda->pon_equipos(archivo_equipos::lee(ubica_equipos::ruta(QStringLiteral("segunda.txt"))));
    });
}

void Tventana_partidos::showEvent(QShowEvent* evento)
{
    if (ventana)
        move(ventana->frameGeometry().center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    Tventana_secundaria::showEvent(evento);
}

// The picked team goes into the current cell, which then moves on in reading
// order: home, away, next row. The away cell of the last row stays current.
void Tventana_partidos::equipos_primeraClick(QListWidget* sender)
{
    const QListWidgetItem* entrada = sender->currentItem();
    if (!entrada)
        return;
    if (destino_pleno_) {
        coloca_en_pleno(entrada->text());
        return;
    }
    int columna = tabla_partidos->columna_actual();
    int fila = tabla_partidos->fila_actual();
    tabla_partidos->pon_celda(columna, fila, entrada->text());
    if (columna == 1) {
        columna = 2;
    } else if (fila < boleto::partidos - 1) {
        columna = 1;
        ++fila;
    }
    tabla_partidos->pon_columna_actual(columna);
    tabla_partidos->pon_fila_actual(fila);
}

// Home, then away, where the next pick stays.
void Tventana_partidos::coloca_en_pleno(const QString& equipo)
{
    tabla_pleno->pon_celda(tabla_pleno->columna_actual(), 0, equipo);
    tabla_pleno->pon_columna_actual(2);
}

void Tventana_partidos::tabla_partidosMouseDown()
{
    destino_pleno_ = false;
}

// Only a press on one of the two team cells makes the Pleno the target.
void Tventana_partidos::tabla_plenoMouseDown(int x, int y)
{
    int columna = 0;
    int fila = 0;
    if (tabla_pleno->celda_en(QPoint(x, y), columna, fila) && columna >= 1)
        destino_pleno_ = true;
}

void Tventana_partidos::boton_okClick()
{
    auto* tabla_variables = componentes::tabla_variables(ventana);
    auto* tabla_1x2 = componente<Trejilla>(ventana_variables, QStringLiteral("tabla_1x2"));
    int k = 0;
    for (int fila = 0; fila < boleto::partidos; ++fila) {
        const int m = fila + 1;
        const QString nombre_m = nombre_partido(tabla_partidos->celda(1, fila), tabla_partidos->celda(2, fila));
        componentes::etiqueta_partido(ventana, m)->setText(nombre_m);
        if (componentes::marca(ventana, m)->isChecked()) {
            tabla_variables->pon_celda(0, k, nombre_m);
            ++k;
            tabla_1x2->pon_celda(0, m, nombre_m);
        }
    }
    componente<QLabel>(ventana, QStringLiteral("partido15"))
        ->setText(nombre_partido(tabla_pleno->celda(1, 0), tabla_pleno->celda(2, 0)));
    accept();
}

void Tventana_partidos::boton_cancelarClick()
{
    reject();
}

void Tventana_partidos::vacia_equipos()
{
    for (int fila = 0; fila < boleto::partidos; ++fila) {
        tabla_partidos->pon_celda(1, fila, QString());
        tabla_partidos->pon_celda(2, fila, QString());
    }
    tabla_pleno->pon_celda(1, 0, QString());
    tabla_pleno->pon_celda(2, 0, QString());
}
