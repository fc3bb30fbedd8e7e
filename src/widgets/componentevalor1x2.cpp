#include "widgets/componentevalor1x2.h"

#include <QMouseEvent>

Tvalor1x2::Tvalor1x2(QWidget* propietario)
    : Tetiqueta_marcas(propietario)
{
}

QString Tvalor1x2::caption_de_signo(QChar signo)
{
    switch (signo.unicode()) {
    case '1': return QStringLiteral("X  ");
    case 'x': return QStringLiteral(" X ");
    case '2': return QStringLiteral("  X");
    case '0': return QStringLiteral("   ");
    default: return {};
    }
}

void Tvalor1x2::set_signo1(QChar signo)
{
    const bool cambiado = signo1_ != signo;
    signo1_ = signo;
    muestra();
    if (cambiado)
        Q_EMIT cambia();
}

void Tvalor1x2::set_signo2(QChar signo)
{
    const bool cambiado = signo2_ != signo;
    signo2_ = signo;
    muestra();
    if (cambiado)
        Q_EMIT cambia();
}

void Tvalor1x2::set_pagina(QChar pagina)
{
    pagina_ = pagina;
    muestra();
}

// A sign outside the four letters keeps the previous caption on show.
void Tvalor1x2::muestra()
{
    QChar signo;
    if (pagina_ == QLatin1Char('1'))
        signo = signo1_;
    else if (pagina_ == QLatin1Char('2'))
        signo = signo2_;
    else
        return;
    const QString caption = caption_de_signo(signo);
    if (!caption.isNull())
        setCaption(caption);
}

// The event goes out first; a locked cell then ignores the press.
void Tvalor1x2::mousePressEvent(QMouseEvent* evento)
{
    dispara_mouse_down(evento);
    if (Tag() == 1)
        return;
    const QChar signo = signo_pulsado(evento);
    if (pagina_ == QLatin1Char('1'))
        set_signo1(signo);
    else if (pagina_ == QLatin1Char('2'))
        set_signo2(signo);
}
