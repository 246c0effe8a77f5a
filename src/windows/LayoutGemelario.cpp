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

    for (int i = 1; i <= 24; ++i) {
        Control c;
        c.nombre = "txtClave";
        c.tipo = Tipo::Texto;
        c.indice = i;
        c.left = LeftCasilla(i) + 360;
        c.top = TopCasilla(i) + 600;
        c.width = 975;
        c.height = 405;
        c.caption = "Clave";
        c.visible = false;
        c.soloLectura = true;
        c.alineacion = Alineacion::Centro;
        c.fuente = {"Comic Sans MS", 14.25, true};
        c.texto = Color::Fijo(0, 0, 255);
        c.fondo = Color::DeSistema(ColorSistema::BarraMenu);
        c.tabIndex = i + 25;
        c.borde = true;
        f.controles.push_back(c);
    }
    for (int i = 1; i <= 24; ++i) {
        Control c;
        c.nombre = "picDibujo";
        c.tipo = Tipo::Imagen;
        c.indice = i;
        c.left = LeftCasilla(i);
        c.top = TopCasilla(i);
        c.width = 1590;
        c.height = 1710;
        c.borde = true;
        c.tabIndex = i <= 23 ? i - 1 : 24;
        f.controles.push_back(c);
    }
    {
        Control c;
        c.nombre = "tmrSegundos";
        c.tipo = Tipo::Temporizador;
        c.intervalo = 100;
        f.controles.push_back(c);
    }
    {
        Control c;
        c.nombre = "cmdSalir";
        c.tipo = Tipo::Boton;
        c.left = 660;
        c.top = 720;
        c.width = 1005;
        c.height = 315;
        c.caption = "Salir";
        c.tabIndex = 50;
        f.controles.push_back(c);
    }
    {
        Control c;
        c.nombre = "lblClave";
        c.tipo = Tipo::Etiqueta;
        c.left = 720;
        c.top = 5880;
        c.width = 10455;
        c.height = 375;
        c.alineacion = Alineacion::Centro;
        c.fuente = {"MS Sans Serif", 13.5, true};
        c.tabIndex = 25;
        f.controles.push_back(c);
    }
    {
        Control c;
        c.nombre = "lblTiempo";
        c.tipo = Tipo::Etiqueta;
        c.left = 5520;
        c.top = 3840;
        c.width = 975;
        c.height = 375;
        c.alineacion = Alineacion::Derecha;
        c.fuente = {"MS Sans Serif", 18, true};
        c.tabIndex = 23;
        f.controles.push_back(c);
    }

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
