#pragma once

#include <functional>

class QPrinter;
class QWidget;

// The printer every print goes to: the one chosen in the set-up dialog, or,
// until the user chooses one, the system's default printer.
class Impresora {
public:
    // Runs the printer set-up dialog; what is chosen there lasts until the
    // next choice or the end of the program.
    static void configura(QWidget* padre);

    // The printer to print on. Throws Error_tolvera when there is none.
    static QPrinter& elegida();

    // Test seam: the next set-up dialog is answered by this function instead
    // of the user (it may set the printer up and returns whether it was accepted).
    static void fija_respuesta(std::function<bool(QPrinter&)> respuesta);

    // Forgets the choice, as at program start.
    static void olvida();
};
