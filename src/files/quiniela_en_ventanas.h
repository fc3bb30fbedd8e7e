#pragma once

#include "files/registro_pleno.h"
#include "files/registro_quiniela.h"

#include <QByteArray>

// The slip lives in the widgets of the windows; these two read it from them
// and put a loaded one back, reaching every widget by its name.
namespace quiniela_en_ventanas {

registro_quiniela::Quiniela recoge();

// In the order that lets the check boxes' own handler run first (it blanks
// the match it marks), so that the stored signs then overwrite what it left.
// Nothing is recomputed: the windows show exactly what the file holds.
void restaura(const registro_quiniela::Quiniela& quiniela);

// The Pleno al 15: its teams in the matches window, its name and forecast on
// the main window.
registro_pleno::Pleno recoge_pleno();
void restaura_pleno(const registro_pleno::Pleno& pleno);

// The bytes "Guardar" writes for the slip on show: the record, followed by
// the Pleno's trailer when the Pleno holds anything.
QByteArray contenido_archivo();

}  // namespace quiniela_en_ventanas
