#include "slip/aplicacion.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace {
QPointer<QTranslator> traduccion_qt;
}

void prepara_aplicacion()
{
    QApplication::setApplicationName(QStringLiteral("tolvera"));
    QApplication::setApplicationVersion(QStringLiteral(TOLVERA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(TOLVERA_ID));
    QIcon icono;
    for (const int lado : {48, 128, 256})
        icono.addFile(QStringLiteral(":/escritorio/icono_%1.png").arg(lado), QSize(lado, lado));
    QApplication::setWindowIcon(icono);
    // The windows are laid out to the pixel from the left; a translation for a
    // right-to-left language must not mirror them.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    traduce_textos_de_qt(QLocale::system());
}

void traduce_textos_de_qt(const QLocale& idioma)
{
    delete traduccion_qt;
    traduccion_qt = new QTranslator(QCoreApplication::instance());
    if (traduccion_qt->load(idioma, QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(traduccion_qt);
}
