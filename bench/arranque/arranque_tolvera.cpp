// Tolvera's own start, as main() does it, up to the moment the event queue is
// first idle with the main window shown.
#include "marca_inactivo.h"

#include "slip/aplicacion.h"
#include "slip/programa.h"
#include "slip/ventana.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication aplicacion(argc, argv);
    prepara_aplicacion();
    crea_ventanas();
    ventana->showMaximized();
    QTimer::singleShot(0, &aplicacion, &marca_inactivo);
    return QApplication::exec();
}
