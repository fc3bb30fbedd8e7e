#include "widgets/dialogo_archivo.h"

#include <QFileDialog>

#include <optional>

namespace {

std::optional<QString> siguiente;
QString titulo_mostrado;
QString filtro_mostrado;

QString pregunta(QWidget* padre, const QString& titulo, const QString& filtro, QFileDialog::AcceptMode modo)
{
    titulo_mostrado = titulo;
    filtro_mostrado = filtro;
    if (siguiente) {
        const QString ruta = *siguiente;
        siguiente.reset();
        return ruta;
    }
    QFileDialog dialogo(padre, titulo);
    dialogo.setNameFilter(filtro);
    dialogo.setAcceptMode(modo);
    dialogo.setFileMode(QFileDialog::AnyFile);
    dialogo.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return {};
    return dialogo.selectedFiles().constFirst();
}

}  // namespace

QString Dialogo_archivo::abre(QWidget* padre, const QString& titulo, const QString& filtro)
{
    return pregunta(padre, titulo, filtro, QFileDialog::AcceptOpen);
}

QString Dialogo_archivo::guarda(QWidget* padre, const QString& titulo, const QString& filtro)
{
    return pregunta(padre, titulo, filtro, QFileDialog::AcceptSave);
}

void Dialogo_archivo::fija_siguiente(const QString& ruta)
{
    siguiente = ruta;
}

QString Dialogo_archivo::ultimo_titulo()
{
    return titulo_mostrado;
}

QString Dialogo_archivo::ultimo_filtro()
{
    return filtro_mostrado;
}
