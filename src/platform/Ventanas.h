// What the windows' logic asks of the window layer: the main window's menu items and modal
// windows, and a dialog's controls reached by name and index.
#pragma once

#include <string>

namespace gemelario {

enum class Menu { Nuevo, Tabla, Imagen };

enum class Modal { DiezPrimeros, Puntuaciones, Clave, Duracion, Normas, Acerca };

// The part of the main window that the other windows use.
class Principal {
public:
    virtual ~Principal() = default;
    virtual void habilitarMenu(Menu menu, bool habilitado) = 0;
    // Opens another window modally; returns when it has closed.
    virtual void abrirModal(Modal ventana) = 0;
};

// A dialog window's controls, as its logic sees them. `indice` is 0 for a control that is not
// part of a control array. Every change is on screen before the call returns.
class Dialogo {
public:
    virtual ~Dialogo() = default;
    virtual void ponerCaption(const std::string& control, int indice, const std::string& texto) = 0;
    virtual std::string texto(const std::string& control) const = 0;
    virtual void ponerVisible(const std::string& control, bool visible) = 0;
    virtual void centrar(const std::string& control, int indice) = 0;
    virtual void ponerImagen(const std::string& control, int indice, const std::string& archivo) = 0;
    virtual void ponerBorde(const std::string& control, int indice, bool borde) = 0;
    virtual int valor(const std::string& control) const = 0;
    virtual void ponerValor(const std::string& control, int valor) = 0;
    virtual void enfocar(const std::string& control) = 0;
    // A message box with an exclamation icon and one OK button; returns when it is closed.
    virtual void mensaje(const std::string& texto, const std::string& titulo) = 0;
    // The print dialog, then an image of the window on the chosen printer; nothing when cancelled.
    virtual void imprimir() = 0;
    // Closes the window; its close handler runs first.
    virtual void cerrar() = 0;
};

} // namespace gemelario
