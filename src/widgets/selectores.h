#pragma once

#include <QPoint>

class QWidget;

// The 14 match sign selectors "signo1" to "signo14", one over each row of the
// column picture whose top-left corner stands at `imagen` in `padre`. The
// main window and the hits window lay them out alike.
void crea_selectores(QWidget* padre, QPoint imagen);
