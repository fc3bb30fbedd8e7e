#include "printing/impresora.h"

#include "common/error.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <memory>

namespace {

std::unique_ptr<QPrinter> configurada;
std::unique_ptr<QPrinter> por_defecto;
std::function<bool(QPrinter&)> respuesta_fijada;

// The dialog works on a printer of its own so that cancelling it keeps the
// earlier choice as it was.
bool dialogo(QPrinter& impresora, QWidget* padre)
{
    if (respuesta_fijada)
        return std::exchange(respuesta_fijada, nullptr)(impresora);
    QPrintDialog dialogo(&impresora, padre);
    return dialogo.exec() == QDialog::Accepted;
}

}  // namespace

void Impresora::configura(QWidget* padre)
{
    auto candidata = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (configurada) {
        candidata->setPrinterName(configurada->printerName());
        candidata->setOutputFileName(configurada->outputFileName());
        candidata->setPageLayout(configurada->pageLayout());
    }
    if (dialogo(*candidata, padre))
        configurada = std::move(candidata);
}

QPrinter& Impresora::elegida()
{
    if (configurada)
        return *configurada;
    const QPrinterInfo sistema = QPrinterInfo::defaultPrinter();
    if (sistema.isNull())
        throw Error_tolvera(QStringLiteral("There is no default printer currently selected"));
    por_defecto = std::make_unique<QPrinter>(sistema, QPrinter::HighResolution);
    return *por_defecto;
}

void Impresora::fija_respuesta(std::function<bool(QPrinter&)> respuesta)
{
    respuesta_fijada = std::move(respuesta);
}

void Impresora::olvida()
{
    configurada.reset();
    por_defecto.reset();
}
