// The main window's logic: the board's state, the deal, turns, clock, end of game and commands.
#pragma once

#include "Plataforma.h"
#include "Puntuacion.h"
#include "VentanaGemelario.h"
#include "Imagenes.h"
#include "frmClave.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

namespace gemelario {

inline constexpr int kCasillas = 24;
inline constexpr const char* kReverso = "reverso.bmp";
inline constexpr const char* kReverClave = "reverclave.bmp";
inline constexpr const char* kMensajeClave = "¡Has conseguido la clave!";
inline constexpr const char* kMensajeFaltan = "Te faltan 2 parejas y aún no has conseguido la clave. Pulsa espacio";
inline constexpr const char* kMensajeFin = "Fin de juego";
inline constexpr const char* kMensajeSinClave = "Fin de juego sin conseguir la clave";
inline constexpr const char* kMensajeSinTabla =
    "No se puede guardar la tabla de puntuaciones (Gemelario.rnd). Puedes seguir jugando con la tabla original, "
    "pero los récords no se guardarán.";

struct PlataformaTablero {
    Reloj& reloj;
    Azar& azar;
    Espera& espera;
    Pitido& pitido;
};

class frmGemelario {
public:
    frmGemelario(VentanaGemelario& ventana, PlataformaTablero plataforma, frmClave& clave, Module1& module1,
                 std::filesystem::path directorio);

    // Shared with the other windows.
    std::string Total;
    std::int16_t valoración = 0;
    std::int32_t valor = 0;

    // The board's state; arrays are indexed from 1 (index 0 unused).
    std::string tiempoDecimo;
    bool enJuego = false;
    bool claveConseguida = false;
    bool parejaHallada = false;
    std::array<std::string, kImagenes + 1> imagenes{};
    std::array<std::string, kCasillas + 1> imagenCasilla{};
    std::array<int, kCasillas + 1> casillaAsignada{};
    int pulsaciones = 0;
    std::string imagenPrimera;
    int casillaPrimera = 0;
    int casillaSegunda = 0;
    std::array<int, kCasillas + 1> casillaResuelta{};
    int casillaUltima = 0;
    int horaInicio = 0;
    int parejas = 0;

    void Form_Load();
    void mnuNuevo_Click();
    void picDibujo_Click(int index);
    void ComprobarPareja();
    void ContarPareja();
    void tmrSegundos_Timer();
    // Milliseconds until just after the clock's next whole second, when the next tick is due: the
    // label then changes with the second, and a game records the second it ended in.
    int msHastaElSegundo();
    void Form_KeyPress(int codigo);

    void mnuTabla_Click();
    void mnuSalir_Click();
    void mnuImagen_Click();
    void mnuDuración_Click();
    void mnuNormas_Click();
    void mnuAcerca_Click();
    void cmdSalir_Click();
    void Form_Click();
    void Form_DblClick();

private:
    int SortearCasillaLibre();
    void Repartir();
    void DestellarClave();
    void EsperarExposicion();
    // What a screen reader's user hears: the news of one moment gathered into one sentence, said
    // before the game waits or hands over, and when the handler ends.
    void Avisar(const std::string& texto);
    void DarAviso();
    std::string aviso_;

    VentanaGemelario& ventana_;
    PlataformaTablero plataforma_;
    frmClave& frmClave_;
    Module1& module1_;
    std::filesystem::path directorio_;
    bool avisadoSinTabla_ = false;
};

} // namespace gemelario
