#include "slip/linea_ordenes.h"

#include <QCommandLineParser>

namespace {

// Written out whole, rather than Qt's generated help, so that it reads in
// Spanish whatever the user's language.
const QString ayuda = QStringLiteral(
    "Uso: tolvera [ARCHIVO.qui]\n"
    "Rellena boletos de la quiniela.\n"
    "\n"
    "Con ARCHIVO.qui, abre esa quiniela al empezar, como \"Recuperar\".\n"
    "\n"
    "Opciones:\n"
    "  -h, --help     Muestra esta ayuda y termina.\n"
    "  -v, --version  Muestra la versión y termina.\n");

Linea_ordenes error(const QString& texto)
{
    return {Linea_ordenes::Pide::error, {},
            QStringLiteral("tolvera: %1\nPruebe «tolvera --help».\n").arg(texto)};
}

}  // namespace

Linea_ordenes interpreta_linea_ordenes(const QStringList& argumentos)
{
    QCommandLineParser analizador;
    const QCommandLineOption opcion_ayuda({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption opcion_version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    analizador.addOption(opcion_ayuda);
    analizador.addOption(opcion_version);
    const bool bien = analizador.parse(argumentos);

    if (analizador.isSet(opcion_ayuda))
        return {Linea_ordenes::Pide::ayuda, {}, ayuda};
    if (analizador.isSet(opcion_version))
        return {Linea_ordenes::Pide::version, {}, QStringLiteral("tolvera " TOLVERA_VERSION "\n")};
    if (!bien && !analizador.unknownOptionNames().isEmpty())
        return error(QStringLiteral("opción desconocida: %1").arg(analizador.unknownOptionNames().constFirst()));
    if (!bien)
        return error(analizador.errorText());
    const QStringList archivos = analizador.positionalArguments();
    if (archivos.size() > 1)
        return error(QStringLiteral("solo se abre una quiniela, no %1").arg(archivos.size()));
    return {Linea_ordenes::Pide::arrancar, archivos.value(0), {}};
}
