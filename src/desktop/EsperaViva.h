// The exposure wait on screen: it lasts its time by the clock, while the window keeps answering the
// desktop (the window manager's ping, repaints, a screen reader); the player's input waits its turn.
#pragma once

#include "Plataforma.h"

namespace gemelario::ventanas {

class EsperaViva final : public Espera {
public:
    void esperar(std::int32_t valor) override;
};

} // namespace gemelario::ventanas
