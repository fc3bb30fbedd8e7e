#include "widgets/imagen.h"

#include "common/error.h"
#include "common/jpeg.h"
#include "widgets/mensajes.h"

#include <QHash>

namespace {

// Two windows show the same column picture: it is decoded once.
QHash<QString, QPixmap>& decodificadas()
{
    static QHash<QString, QPixmap> cache;
    return cache;
}

const QPixmap& decodificada(const QString& recurso)
{
    auto encontrada = decodificadas().constFind(recurso);
    if (encontrada == decodificadas().constEnd())
        encontrada = decodificadas().insert(recurso, QPixmap::fromImage(carga_jpeg(recurso)));
    return *encontrada;
}

}  // namespace

Timagen::Timagen(QWidget* padre, const QString& nombre, const QString& recurso)
    : QLabel(padre), recurso_(recurso)
{
    setObjectName(nombre);
    setAlignment(Qt::AlignCenter);
}

void Timagen::carga()
{
    if (cargada_)
        return;
    cargada_ = true;
    try {
        setPixmap(decodificada(recurso_));
    } catch (const Error_tolvera& error) {
        Mensajes::informa_error(error.texto());
    }
}

void Timagen::showEvent(QShowEvent* evento)
{
    carga();
    QLabel::showEvent(evento);
}

// A damaged picture was reported when it was first shown.
QImage Timagen::imagen() const
{
    try {
        return decodificada(recurso_).toImage();
    } catch (const Error_tolvera&) {
        return {};
    }
}
