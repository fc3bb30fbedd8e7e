#include "widgets/componentevalor1x2doble.h"

#include <QHash>
#include <QMouseEvent>

Tvalor1x2_doble::Tvalor1x2_doble(QWidget* propietario)
    : Tetiqueta_marcas(propietario)
{
}

QString Tvalor1x2_doble::caption_de_texto(const QString& texto)
{
    static const QHash<QString, QString> captions = {
        {QStringLiteral("1"), QStringLiteral("X  ")},
        {QStringLiteral("x"), QStringLiteral(" X ")},
        {QStringLiteral("2"), QStringLiteral("  X")},
        {QStringLiteral("1x"), QStringLiteral("XX ")},
        {QStringLiteral("x2"), QStringLiteral(" XX")},
        {QStringLiteral("12"), QStringLiteral("X X")},
        {QStringLiteral("1x2"), QStringLiteral("XXX ")},
        {QStringLiteral("0"), QStringLiteral("   ")},
    };
    return captions.value(texto);
}

void Tvalor1x2_doble::set_signo1(const QString& texto)
{
    signo1_ = texto.left(capacidad);
    const QString caption = caption_de_texto(signo1_);
    if (!caption.isNull())
        setCaption(caption);
}

// The sign changes before the event goes out, so the owner's handler sees it;
// a locked selector neither changes nor tells anyone.
void Tvalor1x2_doble::mousePressEvent(QMouseEvent* evento)
{
    if (Tag() == 1)
        return;
    const QString signo(signo_pulsado(evento));
    set_signo1(signo1_ == signo ? QStringLiteral("0") : signo);
    dispara_mouse_down(evento);
}
