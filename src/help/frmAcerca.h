// The About window's logic: a random matching pair, a new one each time the exposure wait has gone
// by, and the link picture that opens the maker's web site.
#pragma once

#include "Imagenes.h"
#include "Plataforma.h"
#include "Ventanas.h"

#include <array>
#include <cstdint>
#include <string>

namespace gemelario {

inline constexpr const char* kDireccionWeb = "https://www.corvantiso.example/";

struct PlataformaAcerca {
    Reloj& reloj;
    Azar& azar;
    AbridorWeb& web;
};

class frmAcerca {
public:
    // `valor` is the main window's wait count, read on every tick.
    frmAcerca(Dialogo& ventana, PlataformaAcerca plataforma, const std::int32_t& valor);

    std::array<std::string, kImagenes + 1> imagenes{};

    void Form_Load();
    void tmrAcerca_Timer();
    void picPubli1_Click();
    void cmdAceptar_Click();

private:
    Dialogo& ventana_;
    PlataformaAcerca plataforma_;
    const std::int32_t& valor_;
    bool mostrada_ = false;
    double ultimaPareja_ = 0;  // seconds since midnight when the pair on show was drawn
};

} // namespace gemelario
