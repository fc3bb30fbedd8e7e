#pragma once

class QLocale;

// What the desktop learns of the running program, set once the application
// object exists: its name and version, the desktop entry it belongs to (docks
// and Wayland take the icon from there), the icon every window inherits, and
// Qt's own translations for the user's language.
void prepara_aplicacion();

// Qt's own texts (file and print dialogs, message box buttons) in the
// language of `idioma`, when Qt has a translation for it; the program's own
// texts are Spanish already and are not translated.
void traduce_textos_de_qt(const QLocale& idioma);
