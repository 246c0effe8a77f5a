// The real seams: the exposure wait's real time and CPU use, the system clock, the game's folder.
#include "DirectorioDeJuego.h"
#include "DirectorioTemporal.h"
#include "EsperaReal.h"
#include "RelojSistema.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <tuple>

#include <sys/mount.h>

using namespace gemelario;

TEST(EsperaReal, HoldsFiftyNanosecondsPerStepWithoutBurningACore) {
    EsperaReal espera;
    for (const auto& [valor, segundos] : {std::pair{1'000'000, 0.05}, std::pair{15'000'000, 0.75}}) {
        const double cpu0 = static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
        const auto t0 = std::chrono::steady_clock::now();
        espera.esperar(valor);
        const double real = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        const double cpu = static_cast<double>(std::clock()) / CLOCKS_PER_SEC - cpu0;
        EXPECT_GE(real, segundos) << "never shorter than its count";
        EXPECT_LT(real, segundos + 0.15);
        EXPECT_LT(cpu, 0.2 * segundos) << "the wait sleeps instead of spinning";
    }
    EXPECT_EQ(EsperaReal::duracion(300'000'000), std::chrono::seconds(15));
}

TEST(RelojSistema, ReadsTheLocalTimeOfDayToTheSecondAndTheDate) {
    RelojSistema reloj;
    // Read the C library's local time around the clock's reading; retry if a second ticks between.
    for (int intento = 0; intento < 5; ++intento) {
        const std::time_t antes = std::time(nullptr);
        const int hora = reloj.horaDelDia();
        const double segundos = reloj.segundosDesdeMedianoche();
        const Fecha fecha = reloj.hoy();
        if (std::time(nullptr) != antes) continue;
        std::tm t{};
        localtime_r(&antes, &t);
        EXPECT_EQ(std::tuple(hora, static_cast<int>(segundos), fecha.dia, fecha.mes, fecha.anio),
                  std::tuple(t.tm_hour * 3600 + t.tm_min * 60 + t.tm_sec, hora, t.tm_mday, t.tm_mon + 1, t.tm_year + 1900));
        return;
    }
    FAIL() << "the second never held still";
}

TEST(DirectorioDeJuego, TheCurrentFolderWhenItHoldsAGameFileElseThePlayersDataFolderMadeAtFirstStart) {
    // A picture marks the current folder as the game's, a file of another name does not. (The data
    // folder's other cases, HOME missing and a relative XDG_DATA_HOME, are the real program's: e2e_test.)
    for (const auto& [archivo, elegida] : {std::pair{"seta.bmp", "actual"}, {"seta.bmp.bak", "xdg/gemelario"}}) {
        prueba::DirectorioTemporal raiz;
        std::filesystem::create_directory(raiz.ruta / "actual");
        raiz.escribir(std::string("actual/") + archivo, "");
        const DirectorioElegido d = ElegirDirectorio({raiz.ruta / "actual", (raiz.ruta / "xdg").string(), "/casa"}, {"Gemelario.rnd", "Valor.dat", "seta.bmp"});
        EXPECT_EQ(d.ruta, raiz.ruta / elegida) << archivo;
        EXPECT_TRUE(std::filesystem::is_directory(raiz.ruta / elegida)) << elegida;
    }
    // A data folder that cannot be made, and why, in the player's words: refused, a read-only disk, a
    // full one, a name too long, a link to itself.
    prueba::DirectorioTemporal raiz;
    std::filesystem::create_symlink("bucle", raiz.ruta / "bucle");
    for (const auto& [d, opciones] : {std::pair<const char*, unsigned long>{"ro", MS_RDONLY}, {"lleno", 0}})
        std::filesystem::create_directory(raiz.ruta / d), ::mount("tmpfs", (raiz.ruta / d).c_str(), "tmpfs", opciones, "size=8k,nr_inodes=1");
    for (const auto& [xdg, causa] : {std::pair<std::string, std::string>{"/sys", "no hay permiso"}, {(raiz.ruta / "ro").string(), "el disco es de solo lectura"},
                                     {(raiz.ruta / "lleno").string(), "no queda espacio"}, {"/" + std::string(300, 'x'), "la ruta es demasiado larga"},
                                     {(raiz.ruta / "bucle").string(), "la ruta da vueltas entre enlaces"}})
        EXPECT_EQ(ElegirDirectorio({raiz.ruta, xdg, "/casa"}, {"seta.bmp"}).problema, "gemelario no puede crear su carpeta de datos " + xdg + "/gemelario: " + causa + ".");
    for (const char* d : {"ro", "lleno"}) ::umount((raiz.ruta / d).c_str());
}
