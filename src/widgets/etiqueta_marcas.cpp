#include "widgets/etiqueta_marcas.h"

#include "widgets/letras.h"
#include "widgets/papel.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>

namespace {

// Bold Courier New of 21 pixels (16 points at 96 dots per inch). Every
// position gets a whole number of pixels, so the marks line up with the boxes
// of the pictures whatever the font's fractional advance.
struct Letra_marcas {
    QFont letra;
    int ancho_caracter;
    int alto;
    int base;
};

const Letra_marcas& letra_marcas()
{
    static const Letra_marcas medidas = [] {
        QFont letra = courier_new();
        letra.setPixelSize(21);
        letra.setBold(true);
        const QFontMetricsF metricas(letra);
        return Letra_marcas{letra, qRound(metricas.horizontalAdvance(QLatin1Char(' '))),
                            qRound(metricas.height()), qRound(metricas.ascent())};
    }();
    return medidas;
}

}  // namespace

Tetiqueta_marcas::Tetiqueta_marcas(QWidget* propietario)
    : QWidget(propietario)
{
    ancho_caracter_ = letra_marcas().ancho_caracter;
    setCaption(QStringLiteral("   "));
}

// Setting the same caption again repaints nothing: a distribution rewrites
// every cell of a row many times over.
void Tetiqueta_marcas::setCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    resize(static_cast<int>(caption_.size()) * ancho_caracter_, letra_marcas().alto);
    update();
}

QChar Tetiqueta_marcas::signo_del_tercio(double x, double ancho)
{
    const double tercio = ancho / 3.0;
    if (x <= tercio)
        return QLatin1Char('1');
    if (x > 2.0 * tercio)
        return QLatin1Char('2');
    return QLatin1Char('x');
}

QChar Tetiqueta_marcas::signo_pulsado(const QMouseEvent* evento) const
{
    return signo_del_tercio(evento->position().x(), width());
}

void Tetiqueta_marcas::dispara_mouse_down(const QMouseEvent* evento)
{
    const QPoint punto = evento->position().toPoint();
    Q_EMIT OnMouseDown(evento->button(), evento->modifiers(), punto.x(), punto.y());
}

void Tetiqueta_marcas::paintEvent(QPaintEvent*)
{
    QPainter pintor(this);
    pintor.setFont(letra_marcas().letra);
    pintor.setPen(tinta());
    const int base = letra_marcas().base;
    for (int i = 0; i < caption_.size(); ++i)
        if (caption_[i] != QLatin1Char(' '))
            pintor.drawText(i * ancho_caracter_, base, QString(caption_[i]));
}
