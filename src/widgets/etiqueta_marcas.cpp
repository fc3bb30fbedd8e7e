#include "widgets/etiqueta_marcas.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>

Tetiqueta_marcas::Tetiqueta_marcas(QWidget* propietario)
    : QWidget(propietario)
{
    QFont letra(QStringLiteral("Courier New"));
    letra.setStyleHint(QFont::TypeWriter);
    letra.setPixelSize(21);
    letra.setBold(true);
    setFont(letra);
    // Every position gets a whole number of pixels, so the marks line up
    // with the boxes of the pictures at any scale the font rounds to.
    ancho_caracter_ = qRound(QFontMetricsF(letra).horizontalAdvance(QLatin1Char(' ')));
    setCaption(QStringLiteral("   "));
}

void Tetiqueta_marcas::setCaption(const QString& caption)
{
    caption_ = caption;
    resize(static_cast<int>(caption_.size()) * ancho_caracter_, fontMetrics().height());
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
    pintor.setPen(palette().color(QPalette::WindowText));
    const int base = fontMetrics().ascent();
    for (int i = 0; i < caption_.size(); ++i)
        if (caption_[i] != QLatin1Char(' '))
            pintor.drawText(i * ancho_caracter_, base, QString(caption_[i]));
}
