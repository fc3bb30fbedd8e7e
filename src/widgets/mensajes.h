#pragma once

#include <QString>
#include <QStringList>

#include <concepts>
#include <functional>

class QWidget;

// The program's two kinds of message: its own plain messages (one OK button,
// titled with the application's title) and the general error report for errors
// that end a handler (error icon, same title, full stop added when missing).
// Tests capture both instead of blocking on a modal box.
class Mensajes {
public:
    static void muestra(const QString& texto);
    static void informa_error(const QString& texto);

    // Runs a handler; an exception thrown inside ends it and is reported: an
    // Error_tolvera with its text, a lack of memory as "Out of memory", any
    // other standard exception with what it says. Every handler a widget
    // triggers runs inside it, so that none of them ends the program.
    static void protege(const std::function<void()>& manejador);

    // The same for connect(): a handler of a signal that runs inside protege
    // and takes as many of the signal's arguments as `manejador` does.
    template <typename Manejador>
    static auto protegido(Manejador manejador)
    {
        return [manejador](auto&&... argumentos)
                   requires std::invocable<const Manejador&, decltype(argumentos)...>
        { protege([&] { manejador(argumentos...); }); };
    }

    // Test seam: from now on messages are recorded, not shown. Each entry is
    // the text as the user would read it in the box.
    static void captura();
    static QStringList capturados();
    static QStringList errores_capturados();
    static void olvida();
};
