#include "printing/pintor.h"

#include "common/error.h"
#include "printing/impresora.h"

#include <QPainter>
#include <QPrinter>

namespace impresion {

namespace {

class Reproductor {
public:
    Reproductor(QPainter& pintor, const Laminas& laminas)
        : pintor_(pintor), laminas_(laminas)
    {
    }

    void operator()(const Dibuja_lamina& operacion)
    {
        const Rectangulo& r = operacion.rect;
        const QImage& imagen =
            operacion.lamina == Lamina::quiniela ? laminas_.quiniela : laminas_.columna;
        pintor_.drawImage(QRect(r.izquierda, r.arriba, r.derecha - r.izquierda, r.abajo - r.arriba),
                          imagen);
    }

    // The white box hides whatever lies under the cell, so a later text
    // covers the end of an earlier one.
    void operator()(const Escribe& operacion)
    {
        const QFontMetrics medidas = pintor_.fontMetrics();
        pintor_.fillRect(QRect(operacion.x, operacion.y, medidas.horizontalAdvance(operacion.texto),
                               medidas.height()),
                         Qt::white);
        pintor_.drawText(operacion.x, operacion.y + medidas.ascent(), operacion.texto);
    }

    void operator()(const Cambia_cara& operacion)
    {
        QFont letra = pintor_.font();
        letra.setFamily(operacion.cara);
        pintor_.setFont(letra);
    }

    void operator()(const Relleno_negro&) { pintor_.setBrush(QBrush(Qt::black, Qt::SolidPattern)); }

    // The outline is centred on a line half a dot inside the rectangle, so
    // the dot, pen included, covers exactly the rectangle's dots.
    void operator()(const Elipse& operacion)
    {
        const Rectangulo& r = operacion.rect;
        pintor_.drawEllipse(QRectF(r.izquierda + 0.5, r.arriba + 0.5, r.derecha - r.izquierda - 1,
                                   r.abajo - r.arriba - 1));
    }

private:
    QPainter& pintor_;
    const Laminas& laminas_;
};

QString destino(const QPrinter& impresora)
{
    return impresora.outputFileName().isEmpty() ? impresora.printerName()
                                                : impresora.outputFileName();
}

}  // namespace

void reproduce(QPainter& pintor, const Composicion& operaciones, const Laminas& laminas)
{
    pintor.setPen(QPen(Qt::black, 1));
    pintor.setRenderHint(QPainter::SmoothPixmapTransform);
    QFont letra = pintor.font();
    letra.setPointSize(8);
    pintor.setFont(letra);
    Reproductor reproductor(pintor, laminas);
    for (const Operacion& operacion : operaciones)
        std::visit(reproductor, operacion);
}

void imprime(const std::function<Composicion(int dx, int dy)>& compone, const Laminas& laminas)
{
    QPrinter& impresora = Impresora::elegida();
    impresora.setDocName(QString());
    // The layouts measure from the printable area, never from the paper's edge.
    impresora.setFullPage(false);
    QPainter pintor;
    if (!pintor.begin(&impresora))
        throw Error_tolvera(QStringLiteral("Cannot print on %1").arg(destino(impresora)));
    reproduce(pintor, compone(impresora.logicalDpiX(), impresora.logicalDpiY()), laminas);
    pintor.end();
}

}  // namespace impresion
