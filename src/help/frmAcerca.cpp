// The About window's logic: a random matching pair on every tick, paced by the exposure wait,
// and the link picture that opens the maker's web site.
#include "frmAcerca.h"

namespace gemelario {

frmAcerca::frmAcerca(Dialogo& ventana, PlataformaAcerca plataforma, const std::int32_t& valor)
    : ventana_(ventana), plataforma_(plataforma), valor_(valor) {}

void frmAcerca::Form_Load() { imagenes = TablaImagenes(); }

void frmAcerca::tmrAcerca_Timer() {
    const std::string& imagen = imagenes[SortearImagen(plataforma_.reloj, plataforma_.azar)];
    ventana_.ponerImagen("Picture1", 1, imagen);
    ventana_.ponerImagen("Picture1", 2, imagen);
    plataforma_.espera.esperar(valor_);
}

void frmAcerca::picPubli1_Click() { plataforma_.web.abrir(kDireccionWeb); }

void frmAcerca::cmdAceptar_Click() { ventana_.cerrar(); }

} // namespace gemelario
