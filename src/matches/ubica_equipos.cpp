#include "matches/ubica_equipos.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace ubica_equipos {

QStringList carpetas_de_datos()
{
    QStringList carpetas{QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/')
                                         + QStringLiteral(TOLVERA_DATOS_DESDE_PROGRAMA))};
    for (const QString& datos : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        carpetas.append(datos + QStringLiteral("/tolvera"));
    return carpetas;
}

QString ruta(const QString& nombre, const QStringList& carpetas)
{
    if (QFileInfo::exists(nombre))
        return nombre;
    for (const QString& carpeta : carpetas) {
        const QString candidata = QDir(carpeta).filePath(nombre);
        if (QFileInfo::exists(candidata))
            return candidata;
    }
    return nombre;
}

}  // namespace ubica_equipos
