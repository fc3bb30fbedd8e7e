#include "printing/vista_previa.h"

#include "common/error.h"
#include "printing/impresora.h"
#include "widgets/mensajes.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int folio = 0;
constexpr int quiniela = 1;

// Each press of "Ampliar" or "Reducir" scales what is shown by this much.
constexpr qreal paso_de_zoom = 1.25;

// Light enough that no part of the slip is taken for a dot.
constexpr double opacidad_lamina = 0.3;

// The page and resolution of the printer the prints go to, on a printer of
// the preview's own that never sends anything anywhere. With no printer at
// all there is still a preview, on an A4 page at 600 dots per inch.
std::unique_ptr<QPrinter> impresora_previa()
{
    auto previa = std::make_unique<QPrinter>(QPrinter::HighResolution);
    previa->setOutputFormat(QPrinter::PdfFormat);
    try {
        const QPrinter& elegida = Impresora::elegida();
        previa->setResolution(elegida.resolution());
        previa->setPageLayout(elegida.pageLayout());
    } catch (const Error_tolvera&) {
        previa->setResolution(600);
        previa->setPageSize(QPageSize(QPageSize::A4));
    }
    // The layouts measure from the printable area, as on paper.
    previa->setFullPage(false);
    return previa;
}

QPushButton* boton(QWidget* padre, QHBoxLayout* fila, const QString& nombre, const QString& caption)
{
    auto* pulsador = new QPushButton(caption, padre);
    pulsador->setObjectName(nombre);
    fila->addWidget(pulsador);
    return pulsador;
}

}  // namespace

Tventana_vista_previa::Tventana_vista_previa(QWidget* padre, Impresion_previa folio_previo,
                                             Impresion_previa quiniela_previa)
    : QDialog(padre),
      impresiones_ {std::move(folio_previo), std::move(quiniela_previa)},
      impresora_(impresora_previa())
{
    setObjectName(QStringLiteral("ventana_vista_previa"));
    setWindowTitle(QStringLiteral("Vista previa"));
    setModal(true);
    resize(620, 700);

    auto* mandos = new QHBoxLayout;
    boton_folio = boton(this, mandos, QStringLiteral("boton_folio"), QStringLiteral("En folio"));
    boton_quiniela = boton(this, mandos, QStringLiteral("boton_quiniela"), QStringLiteral("En quiniela"));
    for (QPushButton* eleccion : {boton_folio, boton_quiniela}) {
        eleccion->setCheckable(true);
        eleccion->setAutoExclusive(true);
    }
    boton_folio->setChecked(true);
    mandos->addSpacing(16);
    QPushButton* ampliar = boton(this, mandos, QStringLiteral("boton_ampliar"), QStringLiteral("Ampliar"));
    QPushButton* reducir = boton(this, mandos, QStringLiteral("boton_reducir"), QStringLiteral("Reducir"));
    mandos->addStretch();
    boton_imprimir = boton(this, mandos, QStringLiteral("boton_imprimir"), QStringLiteral("Imprimir"));
    boton_cerrar = boton(this, mandos, QStringLiteral("boton_cerrar"), QStringLiteral("cerrar"));

    vista = new QPrintPreviewWidget(impresora_.get(), this);
    vista->setObjectName(QStringLiteral("vista"));
    vista->setViewMode(QPrintPreviewWidget::SinglePageView);
    vista->fitInView();

    auto* columna = new QVBoxLayout(this);
    columna->addLayout(mandos);
    columna->addWidget(vista);

    connect(vista, &QPrintPreviewWidget::paintRequested, this,
            Mensajes::protegido([this](QPrinter* impresora) { vistaPaintRequested(*impresora); }));
    connect(boton_folio, &QPushButton::clicked, this, Mensajes::protegido([this] { elige(folio); }));
    connect(boton_quiniela, &QPushButton::clicked, this, Mensajes::protegido([this] { elige(quiniela); }));
    // Not straight to the zoom slots: clicked's bool would reach them as a
    // factor of 0.
    connect(ampliar, &QPushButton::clicked, this, [this] { vista->zoomIn(paso_de_zoom); });
    connect(reducir, &QPushButton::clicked, this, [this] { vista->zoomOut(paso_de_zoom); });
    connect(boton_imprimir, &QPushButton::clicked, this, Mensajes::protegido([this] { boton_imprimirClick(); }));
    connect(boton_cerrar, &QPushButton::clicked, this, &QDialog::reject);
}

// The view works on the printer, which must outlive it.
Tventana_vista_previa::~Tventana_vista_previa()
{
    delete vista;
}

void Tventana_vista_previa::elige(int cual)
{
    elegida_ = cual;
    vista->updatePreview();
}

// The same list and the same playing step as the print; only the faint slip
// under the dots is the preview's own.
void Tventana_vista_previa::vistaPaintRequested(QPrinter& impresora) const
{
    const Impresion_previa& previa = impresiones_[elegida_];
    const int dx = impresora.logicalDpiX();
    const int dy = impresora.logicalDpiY();
    QPainter pintor(&impresora);
    if (previa.laminas_debajo) {
        pintor.setRenderHint(QPainter::SmoothPixmapTransform);
        pintor.setOpacity(opacidad_lamina);
        for (const impresion::Rectangulo& r : previa.laminas_debajo(dx, dy))
            pintor.drawImage(QRect(r.izquierda, r.arriba, r.derecha - r.izquierda, r.abajo - r.arriba),
                             previa.laminas.quiniela);
        pintor.setOpacity(1);
    }
    impresion::reproduce(pintor, previa.compone(dx, dy), previa.laminas);
}

// A print that fails reports as its button's does, and the preview stays.
void Tventana_vista_previa::boton_imprimirClick()
{
    impresiones_[elegida_].imprime();
    accept();
}
