// The exposure window's logic: the bar, the value shown, and storing a new setting.
#include "frmDuracion.h"

#include "ValorDat.h"

namespace gemelario {

std::string TextoDuracion(int valor) { return "Duración:  " + std::to_string(valor); }

frmDuración::frmDuración(Dialogo& ventana, std::int16_t& valoración, std::int32_t& valor,
                         std::filesystem::path directorio)
    : ventana_(ventana), valoración_(valoración), valor_(valor), directorio_(std::move(directorio)) {}

void frmDuración::Form_Load() {
    ventana_.ponerValor("vsbDuración", valoración_);
    pendiente = static_cast<std::int16_t>(ventana_.valor("vsbDuración"));
    ventana_.ponerCaption("lblDuración", 0, TextoDuracion(valoración_));
}

void frmDuración::vsbDuración_Change() {
    pendiente = static_cast<std::int16_t>(ventana_.valor("vsbDuración"));
    ventana_.ponerCaption("lblDuración", 0, TextoDuracion(pendiente));
}

void frmDuración::cmdGuardar_Click() {
    valoración_ = pendiente;
    valor_ = ValorDesdeValoracion(valoración_);
    if (!EscribirValor(directorio_, valoración_)) ventana_.mensaje(kMensajeValorNoGuardado, "Duración de exposición");
    ventana_.cerrar();
}

void frmDuración::cmdCancelar_Click() { ventana_.cerrar(); }

} // namespace gemelario
