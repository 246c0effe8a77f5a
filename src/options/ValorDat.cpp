// The exposure setting file "Valor.dat": one line such as " 15 " CR LF.
#include "ValorDat.h"

#include "ArchivoAtomico.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace gemelario {

std::int16_t ValoracionDesdeTexto(std::string_view texto) {
    // The field runs from the first non-blank to the next blank, comma or line end.
    std::size_t i = 0;
    while (i < texto.size() && (texto[i] == ' ' || texto[i] == '\t')) ++i;
    std::size_t fin = i;
    while (fin < texto.size() && std::string_view(" \t,\r\n").find(texto[fin]) == std::string_view::npos) ++fin;
    const std::string campo(texto.substr(i, fin - i));
    // A decimal number, with sign, fraction or exponent; hexadecimal, "inf" and "nan" are not.
    if (campo.empty() || campo.find_first_not_of("0123456789+-.eE") != std::string::npos) return kValoracionInicial;
    // Read in the C locale whatever the user's (a Spanish one writes "15,7"). A number too long for
    // any type reads as infinity, a vanishing one as zero: both are then kept within the range.
    static const locale_t c = ::newlocale(LC_ALL_MASK, "C", locale_t{});
    char* resto = nullptr;
    const double numero = ::strtod_l(campo.c_str(), &resto, c);
    if (resto != campo.c_str() + campo.size()) return kValoracionInicial;
    const double redondeado = std::round(std::clamp(numero, -1e6, 1e6));
    return static_cast<std::int16_t>(std::clamp<double>(redondeado, kValoracionMinima, kValoracionMaxima));
}

std::int16_t LeerValor(const std::filesystem::path& directorio) {
    const ContenidoArchivo c = LeerArchivo(directorio / kArchivoValor, 4096);
    if (c.estado != Lectura::Leido) return kValoracionInicial;
    return ValoracionDesdeTexto(c.bytes);
}

std::string TextoValor(std::int16_t valoracion) {
    return " " + std::to_string(valoracion) + " \r\n";
}

bool EscribirValor(const std::filesystem::path& directorio, std::int16_t valoracion) {
    return EscribirArchivoAtomico(directorio / kArchivoValor, TextoValor(valoracion));
}

std::int32_t ValorDesdeValoracion(std::int16_t valoracion) {
    return static_cast<std::int32_t>(valoracion) * 1'000'000;
}

} // namespace gemelario
