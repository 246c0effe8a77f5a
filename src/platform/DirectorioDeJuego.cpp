// Where the game keeps its files: the current directory when it already holds them, otherwise the
// player's own data directory.
#include "DirectorioDeJuego.h"

#include <system_error>

namespace gemelario {

std::optional<std::filesystem::path> ElegirDirectorio(const EntornoDirectorios& entorno,
                                                      const std::vector<std::string>& archivos) {
    std::error_code ec;
    for (const std::string& a : archivos)
        if (std::filesystem::exists(std::filesystem::symlink_status(entorno.actual / a, ec))) return entorno.actual;
    // Started from a desktop menu (usually in the home directory): the player's own files.
    std::filesystem::path base = entorno.xdgDataHome;
    if (base.empty() || base.is_relative()) {
        if (entorno.home.empty()) return std::nullopt;
        base = std::filesystem::path(entorno.home) / ".local" / "share";
    }
    const std::filesystem::path dir = base / "gemelario";
    std::filesystem::create_directories(dir, ec);
    if (!std::filesystem::is_directory(dir, ec)) return std::nullopt;
    return dir;
}

} // namespace gemelario
