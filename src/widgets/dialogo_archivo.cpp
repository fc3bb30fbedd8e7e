#include "widgets/dialogo_archivo.h"

#include "common/nombre_en_disco.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include <optional>

namespace {

std::optional<QString> siguiente;
QString titulo_mostrado;
QString filtro_mostrado;
QString carpeta_recordada;

QString respuesta(QWidget* padre, const QString& titulo, const QString& filtro, QFileDialog::AcceptMode modo)
{
    titulo_mostrado = titulo;
    filtro_mostrado = filtro;
    if (siguiente) {
        const QString ruta = *siguiente;
        siguiente.reset();
        return ruta;
    }
    QFileDialog dialogo(padre, titulo, Dialogo_archivo::carpeta());
    dialogo.setNameFilter(filtro);
    dialogo.setAcceptMode(modo);
    dialogo.setFileMode(QFileDialog::AnyFile);
    dialogo.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return {};
    return dialogo.selectedFiles().constFirst();
}

// The dialog lists names as Qt reads them; one it could not read whole would
// lead the command to another file, or to none.
QString pregunta(QWidget* padre, const QString& titulo, const QString& filtro, QFileDialog::AcceptMode modo)
{
    const QString ruta = respuesta(padre, titulo, filtro, modo);
    nombre_en_disco::comprueba(ruta);
    return ruta;
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

QString Dialogo_archivo::carpeta()
{
    return carpeta_recordada.isEmpty() ? QDir::currentPath() : carpeta_recordada;
}

void Dialogo_archivo::recuerda_carpeta_de(const QString& ruta)
{
    carpeta_recordada = QFileInfo(ruta).absolutePath();
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
