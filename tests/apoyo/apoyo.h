#pragma once

// What the window tests share: the four windows created afresh for each case,
// and real mouse presses on widgets found by name.

#include <QPoint>
#include <QString>
#include <QStringList>

#include "printing/composicion.h"

#include <functional>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QWidget;
class Tetiqueta_marcas;
class Tflechas;
class Trejilla;
class Tvalor1x2;
class Tvalor1x2_doble;

// Creates the four windows as the program does, with the random generator at
// seed 0, no warm-up draws, messages captured, questions not answered
// beforehand answered with the button that goes on, and no printer chosen;
// ends them when it goes.
class Ventanas_de_prueba {
public:
    Ventanas_de_prueba();
    ~Ventanas_de_prueba();
    Ventanas_de_prueba(const Ventanas_de_prueba&) = delete;
    Ventanas_de_prueba& operator=(const Ventanas_de_prueba&) = delete;
};

// The widget of that name on a window; one that is missing, or is not a T,
// ends the test run, naming it.
QWidget* widget(const QWidget* ventana, const QString& nombre);
[[noreturn]] void no_es_del_tipo(const QString& nombre, const char* tipo);
template <typename T>
T* widget_de(const QWidget* ventana, const QString& nombre)
{
    T* encontrado = qobject_cast<T*>(widget(ventana, nombre));
    if (!encontrado)
        no_es_del_tipo(nombre, T::staticMetaObject.className());
    return encontrado;
}

// The slip's widgets as the program names them, on the main window unless
// another is given. A missing one ends the test run, naming it.
namespace prueba {
Tvalor1x2* celda(int partido, int hueco);
Tvalor1x2_doble* selector(int partido, const QWidget* en = nullptr);
QCheckBox* marca(int partido);
QLabel* etiqueta_partido(int partido);
// The sign of bet column 1..16, whichever page holds it.
QChar signo_de_columna(int partido, int columna);
void pon_signo_de_columna(int partido, int columna, QChar signo);
}  // namespace prueba

// The matches window's grid, and the main window's date and page arrows.
Trejilla* tabla_partidos();
QLineEdit* fecha();
Tflechas* paginas();

// Bet column k with its first `aciertos` matches as `resultados` has them
// and every other match wrong.
void columna_con(const QString& resultados, int columna, int aciertos);

// The dots of a print, in drawing order.
std::vector<impresion::Rectangulo> puntos(const impresion::Composicion& operaciones);

// The name of the first other widget of the same parent that this one
// overlaps, or nothing.
QString solapado(const QWidget* widget);

void pulsa(QWidget* destino, QPoint punto, Qt::MouseButton boton = Qt::LeftButton);
void pulsa_boton(const QWidget* ventana, const QString& nombre);

// A press in the middle of the third of the sign ('1', 'x' or '2').
void pulsa_signo(Tetiqueta_marcas* marcas, QChar signo);
// A press on a selector of the main window: "signo" + m.
void pulsa_selector(int partido, QChar signo);

// A press in the middle of a grid cell.
void pulsa_celda(Trejilla* rejilla, int columna, int fila, Qt::MouseButton boton = Qt::LeftButton);

// Chooses the bets count in `apuestas` as a user does: opens the list and
// clicks the entry.
void elige_apuestas(int apuestas);

// "Guardar" and "Recuperar" with the file dialog answered by `ruta`.
void guarda_como(const QString& ruta);
void recupera(const QString& ruta);

// A team list of the matches window, and the entries it holds, in order.
QListWidget* lista_equipos(const QString& nombre);
QStringList entradas(const QString& lista);
// A click on entry `entrada` of a team list, scrolled into view first.
void elige_equipo(QListWidget* lista, int entrada);

// The date replaced as a user does it: a click, all of it erased, `texto` typed.
void escribe_fecha(const QString& texto);

// A file holding exactly `bytes`; false if it could not be written whole.
[[nodiscard]] bool escribe_bytes(const QString& ruta, const QByteArray& bytes);
// What a file holds; a null array if it cannot be read.
QByteArray contenido(const QString& ruta);

// "Configura" answered with a PDF file on A4 with quarter-inch margins.
void elige_pdf(const QString& archivo, int puntos_por_pulgada = 300);

// Marks match m as variable by clicking its check box.
void pulsa_marca(int partido);

// Runs `accion` once the modal window `ventana` (or the first one named
// `nombre`) is on show; the test then opens it. The action must close it. A
// window that has not shown within twenty seconds ends the test run.
void al_abrirse(QWidget* ventana, std::function<void()> accion);
void al_abrirse(const QString& nombre, std::function<void(QWidget*)> accion);
// The same for the first modal window of class T, such as Qt's own dialogs.
void al_abrirse(const char* clase, std::function<void(QWidget*)> accion);
template <typename T>
void al_abrirse(std::function<void(T*)> accion)
{
    al_abrirse(T::staticMetaObject.className(), [accion](QWidget* modal) { accion(static_cast<T*>(modal)); });
}

// Opens a modal window with the main window's button `abre`, runs `dentro`
// while it is on show, and closes it with its button `cierra` if `dentro`
// left it open. A window that never opened or would not close, or a check
// that failed inside it, ends the test run: the case cannot go on from where
// it stopped.
void dentro_de(QWidget* modal, const QString& abre, const QString& cierra, const std::function<void()>& dentro);
void dentro_de(const QString& modal, const QString& abre, const QString& cierra,
               const std::function<void(QWidget*)>& dentro);

// Runs `dentro` while the matches window, opened by "Partidos", is on show.
void en_partidos(const std::function<void()>& dentro);
