#include "slip/aplicacion.h"
#include "slip/linea_ordenes.h"
#include "slip/programa.h"
#include "slip/ventana.h"
#include "widgets/mensajes.h"

#include <QApplication>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    // --help and --version are answered before Qt needs a display, so that
    // they work from any terminal.
    const Linea_ordenes previa = interpreta_linea_ordenes(argumentos_de(argc, argv));
    if (previa.pide == Linea_ordenes::Pide::ayuda || previa.pide == Linea_ordenes::Pide::version) {
        if (escribe_salida(stdout, previa.texto))
            return 0;
        std::fprintf(stderr, "tolvera: no se pudo escribir en la salida: %s\n", std::strerror(errno));
        return 1;
    }

    QApplication aplicacion(argc, argv);
    prepara_aplicacion();
    // Qt has now taken out its own options (-platform, -style ...) from argv;
    // its own list of the arguments has lost the bytes of names that are not
    // UTF-8.
    const Linea_ordenes orden = interpreta_linea_ordenes(argumentos_de(argc, argv));
    if (orden.pide == Linea_ordenes::Pide::error) {
        escribe_salida(stderr, orden.texto);
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
