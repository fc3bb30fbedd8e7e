// The main window's handlers of the bet files.
#include "slip/ventana.h"

#include "files/archivo_quiniela.h"
#include "files/quiniela_en_ventanas.h"
#include "files/registro_pleno.h"
#include "files/registro_quiniela.h"
#include "widgets/dialogo_archivo.h"

namespace {
const QString filtro = QStringLiteral("*.qui (*.qui)");
}

// The slip is read before the dialog, as it stands when "Guardar" is pressed.
void Tventana::Button2Click()
{
    const QByteArray registro = quiniela_en_ventanas::contenido_archivo();
    const QString ruta = Dialogo_archivo::guarda(this, QStringLiteral("Guardar quiniela"), filtro);
    if (ruta.isEmpty())
        return;
    const QString archivo = archivo_quiniela::con_extension(ruta);
    archivo_quiniela::escribe(archivo, registro);
    Dialogo_archivo::recuerda_carpeta_de(archivo);
}

void Tventana::Button3Click()
{
    const QString ruta = Dialogo_archivo::abre(this, QStringLiteral("Abrir quiniela"), filtro);
    if (ruta.isEmpty())
        return;
    recupera(ruta);
}

// The file is read and checked whole before anything on screen changes.
void Tventana::recupera(const QString& ruta)
{
    const QByteArray bytes =
        archivo_quiniela::lee(ruta, registro_quiniela::tamano, registro_quiniela::tamano + registro_pleno::tamano);
    const auto quiniela = registro_quiniela::descodifica(bytes);
    quiniela_en_ventanas::restaura(quiniela);
    quiniela_en_ventanas::restaura_pleno(registro_pleno::descodifica(bytes));
    Dialogo_archivo::recuerda_carpeta_de(ruta);
}
