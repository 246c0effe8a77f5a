// The main window's layout table.
#include "LayoutGemelario.h"

namespace gemelario::ventanas {

int LeftCasilla(int i) { return 360 + 1920 * ((i - 1) % 6); }
int TopCasilla(int i) { return 120 + 2040 * ((i - 1) / 6); }

namespace {

Formulario construir() {
    Formulario f;
    f.nombre = "frmGemelario";
    f.caption = "Gemelario";
    f.anchoCliente = 11910;
    f.altoCliente = 8220;
    f.botonCancelar = "cmdSalir";

    for (int i = 1; i <= 24; ++i)
        f.controles.push_back(Control{.nombre = "txtClave", .tipo = Tipo::Texto, .indice = i,
                                      .left = LeftCasilla(i) + 360, .top = TopCasilla(i) + 600,
                                      .width = 975, .height = 405, .caption = "Clave",
                                      .fuente = {"Comic Sans MS", 14.25, true},
                                      .texto = Color::Fijo(0, 0, 255), .fondo = Color::DeSistema(ColorSistema::BarraMenu),
                                      .alineacion = Alineacion::Centro, .tabIndex = i + 25,
                                      .visible = false, .soloLectura = true, .borde = true, .tabStop = false, .accesible = "Clave"});
    for (int i = 1; i <= 24; ++i)
        f.controles.push_back(Control{.nombre = "picDibujo", .tipo = Tipo::Imagen, .indice = i,
                                      .left = LeftCasilla(i), .top = TopCasilla(i), .width = 1590, .height = 1710,
                                      .tabIndex = i <= 23 ? i - 1 : 24, .borde = true,
                                      .accesible = "Casilla " + std::to_string(i)});
    f.controles.push_back(Control{.nombre = "tmrSegundos", .tipo = Tipo::Temporizador, .intervalo = 1000});
    f.controles.push_back(Control{.nombre = "cmdSalir", .tipo = Tipo::Boton,
                                  .left = 660, .top = 720, .width = 1005, .height = 315,
                                  .caption = "Salir", .tabIndex = 50});
    f.controles.push_back(Control{.nombre = "lblClave", .tipo = Tipo::Etiqueta,
                                  .left = 720, .top = 5880, .width = 10455, .height = 375,
                                  .fuente = {"MS Sans Serif", 13.5, true}, .alineacion = Alineacion::Centro,
                                  .tabIndex = 25, .accesible = "Mensaje"});
    f.controles.push_back(Control{.nombre = "lblTiempo", .tipo = Tipo::Etiqueta,
                                  .left = 5520, .top = 3840, .width = 975, .height = 375,
                                  .fuente = {"MS Sans Serif", 18, true}, .alineacion = Alineacion::Derecha,
                                  .tabIndex = 23, .accesible = "Tiempo de juego"});

    f.menus = {
        {"mnuJuego", "&Juego", "",
         {{"mnuNuevo", "Nuevo", "Ctrl+N", {}},
          {"mnuSeparación", "-", "", {}},
          {"mnuTabla", "Tabla de puntuaciones", "Ctrl+P", {}},
          {"mnuSeparaci", "-", "", {}},
          {"mnuSalir", "Salir", "Ctrl+S", {}}}},
        {"mnuOpciones", "&Opciones", "",
         {{"mnuImagen", "Imagen clave", "Ctrl+C", {}},
          {"mnuSepara", "-", "", {}},
          {"mnuDuración", "Duración de exposición", "Ctrl+D", {}}}},
        {"mnuAyuda", "&Ayuda", "",
         {{"mnuNormas", "Normas del juego", "", {}},
          {"mnuSeparación1", "-", "", {}},
          {"mnuAcerca", "Acerca de...", "", {}}}},
    };
    return f;
}

} // namespace

const Formulario& LayoutGemelario() {
    static const Formulario f = construir();
    return f;
}

} // namespace gemelario::ventanas
