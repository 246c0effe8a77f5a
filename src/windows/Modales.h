// The dialog windows as the program opens them: each one built from its layout, wired to its
// logic and loaded; then shown modally over the main window.
#pragma once

#include "Arte.h"
#include "Plataforma.h"
#include "VentanaDialogo.h"
#include "frmAcerca.h"
#include "frmDiezPrimeros.h"
#include "frmDuracion.h"
#include "frmGemelario.h"
#include "frmPuntuaciones.h"

#include <filesystem>
#include <memory>

namespace gemelario::ventanas {

class VentanaPrincipal;

// What the dialog windows share with the main window and the platform.
struct Contexto {
    QWidget* padre;
    const CargadorImagenes& imagenes;
    Principal& principal;
    frmGemelario& juego;
    frmClave& clave;
    Module1& module1;
    Reloj& reloj;
    Azar& azar;
    Espera& espera;
    Pitido& pitido;
    AbridorWeb& web;
    std::filesystem::path directorio;
};

// A window and its logic; the window goes first, so no event of it reaches a logic already gone.
template <class Logica>
struct Abierta {
    std::unique_ptr<Logica> logica;
    std::unique_ptr<VentanaDialogo> dialogo;
};

// Built, wired and loaded, not yet shown.
Abierta<frmPuntuaciones> CrearPuntuaciones(const Contexto& c);
Abierta<frmDiezPrimeros> CrearDiezPrimeros(const Contexto& c);
Abierta<frmDuración> CrearDuracion(const Contexto& c);
Abierta<frmAcerca> CrearAcerca(const Contexto& c);
std::unique_ptr<VentanaDialogo> CrearClave(const Contexto& c);
std::unique_ptr<VentanaDialogo> CrearNormas(const Contexto& c);

// Makes every menu command of the main window open its window modally.
void RegistrarModales(VentanaPrincipal& ventana, const Contexto& c);

} // namespace gemelario::ventanas
