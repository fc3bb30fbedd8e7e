#pragma once

#include <QLabel>

// A picture of the program's own, decoded from its JPEG resource. A damaged
// picture is reported and leaves the place empty; the window still opens.
class Timagen : public QLabel {
    Q_OBJECT

public:
    Timagen(QWidget* padre, const QString& nombre, const QString& recurso);

    const QImage& imagen() const { return imagen_; }

private:
    QImage imagen_;
};
