// The end of the desktop session: the session manager's request to save, SIGTERM or SIGHUP. What the
// program holds unsaved is stored; a signal then ends the program.
#pragma once

#include <functional>

class QApplication;

namespace gemelario::ventanas {

// Watches for the end of the session from now on: `guardar` stores what is unsaved, at the session
// manager's request and at a signal; `terminar` then ends the program after a signal.
void VigilarFinDeSesion(QApplication& aplicacion, std::function<void()> guardar, std::function<void()> terminar);

} // namespace gemelario::ventanas
