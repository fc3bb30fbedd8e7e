#pragma once

#include "files/registro_pleno.h"
#include "files/registro_quiniela.h"

#include <QList>
#include <QString>

// The names of a slip that the record cannot keep letter for letter: it holds
// Windows-1252, and a team list read as UTF-8 may bring "Beşiktaş".
namespace nombres_guardables {

struct Inexacto {
    QString nombre;
    QString guardado;  // as a load will give it back
};

// The teams, the date and the Pleno's teams, each distinct text once, in the
// order of the slip.
QList<Inexacto> de(const registro_quiniela::Quiniela& quiniela, const registro_pleno::Pleno& pleno = {});

// What "Guardar" says of them before it writes.
QString aviso(const QList<Inexacto>& inexactos);

}  // namespace nombres_guardables
