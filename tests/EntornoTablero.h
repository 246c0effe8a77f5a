// What every board test needs: a scratch directory, the recording fakes and the shared objects.
#pragma once

#include "AzarMezclado.h"
#include "DirectorioTemporal.h"
#include "Falsos.h"
#include "frmGemelario.h"

#include <memory>
#include <vector>

namespace gemelario::prueba {

struct EntornoTablero {
    DirectorioTemporal dir;
    Registro registro;
    RelojFalso reloj;
    AzarMezclado azar;  // the real generator: its draws are the deal's, reproducible from its fixed start
    EsperaFalsa espera{registro};
    PitidoFalso pitido{registro};
    frmClave clave;
    Module1 module1;

    std::unique_ptr<frmGemelario> crearJuego(VentanaGemelario& ventana) {
        return std::make_unique<frmGemelario>(ventana, PlataformaTablero{reloj, azar, espera, pitido}, clave, module1,
                                              dir.ruta);
    }

    static std::vector<int> celdasDe(const frmGemelario& juego, const std::string& imagen) {
        std::vector<int> c;
        for (int i = 1; i <= kCasillas; ++i)
            if (juego.imagenCasilla[i] == imagen) c.push_back(i);
        return c;
    }
};

} // namespace gemelario::prueba
