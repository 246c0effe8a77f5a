// The real random generator: reseeding mixes the value into the state instead of replacing it.
#include "AzarMezclado.h"

#include <bit>

namespace gemelario {
namespace {

// SplitMix64 finaliser: every input bit affects every output bit.
std::uint64_t mezclar(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

} // namespace

AzarMezclado::AzarMezclado(std::uint64_t estadoInicial) : estado_(estadoInicial) {}

void AzarMezclado::reiniciar(double semilla) {
    // Two reseeds from the same clock value still leave different states,
    // because the previous state takes part in the mix.
    estado_ = mezclar(estado_ ^ mezclar(std::bit_cast<std::uint64_t>(semilla)));
}

double AzarMezclado::sortear() {
    estado_ += 0x9E3779B97F4A7C15ULL;
    const std::uint64_t bits = mezclar(estado_);
    return static_cast<double>(bits >> 11) * 0x1.0p-53;
}

} // namespace gemelario
