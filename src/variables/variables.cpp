#include "variables/variables.h"

#include "sistemas/reduccion.h"
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
#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

Tventana_variables* ventana_variables = nullptr;

namespace {

// Room at the right for "Reducir" beside "Resultados".
constexpr int ancho_ventana = 471;
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
    bisel(this, QStringLiteral("Bevel4"), {368, 132, 89, 65});

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
    boton_reducir = crea_boton(this, QStringLiteral("boton_reducir"), QStringLiteral("Reducir"), {376, 140, 73, 49});
}

void Tventana_variables::conecta()
{
    connect(tabla_1x2, &Trejilla::OnMouseDown, this,
            Mensajes::protegido([this](Qt::MouseButton boton, Qt::KeyboardModifiers estado, int x, int y) {
                tabla_1x2MouseDown(boton, estado, x, y);
            }));
    connect(Button3, &QPushButton::clicked, this, Mensajes::protegido([this] { Button3Click(); }));
    connect(Button1, &QPushButton::clicked, this, Mensajes::protegido([this] { Button1Click(); }));
    connect(boton_reducir, &QPushButton::clicked, this, Mensajes::protegido([this] { boton_reducirClick(); }));
    connect(tabla_1x2, &Trejilla::OnMouseDown, this, [this] { tecleando_ = false; });
    tabla_1x2->installEventFilter(this);
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

// A row to spread needs its first share written, then three readable ones.
std::optional<reparto::Porcentajes> Tventana_variables::lee_porcentajes_para_repartir(int partido) const
{
    if (tabla_1x2->celda(1, partido).isEmpty()) {
        Mensajes::muestra(QStringLiteral("faltan campos por rellenar"));
        return std::nullopt;
    }
    return lee_porcentajes(partido);
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
        const std::optional<reparto::Porcentajes> leidos = lee_porcentajes_para_repartir(m);
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

// Every variable match's shares are checked before anything is written, so
// a missing or bad one leaves the slip as it was.
void Tventana_variables::boton_reducirClick()
{
    std::vector<int> variables;
    std::vector<sistemas::Reparto> repartos;
    for (int m = 1; m <= partidos; ++m) {
        if (tabla_1x2->celda(0, m).isEmpty())
            continue;
        const std::optional<reparto::Porcentajes> leidos = lee_porcentajes_para_repartir(m);
        if (!leidos)
            return;
        // No share above 0 leaves the match no sign to play.
        if (leidos->p1 <= 0 && leidos->px <= 0 && leidos->p2 <= 0) {
            Mensajes::muestra(QStringLiteral("porcentaje no válido en el partido %1: %2")
                                  .arg(QString::number(m), tabla_1x2->celda(0, m)));
            return;
        }
        variables.push_back(m);
        repartos.push_back({static_cast<double>(leidos->p1), static_cast<double>(leidos->px),
                            static_cast<double>(leidos->p2)});
    }
    const int n = ventana->numero_apuestas();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    sistemas::Sistema sistema;
    try {
        sistema = sistemas::reduce(repartos, n);
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw;
    }
    QApplication::restoreOverrideCursor();

    auto* tabla_variables = componentes::tabla_variables(ventana);
    for (int fila = 0; fila < tabla_variables->filas(); ++fila)
        tabla_variables->vacia_fila(fila);
    for (std::size_t i = 0; i < variables.size(); ++i) {
        std::vector<char> signos;
        for (const sistemas::Columna& columna : sistema.columnas)
            signos.push_back("1x2"[columna[i]]);
        ventana->coloca_signos(tabla_1x2->celda(0, variables[i]), variables[i], signos);
    }
    ventana->comprueba_repeticiones();
}

bool Tventana_variables::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == tabla_1x2 && evento->type() == QEvent::KeyPress) {
        bool atendida = false;
        Mensajes::protege([&] { atendida = tabla_1x2KeyPress(*static_cast<QKeyEvent*>(evento)); });
        return atendida;
    }
    return Tventana_secundaria::eventFilter(objeto, evento);
}

// Only share cells of a variable match take digits; a row never set gets 0
// in its other shares, so that its three shares stay set together.
bool Tventana_variables::tabla_1x2KeyPress(const QKeyEvent& tecla)
{
    const int columna = tabla_1x2->columna_actual();
    const int fila = tabla_1x2->fila_actual();
    if (columna < 1 || columna > 3 || fila < 1 || fila > partidos || tabla_1x2->celda(0, fila).isEmpty())
        return false;
    if (tecla.key() == Qt::Key_Tab || tecla.key() == Qt::Key_Return || tecla.key() == Qt::Key_Enter) {
        pasa_a_la_siguiente();
        return true;
    }
    const QString texto = tecla.text();
    if (texto.size() != 1 || texto[0] < QLatin1Char('0') || texto[0] > QLatin1Char('9'))
        return tecla.key() != Qt::Key_Escape;
    const QString anterior = tecleando_ ? tabla_1x2->celda(columna, fila) : QString();
    const int valor = (anterior + texto).toInt();
    if (valor > 100)
        return true;
    for (int signo = 1; signo <= 3; ++signo)
        if (tabla_1x2->celda(signo, fila).isEmpty())
            tabla_1x2->pon_celda(signo, fila, QStringLiteral("0"));
    tabla_1x2->pon_celda(columna, fila, QString::number(valor));
    tecleando_ = true;
    return true;
}

// The next share of the row, then the first share of the next variable
// match, round to the first one after the last.
void Tventana_variables::pasa_a_la_siguiente()
{
    tecleando_ = false;
    const int columna = tabla_1x2->columna_actual();
    const int fila = tabla_1x2->fila_actual();
    if (columna < 3) {
        tabla_1x2->pon_columna_actual(columna + 1);
        return;
    }
    for (int paso = 1; paso <= partidos; ++paso) {
        const int siguiente = (fila - 1 + paso) % partidos + 1;
        if (!tabla_1x2->celda(0, siguiente).isEmpty()) {
            tabla_1x2->pon_columna_actual(1);
            tabla_1x2->pon_fila_actual(siguiente);
            return;
        }
    }
}
