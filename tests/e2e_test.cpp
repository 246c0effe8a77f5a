// End to end: the real game under a real X server, driven by real mouse and key events (xdotool),
// observed through screenshots.
#include "Arte.h"

#include <QtGui>

#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include "Contraste.h"
#include "DirectorioTemporal.h"

#include <chrono>
#include <csignal>
#include <cstring>
#include <fstream>
#include <functional>
#include <map>
#include <thread>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using gemelario::prueba::DirectorioTemporal;

const QString kCapturas = [] { QDir().mkpath(CAPTURAS_DIR); return QString(CAPTURAS_DIR); }();

// What an X tool prints (xdotool, xwininfo, xprop).
QString salida(const QString& programa, const QStringList& argumentos) {
    QProcess p;
    p.start(programa, argumentos);
    if (!p.waitForFinished(10000)) ADD_FAILURE() << programa.toStdString() << " did not answer: " << argumentos.join(' ').toStdString();
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

QString xdotool(const QStringList& argumentos) { return salida("xdotool", argumentos); }

void esperar(std::chrono::milliseconds t) { std::this_thread::sleep_for(t); }

// Whether `listo` comes to hold within ten seconds, looked at every 50 ms.
bool cuando(const std::function<bool()>& listo) {
    for (int i = 0; i < 200; ++i, esperar(50ms)) if (listo()) return true;
    return false;
}

// The first window shown with this title, waited for; empty if none showed.
QString esperarVentana(const QString& titulo) {
    QString id;
    cuando([&] { return !(id = xdotool({"search", "--onlyvisible", "--name", "^" + titulo + "$"}).section('\n', 0, 0)).isEmpty(); });
    return id;
}

// Starts the game in `dir` and waits for its main window: the window's id, empty if it never showed.
QString arrancar(QProcess& juego, const QString& programa, const fs::path& dir,
                 const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    juego.setProcessEnvironment(env);
    juego.setWorkingDirectory(QString::fromStdString(dir.string()));
    juego.setProcessChannelMode(QProcess::ForwardedChannels);
    // The game reads no command line: arguments Qt itself would act on change nothing.
    juego.start(programa, {"-platform", "offscreen", "-reverse"});
    return juego.waitForStarted(5000) ? esperarVentana("Gemelario") : QString();
}

// The window's place on the screen (xwininfo; xdotool's position counts a frame twice).
QRect geometria(const QString& ventana) {
    const QString s = salida("xwininfo", {"-id", ventana});
    const auto n = [&](const char* campo) { return s.section(campo, 1).section('\n', 0, 0).trimmed().toInt(); };
    return {n("Absolute upper-left X:"), n("Absolute upper-left Y:"), n("Width:"), n("Height:")};
}

// The top-left corner of the client area, on the screen: the window's bottom 548 pixels, below the menu bar.
QPoint cliente(const QString& ventana) { return geometria(ventana).bottomLeft() + QPoint(0, 1 - 548); }

QImage pantalla() { return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32); }

// The picture a cell whose top-left corner is at `o` shows on a screenshot, recognised among the
// game's pictures as the build wrote them.
std::string dibujoEnCelda(const QImage& captura, QPoint o) {
    static const auto dibujos = [] {
        std::map<std::string, QImage> d;
        for (const std::string& n : gemelario::ventanas::NombresDibujos())
            d[n] = QImage(QString::fromStdString((fs::path(GEMELARIO_RUN_DIR) / n).string())).convertToFormat(QImage::Format_RGB32);
        return d;
    }();
    for (const auto& [nombre, d] : dibujos) {
        int iguales = 0, total = 0;
        for (int y = 10; y < 104; y += 9)
            for (int x = 10; x < 96; x += 9, ++total) iguales += captura.pixel(o + QPoint(x, y)) == d.pixel(x, y);
        if (iguales * 10 >= total * 7) return nombre;
    }
    return "?";
}

// The game running in a scratch directory with its pictures, seen and played through the X server.
// The game ended as the desktop ends it (SIGTERM, a quit), so that a coverage build writes its counts.
void terminar(QProcess& p) { p.terminate(), p.waitForFinished(3000) || (p.kill(), p.waitForFinished(3000)); }

struct Partida {
    DirectorioTemporal dir;
    QProcess proceso;  // ended at the end if it still runs
    ~Partida() { terminar(proceso); }
    QString ventana;
    QPoint origen;

    explicit Partida(const char* valor) {
        for (const std::string& d : gemelario::ventanas::NombresDibujos()) fs::copy_file(fs::path(GEMELARIO_RUN_DIR) / d, dir.ruta / d);
        dir.escribir("Valor.dat", valor);
        ventana = arrancar(proceso, QString(GEMELARIO_RUN_DIR) + "/gemelario", dir.ruta);
        if (!ventana.isEmpty()) origen = cliente(ventana);
    }
    QPoint origenCasilla(int i) const { return origen + QPoint(24 + 128 * ((i - 1) % 6), 8 + 136 * ((i - 1) / 6)); }
    std::string dibujoEn(const QImage& captura, int i) const { return dibujoEnCelda(captura, origenCasilla(i)); }
    void clicCasilla(int i) const {
        const QPoint p = origenCasilla(i) + QPoint(53, 57);
        xdotool({"mousemove", QString::number(p.x()), QString::number(p.y()), "click", "1"});
    }
    // What cells i and j show, once `listo` holds for it (or after two seconds).
    std::pair<std::string, std::string> ver(int i, int j, const std::function<bool(const std::string&, const std::string&)>& listo) const {
        std::pair<std::string, std::string> visto;
        for (int k = 0; k < 100; ++k, esperar(20ms)) {
            const QImage c = pantalla();
            visto = {dibujoEn(c, i), dibujoEn(c, j)};
            if (listo(visto.first, visto.second)) break;
        }
        return visto;
    }
    static bool cara(const std::string& a, const std::string& b) { return a != "reverso.bmp" && b != "reverso.bmp"; }
    static bool reposo(const std::string& a, const std::string& b) {
        return (a == b && a != "reverclave.bmp") || (a == "reverso.bmp" && b == "reverso.bmp");
    }
    // Ctrl+N: the table is read and the board, seen where the window now is, shows its backs.
    bool empezar() {
        xdotool({"windowfocus", "--sync", ventana, "key", "ctrl+n"});
        return cuando([&] { return dir.leer("Gemelario.rnd").size() == 660; }) &&
               cuando([&] { origen = cliente(ventana); return dibujoEn(pantalla(), 1) == "reverso.bmp"; });
    }
};

TEST(Juego, AWinningGameStoresTheTypedNameInTheTable) {
    // An exposure of 6: a non-pair held 0.3 s, time enough to see it.
    Partida p(" 6 \r\n");
    ASSERT_FALSE(p.ventana.isEmpty()) << "the main window never appeared";
    const DirectorioTemporal& dir = p.dir;
    ASSERT_TRUE(p.empezar()) << "Ctrl+N started a game, reading the table";
    // The player turns the cells two by two and remembers them; then finds the key pair ("cataplás",
    // the default) before any other, so the game ends with the key and a record.
    const std::string llave = "cataplás.bmp";
    std::map<std::string, std::vector<int>> donde;
    for (int i = 1; i < 24; i += 2) {
        p.clicCasilla(i);
        p.clicCasilla(i + 1);
        const auto [a, b] = p.ver(i, i + 1, Partida::cara);
        ASSERT_TRUE(Partida::cara(a, b)) << "cells " << i << " and " << i + 1 << " turned";
        p.ver(i, i + 1, Partida::reposo);  // turned back after the exposure, or a pair (the key pair after its flash)
        if (a == b || a == "reverclave.bmp" || b == "reverclave.bmp") continue;
        donde[a].push_back(i);
        donde[b].push_back(i + 1);
    }
    std::vector<std::string> orden{llave};
    for (const auto& [imagen, celdas] : donde) orden.push_back(imagen);
    for (const std::string& imagen : orden) {
        if (donde[imagen].size() != 2) continue;
        p.clicCasilla(donde[imagen][0]);
        p.clicCasilla(donde[imagen][1]);
        p.ver(donde[imagen][0], donde[imagen][1], [&](const std::string& a, const std::string& b) { return a == imagen && b == imagen; });
        donde[imagen].clear();
    }
    const QString record = esperarVentana("Estás entre los diez primeros");
    ASSERT_FALSE(record.isEmpty()) << "the record window is open";
    xdotool({"windowfocus", "--sync", record});
    xdotool({"type", "--delay", "60", "Peña €"});
    esperar(300ms);  // xdotool types "ñ" and "€" through a keycode it remaps for each: let the last one be read first
    xdotool({"key", "Return"});
    const QString tabla = esperarVentana("Tabla de puntuaciones");
    ASSERT_FALSE(tabla.isEmpty()) << "the table opens over the record window";
    EXPECT_EQ(dir.leer("Gemelario.rnd").substr(20, 32), "Pe\xF1" "a \x80" + std::string(26, ' ')) << "rank 1, Windows-1252";
}

// The window manager's side of _NET_WM_PING: milliseconds until the window's answer comes back to the
// root window (Qt answers to whoever watches the root's structure), or 1000 if none came in a second.
double ping(const QString& ventana) {
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    const xcb_window_t raiz = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const std::uint32_t mascara = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, raiz, XCB_CW_EVENT_MASK, &mascara);
    const auto atomo = [x](const char* n) {
        xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, std::strlen(n), n), nullptr);
        const xcb_atom_t a = r ? r->atom : 0;
        std::free(r);
        return a;
    };
    xcb_client_message_event_t e{};
    e.response_type = XCB_CLIENT_MESSAGE, e.format = 32, e.window = ventana.toUInt(nullptr, 0), e.type = atomo("WM_PROTOCOLS");
    e.data.data32[0] = atomo("_NET_WM_PING");
    e.data.data32[2] = e.window;
    const auto t0 = std::chrono::steady_clock::now();
    xcb_send_event(x, 0, e.window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&e));
    xcb_flush(x);
    double ms = 0;
    for (bool respuesta = false; !respuesta && ms < 1000; ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count()) {
        xcb_generic_event_t* r = xcb_poll_for_event(x);
        const auto* m = reinterpret_cast<const xcb_client_message_event_t*>(r);
        respuesta = r && (r->response_type & 0x7F) == XCB_CLIENT_MESSAGE && m->window == raiz && m->data.data32[0] == e.data.data32[0];
        if (!r) esperar(1ms);
        std::free(r);
    }
    xcb_disconnect(x);
    return std::min(ms, 1000.0);
}

// The times the program's threads went to sleep over `durante`: each one a wake-up after it.
long despertares(const QProcess& p, std::chrono::milliseconds durante) {
    const auto contar = [&] {
        long n = 0;
        for (const auto& hilo : fs::directory_iterator("/proc/" + std::to_string(p.processId()) + "/task")) {
            std::ifstream f(hilo.path() / "status");
            for (std::string l; std::getline(f, l);) if (l.starts_with("voluntary_ctxt_switches:")) n += std::stol(l.substr(24));
        }
        return n;
    };
    const long antes = contar();
    return esperar(durante), contar() - antes;
}

TEST(Juego, DuringAHoldTheWindowAnswersTheDesktopWhileClicksAndKeysWaitForTheTurn) {
    // An exposure of 40: a non-pair held 2 s.
    Partida p(" 40 \r\n");
    ASSERT_FALSE(p.ventana.isEmpty()) << "the main window never appeared";
    esperar(300ms);
    EXPECT_LE(despertares(p.proceso, 3000ms), 1) << "with no game running the game rests";
    ASSERT_TRUE(p.empezar());
    EXPECT_LE(despertares(p.proceso, 3000ms), 4) << "in a game it wakes once a second";
    // The first two cells side by side that are no pair; a pair (the key pair with its flash) is passed.
    int i = 1;
    std::pair<std::string, std::string> visto;
    for (;; i += 2) {
        ASSERT_LT(i, 23) << "some two cells side by side are no pair";
        p.clicCasilla(i);
        p.clicCasilla(i + 1);
        visto = p.ver(i, i + 1, Partida::cara);
        ASSERT_TRUE(Partida::cara(visto.first, visto.second)) << "cells " << i << " and " << i + 1 << " turned";
        if (visto.first != visto.second) break;
        ASSERT_TRUE(cuando([&] { return Partida::reposo(p.dibujoEn(pantalla(), i), p.dibujoEn(pantalla(), i + 1)); }));
    }
    const int c = i + 2;
    // Held: the window answers the window manager at once, and a click on c waits for the turn.
    p.clicCasilla(c);
    for (int k = 0; k < 3; ++k, esperar(100ms)) EXPECT_LT(ping(p.ventana), 100) << "ping " << k << " during the hold";
    esperar(500ms);
    const QImage enEspera = pantalla();
    EXPECT_EQ(std::tuple(p.dibujoEn(enEspera, i), p.dibujoEn(enEspera, i + 1), p.dibujoEn(enEspera, c)),
              std::tuple(visto.first, visto.second, std::string("reverso.bmp"))) << "the pair still shown, the click not yet taken";
    const auto despues = p.ver(i, c, [](const std::string& a, const std::string& b) { return a == "reverso.bmp" && b != "reverso.bmp"; });
    EXPECT_NE(despues.second, "reverso.bmp") << "after the hold the pair turned back, then the click turned c";
    // A second hold (c against a cell known to differ from it): Esc ends the game only after it.
    const int d = despues.second != visto.first ? i : i + 1;
    p.clicCasilla(d);
    const auto segundo = p.ver(c, d, Partida::cara);
    ASSERT_TRUE(Partida::cara(segundo.first, segundo.second) && segundo.first != segundo.second) << segundo.first << " " << segundo.second;
    xdotool({"key", "Escape"});
    EXPECT_LT(ping(p.ventana), 100) << "ping after Esc, during the hold";
    EXPECT_FALSE(p.proceso.waitForFinished(1200)) << "Esc waits for the turn";
    EXPECT_TRUE(p.proceso.waitForFinished(3000)) << "then ends the game";
}

// Under a real platform theme, qt6ct with its "darker" scheme, as a desktop sets it: the rules'
// title reads against its background.
TEST(Juego, OnADarkDesktopTheRulesReadAgainstTheirBackground) {
    DirectorioTemporal dir;
    fs::create_directories(dir.ruta / "qt6ct");
    dir.escribir("qt6ct/qt6ct.conf", "[Appearance]\ncolor_scheme_path=/usr/share/qt6ct/colors/darker.conf\ncustom_palette=true\nstyle=Fusion\n");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORMTHEME", "qt6ct"), env.insert("XDG_CONFIG_HOME", QString::fromStdString(dir.ruta.string()));
    QProcess juego;
    const QString ventana = arrancar(juego, QString(GEMELARIO_RUN_DIR) + "/gemelario", dir.ruta, env);
    ASSERT_FALSE(ventana.isEmpty());
    xdotool({"windowfocus", "--sync", ventana, "key", "alt+a", "Return"});
    const QString normas = esperarVentana("Normas del juego");
    ASSERT_FALSE(normas.isEmpty());
    esperar(300ms);
    const QImage titulo = pantalla().copy(QRect(geometria(normas).topLeft() + QPoint(142, 48), QSize(249, 49)));
    titulo.save(QString(CAPTURAS_DIR) + "/normas-qt6ct.png");
    EXPECT_LT(qGray(pantalla().pixel(geometria(normas).topLeft() + QPoint(4, 4))), 60) << "the desktop's dark window";
    EXPECT_GE(gemelario::prueba::ContrastePintado(titulo), 4.5) << "the title reads";
    terminar(juego);
}

TEST(SinPantalla, AFailureToStartIsSaidInOneLineAndOnScreenWhenThereIsOne) {
    const QProcessEnvironment todo = QProcessEnvironment::systemEnvironment();
    QProcessEnvironment sinPantalla = todo, sinHome = todo, xdgRelativa = todo;
    for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) sinPantalla.remove(v);
    for (const char* v : {"HOME", "XDG_DATA_HOME"}) sinHome.remove(v);
    xdgRelativa.insert("XDG_DATA_HOME", "datos/relativos");
    xdgRelativa.insert("HOME", "/dev/null");  // nothing can be made under it
    QProcessEnvironment largo = todo;  // a name longer than any the system takes: said, not a crash
    largo.insert("XDG_DATA_HOME", "/" + QString(300, 'x'));
    QProcessEnvironment pantallaMuerta = sinPantalla;
    pantallaMuerta.insert("DISPLAY", ":97.0");  // no X server listens there
    const DirectorioTemporal dir;
    const QString enVacia = "mkdir -p \"$1\" && cd \"$1\" && exec \"$2\"";
    for (const auto& [env, orden, dice] : {std::tuple<QProcessEnvironment, QString, QStringList>{sinPantalla, enVacia, {"pantalla gráfica"}},
                                           {todo, "mkdir \"$1\" && cd \"$1\" && rmdir \"$1\" && exec \"$2\"", {"carpeta actual", "ya no existe"}},
                                           {sinHome, enVacia, {"HOME no está definida"}}, {pantallaMuerta, enVacia, {"la pantalla :97.0 no responde"}}, {largo, enVacia, {"la ruta es demasiado larga"}},
                                           {xdgRelativa, enVacia, {"/dev/null/.local/share/gemelario", "\"datos/relativos\", no es una ruta absoluta"}}}) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start("sh", {"-c", orden, "sh", QString::fromStdString((dir.ruta / "borrada").string()), QString(GEMELARIO_RUN_DIR) + "/gemelario"});
        if (env.value("DISPLAY") == todo.value("DISPLAY")) {  // the same words in a message box, closed with Enter
            const QString caja = esperarVentana("Gemelario");
            ASSERT_FALSE(caja.isEmpty()) << dice.join(' ').toStdString();
            pantalla().save(kCapturas + "/arranque-" + QString::number(dice[0].size()) + ".png");
            xdotool({"windowfocus", "--sync", caja, "key", "Return"});
        }
        ASSERT_TRUE(p.waitForFinished(10000));
        EXPECT_EQ(std::pair(p.exitStatus(), p.exitCode()), std::pair(QProcess::NormalExit, 1)) << "no abort, no core dump";
        const QString error = QString::fromUtf8(p.readAllStandardError());
        EXPECT_EQ(error.split('\n').filter(QRegularExpression("^gemelario ")).size(), 1) << "one line of ours: " << error.toStdString();
        for (const QString& d : dice) EXPECT_TRUE(error.contains(d)) << error.toStdString();
        fs::remove_all(dir.ruta / "borrada");
    }
}

// A game started on its own, in an empty scratch directory whose data directory is also scratch.
class Aparte : public ::testing::Test {
protected:
    DirectorioTemporal base;
    QProcess juego;
    QString ventana;

    void arrancarAparte(const QString& programa, const std::map<QString, QString>& extra = {}) {
        fs::create_directories(base.ruta / "vacia");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", QString::fromStdString((base.ruta / "datos").string()));
        for (const auto& [variable, valor] : extra) valor.isNull() ? env.remove(variable) : env.insert(variable, valor);
        ventana = arrancar(juego, programa, base.ruta / "vacia", env);
        ASSERT_FALSE(ventana.isEmpty()) << "the main window never appeared";
    }
    void TearDown() override { terminar(juego); }
    QString propiedad(const char* nombre) { return salida("xprop", {"-id", ventana, nombre}); }
    // Fixed-size for the window manager: its minimum and maximum sizes agree, and it offers neither
    // resizing nor maximising.
    // (Qt sets the maximum a moment after the window maps: waited for.)
    void compruebaTamanoFijo() {
        QString sugerencias;
        EXPECT_TRUE(cuando([&] {
            sugerencias = propiedad("WM_NORMAL_HINTS");
            const QString minimo = sugerencias.section("minimum size: ", 1).section('\n', 0, 0);
            return !minimo.isEmpty() && minimo == sugerencias.section("maximum size: ", 1).section('\n', 0, 0);
        })) << sugerencias.toStdString();
        const QString acciones = propiedad("_NET_WM_ALLOWED_ACTIONS");
        for (const char* a : {"_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_RESIZE"})
            EXPECT_FALSE(acciones.contains(a)) << a << " in " << acciones.toStdString();
    }
};

// Whether the window manager has framed the window and the frame, title bar included, is centred.
bool centradaPorMarco(const QString& id) {
    return cuando([&] {
        const QStringList bordes = salida("xprop", {"-id", id, "_NET_FRAME_EXTENTS"}).section("= ", 1).trimmed().split(", ");  // left, right, top, bottom
        const QRect marco = geometria(id).adjusted(-bordes.value(0).toInt(), -bordes.value(2).toInt(), bordes.value(1).toInt(), bordes.value(3).toInt());
        return bordes.size() == 4 && (marco.center() - QGuiApplication::primaryScreen()->geometry().center()).manhattanLength() <= 4;
    });
}

TEST_F(Aparte, UnderAWindowManagerTheFrameIsCentredAndTheWindowStaysFixedSize) {
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("GEMELARIO_GESTOR")) << "run with a window manager (ctest e2e_wm_test)";
    {  // Qt's own message box (here a failure to start) is centred by its frame too.
        QProcess fallido;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", "/dev/null");
        env.remove("XDG_DATA_HOME");
        fs::create_directories(base.ruta / "vacia");
        const QString caja = arrancar(fallido, QString(GEMELARIO_RUN_DIR) + "/gemelario", base.ruta / "vacia", env);
        ASSERT_FALSE(caja.isEmpty());
        EXPECT_TRUE(centradaPorMarco(caja)) << "the message box's frame is centred";
        xdotool({"windowfocus", "--sync", caja, "key", "Return"});
        EXPECT_TRUE(fallido.waitForFinished(5000));
    }
    arrancarAparte(QString(GEMELARIO_RUN_DIR) + "/gemelario");
    EXPECT_TRUE(centradaPorMarco(ventana)) << "the window manager frames the window, and the frame, title bar included, is centred";
    compruebaTamanoFijo();
    // The class its menu entry names in StartupWMClass, and the icon at a title bar's sizes (16 to
    // 64 pixels: larger ones are the icon theme's).
    EXPECT_EQ(propiedad("WM_CLASS"), "WM_CLASS(STRING) = \"gemelario\", \"Gemelario\"");
    const QString icono = salida("xprop", {"-len", "1000000", "-id", ventana, "_NET_WM_ICON"});
    EXPECT_EQ(icono.count(QRegularExpression("Icon \\((16|24|32|48|64) x \\1\\)")), 5) << icono.left(200).toStdString();
    pantalla().save(kCapturas + "/e2e-gestor.png");

    const QRect g = geometria(ventana);
    xdotool({"mousemove", QString::number(g.left() + 4), QString::number(g.bottom() - 3), "click", "1"});
    EXPECT_TRUE(cuando([&] { return propiedad("_NET_WM_STATE").contains("_NET_WM_STATE_MAXIMIZED_VERT"); })) << "the background click maximises";
    xdotool({"windowfocus", ventana});
    QProcess::execute("wmctrl", {"-i", "-r", ventana, "-b", "remove,maximized_vert,maximized_horz"});
    EXPECT_TRUE(cuando([&] { return !propiedad("_NET_WM_STATE").contains("_NET_WM_STATE_MAXIMIZED_VERT") && geometria(ventana).width() == 794; }))
        << "back to its own size";
    compruebaTamanoFijo();
}

TEST_F(Aparte, TheInstalledGameKeepsItsFilesInTheDataDirectoryAndDrawsItsOwnPictures) {
    const QString instalado = qEnvironmentVariable("GEMELARIO_INSTALADO");
    ASSERT_FALSE(instalado.isEmpty()) << "run on an installed copy (ctest instalacion_test)";
    arrancarAparte(instalado);
    EXPECT_TRUE(fs::is_directory(base.ruta / "datos" / "gemelario")) << "created at first start";
    // Started without libcanberra, which the first beep opens, and without Qt Print Support, which
    // the first print loads through the installed printing module.
    const auto mapas = [&] { return DirectorioTemporal::leerRuta("/proc/" + std::to_string(juego.processId()) + "/maps"); };
    const std::string alArrancar = mapas();
    EXPECT_TRUE(!alArrancar.empty() && alArrancar.find("libcanberra") == std::string::npos && alArrancar.find("PrintSupport") == std::string::npos);
    EXPECT_TRUE(cuando([&] { return dibujoEnCelda(pantalla(), cliente(ventana) + QPoint(24, 8)) == "reverso.bmp"; })) << "the built-in back on cell 1";
    // "Imprimir tabla" (its place in the table window) opens Qt's print dialog, in Spanish.
    xdotool({"windowfocus", "--sync", ventana, "key", "ctrl+p"});
    const QString tablaVentana = esperarVentana("Tabla de puntuaciones");
    ASSERT_FALSE(tablaVentana.isEmpty());
    const QPoint imprimir = geometria(tablaVentana).topLeft() + QPoint(352 + 40, 458 + 16);
    xdotool({"mousemove", QString::number(imprimir.x()), QString::number(imprimir.y()), "click", "1"});
    const QString dialogo = esperarVentana("Imprimir");
    EXPECT_FALSE(dialogo.isEmpty()) << "the print dialog";
    EXPECT_NE(mapas().find(fs::path(instalado.toStdString()).parent_path().parent_path().string() + "/lib"), std::string::npos) << "the installed module";
    xdotool({"windowfocus", "--sync", dialogo, "key", "Escape"});
    xdotool({"windowfocus", "--sync", tablaVentana, "key", "Escape"});
    xdotool({"windowfocus", "--sync", ventana, "key", "ctrl+n"});
    const fs::path tabla = base.ruta / "datos" / "gemelario" / "Gemelario.rnd";
    EXPECT_TRUE(cuando([&] { return fs::exists(tabla) && fs::file_size(tabla) == 660; })) << "the table lands in the data directory";
    EXPECT_TRUE(fs::is_empty(base.ruta / "vacia")) << "nothing is written where the game was started";
    // The session's end (SIGTERM) ends it as a quit does, not as a crash.
    ::kill(static_cast<pid_t>(juego.processId()), SIGTERM);
    ASSERT_TRUE(juego.waitForFinished(5000));
    EXPECT_EQ(std::pair(juego.exitStatus(), juego.exitCode()), std::pair(QProcess::NormalExit, 0));
    // Started again as a desktop starts it, on a screen named ":N.0", at 1.25 times the size: the temporary a copy killed while
    // writing left behind is removed, and the back is the dense drawing installed beside it, not a blank.
    const fs::path temporal = base.ruta / "datos" / "gemelario" / "Gemelario.rnd.tmp-AbC123";
    base.escribir("datos/gemelario/Gemelario.rnd.tmp-AbC123", "a medias");
    arrancarAparte(instalado, {{"QT_SCALE_FACTOR", "1.25"}, {"DISPLAY", qEnvironmentVariable("DISPLAY") + ".0"}, {"QT_QPA_PLATFORM", QString()}});
    EXPECT_TRUE(cuando([&] { return !fs::exists(temporal); })) << "the stale temporary removed";
    const QImage reverso = QImage(QString(GEMELARIO_RUN_DIR) + "/reverso.bmp").scaled(132, 142).convertToFormat(QImage::Format_RGB32);
    const auto diferencia = [&] {  // grey levels a pixel between cell 1 and the back drawn at 1.25
        const QImage c = pantalla().copy(QRect(geometria(ventana).bottomLeft() + QPoint(30, 11 - 685), reverso.size()));
        double d = 0;
        for (int y = 0; y < c.height(); ++y)
            for (int x = 0; x < c.width(); ++x) d += std::abs(qGray(c.pixel(x, y)) - qGray(reverso.pixel(x, y)));
        return d / (c.width() * c.height());
    };
    EXPECT_TRUE(cuando([&] { return diferencia() < 24; })) << "cell 1 at 1.25 differs from the back by " << diferencia();
    pantalla().save(kCapturas + "/instalado-125.png");
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication aplicacion(argc, argv);
    // A window manager on the X server, for the tests that need one.
    QProcess gestor;
    if (const QString g = qEnvironmentVariable("GEMELARIO_GESTOR"); !g.isEmpty()) {
        gestor.start(g, {});
        if (!gestor.waitForStarted(5000) || !cuando([] { return salida("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("window id"); }))
            return 2;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
