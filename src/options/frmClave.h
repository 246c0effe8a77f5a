// The key-image window's object: `clave` outlives the window and is read by the board; the
// handlers act on the window while it is open.
#pragma once

#include "Imagenes.h"
#include "Plataforma.h"
#include "Ventanas.h"

#include <string>

namespace gemelario {

class frmClave {
public:
    // The key image, one of the twelve picture names. Reading or writing it never opens the window.
    std::string clave;
    std::array<std::string, kImagenes + 1> imagenes{};

    void Form_Load(Dialogo& ventana);
    void picImagen_Click(Dialogo& ventana, int index);
    // Draws the key in secret and closes the window.
    void cmdDesconocida_Click(Dialogo& ventana, Reloj& reloj, Azar& azar);
    void cmdAceptar_Click(Dialogo& ventana);
};

} // namespace gemelario
