#pragma once

#include <QString>
#include <QStringList>

#include <cstdio>

// What the command line asks for: tolvera [ARCHIVO.qui], --help, --version.
struct Linea_ordenes {
    enum class Pide { arrancar, ayuda, version, error };
    Pide pide = Pide::arrancar;
    // The bet file to load once the windows are up; empty for none.
    QString archivo;
    // What to print for ayuda and version (standard output) and for error
    // (standard error), ending in a line break.
    QString texto;
};

// `argumentos` as the program received them, its own name first. --help and
// --version win over anything else on the line, so that they can be answered
// before Qt has taken out its own options.
Linea_ordenes interpreta_linea_ordenes(const QStringList& argumentos);

// The program's version, as --version and the "autor" window give it.
QString version_del_programa();

// The arguments as the system passed them, names keeping every byte that is
// not valid UTF-8 (common/nombre_en_disco.h), so that a file named so loads.
QStringList argumentos_de(int argc, char* argv[]);

// Writes `texto` to `salida` and flushes it; false when it did not all get
// there (a full disk, a closed output), errno saying why.
bool escribe_salida(std::FILE* salida, const QString& texto);
