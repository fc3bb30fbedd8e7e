#include "matches/ubica_equipos.h"

#include "common/nombre_en_disco.h"

#include <QCoreApplication>
#include <QDir>

#include <sys/stat.h>

namespace ubica_equipos {

namespace {

// The XDG folders as the environment names them, read from its bytes: Qt's
// own reading (QStandardPaths) loses a folder whose name is not UTF-8.
// Relative folders are ignored, as the XDG rules ask.
QStringList carpetas_xdg()
{
    QStringList carpetas;
    const auto anade = [&carpetas](const QByteArray& carpeta) {
        if (carpeta.startsWith('/'))
            carpetas.append(nombre_en_disco::de_bytes(carpeta));
    };
    const QByteArray propia = qgetenv("XDG_DATA_HOME");
    if (!propia.isEmpty())
        anade(propia);
    else if (const QByteArray casa = qgetenv("HOME"); !casa.isEmpty())
        anade(casa + "/.local/share");
    QByteArray sistema = qgetenv("XDG_DATA_DIRS");
    if (sistema.isEmpty())
        sistema = "/usr/local/share:/usr/share";
    for (const QByteArray& carpeta : sistema.split(':'))
        anade(carpeta);
    return carpetas;
}

bool existe(const QString& ruta)
{
    struct stat datos {};
    return ::stat(nombre_en_disco::a_bytes(ruta).constData(), &datos) == 0;
}

}  // namespace

QStringList carpetas_de_datos()
{
    QStringList carpetas{QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/')
                                         + QStringLiteral(TOLVERA_DATOS_DESDE_PROGRAMA))};
    for (const QString& datos : carpetas_xdg())
        carpetas.append(QDir::cleanPath(datos) + QStringLiteral("/tolvera"));
    return carpetas;
}

QString ruta(const QString& nombre, const QStringList& carpetas)
{
    if (existe(nombre))
        return nombre;
    for (const QString& carpeta : carpetas) {
        const QString candidata = carpeta + QLatin1Char('/') + nombre;
        if (existe(candidata))
            return candidata;
    }
    return nombre;
}

}  // namespace ubica_equipos
