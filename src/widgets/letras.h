#pragma once

#include <QFont>
#include <QStringList>

// "Courier New" as the program's texts ask for it. Liberation Mono has the
// same metrics and comes with the program's packages; naming it first spares
// the font-substitution lookup that otherwise costs a visible part of the
// start-up.
inline QFont courier_new()
{
    // Not a copy of the application's font, which may come from the theme.
    QFont letra(QStringLiteral("Liberation Mono"));
    letra.setFamilies({QStringLiteral("Liberation Mono"), QStringLiteral("Courier New")});
    letra.setStyleHint(QFont::TypeWriter);
    return letra;
}

// The face every window is laid out for, to the pixel: 8-point Liberation Sans
// (Arial's metrics). Each window sets it as its own font with every attribute
// marked as set, so that its widgets take it whole from the window over any
// font a desktop theme gives the application or a class of widgets.
inline QFont letra_ventanas()
{
    QFont letra(QStringLiteral("Liberation Sans"), 8);
    letra.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    letra.setResolveMask(QFont::AllPropertiesResolved);
    return letra;
}
