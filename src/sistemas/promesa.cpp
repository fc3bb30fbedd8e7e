#include "sistemas/promesa.h"

#include "sistemas/boleto.h"
#include "slip/ventana.h"
#include "variables/porcentajes.h"
#include "widgets/busca_componente.h"
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

    for (int c = 1; c <= 8; ++c)
        for (int m = 1; m <= 14; ++m)
            connect(busca<Tvalor1x2>(principal, nombre(QStringLiteral("signo"), m, QStringLiteral("_col"), c)),
                    &Tvalor1x2::cambia, this, &Tpromesa::pide);
    for (int m = 1; m <= 14; ++m)
        connect(busca<QCheckBox>(principal, nombre(QStringLiteral("checkvar"), m)), &QCheckBox::toggled, this,
                &Tpromesa::pide);
    connect(busca<QComboBox>(principal, QStringLiteral("apuestas")), &QComboBox::currentIndexChanged, this,
            &Tpromesa::pide);
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
    sistemas::Boleto boleto;
    if (busca<QComboBox>(principal_, QStringLiteral("apuestas"))->currentIndex() >= 0)
        boleto.columnas = principal_->numero_apuestas();
    for (int m = 1; m <= 14; ++m) {
        const auto i = static_cast<std::size_t>(m - 1);
        for (int k = 1; k <= boleto.columnas; ++k) {
            const Tvalor1x2* celda
                = busca<Tvalor1x2>(principal_, nombre(QStringLiteral("signo"), m, QStringLiteral("_col"), k <= 8 ? k : k - 8));
            const QChar signo = k <= 8 ? celda->signo1() : celda->signo2();
            boleto.signos[i][static_cast<std::size_t>(k - 1)] = static_cast<char>(signo.toLatin1());
        }
        boleto.variable[i] = busca<QCheckBox>(principal_, nombre(QStringLiteral("checkvar"), m))->isChecked();
        const std::optional<int> p1 = porcentajes::lee(porcentajes_->celda(1, m));
        const std::optional<int> px = porcentajes::lee(porcentajes_->celda(2, m));
        const std::optional<int> p2 = porcentajes::lee(porcentajes_->celda(3, m));
        if (p1 && px && p2)
            boleto.porcentajes[i] = std::array<int, 3>{*p1, *px, *p2};
    }
    const sistemas::Textos textos = sistemas::promete(boleto);
    garantia_->setText(textos.garantia);
    probabilidades_->setText(textos.probabilidades);
}
