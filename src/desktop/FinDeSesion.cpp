// The end of the desktop session: the session manager's request to save, SIGTERM or SIGHUP. What the
// program holds unsaved is stored; a signal then ends the program.
#include "FinDeSesion.h"

#include <QApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace gemelario::ventanas {
namespace {

// A signal handler may only write to a pipe; the event loop reads it and does the work. The pipe
// is the one piece of state a signal handler can reach.
int tuberia[2] = {-1, -1};

void alRecibirSenal(int) {
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(tuberia[1], &c, 1);
}

} // namespace

void VigilarFinDeSesion(QApplication& aplicacion, std::function<void()> guardar, std::function<void()> terminar) {
    QObject::connect(&aplicacion, &QGuiApplication::commitDataRequest, &aplicacion, [guardar](QSessionManager&) { guardar(); });
    if (tuberia[0] < 0 && ::pipe2(tuberia, O_CLOEXEC | O_NONBLOCK) != 0) return;
    auto* aviso = new QSocketNotifier(tuberia[0], QSocketNotifier::Read, &aplicacion);
    QObject::connect(aviso, &QSocketNotifier::activated, &aplicacion, [guardar, terminar = std::move(terminar)] {
        char c;
        while (::read(tuberia[0], &c, 1) > 0) {
        }
        guardar();
        terminar();
    });
    struct sigaction accion {};
    accion.sa_handler = alRecibirSenal;
    sigemptyset(&accion.sa_mask);
    accion.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &accion, nullptr);
    ::sigaction(SIGHUP, &accion, nullptr);
}

} // namespace gemelario::ventanas
