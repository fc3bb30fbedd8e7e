#pragma once

#include <QLabel>

// A picture of the program's own, decoded from its JPEG resource in the
// background from the moment the widget is made. A damaged picture is
// reported when it is first shown and leaves the place empty; the window
// still opens.
class Timagen : public QLabel {
    Q_OBJECT

public:
    Timagen(QWidget* padre, const QString& nombre, const QString& recurso);

    // Null when the picture could not be read.
    QImage imagen() const;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void carga();

    QString recurso_;
    bool cargada_ = false;
};
