// Fuzz target: any bytes as Valor.dat give a setting within 1..300, and a stored setting reads back.
#include "ValorDat.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
    using namespace gemelario;
    const std::int16_t v = ValoracionDesdeTexto(std::string(reinterpret_cast<const char*>(datos), n));
    if (v < kValoracionMinima || v > kValoracionMaxima) std::abort();
    if (ValoracionDesdeTexto(TextoValor(v)) != v) std::abort();
    return 0;
}
