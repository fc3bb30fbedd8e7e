#pragma once

#include <QWidget>

class QTextBrowser;

// The help: Spanish pages kept in the program's resources, one topic per
// window and command, opened at the contents page.
class Tventana_ayuda : public QWidget {
    Q_OBJECT

public:
    explicit Tventana_ayuda(QWidget* padre);

    void muestra_indice();
    QUrl pagina() const;

private:
    QTextBrowser* navegador_;
};
