#include "common/jpeg.h"

#include "common/error.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

struct Gestor_error {
    jpeg_error_mgr base;
    std::jmp_buf salto;
    char mensaje[JMSG_LENGTH_MAX];
};

[[noreturn]] void salta_fuera(j_common_ptr info)
{
    auto* gestor = reinterpret_cast<Gestor_error*>(info->err);
    (*info->err->format_message)(info, gestor->mensaje);
    std::longjmp(gestor->salto, 1);
}

// Corrupt-data warnings are errors too: a picture that needs them is damaged.
void aviso(j_common_ptr info, int nivel)
{
    if (nivel < 0)
        salta_fuera(info);
}

// Everything libjpeg touches lives here, with no C++ destructor between the
// setjmp and a longjmp out of the library.
bool descomprime(const QByteArray& datos, QImage& imagen, Gestor_error& gestor)
{
    jpeg_decompress_struct info {};
    info.err = jpeg_std_error(&gestor.base);
    gestor.base.error_exit = salta_fuera;
    gestor.base.emit_message = aviso;
    if (setjmp(gestor.salto)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(datos.constData()),
                 static_cast<unsigned long>(datos.size()));
    jpeg_read_header(&info, TRUE);
    // Straight into the layout of Qt's native 32-bit format, so that turning
    // the picture into a pixmap copies nothing.
    info.out_color_space = JCS_EXT_BGRX;
    info.dct_method = JDCT_IFAST;
    jpeg_start_decompress(&info);
    imagen = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                    QImage::Format_RGB32);
    while (info.output_scanline < info.output_height) {
        JSAMPROW fila = imagen.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &fila, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

QImage carga_jpeg(const QByteArray& datos, const QString& origen)
{
    if (datos.isEmpty())
        throw Error_tolvera(QStringLiteral("La imagen %1 está vacía").arg(origen));
    QImage imagen;
    Gestor_error gestor {};
    if (!descomprime(datos, imagen, gestor))
        throw Error_tolvera(QStringLiteral("La imagen %1 está dañada (%2)")
                                .arg(origen, QString::fromLocal8Bit(gestor.mensaje)));
    return imagen;
}

QImage carga_jpeg(const QString& ruta)
{
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadOnly))
        throw Error_tolvera(QStringLiteral("Cannot open file %1").arg(ruta));
    return carga_jpeg(archivo.readAll(), ruta);
}
