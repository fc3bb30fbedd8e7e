#include "slip/aplicacion.h"
#include "slip/linea_ordenes.h"
#include "slip/programa.h"
#include "slip/ventana.h"
#include "widgets/mensajes.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

namespace {

QStringList argumentos(int argc, char* argv[])
{
    QStringList lista;
    for (int i = 0; i < argc; ++i)
        lista.append(QString::fromLocal8Bit(argv[i]));
    return lista;
}

void escribe(std::FILE* salida, const QString& texto)
{
    std::fputs(texto.toLocal8Bit().constData(), salida);
}

}  // namespace

int main(int argc, char* argv[])
{
    // --help and --version are answered before Qt needs a display, so that
    // they work from any terminal.
    const Linea_ordenes previa = interpreta_linea_ordenes(argumentos(argc, argv));
    if (previa.pide == Linea_ordenes::Pide::ayuda || previa.pide == Linea_ordenes::Pide::version) {
        escribe(stdout, previa.texto);
        return 0;
    }

    QApplication aplicacion(argc, argv);
    prepara_aplicacion();
    // Qt has now taken out its own options (-platform, -style ...).
    const Linea_ordenes orden = interpreta_linea_ordenes(QApplication::arguments());
    if (orden.pide == Linea_ordenes::Pide::error) {
        escribe(stderr, orden.texto);
        return 1;
    }

    crea_ventanas();
    ventana->showMaximized();
    if (!orden.archivo.isEmpty())
        QTimer::singleShot(0, ventana,
                           Mensajes::protegido([archivo = orden.archivo] { ventana->recupera(archivo); }));
    const int resultado = QApplication::exec();
    destruye_ventanas();
    return resultado;
}
