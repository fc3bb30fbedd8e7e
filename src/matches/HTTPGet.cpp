#include "matches/HTTPGet.h"

#include "common/ansi.h"
#include "matches/HTTPGetThread.h"

#include <QCoreApplication>
#include <QPointer>

THTTPGet::THTTPGet(QObject* Owner)
    : QObject(Owner)
{
}

THTTPGet::~THTTPGet()
{
    StopFetch();
    if (!hilo_)
        return;
    hilo_->abandona();
    // Inside one of its own steps the worker is waiting for this very call
    // to return; it ends and goes by itself afterwards.
    if (hilo_->en_paso())
        return;
    hilo_->wait();
    delete hilo_;
}

void THTTPGet::FetchText()
{
    if (hilo_)
        return;
    const Ajustes_http ajustes{AcceptTypes, Agent,      URL,      UserName,       Password,
                               PostQuery,   Referer,    BinaryData, UseCache, plazo_segundos,
                               segundos_conexion, segundos_parado};
    hilo_ = new THTTPGetThread(ajustes, OnProgress, [this] { FetchFinished(); });
    hilo_->start();
    if (WaitThread)
        QCoreApplication::processEvents();
}

void THTTPGet::StopFetch()
{
    if (hilo_)
        hilo_->para();
}

void THTTPGet::FetchFinished()
{
    const QPointer<THTTPGet> vivo(this);
    resultado_ = hilo_->resultado();
    // Copies: a handler may replace the event, or end this component.
    if (resultado_) {
        if (const TOnDoneStringEvent evento = OnDoneString)
            evento(this, ansi::a_texto(hilo_->texto()));
    } else if (const TNotifyEvent evento = OnError) {
        evento(this);
    }
    if (vivo)
        hilo_ = nullptr;
}
