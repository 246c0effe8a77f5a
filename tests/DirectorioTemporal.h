// A scratch directory per test, removed afterwards, plus byte-level file helpers.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace gemelario::prueba {

class DirectorioTemporal {
public:
    DirectorioTemporal() {
        std::string plantilla = (std::filesystem::temp_directory_path() / "gemelario-XXXXXX").string();
        ruta = ::mkdtemp(plantilla.data());
    }
    ~DirectorioTemporal() {
        std::error_code ec;
        std::filesystem::remove_all(ruta, ec);
    }
    DirectorioTemporal(const DirectorioTemporal&) = delete;
    DirectorioTemporal& operator=(const DirectorioTemporal&) = delete;

    std::filesystem::path ruta;

    std::string leer(const std::string& nombre) const { return leerRuta(ruta / nombre); }
    static std::string leerRuta(const std::filesystem::path& p) {
        std::ifstream f(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    }
    void escribir(const std::string& nombre, const std::string& bytes) const {
        std::ofstream f(ruta / nombre, std::ios::binary | std::ios::trunc);
        f << bytes;
    }
};

} // namespace gemelario::prueba
