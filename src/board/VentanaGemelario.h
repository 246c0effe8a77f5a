// The operations the board's logic calls on its window; the Qt layer and the tests implement them.
#pragma once

#include <string>

namespace gemelario {

enum class Menu { Nuevo, Tabla, Imagen };

enum class Modal { DiezPrimeros, Puntuaciones, Clave, Duracion, Normas, Acerca };

class VentanaGemelario {
public:
    virtual ~VentanaGemelario() = default;
    // Shows the named picture file in picDibujo(i), painted before this call returns.
    virtual void ponerImagen(int i, const std::string& archivo) = 0;
    virtual void mostrarTxtClave(int i, bool visible) = 0;
    virtual void ponerLblClave(const std::string& texto) = 0;
    virtual void ponerLblTiempo(const std::string& texto) = 0;
    virtual std::string lblTiempo() const = 0;
    virtual void habilitarMenu(Menu menu, bool habilitado) = 0;
    virtual void ponerKeyPreview(bool activo) = 0;
    virtual void maximizar() = 0;
    // Opens another window modally; returns when it has closed.
    virtual void abrirModal(Modal ventana) = 0;
    // Ends the program at once: nothing more runs and nothing is saved.
    virtual void terminar() = 0;
};

} // namespace gemelario
