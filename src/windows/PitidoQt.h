// The platform's standard beep.
#pragma once

#include "Plataforma.h"

namespace gemelario::ventanas {

class PitidoQt final : public Pitido {
public:
    void pitar() override;
};

} // namespace gemelario::ventanas
