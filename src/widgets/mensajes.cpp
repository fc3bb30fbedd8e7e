#include "widgets/mensajes.h"

#include "common/error.h"

#include <QApplication>
#include <QMessageBox>

#include <QPushButton>

#include <algorithm>
#include <exception>
#include <new>

namespace {

bool capturando = false;
QStringList mensajes_capturados;
QStringList errores;
QList<QMessageBox::StandardButton> respuestas;
QList<QMessageBox::StandardButton> reserva;
QList<Mensajes::Pregunta> preguntas;

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

bool ofrece(const QList<Mensajes::Boton>& botones, QMessageBox::StandardButton boton)
{
    return std::any_of(botones.begin(), botones.end(), [boton](const Mensajes::Boton& b) { return b.boton == boton; });
}

QMessageBox::StandardButton respuesta_capturada(const QString& texto, const QList<Mensajes::Boton>& botones)
{
    QMessageBox::StandardButton respuesta = QMessageBox::NoButton;
    if (!respuestas.isEmpty()) {
        respuesta = respuestas.takeFirst();
    } else {
        const auto de_reserva = std::find_if(reserva.begin(), reserva.end(),
                                             [&botones](QMessageBox::StandardButton b) { return ofrece(botones, b); });
        if (de_reserva != reserva.end())
            respuesta = *de_reserva;
    }
    if (!ofrece(botones, respuesta))
        qFatal("no answer for the question \"%s\"", qPrintable(texto));
    preguntas.append({texto, botones, respuesta});
    return respuesta;
}

}  // namespace

QMessageBox::StandardButton Mensajes::pregunta(QMessageBox::Icon icono, const QString& texto,
                                               const QList<Boton>& botones, QMessageBox::StandardButton por_defecto)
{
    if (capturando)
        return respuesta_capturada(texto, botones);
    QMessageBox caja(icono, titulo, lineas(texto), QMessageBox::NoButton, QApplication::activeWindow());
    caja.setTextFormat(Qt::PlainText);
    for (const Boton& boton : botones)
        caja.addButton(boton.boton)->setText(boton.texto);
    caja.setDefaultButton(por_defecto);
    caja.setEscapeButton(caja.button(botones.constLast().boton));
    caja.exec();
    const auto respuesta = caja.standardButton(caja.clickedButton());
    return respuesta == QMessageBox::NoButton ? botones.constLast().boton : respuesta;
}

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
    respuestas.clear();
    preguntas.clear();
}

void Mensajes::fija_respuesta(QMessageBox::StandardButton respuesta)
{
    respuestas.append(respuesta);
}

void Mensajes::fija_respuestas_de_reserva(const QList<QMessageBox::StandardButton>& respuestas_de_reserva)
{
    reserva = respuestas_de_reserva;
}

QList<Mensajes::Pregunta> Mensajes::preguntas_capturadas()
{
    return preguntas;
}
