// The end of the desktop session: the session manager's request to save, SIGTERM or SIGHUP. What an
// open window holds unsaved is stored; a signal then ends the program.
#pragma once

#include <functional>

class QApplication;

namespace gemelario::ventanas {

// Watches for the end of the session from now on; `terminar` ends the program after a signal.
void VigilarFinDeSesion(QApplication& aplicacion, std::function<void()> terminar);

// Every open window's unsaved work stored (see VentanaDialogo::alTerminarSesion).
void GuardarAntesDeSalir();

} // namespace gemelario::ventanas
