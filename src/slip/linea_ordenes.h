#pragma once

#include <QString>
#include <QStringList>

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
