#pragma once

#include "matches/pagina_partidos.h"
#include "widgets/ventana_secundaria.h"

class QListWidget;
class QPushButton;
class THTTPGet;
class Tlista_equipos;
class Trejilla;

// The matches window: the match table, home and away team of each of the 14
// matches, filled by picking teams from the two lists; "OK" writes the match
// names onto the main window.
class Tventana_partidos : public Tventana_secundaria {
    Q_OBJECT

public:
    Tventana_partidos();
    ~Tventana_partidos() override;

    // "Nuevo" on the main window: empties both team columns of the match
    // table and the Pleno's row.
    void vacia_equipos();

    // A load or "Nuevo" on the main window: a download still running ends,
    // and neither its page nor its failure is heard of.
    void abandona_descarga();

    // Home and away team of match n (1..14) into its row of the match table.
    void coloca_equipos(int n, const pagina_partidos::Equipos& equipos);

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void FormCreate();
    void equipos_primeraClick(QListWidget* sender);
    void coloca_en_pleno(const QString& equipo);
    void tabla_partidosMouseDown();
    void tabla_plenoMouseDown(int x, int y);
    void boton_okClick();
    void boton_cancelarClick();
    void Boton_internetClick();
    void HTTPGetwebDoneString(QObject* Sender, const QString& Result);
    void HTTPGetwebError(QObject* Sender);

    void crea_controles();
    void conecta();
    void crea_HTTPGetweb();

    Trejilla* tabla_partidos;
    Trejilla* tabla_pleno;
    // Where the next picked team goes: the match table, or the Pleno's row
    // once one of its team cells has been clicked.
    bool destino_pleno_ = false;
    Tlista_equipos* equipos_primera;
    Tlista_equipos* equipos_segunda;
    QPushButton* boton_ok;
    QPushButton* boton_cancelar;
    QPushButton* Boton_internet;
    THTTPGet* HTTPGetweb;
    bool descarga_abandonada = false;
};

// Home team, " - ", away team; empty while either team is missing.
QString nombre_partido(const QString& local, const QString& visitante);

extern Tventana_partidos* ventana_partidos;
