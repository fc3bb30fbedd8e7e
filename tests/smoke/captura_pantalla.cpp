// Saves what the X display shows into a PNG file: captura_pantalla <file.png>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication aplicacion(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "uso: captura_pantalla <archivo.png>\n");
        return 2;
    }
    const QPixmap pantalla = QGuiApplication::primaryScreen()->grabWindow(0);
    return !pantalla.isNull() && pantalla.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
