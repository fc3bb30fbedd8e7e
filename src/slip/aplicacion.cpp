#include "slip/aplicacion.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QPointer>
#include <QThreadPool>
#include <QTranslator>

namespace {

QPointer<QTranslator> traduccion_qt;

// Reading a PNG loads Qt's image plugins, milliseconds that the start-up need
// not wait for: the icon is read in the background, and set once it is read.
// Window managers draw a window's own icon small (title bars, task lists);
// the larger sizes come from the installed icons of the desktop entry, and
// decoding them here too would cost the start-up over a megabyte. Named as a
// PNG with no guessing, the reader uses Qt's own decoder instead of loading
// every image plugin to ask each whether it knows the format.
void pon_icono()
{
    QThreadPool::globalInstance()->start([] {
        QImageReader lector(QStringLiteral(":/escritorio/icono_48.png"), "png");
        lector.setAutoDetectImageFormat(false);
        const QImage imagen = lector.read();
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [imagen] { QApplication::setWindowIcon(QIcon(QPixmap::fromImage(imagen))); },
            Qt::QueuedConnection);
    });
}

}  // namespace

void prepara_aplicacion()
{
    QApplication::setApplicationName(QStringLiteral("tolvera"));
    QApplication::setApplicationVersion(QStringLiteral(TOLVERA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(TOLVERA_ID));
    pon_icono();
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
