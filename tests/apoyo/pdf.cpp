#include "apoyo/pdf.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

QString ejecuta(const char* nombre_programa, const QStringList& argumentos)
{
    const QString ruta = QStandardPaths::findExecutable(QString::fromLatin1(nombre_programa));
    if (ruta.isEmpty())
        qFatal("%s is missing: install the Debian package poppler-utils", nombre_programa);
    QProcess proceso;
    proceso.start(ruta, argumentos);
    if (!proceso.waitForFinished(60000) || proceso.exitCode() != 0)
        qFatal("%s failed: %s", nombre_programa, proceso.readAllStandardError().constData());
    return QString::fromLocal8Bit(proceso.readAllStandardOutput());
}

QList<QImage> rasteriza(const QString& pdf, int puntos_por_pulgada)
{
    const QTemporaryDir carpeta;
    if (!carpeta.isValid())
        qFatal("no folder for the pages of %s", qPrintable(pdf));
    ejecuta("pdftoppm", {QStringLiteral("-r"), QString::number(puntos_por_pulgada), pdf, carpeta.filePath(QStringLiteral("pagina"))});
    QList<QImage> paginas;
    const QStringList archivos = QDir(carpeta.path()).entryList({QStringLiteral("pagina*.ppm")}, QDir::Files, QDir::Name);
    for (const QString& archivo : archivos)
        paginas.append(QImage(carpeta.filePath(archivo)).convertToFormat(QImage::Format_RGB32));
    return paginas;
}

bool blanco(QRgb color)
{
    return qRed(color) > 225 && qGreen(color) > 225 && qBlue(color) > 225;
}

bool oscuro(QRgb color)
{
    return qRed(color) < 100 && qGreen(color) < 100 && qBlue(color) < 100;
}
