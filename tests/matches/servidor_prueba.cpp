#include "servidor_prueba.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QList>

#include <chrono>
#include <cstdlib>

namespace {

constexpr int milisegundos_vuelta = 50;

int socket_en_bucle_local(int& puerto)
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in direccion{};
    direccion.sin_family = AF_INET;
    direccion.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t largo = sizeof direccion;
    if (s < 0 || ::bind(s, reinterpret_cast<sockaddr*>(&direccion), largo) != 0
        || ::getsockname(s, reinterpret_cast<sockaddr*>(&direccion), &largo) != 0)
        std::abort();
    puerto = ntohs(direccion.sin_port);
    return s;
}

// Waits for the socket to be ready, a little at a time, until `fin` is set.
bool espera(int s, short suceso, const std::atomic<bool>& fin)
{
    pollfd p{s, suceso, 0};
    while (!fin) {
        const int r = ::poll(&p, 1, milisegundos_vuelta);
        if (r != 0)
            return r > 0;
    }
    return false;
}

qsizetype longitud_anunciada(const QByteArray& cabecera)
{
    for (const QByteArray& linea : cabecera.split('\n')) {
        const QByteArray limpia = linea.trimmed();
        if (limpia.toLower().startsWith("content-length:"))
            return limpia.mid(15).trimmed().toLongLong();
    }
    return 0;
}

}  // namespace

Servidor_prueba::Servidor_prueba(QByteArray respuesta, int milisegundos_por_byte)
    : respuesta_(std::move(respuesta)), calla_(false), milisegundos_por_byte_(milisegundos_por_byte)
{
    escucha_ = socket_en_bucle_local(puerto_);
    ::listen(escucha_, 8);
    hilo_ = std::thread([this] { atiende(); });
}

Servidor_prueba::Servidor_prueba()
    : calla_(true)
{
    escucha_ = socket_en_bucle_local(puerto_);
    ::listen(escucha_, 8);
    hilo_ = std::thread([this] { atiende(); });
}

Servidor_prueba::~Servidor_prueba()
{
    fin_ = true;
    hilo_.join();
    for (const int s : abiertas_)
        ::close(s);
    ::close(escucha_);
}

QString Servidor_prueba::url() const
{
    return QStringLiteral("http://127.0.0.1:%1/qboletos.asp").arg(puerto_);
}

int Servidor_prueba::conexiones() const
{
    const std::lock_guard bloqueo(cerrojo_);
    return static_cast<int>(peticiones_.size());
}

QByteArray Servidor_prueba::peticion() const
{
    const std::lock_guard bloqueo(cerrojo_);
    return peticiones_.empty() ? QByteArray() : peticiones_.front();
}

QByteArray Servidor_prueba::respuesta_200(const QByteArray& cuerpo, bool con_longitud)
{
    QByteArray respuesta = "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n";
    if (con_longitud)
        respuesta += "Content-Length: " + QByteArray::number(cuerpo.size()) + "\r\n";
    return respuesta + "\r\n" + cuerpo;
}

int Servidor_prueba::puerto_cerrado()
{
    int puerto = 0;
    ::close(socket_en_bucle_local(puerto));
    return puerto;
}

void Servidor_prueba::atiende()
{
    while (espera(escucha_, POLLIN, fin_)) {
        const int conexion = ::accept(escucha_, nullptr, nullptr);
        if (conexion >= 0)
            atiende_conexion(conexion);
    }
}

void Servidor_prueba::atiende_conexion(int conexion)
{
    QByteArray recibido;
    char bufer[4096];
    qsizetype fin_cabecera = -1;
    while (fin_cabecera < 0 || recibido.size() < fin_cabecera + 4 + longitud_anunciada(recibido.left(fin_cabecera))) {
        if (!espera(conexion, POLLIN, fin_))
            break;
        const ssize_t n = ::recv(conexion, bufer, sizeof bufer, 0);
        if (n <= 0)
            break;
        recibido.append(bufer, n);
        fin_cabecera = recibido.indexOf("\r\n\r\n");
    }
    {
        const std::lock_guard bloqueo(cerrojo_);
        peticiones_.push_back(recibido);
    }
    if (calla_) {
        abiertas_.push_back(conexion);
        return;
    }
    if (milisegundos_por_byte_ == 0) {
        envia(conexion, respuesta_.constData(), respuesta_.size());
    } else {
        const qsizetype cuerpo = respuesta_.indexOf("\r\n\r\n") + 4;
        bool sigue = envia(conexion, respuesta_.constData(), cuerpo);
        for (qsizetype i = cuerpo; sigue && i < respuesta_.size(); ++i)
            sigue = pausa() && envia(conexion, respuesta_.constData() + i, 1);
    }
    ::close(conexion);
}

// False once the peer has gone or the server is to end.
bool Servidor_prueba::envia(int conexion, const char* bytes, qsizetype cantidad)
{
    for (qsizetype enviado = 0; enviado < cantidad;) {
        if (!espera(conexion, POLLOUT, fin_))
            return false;
        const ssize_t n = ::send(conexion, bytes + enviado, static_cast<size_t>(cantidad - enviado), MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        enviado += n;
    }
    return true;
}

bool Servidor_prueba::pausa()
{
    for (int esperado = 0; esperado < milisegundos_por_byte_ && !fin_; esperado += milisegundos_vuelta)
        std::this_thread::sleep_for(std::chrono::milliseconds(milisegundos_vuelta));
    return !fin_;
}
