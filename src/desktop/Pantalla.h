// Whether a graphical display is there to open windows on, checked before Qt tries (and aborts).
#pragma once

#include <string>

namespace gemelario::ventanas {

// Empty when a display is available; otherwise the one line to tell the user.
std::string ProblemaDePantalla();

} // namespace gemelario::ventanas
