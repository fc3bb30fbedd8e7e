#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <concepts>
#include <functional>

class QWidget;

// The program's two kinds of message: its own plain messages (one OK button,
// titled with the application's title) and the general error report for errors
// that end a handler (error icon, same title, full stop added when missing);
// and its questions, with standard buttons captioned in Spanish so that tests
// and assistive tools can tell the answers apart by their role.
// Tests capture all of them instead of blocking on a modal box.
class Mensajes {
public:
    static void muestra(const QString& texto);
    static void informa_error(const QString& texto);

    struct Boton {
        QMessageBox::StandardButton boton;
        QString texto;
    };
    // The button the user pressed; Escape or closing the box answers with the
    // last button given, which must be the one that changes nothing.
    static QMessageBox::StandardButton pregunta(QMessageBox::Icon icono, const QString& texto,
                                                const QList<Boton>& botones,
                                                QMessageBox::StandardButton por_defecto);

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

    // While captured, each question is recorded and answered with the next of
    // the answers given here, in order; a question with none left takes the
    // first of the standing answers that it offers (the test support stands
    // in for a user who goes on as before the question existed). A question
    // that offers none of them, or not the answer given, ends the test.
    static void fija_respuesta(QMessageBox::StandardButton respuesta);
    static void fija_respuestas_de_reserva(const QList<QMessageBox::StandardButton>& respuestas);
    struct Pregunta {
        QString texto;
        QList<Boton> botones;
        QMessageBox::StandardButton respuesta;
    };
    static QList<Pregunta> preguntas_capturadas();
};
