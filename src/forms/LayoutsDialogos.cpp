// The layout tables of the dialog windows: best times, options, rules and About.
#include "LayoutsDialogos.h"

#include "Imagenes.h"
#include "TextoNormas.h"
#include "frmAcerca.h"

namespace gemelario::ventanas {
namespace {

const Color kAzul = Color::Fijo(0, 0, 255);
const Fuente kTitulo{"Arial", 24, true, true};

Control boton(std::string nombre, std::string caption, int left, int top, int width, int height, int tab) {
    return Control{.nombre = std::move(nombre), .tipo = Tipo::Boton, .left = left, .top = top, .width = width,
                   .height = height, .caption = std::move(caption), .tabIndex = tab};
}

Control linea(std::string nombre, int x1, int y, int x2, Color color, int grosor) {
    return Control{.nombre = std::move(nombre), .tipo = Tipo::Linea, .left = x1, .top = y, .width = x2 - x1,
                   .texto = color, .grosor = grosor, .accesible = "Separador"};
}

Control etiqueta(std::string nombre, int left, int top, int width, int height, std::string caption, Fuente fuente,
                 Alineacion alineacion, int tab, Color texto = Color::DeSistema(ColorSistema::TextoBoton),
                 bool borde = false) {
    return Control{.nombre = std::move(nombre), .tipo = Tipo::Etiqueta, .left = left, .top = top, .width = width,
                   .height = height, .caption = std::move(caption), .fuente = std::move(fuente), .texto = texto,
                   .alineacion = alineacion, .tabIndex = tab, .borde = borde};
}

Control nombrado(Control c, std::string accesible) {
    c.accesible = std::move(accesible);
    return c;
}

Formulario dialogo(std::string nombre, std::string caption, int ancho, int alto) {
    Formulario f;
    f.nombre = std::move(nombre);
    f.caption = std::move(caption);
    f.anchoCliente = ancho;
    f.altoCliente = alto;
    return f;
}

Formulario puntuaciones() {
    Formulario f = dialogo("frmPuntuaciones", "Tabla de puntuaciones", 8730, 7590);
    f.botonCancelar = f.botonPredeterminado = "cmdAceptar";
    Control restablecer = boton("cmdRestablecer", "Restablecer", 3780, 6870, 1215, 495, 2);
    restablecer.visible = false;
    f.controles = {restablecer, boton("cmdImprimir", "Imprimir tabla", 5280, 6870, 1215, 495, 1),
                   boton("cmdAceptar", "Aceptar", 2280, 6870, 1215, 495, 0),
                   etiqueta("Label4", 2370, 150, 3495, 645, "Gemelario", {"Times New Roman", 24, true, true},
                            Alineacion::Centro, 36, kAzul),
                   linea("Line3", 6480, 1110, 8280, Color::DeSistema(ColorSistema::TextoVentana), 1),
                   linea("Line1", 480, 1110, 1800, Color::DeSistema(ColorSistema::TextoVentana), 1),
                   linea("Line2", 1920, 1110, 6360, Color::DeSistema(ColorSistema::TextoVentana), 1)};
    const Color gris = Color::Fijo(192, 192, 192), malva = Color::Fijo(128, 128, 255);
    auto fila = [&](std::string nombre, std::string que, int i, int left, int width, Fuente fuente, Color fondo,
                    Alineacion al, int tab) {
        Control c = etiqueta(std::move(nombre), left, 1350 + 540 * (i - 1), width, 375, "", std::move(fuente), al, tab,
                             kAzul, true);
        c.indice = i;
        c.fondo = fondo;
        c.accesible = que + " del puesto " + std::to_string(i);
        return c;
    };
    for (int i = 1; i <= 10; ++i)
        f.controles.push_back(fila("lblTiempo", "Tiempo", i, 480, 1335, {"Courier New", i == 1 ? 15.75 : 14.25, true},
                                   gris, i == 1 ? Alineacion::Centro : Alineacion::Izquierda, 36 - i));
    for (int i = 1; i <= 10; ++i)
        f.controles.push_back(
            fila("lblNombre", "Nombre", i, 1920, 4455, {"Courier New", 12}, malva, Alineacion::Izquierda, 26 - i));
    for (int i = 1; i <= 10; ++i)
        f.controles.push_back(fila("lblFecha", "Fecha", i, 6480, 1815, {"Courier New", 12}, malva, Alineacion::Centro, 16 - i));
    const Fuente cabecera{"MS Sans Serif", 8.25, true};
    f.controles.push_back(etiqueta("Label1", 600, 870, 1095, 255, "Tiempo", cabecera, Alineacion::Centro, 5));
    f.controles.push_back(etiqueta("Label2", 2040, 870, 4215, 255, "Nombre", cabecera, Alineacion::Centro, 4));
    f.controles.push_back(etiqueta("Label3", 6600, 870, 1575, 255, "Fecha", cabecera, Alineacion::Centro, 3));
    return f;
}

Formulario diezPrimeros() {
    Formulario f = dialogo("frmDiezPrimeros", "Estás entre los diez primeros", 6585, 6255);
    f.botonCancelar = f.botonPredeterminado = "cmdAceptar";
    const Fuente courier{"Courier New", 12};
    f.controles = {
        Control{.nombre = "txtNombre", .tipo = Tipo::Texto, .left = 720, .top = 3360, .width = 4335, .height = 390,
                .fuente = courier, .texto = kAzul, .fondo = Color::Fijo(255, 255, 255), .tabIndex = 0, .borde = true,
                .maxLongitud = 28, .accesible = "Nombre"},
        Control{.nombre = "txtFecha", .tipo = Tipo::Texto, .left = 720, .top = 4440, .width = 1695, .height = 390,
                .fuente = courier, .texto = kAzul, .fondo = Color::DeSistema(ColorSistema::FondoVentana),
                .alineacion = Alineacion::Centro, .tabIndex = 1, .soloLectura = true, .borde = true, .maxLongitud = 10,
                .accesible = "Fecha"},
        boton("cmdAceptar", "Aceptar", 2640, 5400, 1215, 495, 2),
        etiqueta("Label4", 4560, 4080, 1215, 255, "Tiempo", {}, Alineacion::Centro, 8),
        nombrado(etiqueta("lblTiempo", 4680, 4320, 975, 375, "", {"MS Sans Serif", 18, true}, Alineacion::Derecha, 7),
                 "Tiempo"),
        linea("Line1", 720, 1320, 5880, kAzul, 3),
        etiqueta("Label1", 840, 3000, 1215, 255, "Nombre", {}, Alineacion::Izquierda, 6),
        etiqueta("Label2", 840, 4080, 1215, 255, "Fecha", {}, Alineacion::Izquierda, 5),
        etiqueta("lblComentario", 840, 1920, 4935, 735, "", {"MS Sans Serif", 12, true}, Alineacion::Centro, 4),
        etiqueta("Label3", 1560, 600, 3135, 855, "Gemelario", kTitulo, Alineacion::Centro, 3, kAzul)};
    return f;
}

Formulario clave() {
    Formulario f = dialogo("frmClave", "Selección de la imagen clave", 7860, 7320);
    f.botonCancelar = f.botonPredeterminado = "cmdAceptar";
    Control desconocida = boton("cmdDesconocida", "Clave desconocida", 4800, 6480, 2055, 495, 1);
    desconocida.tooltip = "Si pulsas aquí, no sabrás cuál es la imagen clave hasta que la aciertes.";
    f.controles = {desconocida, boton("cmdAceptar", "Aceptar", 1320, 6480, 1215, 495, 0)};
    for (int i = 1; i <= 12; ++i)
        f.controles.push_back(Control{.nombre = "picImagen", .tipo = Tipo::Imagen, .indice = i,
                                      .left = 240 + 1920 * ((i - 1) % 4), .top = 240 + 2040 * ((i - 1) / 4),
                                      .width = 1575, .height = 1710, .tabIndex = i + 1, .borde = true,
                                      .tooltip = i == 1 ? "Si no seleccionas ninguna imagen, ésta será la clave." : ""});
    // (Each picture's name for a screen reader, its word and whether it is the key, is given when the
    // window opens and as the key changes.)
    return f;
}

Formulario duracion() {
    Formulario f = dialogo("frmDuración", "Duración de exposición de imágenes", 5985, 4350);
    f.botonCancelar = "cmdCancelar";
    f.botonPredeterminado = "cmdGuardar";
    f.controles = {
        boton("cmdCancelar", "Cancelar", 3390, 3540, 1245, 525, 1),
        Control{.nombre = "vsbDuración", .tipo = Tipo::Barra, .left = 510, .top = 1590, .width = 4965, .height = 945,
                .tabIndex = 2, .minimo = 1, .maximo = 300, .inicial = 15, .accesible = "Duración de exposición"},
        boton("cmdGuardar", "Guardar", 1260, 3540, 1245, 525, 0),
        etiqueta("Label1", 870, 240, 4215, 825,
                 "Puedes usar esta barra para aumentar o disminuir la duración de la exposición de las imágenes "
                 "durante el juego.",
                 {"MS Sans Serif", 9.75, true}, Alineacion::Centro, 4, kAzul, true),
        etiqueta("lblDuración", 2250, 2730, 1545, 285, "Duración: 15", {"MS Sans Serif", 9.75}, Alineacion::Centro, 3)};
    return f;
}

Formulario normas() {
    Formulario f = dialogo("frmNormas", "Normas del juego", 8055, 5955);
    f.botonCancelar = f.botonPredeterminado = "cmdAceptar";
    f.controles = {
        boton("cmdAceptar", "Aceptar", 3540, 5040, 1215, 495, 0),
        Control{.nombre = "Text1", .tipo = Tipo::TextoMultilinea, .left = 1020, .top = 1560, .width = 6255,
                .height = 3105, .caption = TextoNormas(), .fuente = {"MS Sans Serif", 12, true}, .texto = kAzul,
                .fondo = Color::DeSistema(ColorSistema::BarraMenu), .tabIndex = 1, .soloLectura = true, .borde = true,
                .accesible = "Normas del juego"},
        etiqueta("Label2", 240, 120, 3405, 255, "Por el equipo de Gemelario", {"MS Sans Serif", 9.75, true},
                 Alineacion::Izquierda, 3, kAzul),
        etiqueta("Label1", 2130, 720, 3735, 735, "Gemelario", kTitulo, Alineacion::Centro, 2, kAzul)};
    return f;
}

Formulario acerca() {
    Formulario f = dialogo("frmAcerca", "Acerca de... Gemelario", 7050, 6735);
    f.botonCancelar = f.botonPredeterminado = "cmdAceptar";
    const Fuente credito{"MS Sans Serif", 8.25, true};
    f.controles = {
        Control{.nombre = "picPubli1", .tipo = Tipo::Imagen, .left = 2040, .top = 5160, .width = 3165, .height = 1305,
                .tabIndex = 10, .tooltip = std::string("Enlace a ") + kDireccionWeb, .recurso = ":/arte/enlace.jpg",
                .cursorPropio = true},
        boton("cmdAceptar", "Aceptar", 3000, 4440, 1215, 495, 0),
        Control{.nombre = "tmrAcerca", .tipo = Tipo::Temporizador, .intervalo = 100},
        Control{.nombre = "Picture1", .tipo = Tipo::Imagen, .indice = 1, .left = 4830, .top = 510, .width = 1575,
                .height = 1710, .tabIndex = 1, .borde = true, .tabStop = false, .accesible = "Pareja animada, arriba"},
        Control{.nombre = "Picture1", .tipo = Tipo::Imagen, .indice = 2, .left = 4830, .top = 2400, .width = 1575,
                .height = 1710, .tabIndex = 2, .borde = true, .tabStop = false, .accesible = "Pareja animada, abajo"},
        Control{.nombre = "WebBrowser1", .tipo = Tipo::Navegador, .left = 3240, .top = 4560, .width = 825,
                .height = 315, .tabIndex = 9, .visible = false, .accesible = "Navegador web"},
        etiqueta("Label5", 480, 2280, 315, 435, "*", {"MS Sans Serif", 18, true}, Alineacion::Izquierda, 8, kAzul),
        etiqueta("Label4", 1020, 3090, 2955, 255, "Dibujos: Taller Gemelario", credito, Alineacion::Centro, 7, kAzul,
                 true),
        linea("Line1", 1020, 1320, 4020, kAzul, 3),
        etiqueta("Label1", 1020, 480, 3015, 735, "Gemelario", kTitulo, Alineacion::Centro, 6, kAzul, true),
        etiqueta("frmAcerca", 1140, 1620, 2775, 345, "Año 2000", {"MS Sans Serif", 12, true}, Alineacion::Centro, 5,
                 kAzul, true),
        etiqueta("Label2", 870, 2250, 3315, 525, "Programa: equipo Gemelario, Villaejemplo", credito,
                 Alineacion::Centro, 4, kAzul, true),
        etiqueta("Label3", 1050, 3630, 2865, 495, "Para Lucía y Mateo, que jugaron primero", credito,
                 Alineacion::Centro, 3, kAzul, true)};
    return f;
}

} // namespace

// Each table is built once, the first time its window opens.
template <Formulario (*construir)()>
const Formulario& unaVez() {
    static const Formulario f = construir();
    return f;
}

const Formulario& LayoutPuntuaciones() { return unaVez<puntuaciones>(); }
const Formulario& LayoutDiezPrimeros() { return unaVez<diezPrimeros>(); }
const Formulario& LayoutClave() { return unaVez<clave>(); }
const Formulario& LayoutDuracion() { return unaVez<duracion>(); }
const Formulario& LayoutNormas() { return unaVez<normas>(); }
const Formulario& LayoutAcerca() { return unaVez<acerca>(); }

} // namespace gemelario::ventanas
