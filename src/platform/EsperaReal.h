// The real exposure wait: `valor` steps of 50 ns, slept to a monotonic deadline.
#pragma once

#include "Plataforma.h"

#include <chrono>

namespace gemelario {

class EsperaReal final : public Espera {
public:
    static constexpr std::chrono::nanoseconds kPaso{50};
    static std::chrono::nanoseconds duracion(std::int32_t valor);
    void esperar(std::int32_t valor) override;
};

} // namespace gemelario
