#include "sistemas/promesa.h"

#include "sistemas/boleto.h"
#include "slip/componentes.h"
#include "slip/ventana.h"
#include "variables/porcentajes.h"
#include "widgets/componentevalor1x2.h"
#include "widgets/rejilla.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>

namespace {

constexpr int izquierda = 776;

// As wide as the longest guarantee.
QSize sitio_de_garantia(const QLabel* etiqueta)
{
    const QFontMetrics letra(etiqueta->font());
    return {letra.horizontalAdvance(QStringLiteral("Garantía: 14 aciertos")) + 4, letra.height()};
}

// One category to a line: as wide as the widest one with its separator,
// narrower than any two; five lines.
QSize sitio_de_probabilidades(const QLabel* etiqueta)
{
    const QFontMetrics letra(etiqueta->font());
    return {letra.horizontalAdvance(QStringLiteral("14: 100,0 % ·")) + 4, 5 * letra.lineSpacing() + 4};
}

}  // namespace

Tpromesa::Tpromesa(Tventana* principal, Trejilla* porcentajes)
    : QObject(principal),
      principal_(principal),
      porcentajes_(porcentajes)
{
    setObjectName(QStringLiteral("promesa"));
    garantia_ = new QLabel(principal);
    garantia_->setObjectName(QStringLiteral("garantia"));
    garantia_->setGeometry(QRect(QPoint(izquierda, 14), sitio_de_garantia(garantia_)));
    probabilidades_ = new QLabel(principal);
    probabilidades_->setObjectName(QStringLiteral("probabilidades"));
    probabilidades_->setWordWrap(true);
    probabilidades_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    probabilidades_->setGeometry(QRect(QPoint(izquierda, 36), sitio_de_probabilidades(probabilidades_)));

    for (int c = 1; c <= boleto::huecos; ++c)
        for (int m = 1; m <= boleto::partidos; ++m)
            connect(componentes::celda(principal, m, c), &Tvalor1x2::cambia, this, &Tpromesa::pide);
    for (int m = 1; m <= boleto::partidos; ++m)
        connect(componentes::marca(principal, m), &QCheckBox::toggled, this, &Tpromesa::pide);
    connect(componentes::apuestas(principal), &QComboBox::currentIndexChanged, this, &Tpromesa::pide);
    connect(porcentajes, &Trejilla::cambia_celda, this, &Tpromesa::pide);
}

void Tpromesa::pide()
{
    if (pedida_)
        return;
    pedida_ = true;
    QMetaObject::invokeMethod(this, [this] {
        pedida_ = false;
        cuenta();
    }, Qt::QueuedConnection);
}

void Tpromesa::cuenta()
{
    sistemas::Boleto hoja;
    if (componentes::apuestas(principal_)->currentIndex() >= 0)
        hoja.columnas = principal_->numero_apuestas();
    for (int m = 1; m <= boleto::partidos; ++m) {
        const auto i = static_cast<std::size_t>(m - 1);
        for (int k = 1; k <= hoja.columnas; ++k)
            hoja.signos[i][static_cast<std::size_t>(k - 1)]
                = static_cast<char>(componentes::signo_de_columna(principal_, m, k).toLatin1());
        hoja.variable[i] = componentes::marca(principal_, m)->isChecked();
        const std::optional<int> p1 = porcentajes::lee(porcentajes_->celda(1, m));
        const std::optional<int> px = porcentajes::lee(porcentajes_->celda(2, m));
        const std::optional<int> p2 = porcentajes::lee(porcentajes_->celda(3, m));
        if (p1 && px && p2)
            hoja.porcentajes[i] = std::array<int, 3>{*p1, *px, *p2};
    }
    const sistemas::Textos textos = sistemas::promete(hoja);
    garantia_->setText(textos.garantia);
    probabilidades_->setText(textos.probabilidades);
}
