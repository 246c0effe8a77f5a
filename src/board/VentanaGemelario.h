// The operations the board's logic calls on its window; the Qt layer and the tests implement them.
#pragma once

#include "Ventanas.h"

#include <string>

namespace gemelario {

class VentanaGemelario : public Principal {
public:
    // Shows the named picture file in picDibujo(i), painted before this call returns.
    virtual void ponerImagen(int i, const std::string& archivo) = 0;
    virtual void mostrarTxtClave(int i, bool visible) = 0;
    virtual void ponerLblClave(const std::string& texto) = 0;
    virtual void ponerLblTiempo(const std::string& texto) = 0;
    virtual std::string lblTiempo() const = 0;
    virtual void ponerKeyPreview(bool activo) = 0;
    // tmrSegundos runs during a game only: no timer wakes the program while nothing happens.
    virtual void ponerRelojEnMarcha(bool enMarcha) = 0;
    virtual void maximizar() = 0;
    // Says what just happened to a screen reader's user ("seta. No es pareja."), at once.
    virtual void anunciar(const std::string& texto) = 0;
    // A message box with an exclamation icon and one OK button; returns when it is closed.
    virtual void mensaje(const std::string& texto, const std::string& titulo) = 0;
    // Ends the program at once: nothing more runs and nothing is saved.
    virtual void terminar() = 0;
};

} // namespace gemelario
