#include "slip/reloj.h"

#include <QTime>

namespace reloj {

namespace {
std::optional<int> fijado;
}

int milisegundos()
{
    return fijado ? *fijado : QTime::currentTime().msec();
}

void fija_milisegundos(std::optional<int> valor)
{
    fijado = valor;
}

}  // namespace reloj
