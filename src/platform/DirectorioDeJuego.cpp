// Where the game keeps its files: the current directory when it already holds them, otherwise the
// player's own data directory.
#include "DirectorioDeJuego.h"

#include <cerrno>
#include <system_error>

namespace gemelario {
namespace {

std::string causa(const std::error_code& ec) {
    switch (ec.value()) {
    case EACCES: case EPERM: return "no hay permiso";
    case EROFS: return "el disco es de solo lectura";
    case ENOSPC: case EDQUOT: return "no queda espacio";
    case ENOTDIR: case EEXIST: return "parte de la ruta no es una carpeta";
    case ENAMETOOLONG: return "la ruta es demasiado larga";
    case ELOOP: return "la ruta da vueltas entre enlaces";
    default: return ec.message();
    }
}

} // namespace

DirectorioElegido ElegirDirectorio(const EntornoDirectorios& entorno, const std::vector<std::string>& archivos) {
    std::error_code ec;
    for (const std::string& a : archivos)
        if (std::filesystem::exists(std::filesystem::symlink_status(entorno.actual / a, ec))) return {entorno.actual, {}};
    // Started from a desktop menu (usually in the home directory): the player's own files. A
    // relative XDG_DATA_HOME is ignored, as the XDG rules ask.
    std::filesystem::path base = entorno.xdgDataHome;
    const bool ignorada = !base.empty() && base.is_relative();
    const std::string nota = ignorada ? " (XDG_DATA_HOME, \"" + entorno.xdgDataHome + "\", no es una ruta absoluta y no se usa)" : "";
    if (base.empty() || ignorada) {
        if (entorno.home.empty())
            return {{}, "gemelario no sabe dónde guardar sus archivos: la variable HOME no está definida" + nota + "."};
        base = std::filesystem::path(entorno.home) / ".local" / "share";
    }
    const std::filesystem::path dir = base / "gemelario";
    std::filesystem::create_directories(dir, ec);
    std::error_code visto;  // (a name too long, or a loop, makes the throwing form throw)
    if (!std::filesystem::is_directory(dir, visto)) {
        if (!ec) ec = std::make_error_code(std::errc::not_a_directory);
        return {{}, "gemelario no puede crear su carpeta de datos " + dir.string() + ": " + causa(ec) + nota + "."};
    }
    return {dir, {}};
}

} // namespace gemelario
