// The new-record window's logic: the rank, the player's name and the record's insertion.
#include "frmDiezPrimeros.h"

#include "ArchivoPuntuaciones.h"
#include "CerrojoDirectorio.h"
#include "Clasificacion.h"
#include "Tiempo.h"

namespace gemelario {

frmDiezPrimeros::frmDiezPrimeros(Dialogo& ventana, Principal& principal, Reloj& reloj, Pitido& pitido,
                                 Module1& module1, const std::string& total, std::filesystem::path directorio)
    : ventana_(ventana), principal_(principal), reloj_(reloj), pitido_(pitido), module1_(module1), total_(total),
      directorio_(std::move(directorio)) {}

void frmDiezPrimeros::Form_Load() {
    {
        ArchivoPuntuaciones archivo(directorio_, module1_.registro);
        posicion = BuscarPosicion(archivo, module1_.registro, total_);
    }
    if (posicion == 0) {
        // Another copy stored better times during this game: no record window, the table menu back.
        ventana_.mensaje(kMensajeYaNoEntra, "Gemelario");
        principal_.habilitarMenu(Menu::Tabla, true);
        return;
    }
    principal_.habilitarMenu(Menu::Nuevo, false);
    principal_.habilitarMenu(Menu::Imagen, false);
    ventana_.ponerCaption("lblTiempo", 0, total_);
    ventana_.ponerCaption("lblComentario", 0,
                          posicion == 1 ? "¡Enhorabuena, has superado el anterior récord! Introduce tu nombre y la fecha"
                                        : "Has conseguido ponerte en la " + std::to_string(posicion) +
                                              "ª posición. Introduce tu nombre y la fecha");
    const Fecha hoy = reloj_.hoy();
    ventana_.ponerCaption("txtFecha", 0,
                          std::to_string(hoy.dia) + "-" + std::to_string(hoy.mes) + "-" + std::to_string(hoy.anio));
}

void frmDiezPrimeros::cmdAceptar_Click() {
    if (ventana_.texto("txtNombre").empty()) {
        pitido_.pitar();
        ventana_.mensaje(kMensajeNombre, "Nombre");
        ventana_.enfocar("txtNombre");
        return;
    }
    ventana_.cerrar();
}

void frmDiezPrimeros::Form_QueryUnload() {
    if (!guardado_) {
        if (const std::string aviso = guardar(); !aviso.empty()) ventana_.mensaje(aviso, "Gemelario");
    }
    principal_.abrirModal(Modal::Puntuaciones);
}

void frmDiezPrimeros::GuardarAlTerminarSesion() {
    if (!guardado_ && !ventana_.texto("txtNombre").empty()) guardar();
}

std::string frmDiezPrimeros::guardar() {
    guardado_ = true;
    // Another copy of the game may have stored records since the load: the rank is found again
    // in the file as it is now, under the lock, so neither copy's record is lost or misplaced.
    CerrojoDirectorio cerrojo(directorio_);
    Puntuacion& registro = module1_.registro;
    ArchivoPuntuaciones archivo(directorio_, registro);
    posicion = BuscarPosicion(archivo, registro, total_);
    if (posicion == 0) return kMensajeYaNoEntraAlGuardar;
    InsertarPuntuacion(archivo, registro, posicion,
                       {TextoTiempo(total_), total_, ventana_.texto("txtNombre"), ventana_.texto("txtFecha")});
    return archivo.Cerrar() ? "" : kMensajeRecordNoGuardado;
}

} // namespace gemelario
