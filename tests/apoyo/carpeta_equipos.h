#pragma once

// The program reads its team lists from the working directory. A test that
// creates the windows first makes a folder of its own the working directory,
// holding the lists it wants (a null list is a missing file), and leaves the
// old one back when it ends.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class Carpeta_equipos {
public:
    // Windows-1252, one team a line, as the program ships them.
    static QByteArray primera_de_prueba()
    {
        return QByteArrayLiteral("Alav\xe9s\r\nAthletic\r\nAtl\xe9tico\r\nBarcelona\r\nBetis\r\nCelta\r\n"
                                 "Elche\r\nEspanyol\r\nGetafe\r\nGirona\r\nLevante\r\nMallorca\r\n"
                                 "Osasuna\r\nR. Oviedo\r\nRayo\r\nR. Madrid\r\n");
    }
    static QByteArray segunda_de_prueba()
    {
        return QByteArrayLiteral("Albacete\r\nAlmer\xed" "a\r\nBurgos\r\nC\xe1" "diz\r\nCastell\xf3n\r\n"
                                 "C\xf3rdoba\r\nDeportivo\r\nEibar\r\nGranada\r\nHuesca\r\nLegan\xe9s\r\n");
    }

    explicit Carpeta_equipos(const QByteArray& primera = primera_de_prueba(),
                             const QByteArray& segunda = segunda_de_prueba())
        : anterior_(QDir::currentPath())
    {
        escribe(QStringLiteral("primera.txt"), primera);
        escribe(QStringLiteral("segunda.txt"), segunda);
        QDir::setCurrent(carpeta_.path());
    }
    ~Carpeta_equipos() { QDir::setCurrent(anterior_); }
    Carpeta_equipos(const Carpeta_equipos&) = delete;
    Carpeta_equipos& operator=(const Carpeta_equipos&) = delete;

    QString ruta(const QString& nombre) const { return carpeta_.filePath(nombre); }

private:
    void escribe(const QString& nombre, const QByteArray& contenido)
    {
        if (contenido.isNull())
            return;
        QFile archivo(carpeta_.filePath(nombre));
        if (!archivo.open(QIODevice::WriteOnly) || archivo.write(contenido) != contenido.size())
            qFatal("cannot write the team list %s", qPrintable(nombre));
    }

    QString anterior_;
    QTemporaryDir carpeta_;
};
