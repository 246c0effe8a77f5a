// What the game's files may be and what may happen while they are written: named pipes, modes,
// links, stale temporaries, a full disk.
#include "ArchivoAtomico.h"
#include "ArchivoPuntuaciones.h"
#include "DirectorioTemporal.h"
#include "ValorDat.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>

using namespace gemelario;
using gemelario::prueba::DirectorioTemporal;
namespace fs = std::filesystem;

namespace {

const std::string kFabrica = ArchivoPuntuaciones::BytesTablaInicial();

// The factory table with record 1 holding `nombre`, as one write of the game would leave it.
std::string tablaCon(const std::string& nombre) {
    Puntuacion r = RegistroInicial(1);
    r.nombre = nombre;
    return ArchivoPuntuaciones::BytesRegistro(r) + kFabrica.substr(66);
}

// Stores record 1 under `nombre` through the game's own file code: a factory table then reads tablaCon(nombre).
bool guardar(const fs::path& dir, const std::string& nombre) {
    Puntuacion registro;
    ArchivoPuntuaciones archivo(dir, registro);
    registro = RegistroInicial(1);
    registro.nombre = nombre;
    archivo.EscribirPuntuacion(1);
    return archivo.Cerrar();
}

std::vector<std::string> temporales(const fs::path& dir) {
    std::vector<std::string> t;
    for (const auto& e : fs::directory_iterator(dir))
        if (e.path().filename().string().find(".tmp-") != std::string::npos) t.push_back(e.path().filename());
    return t;
}

fs::perms modo(const fs::path& p) { return fs::status(p).permissions(); }

} // namespace

TEST(Fallos, ANamedPipeIsUnreadableAndNeverWaitedOn) {
    DirectorioTemporal dir;
    ASSERT_EQ(::mkfifo((dir.ruta / "Valor.dat").c_str(), 0644), 0);
    ASSERT_EQ(::mkfifo((dir.ruta / "Gemelario.rnd").c_str(), 0644), 0);
    auto lectura = std::async(std::launch::async, [&] {
        Puntuacion registro;
        ArchivoPuntuaciones archivo(dir.ruta, registro);
        archivo.LeerPuntuacion(10);
        archivo.EscribirPuntuacion(1);  // a record for it
        return std::tuple{LeerValor(dir.ruta), archivo.apertura(), archivo.Cerrar()};
    });
    if (lectura.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        while (lectura.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready)
            for (const char* n : {"Valor.dat", "Gemelario.rnd"}) ::close(::open((dir.ruta / n).c_str(), O_WRONLY | O_NONBLOCK));
        FAIL() << "blocked on a pipe";
    }
    EXPECT_EQ(lectura.get(), std::tuple(std::int16_t{15}, ArchivoPuntuaciones::Apertura::SoloLectura, false)) << "nothing stored";
    Puntuacion registro;
    EXPECT_FALSE(EscribirTablaInicial(dir.ruta, registro)) << "nor reset";
    EXPECT_TRUE(fs::is_fifo(dir.ruta / "Gemelario.rnd")) << "an unreadable table is never replaced";
}

TEST(Fallos, AWriteKeepsTheFilesModeAndLinksAndANewFileFollowsTheUmask) {
    for (const mode_t antes : {0600, 0444, 0640}) {
        DirectorioTemporal dir;
        for (const auto& [nombre, bytes] : {std::pair{"Gemelario.rnd", kFabrica}, {"Valor.dat", " 15 \r\n"}})
            dir.escribir(nombre, bytes), ::chmod((dir.ruta / nombre).c_str(), antes);
        ASSERT_TRUE(guardar(dir.ruta, "Ana") && EscribirValor(dir.ruta, 20));
        EXPECT_EQ(std::pair(modo(dir.ruta / "Gemelario.rnd"), modo(dir.ruta / "Valor.dat")), std::pair(fs::perms(antes), fs::perms(antes)));
    }
    DirectorioTemporal dir;
    const mode_t anterior = ::umask(077);
    const bool escrito = EscribirValor(dir.ruta, 20);
    ::umask(anterior);
    ASSERT_TRUE(escrito);
    EXPECT_EQ(modo(dir.ruta / "Valor.dat"), fs::perms(0600));
    // A linked table: its target updated, the link kept.
    fs::create_directory(dir.ruta / "compartida");
    dir.escribir("compartida/tabla", kFabrica);
    fs::create_symlink("compartida/tabla", dir.ruta / "Gemelario.rnd");
    ASSERT_TRUE(guardar(dir.ruta, "Ana"));
    EXPECT_TRUE(fs::is_symlink(dir.ruta / "Gemelario.rnd"));
    EXPECT_EQ(dir.leer("compartida/tabla"), tablaCon("Ana"));
    EXPECT_TRUE(temporales(dir.ruta / "compartida").empty());
}

TEST(Fallos, AStartRemovesStaleTemporariesButNotOnesBeingWritten) {
    DirectorioTemporal dir;
    for (const char* n : {"Gemelario.rnd.tmp-abcdef", "Valor.dat.tmp-123456", "Gemelario.rnd.tmp-vivo00", "otro.tmp-abcdef",
                          "Gemelario.rnd.tmp-largo-no"}) dir.escribir(n, "x");
    const int vivo = ::open((dir.ruta / "Gemelario.rnd.tmp-vivo00").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(vivo, LOCK_EX), 0);  // a copy still writing holds its temporary locked
    LimpiarTemporales(dir.ruta, {"Gemelario.rnd", "Valor.dat"});
    ::close(vivo);
    std::vector<std::string> quedan = temporales(dir.ruta);
    std::sort(quedan.begin(), quedan.end());
    EXPECT_EQ(quedan, (std::vector<std::string>{"Gemelario.rnd.tmp-largo-no", "Gemelario.rnd.tmp-vivo00", "otro.tmp-abcdef"}));
    int banderas = 0;
    // A copy starting while this one writes leaves its temporary alone.
    EXPECT_TRUE(ReemplazarArchivo(dir.ruta / "Valor.dat", [&](int fd) {
        LimpiarTemporales(dir.ruta, {"Valor.dat"});
        return (banderas = ::fcntl(fd, F_GETFD)) >= 0 && EscribirTodo(fd, " 9 \r\n", 5);
    }));
    EXPECT_EQ(dir.leer("Valor.dat"), " 9 \r\n");
    EXPECT_TRUE(banderas & FD_CLOEXEC) << "a temporary is never inherited by a program the game starts";
}

TEST(Fallos, AFullDiskLeavesTheOldFileAndNoTemporary) {
    DirectorioTemporal dir;
    const fs::path disco = dir.ruta / "disco";
    fs::create_directory(disco);
    ASSERT_EQ(::mount("tmpfs", disco.c_str(), "tmpfs", 0, "size=8k"), 0) << "a small tmpfs stands in for a full disk";
    dir.escribir("disco/Gemelario.rnd", kFabrica);
    dir.escribir("disco/Valor.dat", " 15 \r\n");
    dir.escribir("disco/relleno", std::string(16 << 10, 'x'));  // fills whatever is left
    EXPECT_FALSE(guardar(disco, "Ana"));
    EXPECT_FALSE(EscribirValor(disco, 20));
    EXPECT_EQ(dir.leer("disco/Gemelario.rnd"), kFabrica);
    EXPECT_EQ(dir.leer("disco/Valor.dat"), " 15 \r\n");
    EXPECT_TRUE(temporales(disco).empty());
    // A short table there, then on the disk made read-only: no copy of it can be kept, so it is
    // never replaced.
    const std::string corta = kFabrica.substr(0, 100);
    dir.escribir("disco/Gemelario.rnd", corta);
    for (const bool soloLectura : {false, true}) {
        ASSERT_TRUE(!soloLectura || ::mount(nullptr, disco.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0);
        Puntuacion registro;
        EXPECT_EQ(ArchivoPuntuaciones(disco, registro).apertura(), ArchivoPuntuaciones::Apertura::SoloLectura) << soloLectura;
        EXPECT_EQ(std::pair(dir.leer("disco/Gemelario.rnd"), fs::exists(disco / "Gemelario.rnd.bak")), std::pair(corta, false)) << soloLectura;
    }
    ::umount(disco.c_str());
}
