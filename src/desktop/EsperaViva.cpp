// The exposure wait on screen: it lasts its time by the clock, while the window keeps answering the
// desktop (the window manager's ping, repaints, a screen reader); the player's input waits its turn.
#include "EsperaViva.h"

#include "EsperaReal.h"

#include <QEventLoop>
#include <QTimer>

#include <thread>

namespace gemelario::ventanas {

void EsperaViva::esperar(std::int32_t valor) {
    using reloj = std::chrono::steady_clock;
    using std::chrono::milliseconds;
    const auto limite = reloj::now() + EsperaReal::duracion(valor);
    // Clicks, keys and the close box (Qt counts the window manager's close request as input) stay
    // queued and are handled after the turn, in the order they came; what is not input goes on.
    QEventLoop bucle;
    QTimer fin;
    fin.setSingleShot(true);
    fin.setTimerType(Qt::PreciseTimer);
    QObject::connect(&fin, &QTimer::timeout, &bucle, &QEventLoop::quit);
    for (auto resta = limite - reloj::now(); resta >= milliseconds(1); resta = limite - reloj::now()) {
        fin.start(std::chrono::duration_cast<milliseconds>(resta));
        // The program is ending (the session ends, a signal): the turn is not held any longer.
        if (bucle.exec(QEventLoop::ExcludeUserInputEvents) != 0) return;
    }
    // The last fraction of a millisecond, which a timer cannot time.
    while (reloj::now() < limite) std::this_thread::sleep_until(limite);
}

} // namespace gemelario::ventanas
