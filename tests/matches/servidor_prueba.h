#pragma once

// An HTTP server on loopback for the fetch tests, on a thread of its own.
// It reads each request up to the blank line, and the body a Content-Length
// announces, keeps it, and then either sends its scripted answer and closes,
// or, when it is to stall, holds the connection open without a word until it
// goes. A trickling server sends the body of its answer one byte at a time.

#include <QByteArray>
#include <QString>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

class Servidor_prueba {
public:
    // Answers every request with these bytes, status line and all; with a
    // pause, each byte of the body follows the one before after that long.
    explicit Servidor_prueba(QByteArray respuesta, int milisegundos_por_byte = 0);
    // Never answers.
    Servidor_prueba();
    ~Servidor_prueba();
    Servidor_prueba(const Servidor_prueba&) = delete;
    Servidor_prueba& operator=(const Servidor_prueba&) = delete;

    QString url() const;  // "http://127.0.0.1:<port>/qboletos.asp"
    int conexiones() const;
    QByteArray peticion() const;  // the first request, as received

    // A status-200 answer carrying `cuerpo`, with or without Content-Length.
    static QByteArray respuesta_200(const QByteArray& cuerpo, bool con_longitud = true);
    // A port on loopback where nobody listens.
    static int puerto_cerrado();

private:
    void atiende();
    void atiende_conexion(int conexion);
    bool envia(int conexion, const char* bytes, qsizetype cantidad);
    bool pausa();

    const QByteArray respuesta_;
    const bool calla_;
    const int milisegundos_por_byte_ = 0;
    int escucha_ = -1;
    int puerto_ = 0;
    std::atomic<bool> fin_ = false;
    mutable std::mutex cerrojo_;
    std::vector<QByteArray> peticiones_;
    std::vector<int> abiertas_;
    std::thread hilo_;
};
