// The real random generator: reseeding mixes the value into the state instead of replacing it.
#pragma once

#include "Plataforma.h"

#include <cstdint>

namespace gemelario {

class AzarMezclado final : public Azar {
public:
    explicit AzarMezclado(std::uint64_t estadoInicial = 0x6A09E667F3BCC909ULL);
    void reiniciar(double semilla) override;
    double sortear() override;

private:
    std::uint64_t estado_;
};

} // namespace gemelario
