// The main window's handlers of the bet files, and what they ask before
// anything is written over or left behind.
#include "slip/ventana.h"

#include "files/archivo_quiniela.h"
#include "files/nombres_guardables.h"
#include "files/quiniela_en_ventanas.h"
#include "files/registro_pleno.h"
#include "files/registro_quiniela.h"
#include "matches/partidos.h"
#include "slip/vigia_cambios.h"
#include "widgets/dialogo_archivo.h"
#include "widgets/mensajes.h"

#include <QFileInfo>

namespace {

const QString filtro = QStringLiteral("*.qui (*.qui)");

const QString cancelar = QStringLiteral("Cancelar");

bool acepta_nombres_inexactos(const registro_quiniela::Quiniela& quiniela, const registro_pleno::Pleno& pleno)
{
    const auto inexactos = nombres_guardables::de(quiniela, pleno);
    if (inexactos.isEmpty())
        return true;
    return Mensajes::pregunta(QMessageBox::Warning, nombres_guardables::aviso(inexactos),
                              {{QMessageBox::Ok, QStringLiteral("Guardar")}, {QMessageBox::Cancel, cancelar}},
                              QMessageBox::Ok)
        == QMessageBox::Ok;
}

bool acepta_reemplazar(const QString& archivo)
{
    const QString texto = QStringLiteral("Ya existe «%1». ¿Quieres reemplazarlo?").arg(QFileInfo(archivo).fileName());
    return Mensajes::pregunta(QMessageBox::Question, texto,
                              {{QMessageBox::Yes, QStringLiteral("Reemplazar")}, {QMessageBox::No, cancelar}},
                              QMessageBox::No)
        == QMessageBox::Yes;
}

}  // namespace

void Tventana::vigila_cambios()
{
    vigia = new Vigia_cambios([] { return quiniela_en_ventanas::contenido_archivo(); }, this);
    connect(vigia, &Vigia_cambios::cambia, this, [this](bool sin_guardar) { pon_titulo(sin_guardar); });
}

void Tventana::Button2Click()
{
    guarda();
}

// The slip is read before anything is asked, as it stands when "Guardar" is
// pressed. True once the file is written.
bool Tventana::guarda()
{
    if (!acepta_nombres_inexactos(quiniela_en_ventanas::recoge(), quiniela_en_ventanas::recoge_pleno()))
        return false;
    const QByteArray registro = quiniela_en_ventanas::contenido_archivo();
    const QString ruta = Dialogo_archivo::guarda(this, QStringLiteral("Guardar quiniela"), filtro);
    if (ruta.isEmpty())
        return false;
    // The dialog does not ask: the name it gave may yet get its ".qui".
    const QString elegido = archivo_quiniela::con_extension(ruta);
    if (QFileInfo::exists(elegido) && !acepta_reemplazar(elegido))
        return false;
    archivo_quiniela::escribe(elegido, registro);
    Dialogo_archivo::recuerda_carpeta_de(elegido);
    archivo = elegido;
    vigia->toma_referencia(registro);
    return true;
}

// Before "Nuevo", "Recuperar" or closing: true when the slip on show may go.
bool Tventana::puede_dejar_la_quiniela()
{
    if (!vigia->hay_cambios())
        return true;
    switch (Mensajes::pregunta(QMessageBox::Question, QStringLiteral("¿Guardar los cambios de la quiniela?"),
                               {{QMessageBox::Save, QStringLiteral("Guardar")},
                                {QMessageBox::Discard, QStringLiteral("Descartar")},
                                {QMessageBox::Cancel, cancelar}},
                               QMessageBox::Save)) {
    case QMessageBox::Save:
        return guarda();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void Tventana::Button3Click()
{
    if (!puede_dejar_la_quiniela())
        return;
    const QString ruta = Dialogo_archivo::abre(this, QStringLiteral("Abrir quiniela"), filtro);
    if (ruta.isEmpty())
        return;
    recupera(ruta);
}

// The file is read and checked whole before anything on screen changes. A
// download still running would put its teams under the loaded names.
void Tventana::recupera(const QString& ruta)
{
    const QByteArray bytes =
        archivo_quiniela::lee(ruta, registro_quiniela::tamano, registro_quiniela::tamano + registro_pleno::tamano);
    const auto quiniela = registro_quiniela::descodifica(bytes);
    ventana_partidos->abandona_descarga();
    quiniela_en_ventanas::restaura(quiniela);
    quiniela_en_ventanas::restaura_pleno(registro_pleno::descodifica(bytes));
    Dialogo_archivo::recuerda_carpeta_de(ruta);
    archivo = ruta;
    vigia->toma_referencia();
}
