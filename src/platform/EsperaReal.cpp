// The real exposure wait: `valor` steps of 50 ns, slept to a monotonic deadline.
#include "EsperaReal.h"

#include <thread>

namespace gemelario {

std::chrono::nanoseconds EsperaReal::duracion(std::int32_t valor) {
    if (valor <= 0) return std::chrono::nanoseconds{0};
    return kPaso * static_cast<std::int64_t>(valor);
}

void EsperaReal::esperar(std::int32_t valor) {
    using reloj = std::chrono::steady_clock;
    const auto limite = reloj::now() + duracion(valor);
    // Sleeping (not spinning) keeps the core free; the loop survives early wake-ups.
    while (reloj::now() < limite) std::this_thread::sleep_until(limite);
}

} // namespace gemelario
