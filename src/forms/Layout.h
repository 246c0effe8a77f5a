// A window's layout as data: its controls in twips, front to back, and its menu tree.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace gemelario::ventanas {

inline constexpr int kTwipsPorPixel = 15;
inline constexpr int APixeles(int twips) { return (twips + kTwipsPorPixel / 2) / kTwipsPorPixel; }

enum class Tipo { Etiqueta, Linea, Imagen, Texto, TextoMultilinea, Boton, Barra, Temporizador, Navegador };
enum class Alineacion { Izquierda, Centro, Derecha };

struct Fuente {
    std::string familia = "MS Sans Serif";
    double puntos = 8.25;
    bool negrita = false;
    bool cursiva = false;
};

struct Rgb {
    int r = 0, g = 0, b = 0;
};

// Colours the layouts name: fixed ones and the system's.
enum class ColorSistema { Ninguno, CaraBoton, TextoBoton, BarraMenu, FondoVentana, TextoVentana };

struct Color {
    ColorSistema sistema = ColorSistema::Ninguno;
    Rgb rgb{};
    static Color DeSistema(ColorSistema s) { return {s, {}}; }
    static Color Fijo(int r, int g, int b) { return {ColorSistema::Ninguno, {r, g, b}}; }
};

struct Control {
    std::string nombre;
    Tipo tipo = Tipo::Etiqueta;
    int indice = 0;  // 1.. for members of a control array, 0 otherwise
    int left = 0, top = 0, width = 0, height = 0;  // twips
    std::string caption;
    Fuente fuente{};
    Color texto = Color::DeSistema(ColorSistema::TextoBoton);
    Color fondo = Color::DeSistema(ColorSistema::CaraBoton);
    Alineacion alineacion = Alineacion::Izquierda;
    std::optional<int> tabIndex;
    bool visible = true;
    bool soloLectura = false;
    bool borde = false;
    bool tabStop = true;  // false: neither Tab nor a click gives it the focus
    int intervalo = 0;  // timers, milliseconds
    std::string tooltip;
    int maxLongitud = 0;            // text boxes: characters; 0 = no limit
    int minimo = 0, maximo = 0, inicial = 0;  // scroll bars
    int grosor = 1;                 // lines, pixels; a line runs from (left, top) to (left + width, top)
    std::string recurso;            // picture boxes: a fixed picture kept with the program
    bool cursorPropio = false;      // picture boxes: the program's own hand-shaped pointer over it
    std::string accesible;          // what a screen reader calls it, where the caption does not say
};

struct ItemMenu {
    std::string nombre;
    std::string caption;  // "&" marks the access letter; "-" is a separator
    std::string atajo;    // e.g. "Ctrl+N"
    std::vector<ItemMenu> items;
};

struct Formulario {
    std::string nombre;
    std::string caption;
    int anchoCliente = 0, altoCliente = 0;  // twips
    std::vector<Control> controles;         // front to back
    std::vector<ItemMenu> menus;
    std::string botonCancelar;  // pressed by Esc wherever the focus is; empty: none
    std::string botonPredeterminado;  // pressed by Enter; empty: none
};

} // namespace gemelario::ventanas
