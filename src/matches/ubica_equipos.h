#pragma once

#include <QString>
#include <QStringList>

// Where a team list is read from. The working directory comes first, by the
// bare name, so that a folder holding its own lists keeps working as it always
// did; an installed program finds them in its data folder.
namespace ubica_equipos {

// The installed data folder beside the executable (<prefix>/share/tolvera
// for <prefix>/bin/tolvera), then tolvera/ in every XDG data folder, the
// user's own first.
QStringList carpetas_de_datos();

// The bare name when the working directory holds the list, or when no folder
// does (the error then names the list as the user knows it); otherwise its
// path in the first folder that holds it.
QString ruta(const QString& nombre, const QStringList& carpetas = carpetas_de_datos());

}  // namespace ubica_equipos
