// What every board test needs: a scratch directory, the recording fakes and the shared objects.
#pragma once

#include "AzarMezclado.h"
#include "DirectorioTemporal.h"
#include "Falsos.h"
#include "frmGemelario.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace gemelario::prueba {

// The board's messages as the design words them, written out so a reworded one is caught.
inline const std::string kFaltanDicho = "Te faltan 2 parejas y aún no has conseguido la clave. Pulsa espacio";
inline const std::string kFinDicho = "Fin de juego";
inline const std::string kSinClaveDicho = "Fin de juego sin conseguir la clave";

// The real generator, failing the test (by throwing) when a deal draws far more than any deal needs,
// so a deal that never ends fails in milliseconds instead of at the test timeout.
class AzarAcotado : public Azar {
public:
    int sorteos = 0;
    static constexpr int kLimite = 20000;
    void reiniciar(double semilla) override { real_.reiniciar(semilla); }
    double sortear() override {
        if (++sorteos > kLimite) throw std::runtime_error("the deal does not end");
        return real_.sortear();
    }

private:
    AzarMezclado real_;
};

struct EntornoTablero {
    DirectorioTemporal dir;
    Registro registro;
    RelojFalso reloj;
    AzarAcotado azar;  // the real generator, reproducible from its fixed start, with a bound on draws
    EsperaFalsa espera{registro};
    PitidoFalso pitido{registro};
    frmClave clave;
    Module1 module1;

    std::unique_ptr<frmGemelario> crearJuego(VentanaGemelario& ventana) {
        return std::make_unique<frmGemelario>(ventana, PlataformaTablero{reloj, azar, espera, pitido}, clave, module1, dir.ruta);
    }

    // A new game, with a fresh budget of draws for its deal.
    void repartir(frmGemelario& juego) {
        azar.sorteos = 0;
        juego.mnuNuevo_Click();
    }

    static std::vector<int> celdasDe(const frmGemelario& juego, const std::string& imagen) {
        std::vector<int> c;
        for (int i = 1; i <= kCasillas; ++i) if (juego.imagenCasilla[i] == imagen) c.push_back(i);
        return c;
    }
};

} // namespace gemelario::prueba
