#include "slip/ayuda.h"

#include "widgets/mensajes.h"
#include "widgets/papel.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
const QUrl indice(QStringLiteral("qrc:/ayuda/indice.html"));
}

Tventana_ayuda::Tventana_ayuda(QWidget* padre)
    : QWidget(padre, Qt::Window)
{
    setWindowTitle(QStringLiteral("Ayuda de Tolvera"));
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(620, 520);

    navegador_ = new QTextBrowser(this);
    navegador_->setOpenExternalLinks(false);
    // The pages are styled for paper: a dark theme's light text would vanish
    // on their pale boxes.
    sobre_papel(navegador_);
    // One style sheet serves every page.
    QFile estilo(QStringLiteral(":/ayuda/estilo.css"));
    if (estilo.open(QIODevice::ReadOnly))
        navegador_->document()->setDefaultStyleSheet(QString::fromUtf8(estilo.readAll()));
    auto* contenido = new QPushButton(QStringLiteral("Contenido"), this);
    auto* atras = new QPushButton(QStringLiteral("Atrás"), this);
    connect(contenido, &QPushButton::clicked, this, Mensajes::protegido([this] { muestra_indice(); }));
    connect(atras, &QPushButton::clicked, navegador_, &QTextBrowser::backward);
    connect(navegador_, &QTextBrowser::backwardAvailable, atras, &QPushButton::setEnabled);
    atras->setEnabled(false);

    auto* botones = new QHBoxLayout;
    botones->addWidget(contenido);
    botones->addWidget(atras);
    botones->addStretch();
    auto* disposicion = new QVBoxLayout(this);
    disposicion->addLayout(botones);
    disposicion->addWidget(navegador_);
}

void Tventana_ayuda::muestra_indice()
{
    navegador_->setSource(indice);
    show();
    raise();
    activateWindow();
}

QUrl Tventana_ayuda::pagina() const
{
    return navegador_->source();
}
