#include "slip/linea_ordenes.h"

#include "common/nombre_en_disco.h"

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
        return {Linea_ordenes::Pide::version, {}, QStringLiteral("tolvera %1\n").arg(version_del_programa())};
    if (!bien && !analizador.unknownOptionNames().isEmpty())
        return error(QStringLiteral("opción desconocida: %1").arg(analizador.unknownOptionNames().constFirst()));
    if (!bien)
        return error(analizador.errorText());
    const QStringList archivos = analizador.positionalArguments();
    if (archivos.size() > 1)
        return error(QStringLiteral("solo se abre una quiniela, no %1").arg(archivos.size()));
    return {Linea_ordenes::Pide::arrancar, archivos.value(0), {}};
}

QString version_del_programa()
{
    return QStringLiteral(TOLVERA_VERSION);
}

QStringList argumentos_de(int argc, char* argv[])
{
    QStringList lista;
    for (int i = 0; i < argc; ++i)
        lista.append(nombre_en_disco::de_bytes(QByteArray(argv[i])));
    return lista;
}

bool escribe_salida(std::FILE* salida, const QString& texto)
{
    const QByteArray bytes = texto.toLocal8Bit();
    const bool escrito = std::fwrite(bytes.constData(), 1, bytes.size(), salida) == size_t(bytes.size());
    return std::fflush(salida) == 0 && escrito && !std::ferror(salida);
}
