// The best-times window's logic: the ten records shown, printing, and the reset to the factory table.
#include "frmPuntuaciones.h"

#include "ArchivoPuntuaciones.h"
#include "CerrojoDirectorio.h"
#include "Tiempo.h"

namespace gemelario {
namespace {

std::string sinBlancosFinales(std::string s) {
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

// Only the minutes are looked at, not the hours; a text that is not a time has none.
bool minutosCero(const std::string& tiempo) {
    const auto s = LeerHora(tiempo);
    return s && *s / 60 % 60 == 0;
}

} // namespace

frmPuntuaciones::frmPuntuaciones(Dialogo& ventana, Principal& principal, Module1& module1,
                                 std::filesystem::path directorio)
    : ventana_(ventana), principal_(principal), module1_(module1), directorio_(std::move(directorio)) {}

void frmPuntuaciones::Form_Load() {
    Puntuacion& registro = module1_.registro;
    ArchivoPuntuaciones archivo(directorio_, registro);
    for (int i = 1; i <= kRegistros; ++i) {
        archivo.LeerPuntuacion(i);
        if (i > 1 && minutosCero(registro.tiempo)) ventana_.centrar("lblTiempo", i);
        ventana_.ponerCaption("lblTiempo", i, sinBlancosFinales(registro.tiempoTexto));
        ventana_.ponerCaption("lblNombre", i, registro.nombre);
        ventana_.ponerCaption("lblFecha", i, sinBlancosFinales(registro.fecha));
    }
    archivo.LeerPuntuacion(kRegistros);
    if (minutosCero(registro.tiempo)) ventana_.ponerVisible("cmdRestablecer", true);
    archivo.Cerrar();
}

void frmPuntuaciones::cmdImprimir_Click() { ventana_.imprimir(); }

void frmPuntuaciones::cmdRestablecer_Click() {
    bool escrito;
    {
        CerrojoDirectorio cerrojo(directorio_);
        escrito = EscribirTablaInicial(directorio_, module1_.registro);
    }
    if (!escrito) ventana_.mensaje(kMensajeTablaNoGuardada, "Gemelario");
    ventana_.ponerVisible("cmdRestablecer", false);
    ventana_.cerrar();
}

void frmPuntuaciones::cmdAceptar_Click() { ventana_.cerrar(); }

void frmPuntuaciones::Form_QueryUnload() {
    principal_.habilitarMenu(Menu::Nuevo, true);
    principal_.habilitarMenu(Menu::Imagen, true);
    principal_.habilitarMenu(Menu::Tabla, true);
}

} // namespace gemelario
