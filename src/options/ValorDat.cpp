// The exposure setting file "Valor.dat": one line such as " 15 " CR LF.
#include "ValorDat.h"

#include "ArchivoAtomico.h"

#include <algorithm>

namespace gemelario {

std::int16_t ValoracionDesdeTexto(std::string_view texto) {
    std::size_t i = 0;
    while (i < texto.size() && (texto[i] == ' ' || texto[i] == '\t')) ++i;
    bool negativo = false;
    if (i < texto.size() && (texto[i] == '-' || texto[i] == '+')) negativo = texto[i++] == '-';
    long long numero = 0;
    bool digitos = false;
    for (; i < texto.size() && texto[i] >= '0' && texto[i] <= '9'; ++i) {
        digitos = true;
        numero = std::min<long long>(numero * 10 + (texto[i] - '0'), 1'000'000);
    }
    if (!digitos) return kValoracionInicial;
    if (negativo) numero = -numero;
    return static_cast<std::int16_t>(std::clamp<long long>(numero, kValoracionMinima, kValoracionMaxima));
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
