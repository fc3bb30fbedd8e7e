#pragma once

#include <QString>

class QWidget;

// The program's file dialogs. An empty answer means the user cancelled; a
// name that lost letters on its way through Qt (the system's name is not
// valid UTF-8) throws Error_tolvera saying so.
// Tests answer the next dialog beforehand with fija_siguiente, so that no
// modal dialog ever waits for them; the title and filter it would have shown
// are kept for them to check.
class Dialogo_archivo {
public:
    // The open dialog also accepts a name that does not exist.
    static QString abre(QWidget* padre, const QString& titulo, const QString& filtro);
    // The save dialog does not ask before replacing a file.
    static QString guarda(QWidget* padre, const QString& titulo, const QString& filtro);

    // Both open in the folder of the last bet file saved or loaded during this
    // run; until then in the working directory.
    static QString carpeta();
    static void recuerda_carpeta_de(const QString& ruta);

    static void fija_siguiente(const QString& ruta);
    static QString ultimo_titulo();
    static QString ultimo_filtro();
};
