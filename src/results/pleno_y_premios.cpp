// The hits window's Pleno al 15 and the slip's winnings from the prizes of
// one bet in each category.
#include "results/aciertos.h"

#include "results/importes.h"
#include "widgets/componentegoles.h"
#include "widgets/controles.h"
#include "widgets/mensajes.h"

#include <QLabel>
#include <QLineEdit>

namespace {

// Under "cerrar", where the window grew to hold them.
constexpr int fila_pleno = 362;
constexpr int fila_premios = 408;
constexpr int izquierda_tablas = 88;

Tgoles* crea_goles(QWidget* padre, const QString& nombre, int izquierda)
{
    auto* goles = new Tgoles(padre);
    goles->setObjectName(nombre);
    goles->move(izquierda, fila_pleno);
    return goles;
}

}  // namespace

// The result is entered like the 14 others; the forecast, copied by
// "comprobar", stands beside it and cannot be pressed.
void Tventana_aciertos::crea_pleno()
{
    crea_etiqueta(this, QStringLiteral("Label_pleno"), QStringLiteral("Pleno al 15"), {8, fila_pleno + 4});
    nombre_pleno = new QLabel(this);
    nombre_pleno->setObjectName(QStringLiteral("nombre_pleno"));
    nombre_pleno->setGeometry(izquierda_tablas, fila_pleno + 4, 180, 14);
    resultado_pleno_local = crea_goles(this, QStringLiteral("resultado_pleno_local"), 272);
    resultado_pleno_visitante = crea_goles(this, QStringLiteral("resultado_pleno_visitante"), 330);
    crea_etiqueta(this, QStringLiteral("Label_pronostico"), QStringLiteral("Pronóstico"), {396, fila_pleno + 4});
    pronostico_pleno_local = crea_goles(this, QStringLiteral("pronostico_pleno_local"), 460);
    pronostico_pleno_visitante = crea_goles(this, QStringLiteral("pronostico_pleno_visitante"), 518);
    pronostico_pleno_local->setEnabled(false);
    pronostico_pleno_visitante->setEnabled(false);
}

void Tventana_aciertos::crea_premios()
{
    crea_etiqueta(this, QStringLiteral("Label_premios"), QStringLiteral("Premios (€)"), {8, fila_premios + 4});
    const QStringList nombres = {QStringLiteral("premio_especial"), QStringLiteral("premio_1"),
                                 QStringLiteral("premio_2"), QStringLiteral("premio_3"),
                                 QStringLiteral("premio_4"), QStringLiteral("premio_5")};
    const QStringList titulos = {QStringLiteral("Especial"), QStringLiteral("1.ª"), QStringLiteral("2.ª"),
                                 QStringLiteral("3.ª"), QStringLiteral("4.ª"), QStringLiteral("5.ª")};
    for (int i = 0; i < numero_categorias; ++i) {
        const int izquierda = izquierda_tablas + 84 * i;
        crea_etiqueta(this, QStringLiteral("Label_") + nombres[i], titulos[i], {izquierda, fila_premios - 16});
        premios[i] = new QLineEdit(this);
        premios[i]->setObjectName(nombres[i]);
        premios[i]->setGeometry(izquierda, fila_premios, 76, 21);
        connect(premios[i], &QLineEdit::textChanged, this, Mensajes::protegido([this] { premiosChange(); }));
    }
    premio = new QLabel(this);
    premio->setObjectName(QStringLiteral("premio"));
    premio->setGeometry(izquierda_tablas, fila_premios + 32, 300, 14);
}

// A box that holds no amount is marked and the sum waits for it; the other
// boxes and the counts are left alone.
void Tventana_aciertos::premiosChange()
{
    bool revisar = false;
    qint64 total = 0;
    for (int i = 0; i < numero_categorias; ++i) {
        const std::optional<qint64> centimos = importes::centimos(premios[i]->text());
        QPalette colores = palette();
        if (!centimos)
            colores.setColor(QPalette::Base, QColor(255, 200, 200));
        premios[i]->setPalette(colores);
        premios[i]->setToolTip(centimos ? QString() : QStringLiteral("No es un importe: escribe por ejemplo 1.234,56"));
        revisar = revisar || !centimos;
        if (centimos && ganadoras)
            total += (*ganadoras)[i] * *centimos;
    }
    if (!ganadoras)
        premio->clear();
    else if (revisar)
        premio->setText(QStringLiteral("Premio: revisa los importes"));
    else
        premio->setText(QStringLiteral("Premio: ") + importes::texto(total) + QStringLiteral(" €"));
}

// The Pleno plays its part once the slip or the result has any of it.
bool Tventana_aciertos::pleno_en_juego() const
{
    return !nombre_pleno->text().isEmpty() || !pronostico_pleno_local->valor().isEmpty()
        || !pronostico_pleno_visitante->valor().isEmpty() || !resultado_pleno_local->valor().isEmpty()
        || !resultado_pleno_visitante->valor().isEmpty();
}

// Nothing while the forecast or the result lacks a goal.
std::optional<bool> Tventana_aciertos::pleno_acertado() const
{
    const QString goles[] = {pronostico_pleno_local->valor(), pronostico_pleno_visitante->valor(),
                             resultado_pleno_local->valor(), resultado_pleno_visitante->valor()};
    for (const QString& uno : goles)
        if (uno.isEmpty())
            return std::nullopt;
    return goles[0] == goles[2] && goles[1] == goles[3];
}

void Tventana_aciertos::vacia_resultado_pleno()
{
    resultado_pleno_local->set_valor(QString());
    resultado_pleno_visitante->set_valor(QString());
}
