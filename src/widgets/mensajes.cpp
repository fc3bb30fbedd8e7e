#include "widgets/mensajes.h"

#include "common/error.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>
#include <new>

namespace {

bool capturando = false;
QStringList mensajes_capturados;
QStringList errores;

const QString titulo = QStringLiteral("tolvera");

// A bare carriage return separates lines of a message: the box shows them as lines.
QString lineas(const QString& texto)
{
    QString visible = texto;
    return visible.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

void caja(QMessageBox::Icon icono, const QString& texto)
{
    QMessageBox caja(icono, titulo, lineas(texto), QMessageBox::Ok,
                     QApplication::activeWindow());
    caja.setTextFormat(Qt::PlainText);
    caja.exec();
}

}  // namespace

void Mensajes::muestra(const QString& texto)
{
    if (capturando) {
        mensajes_capturados.append(texto);
        return;
    }
    caja(QMessageBox::NoIcon, texto);
}

void Mensajes::informa_error(const QString& texto)
{
    const QString completo = texto.endsWith(QLatin1Char('.')) ? texto : texto + QLatin1Char('.');
    if (capturando) {
        errores.append(completo);
        return;
    }
    caja(QMessageBox::Critical, completo);
}

void Mensajes::protege(const std::function<void()>& manejador)
{
    try {
        manejador();
    } catch (const Error_tolvera& error) {
        informa_error(error.texto());
    } catch (const std::bad_alloc&) {
        // The runtime's own text for it; the memory a failed handler took is
        // free again by now, so the report itself can be shown.
        informa_error(QStringLiteral("Out of memory"));
    } catch (const std::exception& error) {
        // An exception must never leave a Qt slot: that would end the program.
        informa_error(QString::fromUtf8(error.what()));
    }
}

void Mensajes::captura()
{
    capturando = true;
    olvida();
}

QStringList Mensajes::capturados()
{
    return mensajes_capturados;
}

QStringList Mensajes::errores_capturados()
{
    return errores;
}

void Mensajes::olvida()
{
    mensajes_capturados.clear();
    errores.clear();
}
