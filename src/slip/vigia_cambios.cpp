#include "slip/vigia_cambios.h"

#include <QCoreApplication>
#include <QEvent>

#include <utility>

namespace {

// The events through which anything reaches a handler: the user's input, and
// calls queued from elsewhere (a download's end, the start-up's load).
bool puede_cambiar(QEvent::Type tipo)
{
    switch (tipo) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::Wheel:
    case QEvent::Drop:
    case QEvent::MetaCall:
        return true;
    default:
        return false;
    }
}

}  // namespace

Vigia_cambios::Vigia_cambios(Lectura lee, QObject* padre)
    : QObject(padre), lee_(std::move(lee))
{
    toma_referencia();
    QCoreApplication::instance()->installEventFilter(this);
}

Vigia_cambios::~Vigia_cambios()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

void Vigia_cambios::toma_referencia()
{
    toma_referencia(lee_());
}

void Vigia_cambios::toma_referencia(const QByteArray& guardado)
{
    referencia_ = guardado;
    visto_ = lee_();
    Q_EMIT cambia(visto_ != referencia_);
}

bool Vigia_cambios::hay_cambios() const
{
    return lee_() != referencia_;
}

bool Vigia_cambios::eventFilter(QObject* objeto, QEvent* evento)
{
    // Its own look is a queued call too, and must not ask for the next one.
    if (!pendiente_ && objeto != this && puede_cambiar(evento->type())) {
        pendiente_ = true;
        QMetaObject::invokeMethod(this, &Vigia_cambios::mira, Qt::QueuedConnection);
    }
    return false;
}

void Vigia_cambios::mira()
{
    pendiente_ = false;
    QByteArray ahora = lee_();
    if (ahora == visto_)
        return;
    visto_ = std::move(ahora);
    Q_EMIT cambia(visto_ != referencia_);
}
