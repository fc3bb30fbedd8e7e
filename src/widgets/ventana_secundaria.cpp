#include "widgets/ventana_secundaria.h"

#include "widgets/letras.h"

#include <QWindow>

// The main window is not made the parent: its search by name would then find
// the widgets of these windows too.
Tventana_secundaria::Tventana_secundaria(QWidget* principal, const QString& caption, int ancho, int alto)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      principal_(principal)
{
    setWindowTitle(caption);
    setFont(letra_ventanas());
    setFixedSize(ancho - 8, alto - 27);
    setModal(true);
}

// Told before the window is mapped, so the window manager keeps it above the
// main window from the start.
void Tventana_secundaria::showEvent(QShowEvent* evento)
{
    if (principal_ && principal_->windowHandle() && windowHandle())
        windowHandle()->setTransientParent(principal_->windowHandle());
    QDialog::showEvent(evento);
}
