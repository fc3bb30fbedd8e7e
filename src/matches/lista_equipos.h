#pragma once

#include <QListWidget>

// A list box of team names that tells each pick: a left press on an entry,
// also on the one already selected (a team may be placed any number of
// times), or a key that moves the selection. Selecting by program is silent.
class Tlista_equipos : public QListWidget {
    Q_OBJECT

public:
    static constexpr int alto_entrada = 13;

    explicit Tlista_equipos(QWidget* padre);

    void pon_equipos(const QStringList& equipos);

Q_SIGNALS:
    void OnClick();

protected:
    void mousePressEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void focusInEvent(QFocusEvent* evento) override;
};
