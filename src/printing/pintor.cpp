#include "printing/pintor.h"

#include "common/error.h"
#include "printing/archivo_impresion.h"
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

// False when the document could not begin or did not end well.
bool dibuja(QPrinter& impresora, const std::function<Composicion(int dx, int dy)>& compone,
            const Laminas& laminas)
{
    QPainter pintor;
    if (!pintor.begin(&impresora))
        return false;
    reproduce(pintor, compone(impresora.logicalDpiX(), impresora.logicalDpiY()), laminas);
    return pintor.end();
}

// The printer writes into the new file only for this job; the user's choice
// of file stays as it was.
class Salida_temporal {
public:
    Salida_temporal(QPrinter& impresora, const QString& temporal)
        : impresora_(impresora), archivo_(impresora.outputFileName())
    {
        impresora_.setOutputFileName(temporal);
    }
    ~Salida_temporal() { impresora_.setOutputFileName(archivo_); }
    Salida_temporal(const Salida_temporal&) = delete;
    Salida_temporal& operator=(const Salida_temporal&) = delete;

private:
    QPrinter& impresora_;
    const QString archivo_;
};

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

int ancho_de_texto(const QString& texto, int dx, int dy)
{
    constexpr double pulgadas_por_metro = 1 / 0.0254;
    QImage medida(1, 1, QImage::Format_Mono);
    medida.setDotsPerMeterX(qRound(dx * pulgadas_por_metro));
    medida.setDotsPerMeterY(qRound(dy * pulgadas_por_metro));
    // As reproduce sets it up: the default font at 8 points, then the face.
    QFont letra;
    letra.setPointSize(8);
    letra.setFamily(QStringLiteral("arial"));
    return QFontMetrics(letra, &medida).horizontalAdvance(texto);
}

void imprime(const std::function<Composicion(int dx, int dy)>& compone, const Laminas& laminas)
{
    QPrinter& impresora = Impresora::elegida();
    impresora.setDocName(QString());
    // The layouts measure from the printable area, never from the paper's edge.
    impresora.setFullPage(false);
    const QString archivo = impresora.outputFileName();
    if (archivo.isEmpty()) {
        if (!dibuja(impresora, compone, laminas))
            throw Error_tolvera(QStringLiteral("Cannot print on %1").arg(impresora.printerName()));
        return;
    }
    Archivo_impresion salida(archivo);
    bool terminado = false;
    {
        const Salida_temporal temporal(impresora, salida.temporal());
        terminado = dibuja(impresora, compone, laminas);
    }
    salida.termina(terminado);
}

}  // namespace impresion
