// The main window's logic: the board's state, the deal, turns, clock, end of game and commands.
#include "frmGemelario.h"

#include "Imagenes.h"

#include "ArchivoPuntuaciones.h"
#include "Tiempo.h"
#include "ValorDat.h"

#include <cmath>

namespace gemelario {

frmGemelario::frmGemelario(VentanaGemelario& ventana, PlataformaTablero plataforma, frmClave& clave,
                           Module1& module1, std::filesystem::path directorio)
    : ventana_(ventana), plataforma_(plataforma), frmClave_(clave), module1_(module1),
      directorio_(std::move(directorio)) {}

void frmGemelario::Form_Load() {
    valoración = LeerValor(directorio_);
    valor = ValorDesdeValoracion(valoración);
    imagenes = TablaImagenes();
    frmClave_.clave = imagenes[1];
    for (int i = 1; i <= kCasillas; ++i) ventana_.ponerImagen(i, kReverso);
    enJuego = false;
    claveConseguida = false;
    casillaUltima = 0;
}

void frmGemelario::mnuNuevo_Click() {
    bool sinTabla;
    {
        ArchivoPuntuaciones archivo(directorio_, module1_.registro);
        archivo.LeerPuntuacion(kRegistros);
        archivo.Cerrar();
        sinTabla = archivo.apertura() == ArchivoPuntuaciones::Apertura::SoloLectura;
    }
    // The game goes on with the factory table in memory; the player is told once.
    if (sinTabla && !avisadoSinTabla_) {
        avisadoSinTabla_ = true;
        ventana_.mensaje(kMensajeSinTabla, "Gemelario");
    }
    tiempoDecimo = NormalizarHora(module1_.registro.tiempo);

    ventana_.habilitarMenu(Menu::Imagen, false);
    ventana_.habilitarMenu(Menu::Nuevo, false);
    ventana_.habilitarMenu(Menu::Tabla, false);
    ventana_.ponerKeyPreview(false);

    enJuego = true;
    pulsaciones = 0;
    parejas = 0;
    casillaUltima = 0;
    claveConseguida = false;
    parejaHallada = false;
    ventana_.ponerLblClave("");
    for (int i = 1; i <= kCasillas; ++i) {
        casillaResuelta[i] = 0;
        casillaAsignada[i] = 0;
        ventana_.mostrarTxtClave(i, false);
        ventana_.ponerImagen(i, kReverso);
    }
    horaInicio = plataforma_.reloj.horaDelDia();
    ventana_.ponerRelojEnMarcha(true);
    Repartir();
    Avisar("Partida nueva.");
    DarAviso();
}

int frmGemelario::SortearCasillaLibre() {
    for (;;) {
        plataforma_.azar.reiniciar(static_cast<float>(plataforma_.reloj.segundosDesdeMedianoche()));
        const double r = plataforma_.azar.sortear();
        int p = static_cast<int>(std::floor(r * kCasillas)) + 1;
        // A draw outside [0, 1) must not index outside the board.
        if (p < 1 || p > kCasillas) continue;
        if (casillaAsignada[p] != 1) return p;
    }
}

void frmGemelario::Repartir() {
    for (int k = 1; k <= kImagenes; ++k) {
        for (int copia = 0; copia < 2; ++copia) {
            const int p = SortearCasillaLibre();
            casillaAsignada[p] = 1;
            imagenCasilla[p] = imagenes[k];
        }
    }
}

void frmGemelario::picDibujo_Click(int index) {
    if (index < 1 || index > kCasillas) return;
    if (!enJuego) return;
    if (index == casillaUltima) return;
    if (casillaResuelta[index] == 1) return;
    ventana_.ponerImagen(index, imagenCasilla[index]);
    Avisar(PalabraDeImagen(imagenCasilla[index]) + ".");
    casillaUltima = index;
    ++pulsaciones;
    if (pulsaciones == 2) {
        casillaSegunda = index;
        ComprobarPareja();
    } else {
        imagenPrimera = imagenCasilla[index];
        casillaPrimera = index;
    }
    DarAviso();
}

void frmGemelario::EsperarExposicion() {
    DarAviso();  // heard while the pictures are held
    plataforma_.espera.esperar(valor);
}

void frmGemelario::Avisar(const std::string& texto) { aviso_ += (aviso_.empty() ? "" : " ") + texto; }

void frmGemelario::DarAviso() {
    if (!aviso_.empty()) ventana_.anunciar(aviso_);
    aviso_.clear();
}

void frmGemelario::ComprobarPareja() {
    if (imagenPrimera != imagenCasilla[casillaSegunda]) {
        Avisar("No es pareja.");
        EsperarExposicion();
        ventana_.ponerImagen(casillaPrimera, kReverso);
        ventana_.ponerImagen(casillaSegunda, kReverso);
        pulsaciones = 0;
        casillaUltima = 0;
    } else {
        pulsaciones = 0;
        Avisar("Pareja.");
        plataforma_.pitido.pitar();
        casillaResuelta[casillaPrimera] = 1;
        casillaResuelta[casillaSegunda] = 1;
        parejaHallada = true;
    }
    const std::string& clave = frmClave_.clave;
    if (clave == imagenCasilla[casillaSegunda] && clave == imagenPrimera) {
        ventana_.ponerLblClave(kMensajeClave);
        Avisar(kMensajeClave);
        DarAviso();  // heard as the flash begins
        DestellarClave();
        ventana_.mostrarTxtClave(casillaPrimera, true);
        ventana_.mostrarTxtClave(casillaSegunda, true);
        claveConseguida = true;
    }
    if (parejaHallada) ContarPareja();
}

void frmGemelario::DestellarClave() {
    const std::string clave = frmClave_.clave;
    for (int vez = 0; vez < 3; ++vez) {
        ventana_.ponerImagen(casillaPrimera, kReverClave);
        ventana_.ponerImagen(casillaSegunda, kReverClave);
        EsperarExposicion();
        ventana_.ponerImagen(casillaPrimera, clave);
        ventana_.ponerImagen(casillaSegunda, clave);
        EsperarExposicion();
    }
}

void frmGemelario::ContarPareja() {
    ++parejas;
    if (parejas == 10 && !claveConseguida) {
        ventana_.ponerLblClave(kMensajeFaltan);
        Avisar(kMensajeFaltan);
        parejas = 12;
        ventana_.ponerKeyPreview(true);
    }
    if (parejas == 12) {
        enJuego = false;
        ventana_.ponerRelojEnMarcha(false);
        ventana_.habilitarMenu(Menu::Imagen, true);
        ventana_.habilitarMenu(Menu::Nuevo, true);
        ventana_.habilitarMenu(Menu::Tabla, true);
        if (claveConseguida) {
            ventana_.ponerLblClave(kMensajeFin);
            Avisar(std::string(kMensajeFin) + ".");
            if (Supera(Total, tiempoDecimo)) {
                ventana_.habilitarMenu(Menu::Tabla, false);
                DarAviso();  // heard before the record window takes over
                ventana_.abrirModal(Modal::DiezPrimeros);
            }
        }
    } else {
        parejaHallada = false;
    }
}

void frmGemelario::tmrSegundos_Timer() {
    if (!enJuego) return;
    // The difference is taken modulo one day, so a game across midnight shows its true time.
    ventana_.ponerLblTiempo(FormatoHora(plataforma_.reloj.horaDelDia() - horaInicio));
    Total = NormalizarHora(ventana_.lblTiempo());
}

int frmGemelario::msHastaElSegundo() {
    const double s = plataforma_.reloj.segundosDesdeMedianoche();
    return 1001 - static_cast<int>((s - std::floor(s)) * 1000);
}

void frmGemelario::Form_KeyPress(int codigo) {
    if (codigo != ' ') return;
    if (!enJuego) {
        const std::string& clave = frmClave_.clave;
        for (int i = 1; i <= kCasillas; ++i) {
            if (casillaResuelta[i] == 0 && imagenCasilla[i] == clave) {
                ventana_.ponerImagen(i, clave);
                ventana_.mostrarTxtClave(i, true);
            } else {
                ventana_.ponerImagen(i, imagenCasilla[i]);
            }
            casillaResuelta[i] = 1;
        }
    }
    ventana_.ponerLblClave(kMensajeSinClave);
    Avisar(std::string(kMensajeSinClave) + ".");
    DarAviso();
    ventana_.ponerKeyPreview(false);
}

void frmGemelario::mnuTabla_Click() { ventana_.abrirModal(Modal::Puntuaciones); }
void frmGemelario::mnuSalir_Click() { ventana_.terminar(); }
void frmGemelario::mnuImagen_Click() { ventana_.abrirModal(Modal::Clave); }
void frmGemelario::mnuDuración_Click() { ventana_.abrirModal(Modal::Duracion); }
void frmGemelario::mnuNormas_Click() { ventana_.abrirModal(Modal::Normas); }
void frmGemelario::mnuAcerca_Click() { ventana_.abrirModal(Modal::Acerca); }
void frmGemelario::cmdSalir_Click() { ventana_.terminar(); }
void frmGemelario::Form_Click() { ventana_.maximizar(); }
void frmGemelario::Form_DblClick() { ventana_.maximizar(); }

} // namespace gemelario
