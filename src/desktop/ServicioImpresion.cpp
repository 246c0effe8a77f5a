// Whether the print server answers, found out off the window's thread, within a time limit.
#include "ServicioImpresion.h"

#include <QEventLoop>
#include <QTimer>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <strings.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace gemelario::ventanas {
namespace {

using Reloj = std::chrono::steady_clock;

struct Servidor {
    std::string socket;  // a local socket's path, or else host and port
    std::string host;
    std::string puerto = "631";
};

std::string nombreEnConfiguracion(const std::string& ruta) {
    std::ifstream f(ruta);
    std::string nombre;
    for (std::string linea; std::getline(f, linea);) {
        std::istringstream campos(linea);
        std::string clave, valor;
        if (campos >> clave >> valor && ::strcasecmp(clave.c_str(), "ServerName") == 0) nombre = valor;
    }
    return nombre;
}

// The server as the print system's library chooses it: the environment, then the user's client.conf,
// then the system's, then the local socket where it exists, else this machine's port 631.
Servidor servidorDeImpresion() {
    const auto entorno = [](const char* v) { const char* e = std::getenv(v); return std::string(e ? e : ""); };
    std::string nombre = entorno("CUPS_SERVER");
    if (nombre.empty() && !entorno("HOME").empty()) nombre = nombreEnConfiguracion(entorno("HOME") + "/.cups/client.conf");
    const std::string raiz = entorno("CUPS_SERVERROOT").empty() ? "/etc/cups" : entorno("CUPS_SERVERROOT");
    if (nombre.empty()) nombre = nombreEnConfiguracion(raiz + "/client.conf");
    if (nombre.empty()) nombre = ::access("/run/cups/cups.sock", F_OK) == 0 ? "/run/cups/cups.sock" : "localhost";
    Servidor s;
    if (!entorno("IPP_PORT").empty()) s.puerto = entorno("IPP_PORT");
    if (nombre[0] == '/') return s.socket = nombre, s;
    nombre = nombre.substr(0, nombre.find('/'));  // "host/version=1.1"
    // "host:port" or "[address]:port"; a bare IPv6 address has more than one colon.
    const auto dosPuntos = nombre.rfind(':'), cierre = nombre.rfind(']');
    if (dosPuntos != std::string::npos && (cierre != std::string::npos ? dosPuntos > cierre : nombre.find(':') == dosPuntos))
        s.puerto = nombre.substr(dosPuntos + 1), nombre.resize(dosPuntos);
    if (nombre.size() > 1 && nombre.front() == '[' && nombre.back() == ']') nombre = nombre.substr(1, nombre.size() - 2);
    s.host = nombre;
    return s;
}

// Waits until the socket is ready for `eventos` or the limit passes.
bool listo(int fd, short eventos, Reloj::time_point limite) {
    for (;;) {
        const auto resta = std::chrono::duration_cast<std::chrono::milliseconds>(limite - Reloj::now()).count();
        if (resta <= 0) return false;
        pollfd p{fd, eventos, 0};
        const int r = ::poll(&p, 1, static_cast<int>(resta));
        if (r > 0) return true;
        if (r == 0) return false;
    }
}

// Connected (true), refused or unreachable (false, with `callado` false), or no answer in time.
bool conectar(int fd, const sockaddr* direccion, socklen_t largo, Reloj::time_point limite, bool& callado) {
    if (::connect(fd, direccion, largo) == 0) return true;
    if (errno != EINPROGRESS) return false;
    if (!listo(fd, POLLOUT, limite)) return callado = true, false;
    int error = 0;
    socklen_t n = sizeof error;
    return ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &n) == 0 && error == 0;
}

ServicioImpresion preguntar(const Servidor& s, Reloj::time_point limite) {
    bool callado = false;
    int fd = -1;
    if (!s.socket.empty()) {
        sockaddr_un u{};
        u.sun_family = AF_UNIX;
        s.socket.copy(u.sun_path, sizeof u.sun_path - 1);
        fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (fd >= 0 && !conectar(fd, reinterpret_cast<sockaddr*>(&u), sizeof u, limite, callado)) ::close(fd), fd = -1;
    } else {
        addrinfo pista{};
        pista.ai_socktype = SOCK_STREAM;
        addrinfo* lista = nullptr;
        if (::getaddrinfo(s.host.c_str(), s.puerto.c_str(), &pista, &lista) == 0) {
            for (addrinfo* a = lista; a && fd < 0 && !callado; a = a->ai_next) {
                fd = ::socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol);
                if (fd >= 0 && !conectar(fd, a->ai_addr, a->ai_addrlen, limite, callado)) ::close(fd), fd = -1;
            }
            ::freeaddrinfo(lista);
        }
    }
    if (fd < 0) return callado ? ServicioImpresion::NoResponde : ServicioImpresion::SinServidor;
    // Any answer, even a closed connection, is one: the library is then told at once.
    static constexpr char kPregunta[] = "OPTIONS * HTTP/1.1\r\nHost: localhost\r\n\r\n";
    ::send(fd, kPregunta, sizeof kPregunta - 1, MSG_NOSIGNAL);
    const bool responde = listo(fd, POLLIN, limite);
    ::close(fd);
    return responde ? ServicioImpresion::Responde : ServicioImpresion::NoResponde;
}

} // namespace

ServicioImpresion SondearServicioImpresion(std::chrono::milliseconds espera) {
    // Shared with the thread, which may outlive this call when a name lookup hangs.
    struct Estado {
        std::mutex m;
        QEventLoop* bucle = nullptr;
        ServicioImpresion respuesta = ServicioImpresion::NoResponde;
        bool hecha = false;
    };
    const auto estado = std::make_shared<Estado>();
    const auto limite = Reloj::now() + espera;
    QEventLoop bucle;
    std::thread([estado, limite] {
        const ServicioImpresion r = preguntar(servidorDeImpresion(), limite);
        const std::lock_guard<std::mutex> cerrojo(estado->m);
        estado->respuesta = r, estado->hecha = true;
        if (estado->bucle) QMetaObject::invokeMethod(estado->bucle, &QEventLoop::quit, Qt::QueuedConnection);
    }).detach();
    QTimer fin;
    fin.setSingleShot(true);
    QObject::connect(&fin, &QTimer::timeout, &bucle, &QEventLoop::quit);
    fin.start(espera);
    {
        std::unique_lock<std::mutex> cerrojo(estado->m);
        if (estado->hecha) return estado->respuesta;
        estado->bucle = &bucle;
    }
    // The window keeps answering the desktop; clicks and keys wait, as during a hold.
    bucle.exec(QEventLoop::ExcludeUserInputEvents);
    const std::lock_guard<std::mutex> cerrojo(estado->m);
    estado->bucle = nullptr;
    return estado->hecha ? estado->respuesta : ServicioImpresion::NoResponde;
}

} // namespace gemelario::ventanas
