// Where the game keeps its files: the current directory when it already holds them, otherwise the
// player's own data directory.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace gemelario {

struct EntornoDirectorios {
    std::filesystem::path actual;  // the current directory
    std::string xdgDataHome;       // $XDG_DATA_HOME, possibly empty
    std::string home;              // $HOME
};

struct DirectorioElegido {
    std::filesystem::path ruta;  // empty when no directory could be chosen
    std::string problema;        // then, the one line in Spanish that says why
};

// The current directory if it holds any of `archivos`; otherwise $XDG_DATA_HOME/gemelario (an
// absolute $XDG_DATA_HOME only), else ~/.local/share/gemelario, created when missing.
DirectorioElegido ElegirDirectorio(const EntornoDirectorios& entorno, const std::vector<std::string>& archivos);

} // namespace gemelario
