#pragma once

#include <QDialog>
#include <QPointer>

// The three secondary windows: created once at start, shown modally from the
// main window, only hidden when closed, kept above the main window (not above
// other programs), and without title-bar buttons (their own buttons close
// them). Sizes are the outer sizes of the window as laid out; the frame takes
// 8 by 27 pixels of them.
class Tventana_secundaria : public QDialog {
    Q_OBJECT

public:
    Tventana_secundaria(QWidget* principal, const QString& caption, int ancho, int alto);

protected:
    void showEvent(QShowEvent* evento) override;

private:
    QPointer<QWidget> principal_;
};
