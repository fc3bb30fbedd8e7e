#pragma once

#include <QObject>
#include <QString>

#include <functional>

class THTTPGetThread;

// Events run on the user-interface thread. Sender is the component, except in
// progress reports, whose Sender is the worker.
using TOnProgressEvent = std::function<void(QObject* Sender, int TotalSize, int Readed)>;
using TOnDoneFileEvent = std::function<void(QObject* Sender, const QString& FileName, int FileSize)>;
using TOnDoneStringEvent = std::function<void(QObject* Sender, const QString& Result)>;
using TNotifyEvent = std::function<void(QObject* Sender)>;

// Fetches one HTTP resource into a text in the background: one worker thread
// per fetch, at most one at a time, which reports its progress and its end to
// the owner through the events. The body arrives as Windows-1252 bytes, so
// each byte is one character of `Result`.
class THTTPGet : public QObject {
    Q_OBJECT

public:
    explicit THTTPGet(QObject* Owner);
    // Stops a running fetch; none of its events will arrive any more.
    ~THTTPGet() override;
    THTTPGet(const THTTPGet&) = delete;
    THTTPGet& operator=(const THTTPGet&) = delete;

    // Starts a fetch and returns without waiting for it; does nothing while
    // one runs. With WaitThread it first lets the messages already waiting
    // for this thread be handled.
    void FetchText();
    // A fetch asked to stop ends with OnError.
    void StopFetch();

    bool en_curso() const { return hilo_ != nullptr; }
    // The outcome of the last fetch that ended.
    bool resultado() const { return resultado_; }

    // Published properties, in the order they are stored. A fetch takes a
    // copy of them when it starts.
    QString AcceptTypes = QStringLiteral("*/*");
    QString Agent = QStringLiteral("Brisamo HTTPGet");  // empty: none
    bool BinaryData = false;  // true: an answer without Content-Length fails
    QString URL;  // "http://" host[":" port] path
    bool UseCache = false;  // false: every request goes to the server
    QString FileName;  // no fetch into a file is offered; kept with the settings
    QString UserName;
    QString Password;
    QString PostQuery;  // not empty: the request is a form POST with this body
    QString Referer;
    bool WaitThread = false;
    // Seconds the whole fetch may take before it ends with OnError; 0: no
    // limit. A server that sends a byte now and then never stalls for long.
    int plazo_segundos = 0;
    // Seconds a server may take to accept the connection, and may send
    // nothing once connected, before the fetch ends with OnError.
    int segundos_conexion = 30;
    int segundos_parado = 30;
    TOnProgressEvent OnProgress;
    TOnDoneFileEvent OnDoneFile;
    TOnDoneStringEvent OnDoneString;
    TNotifyEvent OnError;

private:
    void FetchFinished();

    THTTPGetThread* hilo_ = nullptr;
    bool resultado_ = false;
};
