#pragma once

#include <QWidget>

#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Tflechas;
class Timagen;
class Trejilla;
class Tvalor1x2;
class Tvalor1x2_doble;
class Tventana_ayuda;
class Vigia_cambios;

// The main window: the slip picture with its 112 bet cells, the side panel
// with the match sign selectors, the bets count, the page shown, the variable
// marks and the variables table. The bet lives in these widgets; every
// handler reaches them by name.
class Tventana : public QWidget {
    Q_OBJECT

public:
    Tventana();
    ~Tventana() override;

    // Bets count: item index of `apuestas` times 2 plus 4 (2 with nothing chosen).
    int numero_apuestas() const;

    // Where the slip picture stands; the bet cells are placed from it.
    static constexpr int imagen_izquierda = 93;
    static constexpr int imagen_arriba = 12;
    static QPoint posicion_celda(int partido, int columna);

    // src/variables/acciones_ventana.cpp, published for the percentages
    // window: places one variable match's signs.
    void coloca_variables(const QString& nombre_partido, int partido, int c1, int cx, int c2);
    // The same with the sign of every played column given ('1', 'x' or '2').
    void coloca_signos(const QString& nombre_partido, int partido, const std::vector<char>& signos);
    void comprueba_repeticiones();

    // src/files/acciones_ventana.cpp: loads a bet file as "Recuperar" does
    // once the file is chosen; also the file named on the command line.
    // Errors are thrown for the general report.
    void recupera(const QString& ruta);

    // From now on the window knows when the slip has unsaved changes and
    // shows it in its title. Called once the other three windows exist: the
    // slip lives in them too.
    void vigila_cambios();

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    // src/slip/ventana.cpp: the widgets, their connections and the title.
    void crea_panel();
    void crea_boleto();
    void crea_pleno();
    void crea_mandos();
    void crea_tabla_variables();
    void conecta();
    void FormCreate();
    void pon_titulo(bool sin_guardar);

    // src/slip/ventana_manejadores.cpp: the window's own handlers.
    void Button1Click();
    void Checkvar1Click(QCheckBox* sender);
    void apuestasChange();
    void muestra_importe();
    void paginasClick();
    void signo1MouseDown(Tvalor1x2_doble* sender, int partido);
    void Button4Click();
    void configura_impresoraClick();
    void autorClick();
    void ayudaClick();

    // src/files/acciones_ventana.cpp: "Guardar", "Recuperar" and what they ask.
    void Button2Click();
    void Button3Click();
    bool guarda();
    bool puede_dejar_la_quiniela();

    // src/printing/acciones_ventana.cpp: both prints, the preview, the adjustment.
    void print1Click();
    void print2Click();
    void boton_vista_previaClick();
    void boton_ajusteClick();

    // src/variables/acciones_ventana.cpp: the variables and their table.
    void boton_variablesClick();
    void tabla_variablesMouseDown(Qt::MouseButton boton, int x, int y);

    // src/results/acciones_ventana.cpp: "comprobar".
    void boton_comprobarClick();

    QWidget* Panel1;
    QPushButton* Button4;
    QLineEdit* fecha;
    Timagen* imagen_columna;
    QPushButton* ayuda;
    Timagen* imagen_quiniela;
    Tflechas* paginas;
    QLabel* Label_pagina;
    QComboBox* apuestas;
    QLabel* importe;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QPushButton* autor;
    QPushButton* print1;
    QPushButton* print2;
    QPushButton* boton_vista_previa;
    QPushButton* configura_impresora;
    QPushButton* boton_ajuste;
    QPushButton* boton_variables;
    QPushButton* boton_comprobar;
    Trejilla* tabla_variables;
    Timagen* Image3;
    Tventana_ayuda* ventana_ayuda = nullptr;
    Vigia_cambios* vigia = nullptr;
    // The bet file last saved or loaded; empty for a slip of its own.
    QString archivo;
};

extern Tventana* ventana;
