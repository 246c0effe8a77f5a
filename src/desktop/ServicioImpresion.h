// Whether the print server answers, asked before Qt's print dialog asks it: the print system's
// library blocks the thread that calls it, and a server that never answers would freeze the game.
#pragma once

#include <chrono>

namespace gemelario::ventanas {

enum class ServicioImpresion { Responde, SinServidor, NoResponde };

// Asks the server the print system's library would use (CUPS_SERVER, client.conf, the local
// socket) off the window's thread; meanwhile the window keeps answering the desktop and the
// player's input waits, as during a hold. NoResponde when no answer came within `espera`.
ServicioImpresion SondearServicioImpresion(std::chrono::milliseconds espera);

} // namespace gemelario::ventanas
