// Draws the program's pictures and writes them as JPEG files:
//   dibuja_laminas <folder>
// writes quiniela.jpg (the slip), columna.jpg (one column of boxes) and the
// two mouse legends into <folder>. The boxes come from src/common/geometria_laminas.h,
// which is also where the windows place their marks.
#include "common/geometria_laminas.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

#include <jpeglib.h>

namespace {

const QColor tinta(200, 30, 45);
const QColor tinta_clara(240, 150, 158);
const QColor rosa(253, 236, 238);

QFont letra(const char* familia, int pixeles, bool negrita)
{
    QFont f(QString::fromLatin1(familia));
    f.setPixelSize(pixeles);
    f.setBold(negrita);
    return f;
}

QRect rect(const laminas::Caja& caja)
{
    return QRect(QPoint(caja.izquierda, caja.arriba), QPoint(caja.derecha, caja.abajo));
}

void caja(QPainter& p, const laminas::Caja& c, int signo)
{
    const QRect r = rect(c);
    p.fillRect(r, Qt::white);
    p.setPen(tinta);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setPen(tinta_clara);
    p.setFont(letra("Liberation Sans", 9, true));
    static const char* const signos[3] = {"1", "X", "2"};
    p.drawText(r, Qt::AlignCenter, QString::fromLatin1(signos[signo]));
}

QImage boleto()
{
    using namespace laminas;
    QImage im(boleto_ancho, boleto_alto, QImage::Format_RGB32);
    im.fill(Qt::white);
    QPainter p(&im);
    p.setPen(QPen(tinta, 2));
    p.drawRoundedRect(QRectF(2, 2, boleto_ancho - 4, boleto_alto - 4), 8, 8);

    p.setPen(tinta);
    p.setFont(letra("Liberation Sans", 30, true));
    p.drawText(QRect(16, 8, 260, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("QUINIELA"));
    p.setFont(letra("Liberation Sans", 11, false));
    p.drawText(QRect(16, 42, 300, 16), Qt::AlignLeft, QStringLiteral("Boleto de apuestas de fútbol · 14 partidos"));
    p.setFont(letra("Liberation Sans", 11, true));
    p.drawText(QRect(330, 14, 220, 16), Qt::AlignLeft, QStringLiteral("JORNADA ______"));
    p.drawText(QRect(330, 36, 220, 16), Qt::AlignLeft, QStringLiteral("FECHA ______________"));

    // Alternate slots stand on a pale band so the eight columns read apart.
    const int alto_filas = celda_arriba(14) + caja_margen_abajo + 3 - (celda_arriba(1) - 16);
    for (int c = 1; c <= 8; c += 2)
        p.fillRect(celda_izquierda(c) - 1, celda_arriba(1) - 16, 40, alto_filas, rosa);

    p.setFont(letra("Liberation Sans", 10, true));
    p.drawText(QRect(19, celda_arriba(1) - 16, 120, 16), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("PARTIDOS"));
    for (int c = 1; c <= 8; ++c)
        p.drawText(QRect(celda_izquierda(c) - 1, celda_arriba(1) - 16, 40, 16), Qt::AlignCenter, QString::number(c));
    p.drawText(QRect(marca_variable_izquierda - 6, celda_arriba(1) - 16, 28, 16), Qt::AlignCenter, QStringLiteral("VAR"));

    for (int m = 1; m <= 14; ++m) {
        const int base = celda_arriba(m) + caja_margen_abajo + 1;
        p.setPen(QPen(tinta_clara, 1, Qt::DotLine));
        p.drawLine(12, base, celda_izquierda(1) - 4, base);
        p.drawLine(celda_izquierda(8) + 42, base, boleto_ancho - 12, base);
        for (int c = 1; c <= 8; ++c)
            for (int s = 0; s < 3; ++s)
                caja(p, caja_boleto(m, c, s), s);
    }

    p.setPen(tinta);
    p.setFont(letra("Liberation Sans", 10, false));
    p.drawText(QRect(16, boleto_alto - 26, boleto_ancho - 32, 16), Qt::AlignRight,
               QStringLiteral("Tolvera · 1 local · X empate · 2 visitante"));
    return im;
}

QImage columna()
{
    using namespace laminas;
    QImage im(columna_ancho, columna_alto, QImage::Format_RGB32);
    im.fill(rosa);
    QPainter p(&im);
    for (int m = 1; m <= 14; ++m)
        for (int s = 0; s < 3; ++s)
            caja(p, caja_columna(m, s), s);
    return im;
}

// A mouse seen from above with a caption on each button.
QImage raton(const QStringList& botones)
{
    using namespace laminas;
    QImage im(raton_ancho, raton_alto, QImage::Format_RGB32);
    im.fill(Qt::white);
    QPainter p(&im);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.5));
    const QRectF cuerpo(12.5, 14.5, 56, 86);
    QPainterPath contorno;
    contorno.addRoundedRect(cuerpo, 26, 30);
    p.fillPath(contorno, QColor(235, 235, 235));
    p.drawPath(contorno);
    const double ancho = cuerpo.width() / botones.size();
    const double fondo = cuerpo.top() + 38;
    p.drawLine(QPointF(cuerpo.left(), fondo), QPointF(cuerpo.right(), fondo));
    p.setFont(letra("Liberation Sans", 15, true));
    for (int i = 0; i < botones.size(); ++i) {
        const QRectF boton(cuerpo.left() + i * ancho, cuerpo.top(), ancho, fondo - cuerpo.top());
        if (i > 0)
            p.drawLine(boton.topLeft() + QPointF(0, 4), boton.bottomLeft());
        p.setPen(tinta);
        p.drawText(boton.adjusted(0, 8, 0, 0), Qt::AlignCenter, botones[i]);
        p.setPen(QPen(Qt::black, 1.5));
    }
    return im;
}


bool escribe_jpeg(const QImage& imagen, const QString& ruta)
{
    const QImage rgb = imagen.convertToFormat(QImage::Format_RGB888);
    FILE* archivo = std::fopen(ruta.toLocal8Bit().constData(), "wb");
    if (!archivo)
        return false;
    jpeg_compress_struct info {};
    jpeg_error_mgr error {};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, archivo);
    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    // Quality 85 with halved colour resolution keeps the thin red borders
    // clean enough and halves what the program decodes at start.
    jpeg_set_quality(&info, 85, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto* fila = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &fila, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(archivo) == 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplicacion(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "uso: dibuja_laminas <carpeta>\n");
        return 2;
    }
    const QString carpeta = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    const bool bien = escribe_jpeg(boleto(), carpeta + QStringLiteral("quiniela.jpg"))
        && escribe_jpeg(columna(), carpeta + QStringLiteral("columna.jpg"))
        && escribe_jpeg(raton({QStringLiteral("1"), QStringLiteral("X"), QStringLiteral("2")}),
                        carpeta + QStringLiteral("raton_variables.jpg"))
        && escribe_jpeg(raton({QStringLiteral("+"), QStringLiteral("−")}),
                        carpeta + QStringLiteral("raton_porcentajes.jpg"));
    if (!bien)
        std::fprintf(stderr, "dibuja_laminas: no se pudo escribir en %s\n", argv[1]);
    return bien ? 0 : 1;
}
