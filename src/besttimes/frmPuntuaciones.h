// The best-times window's logic: the ten records shown, printing, and the reset to the factory table.
#pragma once

#include "Puntuacion.h"
#include "Ventanas.h"

#include <filesystem>

namespace gemelario {

inline constexpr const char* kMensajeTablaNoGuardada =
    "No se ha podido escribir la tabla de puntuaciones (Gemelario.rnd). La tabla guardada no ha cambiado.";

class frmPuntuaciones {
public:
    frmPuntuaciones(Dialogo& ventana, Principal& principal, Module1& module1, std::filesystem::path directorio);

    void Form_Load();
    void cmdImprimir_Click();
    void cmdRestablecer_Click();
    void cmdAceptar_Click();
    // Runs on every way of closing.
    void Form_QueryUnload();

private:
    Dialogo& ventana_;
    Principal& principal_;
    Module1& module1_;
    std::filesystem::path directorio_;
};

} // namespace gemelario
