// Whether a graphical display is there to open windows on, checked before Qt tries (and aborts).
#include "Pantalla.h"

#include <cstdlib>
#include <filesystem>

namespace gemelario::ventanas {
namespace {

std::string variable(const char* nombre) {
    const char* v = std::getenv(nombre);
    return v ? v : "";
}

} // namespace

std::string ProblemaDePantalla() {
    const std::string ayuda = " Ejecútalo desde un escritorio gráfico, o sin pantalla con: xvfb-run ./gemelario";
    if (!variable("QT_QPA_PLATFORM").empty() || !variable("WAYLAND_DISPLAY").empty()) return {};
    const std::string display = variable("DISPLAY");
    if (display.empty()) return "gemelario necesita una pantalla gráfica y DISPLAY no está definida." + ayuda;
    // A local display ":N" or ":N.M" listens on /tmp/.X11-unix/XN; a remote one is trusted.
    if (display[0] == ':') {
        const std::string numero = display.substr(1, display.find('.', 1) - 1);
        std::error_code ec;
        if (!std::filesystem::exists("/tmp/.X11-unix/X" + numero, ec))
            return "gemelario necesita una pantalla gráfica y la pantalla " + display + " no responde." + ayuda;
    }
    return {};
}

} // namespace gemelario::ventanas
