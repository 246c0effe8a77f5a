// The new-record window's logic: the rank, the player's name and the record's insertion.
#pragma once

#include "Plataforma.h"
#include "Puntuacion.h"
#include "Ventanas.h"

#include <filesystem>
#include <string>

namespace gemelario {

inline constexpr const char* kMensajeNombre = "Escribe tu nombre.";
inline constexpr const char* kMensajeRecordNoGuardado =
    "No se ha podido guardar tu récord en la tabla de puntuaciones (Gemelario.rnd). La tabla guardada no ha cambiado.";

// Said when another copy of the game has stored better times meanwhile and this time no longer enters.
inline constexpr const char* kMensajeYaNoEntra =
    "Otro jugador ha mejorado la tabla: tu tiempo ya no entra entre los diez primeros.";
inline constexpr const char* kMensajeYaNoEntraAlGuardar =
    "Otro jugador ha mejorado la tabla mientras escribías tu nombre: tu tiempo ya no entra entre los diez primeros.";

class frmDiezPrimeros {
public:
    // `total` is the main window's Total, read at load and again at close.
    frmDiezPrimeros(Dialogo& ventana, Principal& principal, Reloj& reloj, Pitido& pitido, Module1& module1,
                    const std::string& total, std::filesystem::path directorio);

    // The rank found at load, in the file as it is then; 0 when the time no longer enters the table
    // (it was said, and the window is not shown).
    int posicion = 0;

    void Form_Load();
    void cmdAceptar_Click();
    // Runs on every way of closing: stores the record, then shows the table.
    void Form_QueryUnload();
    // The desktop session ends with the window open: the record is stored as "Aceptar" would store
    // it, without a word (nobody is there to read it); with no name typed, nothing is stored.
    void GuardarAlTerminarSesion();

private:
    // Inserts the record, once; the message to show when it could not, or empty.
    std::string guardar();

    bool guardado_ = false;
    Dialogo& ventana_;
    Principal& principal_;
    Reloj& reloj_;
    Pitido& pitido_;
    Module1& module1_;
    const std::string& total_;
    std::filesystem::path directorio_;
};

} // namespace gemelario
