// The composition root: the real clock, random source, wait, beep, files and Qt, wired to the game.
#include "AbridorWebQt.h"
#include "ArchivoAtomico.h"
#include "ArchivoPuntuaciones.h"
#include "DirectorioDeJuego.h"
#include "ValorDat.h"
#include "Arte.h"
#include "AzarMezclado.h"
#include "EsperaViva.h"
#include "FinDeSesion.h"
#include "Modales.h"
#include "Aviso.h"
#include "Centrado.h"
#include "Pantalla.h"
#include "PitidoCanberra.h"
#include "RelojSistema.h"
#include "Traduccion.h"
#include "VentanaPrincipal.h"
#include "frmClave.h"
#include "frmGemelario.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace {

std::string variable(const char* nombre) {
    const char* v = std::getenv(nombre);
    return v ? v : "";
}

} // namespace

int main(int argc, char** argv) {
    using namespace gemelario;
    if (const std::string problema = ventanas::ProblemaDePantalla(); !problema.empty()) {
        std::fprintf(stderr, "%s\n", problema.c_str());
        return 1;
    }
    // The game reads no command line, nor does Qt (-platform, -reverse, -style, …): only its name.
    int soloElNombre = std::min(argc, 1);
    // On X11 each repaint through shared memory waits for the server's completion event: two more
    // wake-ups a second for the clock. The game's window is small enough to send through the socket.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication aplicacion(soloElNombre, argv);
    QApplication::setApplicationName("Gemelario");
    // The desktop matches the window to its menu entry (Wayland's app id, docks, task switchers).
    QGuiApplication::setDesktopFileName(QStringLiteral("example.corvantiso.Gemelario"));
    ventanas::TraducirQtAlEspanol(aplicacion);
    ventanas::CentrarDialogosDeQt(aplicacion);
    // The drawings for dense screens: beside the program where it is built, in its data directory
    // once installed.
    const QString aqui = QCoreApplication::applicationDirPath();
    ventanas::UbicarDibujosDensos({aqui + QStringLiteral("/gemelario-densos.rcc"),
                                   aqui + QStringLiteral("/" GEMELARIO_DATOS_DESDE_PROGRAMA "/gemelario-densos.rcc")});
    // Started from a desktop menu, nobody reads stderr: a failure to start is also shown.
    const auto fallo = [](const std::string& texto) {
        std::fprintf(stderr, "%s\n", texto.c_str());
        ventanas::MostrarAviso(nullptr, QString::fromStdString(texto), QStringLiteral("Gemelario"));
        return 1;
    };
    // The game's files are opened by bare name in their directory: the current one when it holds
    // them (a terminal in the game's folder), otherwise the player's own data directory.
    std::error_code ec;
    const std::filesystem::path actual = std::filesystem::current_path(ec);
    if (ec || !std::filesystem::is_directory(actual, ec))
        return fallo("gemelario no puede usar la carpeta actual porque ya no existe: ábrelo desde una carpeta que exista.");
    std::vector<std::string> archivos{kArchivoPuntuaciones, kArchivoValor};
    for (const std::string& d : ventanas::NombresDibujos()) archivos.push_back(d);
    const DirectorioElegido elegido = ElegirDirectorio({actual, variable("XDG_DATA_HOME"), variable("HOME")}, archivos);
    if (elegido.ruta.empty()) return fallo(elegido.problema);
    const std::filesystem::path& directorio = elegido.ruta;
    LimpiarTemporales(directorio, {kArchivoPuntuaciones, kArchivoValor});

    RelojSistema reloj;
    AzarMezclado azar{std::random_device{}()};
    ventanas::EsperaViva espera;
    ventanas::PitidoCanberra pitido;
    frmClave clave;
    Module1 module1;
    ventanas::CargadorImagenes imagenes(directorio);

    ventanas::VentanaPrincipal ventana(imagenes, [] { QCoreApplication::exit(0); });
    frmGemelario juego(ventana, PlataformaTablero{reloj, azar, espera, pitido}, clave, module1, directorio);
    ventana.conectar(juego);
    ventanas::AbridorWebQt web;
    const ventanas::Contexto contexto{&ventana, imagenes, ventana, juego, clave, module1, reloj,
                                      azar,     espera,   pitido,  web,   directorio};
    ventanas::RegistrarModales(ventana, contexto);
    ventanas::VigilarFinDeSesion(aplicacion, ventanas::GuardarDialogosAbiertos, [] { QCoreApplication::exit(0); });
    juego.Form_Load();
    ventana.mostrarCentrada();
    return QApplication::exec();
}
