// Tolvera's own start, as main() does it, ending as soon as the event queue
// is idle after the main window is shown.
#include "slip/programa.h"
#include "slip/ventana.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication aplicacion(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tolvera"));
    crea_ventanas();
    ventana->showMaximized();
    QTimer::singleShot(0, &aplicacion, &QApplication::quit);
    const int resultado = QApplication::exec();
    destruye_ventanas();
    return resultado;
}
