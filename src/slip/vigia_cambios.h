#pragma once

#include <QByteArray>
#include <QObject>

#include <functional>

// Tells whether the slip changed since a moment taken as its reference (the
// start, a save, a load, "Nuevo"): it compares the bytes a save would write
// now with the bytes of that moment, so every value the bet file holds counts,
// and nothing that the file does not hold.
//
// After any event that may run a handler (a press, a key, a queued call such
// as a finished download) it looks again once, when the event loop comes
// round, however many values that event changed; `cambia` then says when
// the bytes differ from what it saw the last time.
class Vigia_cambios : public QObject {
    Q_OBJECT

public:
    using Lectura = std::function<QByteArray()>;

    Vigia_cambios(Lectura lee, QObject* padre);
    ~Vigia_cambios() override;

    // What a save would write now becomes the unchanged slip.
    void toma_referencia();
    // The bytes just written become it: what the windows hold may have moved
    // on while the save was asking (a download that ended meanwhile).
    void toma_referencia(const QByteArray& guardado);
    // Read from the slip at the moment of asking, not from the last look.
    bool hay_cambios() const;

Q_SIGNALS:
    // The slip is not what it was at the last look (or a reference was taken);
    // `sin_guardar`: it differs from the reference.
    void cambia(bool sin_guardar);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void mira();

    Lectura lee_;
    QByteArray referencia_;
    QByteArray visto_;
    bool pendiente_ = false;
};
