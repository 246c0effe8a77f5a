// The exposure window's logic: the bar, the value shown, and storing a new setting.
#pragma once

#include "Ventanas.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace gemelario {

inline constexpr const char* kMensajeValorNoGuardado =
    "No se ha podido guardar la duración en Valor.dat. La nueva duración se usará hasta que cierres el juego.";

// "Duración: " and the value with a blank in the sign position: "Duración:  15".
std::string TextoDuracion(int valor);

class frmDuración {
public:
    // `valoración` and `valor` are the main window's; "Guardar" rewrites both and Valor.dat.
    frmDuración(Dialogo& ventana, std::int16_t& valoración, std::int32_t& valor, std::filesystem::path directorio);

    std::int16_t pendiente = 0;

    void Form_Load();
    void vsbDuración_Change();
    void cmdGuardar_Click();
    void cmdCancelar_Click();

private:
    Dialogo& ventana_;
    std::int16_t& valoración_;
    std::int32_t& valor_;
    std::filesystem::path directorio_;
};

} // namespace gemelario
