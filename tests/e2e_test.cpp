// End to end: the real game under a real X server, driven by real mouse and key events (xdotool),
// observed through screenshots.
#include "Arte.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QThread>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <algorithm>
#include <thread>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

QString capturas() {
    QDir().mkpath(CAPTURAS_DIR);
    return QString(CAPTURAS_DIR);
}

QString xdotool(const QStringList& argumentos) {
    QProcess p;
    p.start("xdotool", argumentos);
    if (!p.waitForFinished(10000)) ADD_FAILURE() << "xdotool did not answer: " << argumentos.join(' ').toStdString();
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

void esperar(std::chrono::milliseconds t) { std::this_thread::sleep_for(t); }

// The game, started once for the whole suite in a scratch directory.
class Juego : public ::testing::Test {
protected:
    static inline QProcess* proceso = nullptr;
    static inline fs::path directorio;
    static inline QPoint cliente;  // top-left of the client area, on the screen
    static inline std::map<std::string, QImage> dibujos;
    static inline QString ventana;

    static void SetUpTestSuite() {
        directorio = fs::temp_directory_path() / ("gemelario-e2e-" + std::to_string(::getpid()));
        fs::remove_all(directorio);
        fs::create_directories(directorio);
        for (const std::string& d : gemelario::ventanas::NombresDibujos()) {
            fs::copy_file(fs::path(GEMELARIO_RUN_DIR) / d, directorio / d);
            dibujos[d] = QImage(QString::fromStdString((directorio / d).string())).convertToFormat(QImage::Format_RGB32);
        }
        proceso = new QProcess;
        proceso->setWorkingDirectory(QString::fromStdString(directorio.string()));
        proceso->setProcessChannelMode(QProcess::ForwardedChannels);
        proceso->start(QString(GEMELARIO_RUN_DIR) + "/gemelario", {});
        ASSERT_TRUE(proceso->waitForStarted(5000));
        for (int i = 0; i < 100 && ventana.isEmpty(); ++i) {
            esperar(100ms);
            ventana = xdotool({"search", "--onlyvisible", "--name", "^Gemelario$"}).section('\n', 0, 0);
        }
        ASSERT_FALSE(ventana.isEmpty()) << "the main window never appeared";
        esperar(500ms);
        std::map<QString, int> g;
        for (const QString& linea : xdotool({"getwindowgeometry", "--shell", ventana}).split('\n'))
            g[linea.section('=', 0, 0)] = linea.section('=', 1).toInt();
        // The client area is the window's bottom 548 pixels, below the menu bar.
        cliente = QPoint(g["X"], g["Y"] + g["HEIGHT"] - 548);
        xdotool({"windowfocus", "--sync", ventana});
    }

    static void TearDownTestSuite() {
        if (proceso) {
            if (proceso->state() != QProcess::NotRunning) {
                proceso->kill();
                proceso->waitForFinished(3000);
            }
            delete proceso;
            proceso = nullptr;
        }
        fs::remove_all(directorio);
    }

    static QImage pantalla() { return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32); }

    static QPoint origenCasilla(int i) { return cliente + QPoint(24 + 128 * ((i - 1) % 6), 8 + 136 * ((i - 1) / 6)); }

    // The picture a cell shows on the screenshot, recognised among the picture files.
    static std::string dibujoEn(const QImage& captura, int i) {
        const QPoint o = origenCasilla(i);
        for (const auto& [nombre, d] : dibujos) {
            int iguales = 0, total = 0;
            for (int y = 10; y < 104; y += 9)
                for (int x = 10; x < 96; x += 9) {
                    ++total;
                    if (captura.pixel(o + QPoint(x, y)) == d.pixel(x, y)) ++iguales;
                }
            if (iguales * 10 >= total * 7) return nombre;
        }
        return "?";
    }

    static void clicCasilla(int i) {
        const QPoint p = origenCasilla(i) + QPoint(53, 57);
        xdotool({"mousemove", QString::number(p.x()), QString::number(p.y()), "click", "1"});
    }

    static void tecla(const QString& t) { xdotool({"key", t}); }
};

TEST_F(Juego, StartsWithEveryCellFaceDown) {
    const QImage c = pantalla();
    c.save(capturas() + "/e2e-inicio.png");
    for (int i = 1; i <= 24; ++i) EXPECT_EQ(dibujoEn(c, i), "reverso.bmp") << "cell " << i;
    EXPECT_FALSE(fs::exists(directorio / "Gemelario.rnd")) << "nothing is written before a game";
}

TEST_F(Juego, ANonPairIsShownDuringTheWaitAndTurnedBack) {
    tecla("ctrl+n");
    esperar(300ms);
    ASSERT_TRUE(fs::exists(directorio / "Gemelario.rnd")) << "Ctrl+N started a game";
    EXPECT_EQ(fs::file_size(directorio / "Gemelario.rnd"), 660u);
    int a = 1, b = 2;
    clicCasilla(a);
    esperar(150ms);
    const std::string primero = dibujoEn(pantalla(), a);
    ASSERT_NE(primero, "reverso.bmp");
    ASSERT_NE(primero, "?");
    clicCasilla(b);
    esperar(250ms);
    const QImage durante = pantalla();
    durante.save(capturas() + "/e2e-durante-espera.png");
    EXPECT_EQ(dibujoEn(durante, a), primero);
    const std::string segundo = dibujoEn(durante, b);
    EXPECT_NE(segundo, "reverso.bmp") << "the second cell is on screen during the wait";
    esperar(900ms);
    const QImage despues = pantalla();
    despues.save(capturas() + "/e2e-despues.png");
    if (segundo != primero) {
        EXPECT_EQ(dibujoEn(despues, a), "reverso.bmp");
        EXPECT_EQ(dibujoEn(despues, b), "reverso.bmp");
    } else {
        EXPECT_EQ(dibujoEn(despues, b), primero) << "a pair stays face up";
    }
}

TEST_F(Juego, AWholeGameIsPlayedWithTheMouse) {
    // A player with a perfect memory: every picture seen is remembered.
    std::map<int, std::string> visto;
    auto caraAbajo = [](const QImage& c) {
        std::vector<int> v;
        for (int i = 1; i <= 24; ++i)
            if (dibujoEn(c, i) == "reverso.bmp") v.push_back(i);
        return v;
    };
    auto parejaConocida = [&](const std::vector<int>& libres, int salvo) -> std::optional<std::pair<int, int>> {
        for (int x : libres)
            for (int y : libres)
                if (x < y && visto.count(x) && visto.count(y) && visto[x] == visto[y] && (salvo == 0 || x == salvo || y == salvo))
                    return std::pair{x, y};
        return std::nullopt;
    };
    auto tras = [&](const std::string& dibujo) { esperar(dibujo == "cataplás.bmp" ? 5000ms : 200ms); };
    bool revelado = false;
    for (int turno = 0; turno < 60; ++turno) {
        const QImage c = pantalla();
        const std::vector<int> libres = caraAbajo(c);
        if (libres.empty()) break;
        bool claveHallada = false;
        for (const auto& [celda, dibujo] : visto)
            claveHallada |= dibujo == "cataplás.bmp" && std::find(libres.begin(), libres.end(), celda) == libres.end();
        if (libres.size() == 4 && !claveHallada && !revelado) {
            // Ten pairs without the key pair end the game; space reveals the board.
            pantalla().save(capturas() + "/e2e-sin-clave.png");
            tecla("space");
            esperar(500ms);
            revelado = true;
            continue;
        }
        if (const auto p = parejaConocida(libres, 0)) {
            clicCasilla(p->first);
            clicCasilla(p->second);
            tras(visto[p->first]);
            continue;
        }
        int x = libres[0];
        for (int i : libres) if (!visto.count(i)) { x = i; break; }
        clicCasilla(x);
        esperar(200ms);
        visto[x] = dibujoEn(pantalla(), x);
        if (visto[x] == "reverso.bmp") pantalla().save(capturas() + "/e2e-fallo.png");
        ASSERT_NE(visto[x], "reverso.bmp") << "cell " << x << " turned";
        if (const auto p = parejaConocida(libres, x)) {
            clicCasilla(p->first == x ? p->second : p->first);
            tras(visto[x]);
            continue;
        }
        int y = 0;
        for (int i : libres)
            if (i != x && (y == 0 || !visto.count(i))) y = i;
        ASSERT_NE(y, 0) << "a face-down cell besides " << x;
        clicCasilla(y);
        esperar(250ms);
        visto[y] = dibujoEn(pantalla(), y);
        if (visto[y] == "reverclave.bmp") visto[y] = visto[x];  // the key pair is flashing
        tras(visto[y]);
        if (visto[y] != visto[x]) esperar(900ms);
    }
    const QImage final = pantalla();
    final.save(capturas() + "/e2e-final.png");
    EXPECT_TRUE(caraAbajo(final).empty()) << "every cell ends face up";
    int oscuros = 0;
    for (int x = 48; x < 745; ++x)
        for (int y = 394; y < 416; ++y)
            if (qGray(final.pixel(cliente + QPoint(x, y))) < 80) ++oscuros;
    EXPECT_GT(oscuros, 200) << "the message line says how the game ended";
}

TEST_F(Juego, EscEndsTheProgramAtOnceWritingNothing) {
    std::ifstream f(directorio / "Gemelario.rnd", std::ios::binary);
    const std::string antes{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    xdotool({"key", "Escape"});
    ASSERT_TRUE(proceso->waitForFinished(5000));
    EXPECT_EQ(proceso->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(proceso->exitCode(), 0);
    std::ifstream g(directorio / "Gemelario.rnd", std::ios::binary);
    EXPECT_EQ(antes, std::string(std::istreambuf_iterator<char>(g), std::istreambuf_iterator<char>()));
}

TEST(SinPantalla, SaysItNeedsADisplayAndExitsCleanly) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(v);
    p.setProcessEnvironment(env);
    p.start(QString(GEMELARIO_RUN_DIR) + "/gemelario", {});
    ASSERT_TRUE(p.waitForFinished(10000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << "no crash, no core dump";
    EXPECT_EQ(p.exitCode(), 1);
    const QString error = QString::fromUtf8(p.readAllStandardError());
    EXPECT_EQ(error.count('\n'), 1) << error.toStdString();
    EXPECT_TRUE(error.contains("pantalla gráfica")) << error.toStdString();
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication aplicacion(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
