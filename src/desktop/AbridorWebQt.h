// Opens a web address in the user's browser through the desktop's standard way.
#pragma once

#include "Plataforma.h"

namespace gemelario::ventanas {

// When the desktop cannot open the address, a message box says so.
class AbridorWebQt final : public AbridorWeb {
public:
    void abrir(const std::string& direccion) override;
};

} // namespace gemelario::ventanas
