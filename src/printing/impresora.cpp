#include "printing/impresora.h"

#include "common/error.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

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
    // Accepting prints nothing here; it only keeps the choice.
    if (const auto* botones = dialogo.findChild<QDialogButtonBox*>())
        if (QPushButton* aceptar = botones->button(QDialogButtonBox::Ok))
            aceptar->setText(QStringLiteral("Aceptar"));
    return dialogo.exec() == QDialog::Accepted;
}

// Everything the dialog lets the user choose and the prints then use. The
// printer goes first: choosing one resets the settings to its own.
void copia_eleccion(const QPrinter& de, QPrinter& a)
{
    a.setPrinterName(de.printerName());
    a.setOutputFileName(de.outputFileName());
    a.setCopyCount(de.copyCount());
    a.setCollateCopies(de.collateCopies());
    a.setDuplex(de.duplex());
    a.setColorMode(de.colorMode());
    a.setPaperSource(de.paperSource());
    a.setPageOrder(de.pageOrder());
    a.setPageLayout(de.pageLayout());
}

}  // namespace

void Impresora::configura(QWidget* padre)
{
    auto candidata = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (configurada)
        copia_eleccion(*configurada, *candidata);
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
