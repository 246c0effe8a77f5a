// The pictures' names: the fourteen file names as on disk, and the ASCII name of each one's drawing.
#include "NombresDibujos.h"

#include "Imagenes.h"
#include "frmGemelario.h"

#include <algorithm>

namespace gemelario::ventanas {

const std::vector<std::string>& NombresDibujos() {
    static const std::vector<std::string> nombres = [] {
        std::vector<std::string> n(TablaImagenes().begin() + 1, TablaImagenes().end());
        n.push_back(kReverso);
        n.push_back(kReverClave);
        return n;
    }();
    return nombres;
}

std::string NombreDelDibujo(const std::string& nombre) {
    const auto& nombres = NombresDibujos();
    if (std::find(nombres.begin(), nombres.end(), nombre) == nombres.end()) return {};
    std::string base;
    // The names' only letters outside ASCII are "á" and "í" (UTF-8 C3 A1, C3 AD).
    for (std::size_t i = 0; i + 4 < nombre.size(); ++i) {  // without ".bmp"
        const unsigned char c = static_cast<unsigned char>(nombre[i]);
        if (c == 0xC3) continue;
        if (c == 0xA1) base += 'a';
        else if (c == 0xAD) base += 'i';
        else base += static_cast<char>(c);
    }
    return base;
}

} // namespace gemelario::ventanas
