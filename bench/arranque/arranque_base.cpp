// The baseline: a bare Qt main window with a label, shown the same way.
#include "marca_inactivo.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication aplicacion(argc, argv);
    QMainWindow ventana;
    ventana.setWindowTitle(QStringLiteral("base"));
    ventana.setCentralWidget(new QLabel(QStringLiteral("base"), &ventana));
    ventana.showMaximized();
    QTimer::singleShot(0, &aplicacion, &marca_inactivo);
    return QApplication::exec();
}
