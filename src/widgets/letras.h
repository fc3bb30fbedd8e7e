#pragma once

#include <QFont>
#include <QStringList>

// "Courier New" as the program's texts ask for it. Liberation Mono has the
// same metrics and comes with the program's packages; naming it first spares
// the font-substitution lookup that otherwise costs a visible part of the
// start-up.
inline QFont courier_new()
{
    QFont letra;
    letra.setFamilies({QStringLiteral("Liberation Mono"), QStringLiteral("Courier New")});
    letra.setStyleHint(QFont::TypeWriter);
    return letra;
}
