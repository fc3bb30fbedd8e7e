#include "apoyo/apoyo.h"

#include "common/aleatorio.h"
#include "common/boleto.h"
#include "matches/partidos.h"
#include "printing/impresora.h"
#include "slip/componentes.h"
#include "slip/programa.h"
#include "slip/reloj.h"
#include "slip/ventana.h"
#include "widgets/busca_componente.h"
#include "widgets/componentevalor1x2.h"
#include "widgets/componentevalor1x2doble.h"
#include "widgets/dialogo_archivo.h"
#include "widgets/etiqueta_marcas.h"
#include "widgets/flechas.h"
#include "widgets/mensajes.h"
#include "widgets/rejilla.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <stdexcept>

Ventanas_de_prueba::Ventanas_de_prueba()
{
    reloj::fija_milisegundos(0);
    aleatorio::fija_semilla(0);
    Mensajes::captura();
    // Cases that meet a question no case answers go on as they did before
    // the program asked: unsaved changes discarded, a file replaced, names
    // saved as they can be.
    Mensajes::fija_respuestas_de_reserva({QMessageBox::Discard, QMessageBox::Yes, QMessageBox::Ok});
    Impresora::olvida();
    crea_ventanas();
    ventana->show();
    QApplication::processEvents();
}

Ventanas_de_prueba::~Ventanas_de_prueba()
{
    destruye_ventanas();
    Mensajes::olvida();
}

QWidget* widget(const QWidget* ventana, const QString& nombre)
{
    QWidget* encontrado = busca_componente(ventana, nombre);
    if (!encontrado)
        qFatal("no widget named %s", qPrintable(nombre));
    return encontrado;
}

void no_es_del_tipo(const QString& nombre, const char* tipo)
{
    qFatal("the widget named %s is no %s", qPrintable(nombre), tipo);
}

namespace prueba {

namespace {

template <typename F>
auto o_fallo(F&& busca_en_ventana)
{
    try {
        return busca_en_ventana();
    } catch (const std::logic_error& fallo) {
        qFatal("%s", fallo.what());
    }
}

}  // namespace

Tvalor1x2* celda(int partido, int hueco)
{
    return o_fallo([&] { return componentes::celda(ventana, partido, hueco); });
}

Tvalor1x2_doble* selector(int partido, const QWidget* en)
{
    return o_fallo([&] { return componentes::selector(en ? en : ventana, partido); });
}

QCheckBox* marca(int partido)
{
    return o_fallo([&] { return componentes::marca(ventana, partido); });
}

QLabel* etiqueta_partido(int partido)
{
    return o_fallo([&] { return componentes::etiqueta_partido(ventana, partido); });
}

QChar signo_de_columna(int partido, int columna)
{
    return o_fallo([&] { return componentes::signo_de_columna(ventana, partido, columna); });
}

void pon_signo_de_columna(int partido, int columna, QChar signo)
{
    o_fallo([&] { componentes::pon_signo_de_columna(ventana, partido, columna, signo); });
}

}  // namespace prueba

Trejilla* tabla_partidos()
{
    return widget_de<Trejilla>(ventana_partidos, QStringLiteral("tabla_partidos"));
}

QLineEdit* fecha()
{
    return widget_de<QLineEdit>(ventana, QStringLiteral("fecha"));
}

Tflechas* paginas()
{
    return widget_de<Tflechas>(ventana, QStringLiteral("paginas"));
}

void columna_con(const QString& resultados, int columna, int aciertos)
{
    for (int m = 1; m <= boleto::partidos; ++m) {
        const QChar acierto = resultados.at(m - 1);
        const QChar fallo = acierto == QLatin1Char('2') ? QLatin1Char('1') : QLatin1Char('2');
        prueba::pon_signo_de_columna(m, columna, m <= aciertos ? acierto : fallo);
    }
}

std::vector<impresion::Rectangulo> puntos(const impresion::Composicion& operaciones)
{
    std::vector<impresion::Rectangulo> rects;
    for (const impresion::Operacion& operacion : operaciones)
        if (const auto* elipse = std::get_if<impresion::Elipse>(&operacion))
            rects.push_back(elipse->rect);
    return rects;
}

QString solapado(const QWidget* widget)
{
    const auto hermanos = widget->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QWidget* otro : hermanos)
        if (otro != widget && !otro->isWindow() && otro->geometry().intersects(widget->geometry()))
            return otro->objectName();
    return {};
}

void pulsa(QWidget* destino, QPoint punto, Qt::MouseButton boton)
{
    QTest::mouseClick(destino, boton, Qt::NoModifier, punto);
}

void pulsa_boton(const QWidget* ventana, const QString& nombre)
{
    auto* boton = widget_de<QPushButton>(ventana, nombre);
    pulsa(boton, boton->rect().center());
}

void pulsa_signo(Tetiqueta_marcas* marcas, QChar signo)
{
    const double tercio = marcas->width() / 3.0;
    const int indice = signo == QLatin1Char('1') ? 0 : signo == QLatin1Char('x') ? 1 : 2;
    pulsa(marcas, QPoint(static_cast<int>(tercio * indice + tercio / 2), marcas->height() / 2));
}

void pulsa_selector(int partido, QChar signo)
{
    pulsa_signo(prueba::selector(partido), signo);
}

void pulsa_celda(Trejilla* rejilla, int columna, int fila, Qt::MouseButton boton)
{
    pulsa(rejilla->viewport(), rejilla->rect_celda(columna, fila).center(), boton);
}

void elige_apuestas(int apuestas)
{
    auto* lista = widget_de<QComboBox>(ventana, QStringLiteral("apuestas"));
    const int indice = lista->findText(QString::number(apuestas));
    if (indice < 0)
        qFatal("no entry for %d bets", apuestas);
    pulsa(lista, lista->rect().center());
    QAbstractItemView* vista = lista->view();
    if (!QTest::qWaitForWindowExposed(vista->window()))
        qFatal("the list of bets counts did not open");
    const QRect entrada = vista->visualRect(vista->model()->index(indice, 0));
    // The list ignores a release that comes too soon after it opened, unless
    // the pointer has travelled far enough to the entry first; a user who
    // clicked too soon clicks again a moment later.
    QTest::mouseMove(vista->viewport(), QPoint(entrada.center().x(), entrada.bottom() + 12));
    QTest::mouseMove(vista->viewport(), entrada.center());
    pulsa(vista->viewport(), entrada.center());
    if (vista->window()->isVisible()) {
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        pulsa(vista->viewport(), entrada.center());
    }
    if (!QTest::qWaitFor([vista] { return !vista->window()->isVisible(); }))
        qFatal("the list of bets counts stayed open");
}

void guarda_como(const QString& ruta)
{
    Dialogo_archivo::fija_siguiente(ruta);
    pulsa_boton(ventana, QStringLiteral("Button2"));
}

void recupera(const QString& ruta)
{
    Dialogo_archivo::fija_siguiente(ruta);
    pulsa_boton(ventana, QStringLiteral("Button3"));
}

QListWidget* lista_equipos(const QString& nombre)
{
    return widget_de<QListWidget>(ventana_partidos, nombre);
}

QStringList entradas(const QString& lista)
{
    QStringList textos;
    const QListWidget* equipos = lista_equipos(lista);
    for (int i = 0; i < equipos->count(); ++i)
        textos.append(equipos->item(i)->text());
    return textos;
}

void elige_equipo(QListWidget* lista, int entrada)
{
    QListWidgetItem* item = lista->item(entrada);
    if (!item)
        qFatal("%s has no entry %d", qPrintable(lista->objectName()), entrada);
    lista->scrollToItem(item);
    pulsa(lista->viewport(), lista->visualItemRect(item).center());
}

void escribe_fecha(const QString& texto)
{
    QLineEdit* caja = fecha();
    pulsa(caja, caja->rect().center());
    caja->selectAll();
    QTest::keyClick(caja, Qt::Key_Backspace);
    QTest::keyClicks(caja, texto);
}

bool escribe_bytes(const QString& ruta, const QByteArray& bytes)
{
    QFile archivo(ruta);
    return archivo.open(QIODevice::WriteOnly) && archivo.write(bytes) == bytes.size() && archivo.flush();
}

QByteArray contenido(const QString& ruta)
{
    QFile archivo(ruta);
    return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
}

void elige_pdf(const QString& archivo, int puntos_por_pulgada)
{
    Impresora::fija_respuesta([archivo, puntos_por_pulgada](QPrinter& impresora) {
        impresora.setOutputFormat(QPrinter::PdfFormat);
        impresora.setOutputFileName(archivo);
        impresora.setResolution(puntos_por_pulgada);
        impresora.setPageSize(QPageSize(QPageSize::A4));
        impresora.setPageMargins(QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch);
        return true;
    });
    pulsa_boton(ventana, QStringLiteral("configura_impresora"));
}

void pulsa_marca(int partido)
{
    auto* marca = prueba::marca(partido);
    pulsa(marca, marca->rect().center());
}

namespace {

constexpr int segundos_para_abrirse = 20;

// Runs `accion` on the first modal window on show that `es_la` picks; `que`
// names it if none shows in time.
void al_abrirse_si(const QString& que, std::function<bool(const QWidget*)> es_la,
                   std::function<void(QWidget*)> accion)
{
    auto* reloj_espera = new QTimer;
    reloj_espera->setInterval(5);
    QDeadlineTimer plazo(segundos_para_abrirse * 1000);
    QObject::connect(reloj_espera, &QTimer::timeout, [reloj_espera, que, es_la, accion, plazo] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || !es_la(modal)) {
            if (plazo.hasExpired())
                qFatal("%s did not open within %d seconds", qPrintable(que), segundos_para_abrirse);
            return;
        }
        reloj_espera->stop();
        reloj_espera->deleteLater();
        accion(modal);
    });
    reloj_espera->start();
}

}  // namespace

void al_abrirse(const QString& nombre, std::function<void(QWidget*)> accion)
{
    al_abrirse_si(nombre, [nombre](const QWidget* modal) { return modal->objectName() == nombre; }, std::move(accion));
}

void al_abrirse(const char* clase, std::function<void(QWidget*)> accion)
{
    al_abrirse_si(QString::fromLatin1(clase), [clase](const QWidget* modal) { return modal->inherits(clase); },
                  std::move(accion));
}

void al_abrirse(QWidget* ventana_modal, std::function<void()> accion)
{
    al_abrirse_si(ventana_modal->objectName(), [ventana_modal](const QWidget* modal) { return modal == ventana_modal; },
                  [accion](QWidget*) { accion(); });
}

void dentro_de(const QString& modal, const QString& abre, const QString& cierra,
               const std::function<void(QWidget*)>& dentro)
{
    const bool ya_fallaba = QTest::currentTestFailed();
    bool abierta = false;
    QPointer<QWidget> abierto;
    al_abrirse(modal, [&](QWidget* ventana_modal) {
        abierta = true;
        abierto = ventana_modal;
        dentro(ventana_modal);
        if (ventana_modal->isVisible())
            pulsa_boton(ventana_modal, cierra);
    });
    pulsa_boton(ventana, abre);
    if (!abierta)
        qFatal("%s did not open from %s", qPrintable(modal), qPrintable(abre));
    if (abierto && abierto->isVisible())
        qFatal("%s stayed open after %s", qPrintable(modal), qPrintable(cierra));
    if (QTest::currentTestFailed() && !ya_fallaba)
        qFatal("a check failed inside %s", qPrintable(modal));
}

void dentro_de(QWidget* modal, const QString& abre, const QString& cierra, const std::function<void()>& dentro)
{
    dentro_de(modal->objectName(), abre, cierra, [&dentro](QWidget*) { dentro(); });
}

void en_partidos(const std::function<void()>& dentro)
{
    dentro_de(ventana_partidos, QStringLiteral("Button4"), QStringLiteral("boton_cancelar"), dentro);
}
