#pragma once

#include "matches/HTTPGet.h"
#include "matches/transferencia_http.h"

#include <QByteArray>
#include <QThread>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>

// The settings of the component that a fetch takes with it when it starts.
struct Ajustes_http {
    QString AcceptTypes;
    QString Agent;
    QString URL;
    QString UserName;
    QString Password;
    QString PostQuery;
    QString Referer;
    bool BinaryData = false;
    bool UseCache = false;
    int plazo_segundos = 0;
    int segundos_conexion = 0;
    int segundos_parado = 0;
};

// The worker of one fetch. Its body runs on its own thread and hands each
// progress report and, at the end, the completion handler to the
// user-interface thread, waiting there until they have run. It deletes
// itself once the completion has run; a component that goes before that
// stops it and deletes it.
class THTTPGetThread : public QThread {
    Q_OBJECT

public:
    // A larger body is refused instead of being held in memory; the pages
    // this program reads are a small fraction of it.
    static constexpr int tamano_maximo = 4 * 1024 * 1024;
    // The body is taken and reported in pieces of at most this many bytes.
    static constexpr int tamano_trozo = 1025;

    THTTPGetThread(const Ajustes_http& ajustes, TOnProgressEvent OnProgress,
                   std::function<void()> al_terminar);
    ~THTTPGetThread() override;

    // Read on the user-interface thread while the worker waits there.
    bool resultado() const { return resultado_ && !parar_; }
    const QByteArray& texto() const { return texto_; }

    // The stop request, from the user-interface thread: a wait on the
    // network ends at once.
    void para();
    // From the user-interface thread, when the component goes: no step of
    // this worker runs there any more and the worker no longer waits for one.
    void abandona();
    // Whether one of this worker's steps is running on the user-interface
    // thread right now, further down the stack.
    bool en_paso() const { return en_paso_; }

protected:
    void run() override;

private:
    void descarga();
    bool acepta_cabeceras(long estado, qint64 longitud);
    bool recibe(const char* datos, qsizetype cantidad);
    bool guarda_trozo(const char* datos, qsizetype cantidad);

    // Runs a step on the user-interface thread and waits until it has run;
    // false when it was abandoned instead.
    bool en_hilo_principal(void (THTTPGetThread::*paso)());
    void ejecuta(void (THTTPGetThread::*paso)());
    bool abandonado();

    void ReportProgress();
    void termina();

    const Ajustes_http ajustes_;
    const TOnProgressEvent OnProgress_;
    const std::function<void()> al_terminar_;
    Transferencia_http transferencia_;

    // Written by the worker; read by the user-interface thread only while
    // the worker waits for it or has ended.
    QByteArray texto_;
    bool resultado_ = false;
    int total_ = 0;
    int leidos_ = 0;

    std::atomic<bool> parar_ = false;

    std::mutex cerrojo_;
    std::condition_variable espera_;
    bool entregado_ = false;
    bool abandonado_ = false;

    bool en_paso_ = false;
};
