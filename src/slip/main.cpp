#include "slip/programa.h"
#include "slip/ventana.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication aplicacion(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tolvera"));
    crea_ventanas();
    ventana->showMaximized();
    const int resultado = QApplication::exec();
    destruye_ventanas();
    return resultado;
}
