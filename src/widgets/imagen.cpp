#include "widgets/imagen.h"

#include "common/error.h"
#include "common/jpeg.h"
#include "widgets/mensajes.h"

#include <QHash>

#include <future>

namespace {

// Each picture is decoded once, on a thread of its own that starts when the
// first widget showing it is made: the main window is being built meanwhile,
// and two windows show the same column picture.
QHash<QString, std::shared_future<QImage>>& decodificaciones()
{
    static QHash<QString, std::shared_future<QImage>> cache;
    return cache;
}

void empieza(const QString& recurso)
{
    if (!decodificaciones().contains(recurso))
        decodificaciones().insert(recurso, std::async(std::launch::async, [recurso] {
                                               return carga_jpeg(recurso);
                                           }).share());
}

// Waits for the decoding; a damaged picture throws Error_tolvera.
QImage decodificada(const QString& recurso)
{
    empieza(recurso);
    return decodificaciones().value(recurso).get();
}

}  // namespace

Timagen::Timagen(QWidget* padre, const QString& nombre, const QString& recurso)
    : QLabel(padre), recurso_(recurso)
{
    setObjectName(nombre);
    setAlignment(Qt::AlignCenter);
    empieza(recurso_);
}

void Timagen::carga()
{
    if (cargada_)
        return;
    cargada_ = true;
    try {
        setPixmap(QPixmap::fromImage(decodificada(recurso_)));
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
        return decodificada(recurso_);
    } catch (const Error_tolvera&) {
        return {};
    }
}
