// The real clock: local time of day and date from the system.
#pragma once

#include "Plataforma.h"

namespace gemelario {

class RelojSistema final : public Reloj {
public:
    int horaDelDia() override;
    Fecha hoy() override;
    double segundosDesdeMedianoche() override;
};

} // namespace gemelario
