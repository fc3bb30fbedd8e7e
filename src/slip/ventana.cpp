#include "slip/ventana.h"

#include "common/aleatorio.h"
#include "common/geometria_laminas.h"
#include "slip/ayuda.h"
#include "slip/componentes.h"
#include "slip/importe.h"
#include "slip/reloj.h"
#include "widgets/componentegoles.h"
#include "widgets/componentevalor1x2.h"
#include "widgets/componentevalor1x2doble.h"
#include "widgets/controles.h"
#include "widgets/etiqueta_partido.h"
#include "widgets/flechas.h"
#include "widgets/imagen.h"
#include "widgets/letras.h"
#include "widgets/mensajes.h"
#include "widgets/papel.h"
#include "widgets/rejilla.h"
#include "widgets/selectores.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

Tventana* ventana = nullptr;

Tventana::Tventana()
{
    ventana = this;
    setObjectName(QStringLiteral("ventana"));
    setWindowTitle(QStringLiteral("Tolvera"));
    setFont(letra_ventanas());
    setMinimumSize(900, 540);
    // First, so that the slip picture is decoded on another thread while the
    // rest of the window is built.
    imagen_quiniela = new Timagen(this, QStringLiteral("imagen_quiniela"), QStringLiteral(":/laminas/quiniela.jpg"));
    imagen_quiniela->setGeometry(imagen_izquierda, imagen_arriba, laminas::boleto_ancho, laminas::boleto_alto);
    crea_panel();
    crea_boleto();
    crea_pleno();
    crea_mandos();
    crea_tabla_variables();
    conecta();
    FormCreate();
}

Tventana::~Tventana()
{
    if (ventana == this)
        ventana = nullptr;
}

int Tventana::numero_apuestas() const
{
    return apuestas->currentIndex() * 2 + 4;
}

QPoint Tventana::posicion_celda(int partido, int columna)
{
    return {imagen_izquierda + laminas::celda_izquierda(columna), imagen_arriba + laminas::celda_arriba(partido)};
}

void Tventana::crea_panel()
{
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    static_cast<QFrame*>(Panel1)->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setGeometry(0, 0, 89, 390);

    Button4 = crea_boton(Panel1, QStringLiteral("Button4"), QStringLiteral("Partidos"), {8, 8, 73, 25});
    crea_etiqueta(Panel1, QStringLiteral("Label2"), QStringLiteral("fecha"), {8, 40});
    fecha = new QLineEdit(Panel1);
    fecha->setObjectName(QStringLiteral("fecha"));
    fecha->setMaxLength(8);
    fecha->setGeometry(8, 56, 73, 21);

    imagen_columna = new Timagen(Panel1, QStringLiteral("imagen_columna"), QStringLiteral(":/laminas/columna.jpg"));
    const QPoint columna(22, 92);
    imagen_columna->setGeometry(QRect(columna, QSize(laminas::columna_ancho, laminas::columna_alto)));
    crea_selectores(Panel1, columna);
    ayuda = crea_boton(Panel1, QStringLiteral("ayuda"), QStringLiteral("Ayuda"), {8, 354, 73, 25});
    ayuda->setShortcut(QKeySequence(Qt::Key_F1));
}

void Tventana::crea_boleto()
{
    QFont numeros = courier_new();
    numeros.setPointSize(8);
    numeros.setBold(true);
    // Every row number is four characters of a fixed-pitch font.
    const QSize tamano_numero = QFontMetrics(numeros).size(0, QStringLiteral("..14"));
    for (int m = 1; m <= boleto::partidos; ++m) {
        const int fila = posicion_celda(m, 1).y();
        auto* partido = new Tetiqueta_partido(this);
        partido->setObjectName(componentes::nombre_etiqueta_partido(m));
        partido->setGeometry(imagen_izquierda + 19, fila + 5, 110, 14);

        const QString numero = (m < 10 ? QStringLiteral("...") : QStringLiteral("..")) + QString::number(m);
        auto* label = new QLabel(numero, this);
        label->setObjectName(componentes::nombre_numero_partido(m));
        label->setFont(numeros);
        sobre_papel(label);
        label->setGeometry(QRect(QPoint(imagen_izquierda + 130, fila + 6), tamano_numero));

        auto* marca = new QCheckBox(this);
        marca->setObjectName(componentes::nombre_marca(m));
        marca->setProperty("Tag", m);
        marca->setGeometry(imagen_izquierda + laminas::marca_variable_izquierda, fila + 4, 16, 16);
        sobre_papel(marca);
    }
}

// The Pleno al 15 as the slip's 15th row, in the margin under match 14: its
// name where the match names stand, and the two goal forecasts left of the
// picture's legend.
void Tventana::crea_pleno()
{
    const QPoint fila = posicion_celda(15, 1);
    auto* partido = new Tetiqueta_partido(this);
    partido->setObjectName(QStringLiteral("partido15"));
    partido->setGeometry(imagen_izquierda + 19, fila.y() + 11, 110, 14);
    const QStringList nombres = {QStringLiteral("pleno_local"), QStringLiteral("pleno_visitante")};
    for (int i = 0; i < nombres.size(); ++i) {
        auto* goles = new Tgoles(this);
        goles->setObjectName(nombres[i]);
        // Below the bet cells of match 14, which reach down to here, so that
        // neither covers the other's boxes nor takes its presses.
        goles->move(fila + QPoint(i * (goles->width() + 8), 6));
    }
}

void Tventana::crea_mandos()
{
    const int x = 676;
    crea_etiqueta(this, QStringLiteral("Label16"), QStringLiteral("Apuestas"), {x, 14});
    apuestas = new QComboBox(this);
    apuestas->setObjectName(QStringLiteral("apuestas"));
    apuestas->addItems({QStringLiteral("4"), QStringLiteral("6"), QStringLiteral("8"), QStringLiteral("10"),
                        QStringLiteral("12"), QStringLiteral("14"), QStringLiteral("16")});
    apuestas->setCurrentIndex(-1);
    apuestas->setGeometry(x, 30, 81, 24);

    paginas = new Tflechas(this, 1, 2);
    paginas->setObjectName(QStringLiteral("paginas"));
    paginas->setGeometry(x, 68, 44, 22);
    paginas->setEnabled(false);
    Label_pagina = crea_etiqueta(this, QStringLiteral("Label_pagina"), QStringLiteral("1"), {x + 56, 60});
    // The font of the marks, already loaded.
    QFont grande = courier_new();
    grande.setPixelSize(21);
    grande.setBold(true);
    Label_pagina->setFont(grande);
    Label_pagina->setFixedSize(24, 26);
    // Black like the marks, on a scrap of paper of its own beside the arrows.
    sobre_papel(Label_pagina);
    Label_pagina->setAutoFillBackground(true);
    // Under the page selector, as wide as the dearest slip's price.
    importe = crea_etiqueta(this, QStringLiteral("importe"), texto_importe(16), {x, 90});
    importe->clear();

    Button1 = crea_boton(this, QStringLiteral("Button1"), QStringLiteral("Nuevo"), {x, 104, 81, 25});
    Button2 = crea_boton(this, QStringLiteral("Button2"), QStringLiteral("Guardar"), {x, 134, 81, 25});
    Button3 = crea_boton(this, QStringLiteral("Button3"), QStringLiteral("Recuperar"), {x, 164, 81, 25});
    boton_variables = crea_boton(this, QStringLiteral("boton_variables"), QStringLiteral("variables"), {x, 200, 81, 25});
    boton_comprobar = crea_boton(this, QStringLiteral("boton_comprobar"), QStringLiteral("comprobar"), {x, 230, 81, 25});
    crea_etiqueta(this, QStringLiteral("Label17"), QStringLiteral("IMPRIMIR"), {x + 12, 266});
    print1 = crea_boton(this, QStringLiteral("print1"), QStringLiteral("En folio"), {x, 284, 81, 25});
    print2 = crea_boton(this, QStringLiteral("print2"), QStringLiteral("En quiniela"), {x, 314, 81, 25});
    boton_vista_previa = crea_boton(this, QStringLiteral("boton_vista_previa"), QStringLiteral("Vista previa"),
                                    {x + 100, 299, 81, 25});
    configura_impresora = crea_boton(this, QStringLiteral("configura_impresora"), QStringLiteral("Configura"), {x, 344, 81, 25});
    autor = crea_boton(this, QStringLiteral("autor"), QStringLiteral("autor"), {x + 100, 344, 73, 25});
    // The one free place beside the printing buttons, above "Vista previa".
    boton_ajuste = crea_boton(this, QStringLiteral("boton_ajuste"), QStringLiteral("Ajuste"), {x + 100, 269, 81, 25});

    Button2->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    Button3->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
}

void Tventana::crea_tabla_variables()
{
    tabla_variables = new Trejilla(this, {.columnas = 17, .filas = 14, .columnas_fijas = 1, .filas_fijas = 0,
                                          .ancho_columna = 30, .alto_fila = 16, .barra_vertical = true});
    tabla_variables->setObjectName(QStringLiteral("tabla_variables"));
    tabla_variables->setGeometry(imagen_izquierda, 384, 700, 140);

    crea_etiqueta(this, QStringLiteral("Label18"), QStringLiteral("RATON"), {818, 384});
    Image3 = new Timagen(this, QStringLiteral("Image3"), QStringLiteral(":/laminas/raton_variables.jpg"));
    Image3->setGeometry(804, 400, 81, 105);
    crea_etiqueta(this, QStringLiteral("Label19"), QStringLiteral("VARIABLES"), {810, 508});
}

void Tventana::conecta()
{
    connect(Button1, &QPushButton::clicked, this, Mensajes::protegido([this] { Button1Click(); }));
    connect(Button4, &QPushButton::clicked, this, Mensajes::protegido([this] { Button4Click(); }));
    connect(apuestas, &QComboBox::activated, this, Mensajes::protegido([this] { apuestasChange(); }));
    // Every change of the count, the user's, "Nuevo"'s or a load's.
    connect(apuestas, &QComboBox::currentIndexChanged, this, Mensajes::protegido([this] { muestra_importe(); }));
    connect(paginas, &Tflechas::clicked, this, Mensajes::protegido([this] { paginasClick(); }));
    connect(configura_impresora, &QPushButton::clicked, this,
            Mensajes::protegido([this] { configura_impresoraClick(); }));
    connect(boton_ajuste, &QPushButton::clicked, this, Mensajes::protegido([this] { boton_ajusteClick(); }));
    connect(autor, &QPushButton::clicked, this, Mensajes::protegido([this] { autorClick(); }));
    connect(Button2, &QPushButton::clicked, this, Mensajes::protegido([this] { Button2Click(); }));
    connect(Button3, &QPushButton::clicked, this, Mensajes::protegido([this] { Button3Click(); }));
    connect(print1, &QPushButton::clicked, this, Mensajes::protegido([this] { print1Click(); }));
    connect(print2, &QPushButton::clicked, this, Mensajes::protegido([this] { print2Click(); }));
    connect(boton_vista_previa, &QPushButton::clicked, this,
            Mensajes::protegido([this] { boton_vista_previaClick(); }));
    connect(boton_variables, &QPushButton::clicked, this, Mensajes::protegido([this] { boton_variablesClick(); }));
    connect(boton_comprobar, &QPushButton::clicked, this, Mensajes::protegido([this] { boton_comprobarClick(); }));
    connect(tabla_variables, &Trejilla::OnMouseDown, this,
            Mensajes::protegido([this](Qt::MouseButton boton, Qt::KeyboardModifiers, int x, int y) {
                tabla_variablesMouseDown(boton, x, y);
            }));
    connect(ayuda, &QPushButton::clicked, this, Mensajes::protegido([this] { ayudaClick(); }));
    for (int m = 1; m <= boleto::partidos; ++m) {
        auto* marca = componentes::marca(this, m);
        connect(marca, &QCheckBox::toggled, this, Mensajes::protegido([this, marca] { Checkvar1Click(marca); }));
        auto* selector = componentes::selector(this, m);
        connect(selector, &Tvalor1x2_doble::OnMouseDown, this,
                Mensajes::protegido([this, selector, m] { signo1MouseDown(selector, m); }));
    }
}

// Warm-up of the random generator, the width of the name column, then the
// 112 bet cells over the slip picture, locked against the mouse for good.
void Tventana::FormCreate()
{
    aleatorio::calienta(reloj::milisegundos());
    tabla_variables->pon_ancho_columna(0, 180);
    for (int c = 1; c <= boleto::huecos; ++c) {
        for (int m = 1; m <= boleto::partidos; ++m) {
            auto* celda = new Tvalor1x2(this);
            celda->setObjectName(componentes::nombre_celda(m, c));
            celda->move(posicion_celda(m, c));
            celda->raise();
            celda->setTag(1);
        }
    }
}

// The bet file's name once there is one, and a "*" while what a save would
// write is not what the file holds.
void Tventana::pon_titulo(bool sin_guardar)
{
    const QString programa = QStringLiteral("Tolvera");
    const QString titulo = archivo.isEmpty() ? programa : QFileInfo(archivo).fileName() + QStringLiteral(" — ") + programa;
    setWindowTitle(sin_guardar ? QLatin1Char('*') + titulo : titulo);
}

// A save asked for and not done (cancelled, or failed and reported) keeps
// the window open.
void Tventana::closeEvent(QCloseEvent* evento)
{
    bool sale = false;
    Mensajes::protege([this, &sale] { sale = puede_dejar_la_quiniela(); });
    if (!sale) {
        evento->ignore();
        return;
    }
    QWidget::closeEvent(evento);
    QApplication::quit();
}
