#include "matches/HTTPGetThread.h"

#include "common/ansi.h"
#include "matches/url_http.h"

#include <QPointer>

#include <algorithm>

namespace {

Peticion_http peticion_de(const Ajustes_http& ajustes, const Url_dividida& url)
{
    Peticion_http peticion;
    peticion.url = ansi::a_bytes(QStringLiteral("http://") + url.host + u':' + QString::number(url.puerto)
                                 + url.objeto);
    peticion.agente = ansi::a_bytes(ajustes.Agent);
    peticion.usuario = ansi::a_bytes(ajustes.UserName);
    peticion.contrasena = ansi::a_bytes(ajustes.Password);
    peticion.referer = ansi::a_bytes(ajustes.Referer);
    peticion.tipos_aceptados = ansi::a_bytes(ajustes.AcceptTypes);
    peticion.cuerpo_post = ansi::a_bytes(ajustes.PostQuery);
    peticion.recarga = !ajustes.UseCache;
    peticion.plazo_segundos = ajustes.plazo_segundos;
    peticion.segundos_conexion = ajustes.segundos_conexion;
    peticion.segundos_parado = ajustes.segundos_parado;
    return peticion;
}

}  // namespace

THTTPGetThread::THTTPGetThread(const Ajustes_http& ajustes, TOnProgressEvent OnProgress,
                               std::function<void()> al_terminar)
    : ajustes_(ajustes), OnProgress_(std::move(OnProgress)), al_terminar_(std::move(al_terminar))
{
    connect(this, &QThread::finished, this, &QObject::deleteLater);
}

THTTPGetThread::~THTTPGetThread() = default;

void THTTPGetThread::para()
{
    parar_ = true;
    transferencia_.despierta();
}

void THTTPGetThread::abandona()
{
    {
        const std::lock_guard bloqueo(cerrojo_);
        abandonado_ = true;
    }
    espera_.notify_all();
}

void THTTPGetThread::run()
{
    descarga();
    en_hilo_principal(&THTTPGetThread::termina);
}

void THTTPGetThread::descarga()
{
    const Url_dividida url = SplitUrl(ajustes_.URL);
    if (parar_)
        return;
    const bool completa = transferencia_.realiza(
        peticion_de(ajustes_, url), parar_,
        [this](long estado, qint64 longitud) { return acepta_cabeceras(estado, longitud); },
        [this](const char* datos, qsizetype cantidad) { return recibe(datos, cantidad); });
    // An answer cut short by the network is no page, however much of it came.
    resultado_ = completa && leidos_ != 0 && !parar_;
}

bool THTTPGetThread::acepta_cabeceras(long estado, qint64 longitud)
{
    if (parar_)
        return false;
    // The text of an error page would pass for the page asked for.
    if (estado >= 400)
        return false;
    if (longitud < 0 && ajustes_.BinaryData)
        return false;
    if (longitud > tamano_maximo)
        return false;
    total_ = longitud < 0 ? 0 : static_cast<int>(longitud);
    return true;
}

bool THTTPGetThread::recibe(const char* datos, qsizetype cantidad)
{
    for (qsizetype hecho = 0; hecho < cantidad;) {
        const qsizetype trozo = std::min<qsizetype>(cantidad - hecho, tamano_trozo);
        if (!guarda_trozo(datos + hecho, trozo))
            return false;
        hecho += trozo;
    }
    return true;
}

bool THTTPGetThread::guarda_trozo(const char* datos, qsizetype cantidad)
{
    if (parar_ || leidos_ + cantidad > tamano_maximo)
        return false;
    texto_.append(datos, cantidad);
    leidos_ += static_cast<int>(cantidad);
    return !OnProgress_ || en_hilo_principal(&THTTPGetThread::ReportProgress);
}

bool THTTPGetThread::en_hilo_principal(void (THTTPGetThread::*paso)())
{
    std::unique_lock bloqueo(cerrojo_);
    if (abandonado_)
        return false;
    entregado_ = false;
    QMetaObject::invokeMethod(this, [this, paso] { ejecuta(paso); }, Qt::QueuedConnection);
    espera_.wait(bloqueo, [this] { return entregado_ || abandonado_; });
    return entregado_;
}

void THTTPGetThread::ejecuta(void (THTTPGetThread::*paso)())
{
    if (abandonado())
        return;
    // A handler may end the program's windows, and with them this worker.
    const QPointer<THTTPGetThread> vivo(this);
    en_paso_ = true;
    (this->*paso)();
    if (!vivo)
        return;
    en_paso_ = false;
    {
        const std::lock_guard bloqueo(cerrojo_);
        entregado_ = true;
    }
    espera_.notify_all();
}

bool THTTPGetThread::abandonado()
{
    const std::lock_guard bloqueo(cerrojo_);
    return abandonado_;
}

void THTTPGetThread::ReportProgress()
{
    OnProgress_(this, total_, leidos_);
}

void THTTPGetThread::termina()
{
    al_terminar_();
}
