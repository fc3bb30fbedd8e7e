#include "widgets/componentegoles.h"

#include "widgets/papel.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

const QString valores = QStringLiteral("012M");

// A press exactly on a quarter line belongs to the box on its left, as a
// press on a third line of the sign widgets does.
QString valor_del_cuarto(double x, double ancho)
{
    const double cuarto = ancho / 4.0;
    int caja = 0;
    while (caja < 3 && x > cuarto * (caja + 1))
        ++caja;
    return valores.mid(caja, 1);
}

}  // namespace

Tgoles::Tgoles(QWidget* propietario)
    : Tetiqueta_marcas(propietario)
{
    setCaption(QStringLiteral("    "));
}

void Tgoles::set_valor(const QString& valor)
{
    const qsizetype caja = valor.size() == 1 ? valores.indexOf(valor.at(0)) : -1;
    const QString nuevo = caja < 0 ? QString() : valor;
    QString caption(valores.size(), QLatin1Char(' '));
    if (caja >= 0)
        caption[caja] = QLatin1Char('X');
    valor_ = nuevo;
    setCaption(caption);
}

void Tgoles::mousePressEvent(QMouseEvent* evento)
{
    const QString pulsado = valor_del_cuarto(evento->position().x(), width());
    set_valor(pulsado == valor_ ? QString() : pulsado);
    dispara_mouse_down(evento);
}

// White paper with the four boxes and their letters in pale ink; the mark
// itself is drawn over them as on the slip.
void Tgoles::paintEvent(QPaintEvent* evento)
{
    {
        QPainter pintor(this);
        pintor.fillRect(rect(), Qt::white);
        const int paso = ancho_caracter();
        QFont pequena = font();
        pequena.setPixelSize(9);
        pintor.setFont(pequena);
        for (int caja = 0; caja < valores.size(); ++caja) {
            const QRect borde(caja * paso, 3, paso - 1, 14);
            pintor.setPen(tinta());
            pintor.drawRect(borde);
            pintor.setPen(Qt::gray);
            pintor.drawText(borde, Qt::AlignCenter, valores.mid(caja, 1));
        }
    }
    Tetiqueta_marcas::paintEvent(evento);
}
