// The twelve pictures of the game, in the order of their image numbers.
#include "Imagenes.h"

#include "Plataforma.h"

#include <cmath>
#include <utility>

namespace gemelario {

const std::array<std::string, kImagenes + 1>& TablaImagenes() {
    static const std::array<std::string, kImagenes + 1> tabla = {
        "",           "cataplás.bmp",    "seta.bmp",    "hamburgue.bmp", "cajafuerte.bmp", "castillo.bmp", "coche.bmp",
        "cohete.bmp", "exprimidora.bmp", "libreta.bmp", "portería.bmp",  "mochila.bmp",    "tenis.bmp"};
    return tabla;
}

std::string PalabraDeImagen(const std::string& archivo) {
    static const std::array<std::pair<const char*, const char*>, kImagenes> palabras = {{
        {"cataplás.bmp", "cataplás"}, {"seta.bmp", "seta"}, {"hamburgue.bmp", "hamburguesa"}, {"cajafuerte.bmp", "caja fuerte"},
        {"castillo.bmp", "castillo"}, {"coche.bmp", "coche"}, {"cohete.bmp", "cohete"}, {"exprimidora.bmp", "exprimidora"},
        {"libreta.bmp", "libreta"}, {"portería.bmp", "portería"}, {"mochila.bmp", "mochila"}, {"tenis.bmp", "raqueta de tenis"}}};
    for (const auto& [nombre, palabra] : palabras)
        if (archivo == nombre) return palabra;
    return archivo;
}

int SortearImagen(Reloj& reloj, Azar& azar) {
    for (;;) {
        azar.reiniciar(static_cast<float>(reloj.segundosDesdeMedianoche()));
        const int n = static_cast<int>(std::floor(azar.sortear() * kImagenes)) + 1;
        // A draw outside [0, 1) must not name a picture that is not there.
        if (n >= 1 && n <= kImagenes) return n;
    }
}

} // namespace gemelario
