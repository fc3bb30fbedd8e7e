#include "widgets/imagen.h"

#include "common/error.h"
#include "common/jpeg.h"
#include "widgets/mensajes.h"

Timagen::Timagen(QWidget* padre, const QString& nombre, const QString& recurso)
    : QLabel(padre)
{
    setObjectName(nombre);
    setAlignment(Qt::AlignCenter);
    try {
        imagen_ = carga_jpeg(recurso);
        setPixmap(QPixmap::fromImage(imagen_));
        resize(imagen_.size());
    } catch (const Error_tolvera& error) {
        Mensajes::informa_error(error.texto());
    }
}
