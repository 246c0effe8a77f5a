// Opens a web address in the user's browser through the desktop's standard way.
#pragma once

#include "Plataforma.h"

#include <QString>

#include <functional>

namespace gemelario::ventanas {

class AbridorWebQt final : public AbridorWeb {
public:
    // Said when the desktop cannot open the address; a message box unless a test takes it.
    std::function<void(const QString& texto)> avisar;

    void abrir(const std::string& direccion) override;
};

} // namespace gemelario::ventanas
