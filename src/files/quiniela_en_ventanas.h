#pragma once

#include "files/registro_quiniela.h"

// The slip lives in the widgets of the windows; these two read it from them
// and put a loaded one back, reaching every widget by its name.
namespace quiniela_en_ventanas {

registro_quiniela::Quiniela recoge();

// In the order that lets the check boxes' own handler run first (it blanks
// the match it marks), so that the stored signs then overwrite what it left.
// Nothing is recomputed: the windows show exactly what the file holds.
void restaura(const registro_quiniela::Quiniela& quiniela);

}  // namespace quiniela_en_ventanas
