// The About window's logic: a random matching pair, a new one each time the exposure wait has gone
// by, and the link picture that opens the maker's web site.
#include "frmAcerca.h"

#include "EsperaReal.h"

#include <chrono>

namespace gemelario {

frmAcerca::frmAcerca(Dialogo& ventana, PlataformaAcerca plataforma, const std::int32_t& valor)
    : ventana_(ventana), plataforma_(plataforma), valor_(valor) {}

void frmAcerca::Form_Load() { imagenes = TablaImagenes(); }

void frmAcerca::tmrAcerca_Timer() {
    // The pair keeps the pace of the exposure wait without waiting on the window's thread, so the
    // window answers at once at any setting.
    const double ahora = plataforma_.reloj.segundosDesdeMedianoche();
    if (mostrada_) {
        double pasado = ahora - ultimaPareja_;
        if (pasado < 0) pasado += 24 * 3600;  // across midnight
        if (pasado < std::chrono::duration<double>(EsperaReal::duracion(valor_)).count()) return;
    }
    mostrada_ = true;
    ultimaPareja_ = ahora;
    const std::string& imagen = imagenes[SortearImagen(plataforma_.reloj, plataforma_.azar)];
    ventana_.ponerImagen("Picture1", 1, imagen);
    ventana_.ponerImagen("Picture1", 2, imagen);
}

void frmAcerca::picPubli1_Click() { plataforma_.web.abrir(kDireccionWeb); }

void frmAcerca::cmdAceptar_Click() { ventana_.cerrar(); }

} // namespace gemelario
