// The best-times file: bytes on disk, damaged files, the time order and insertion.
#include "ArchivoPuntuaciones.h"
#include "Clasificacion.h"
#include "DirectorioTemporal.h"
#include "Falsos.h"
#include "frmDiezPrimeros.h"
#include "frmPuntuaciones.h"
#include "Tiempo.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <thread>
#include <unistd.h>

using namespace gemelario;
using namespace gemelario::prueba;

namespace {

// The messages as the design words them, written out so a reworded one is caught.
const std::string kRecordNoGuardadoDicho = "No se ha podido guardar tu récord en la tabla de puntuaciones (Gemelario.rnd). La tabla guardada "
                             "no ha cambiado.";
const std::string kTablaNoGuardadaDicho = "No se ha podido escribir la tabla de puntuaciones (Gemelario.rnd). La tabla guardada no ha "
                             "cambiado.";

const std::string kFabrica = ArchivoPuntuaciones::BytesTablaInicial();

std::string pad(std::string s, std::size_t n) {
    s.resize(n, ' ');
    return s;
}

// One record as its bytes, written out field by field.
std::string bytesDe(const std::string& texto, const std::string& tiempo, const std::string& nombre, const std::string& fecha) {
    return pad(texto, 9) + pad(tiempo, 11) + pad(nombre, 32) + pad(fecha, 14);
}

// What the record and table windows' logic works with: a best-times directory, the recording fakes.
struct Ventanas {
    DirectorioTemporal propio;
    std::filesystem::path dir = propio.ruta;
    Registro registro;
    RelojFalso reloj;
    PitidoFalso pitido{registro};
    VentanaFalsa principal{registro};
    Module1 module1;
    DialogoFalso d{registro};
    std::string total = "00:01:09";

    // The new-record window: opened, the name typed and Aceptar pressed.
    std::unique_ptr<frmDiezPrimeros> record(const std::string& nombre) {
        auto f = std::make_unique<frmDiezPrimeros>(d, principal, reloj, pitido, module1, total, dir);
        d.alCerrar = [p = f.get()] { p->Form_QueryUnload(); };
        f->Form_Load();
        d.escribir("txtNombre", nombre);
        f->cmdAceptar_Click();
        return f;
    }
    std::string tabla() const { return propio.leer("Gemelario.rnd"); }
};

} // namespace

TEST(Tiempo, TheTableFormAndTheTimeOrder) {
    // (stored, shown in the table, as a screen reader says it)
    for (const auto& [tiempo, texto, dicho] :
         {std::tuple{"00:01:08", " 1m 8s", "1 minuto 8 segundos"}, {"00:00:59", " 59s", "59 segundos"},
          {"00:59:59", " 59m 59s", "59 minutos 59 segundos"}, {"00:10:00", " 10m 0s", "10 minutos 0 segundos"},
          {"01:02:03", " 2m 3s", "2 minutos 3 segundos"}, {"01:00:05", " 5s", "5 segundos"}, {"00:01:01", " 1m 1s", "1 minuto 1 segundo"},
          {"00:01:25   ", " 1m 25s", "1 minuto 25 segundos"}, {"00:11:21", " 11m 21s", "11 minutos 21 segundos"},
          {"00:31:11", " 31m 11s", "31 minutos 11 segundos"}, {"basura", "", ""}}) {
        EXPECT_EQ(TextoTiempo(tiempo), texto) << tiempo << " (hours are ignored, padding is no part of it)";
        EXPECT_EQ(TiempoDicho(texto), dicho) << texto;
    }
    // (new, stored, beats): strictly earlier beats, equal does not; texts are brought to hh:mm:ss first.
    for (const auto& [nuevo, guardado, gana] : {std::tuple{"00:02:14", "00:02:15", true}, {"00:02:15", "00:02:15", false},
                                                {"00:02:16", "00:02:15", false}, {"00:00:09", "0:1:0", true},
                                                {"00:00:09", "00:00:10   ", true}})
        EXPECT_EQ(Supera(nuevo, guardado), gana) << nuevo << " against " << guardado;
    for (const char* malo : {"", "           ", "xx:yy:zz", "24:00:00", "25:00:00", "00:61:00", "\xff\x01", "12"}) {
        EXPECT_TRUE(Supera("23:59:59", malo)) << malo << ": not a time, ranks after every time";
        EXPECT_FALSE(Supera(malo, "00:00:01")) << malo;
        EXPECT_FALSE(LeerHora(malo)) << malo;
    }
    EXPECT_EQ(std::tuple(NormalizarHora(" 7:5:3 "), NormalizarHora(" basura "), TiempoDicho("1h 5s")), std::tuple("07:05:03", "basura", "1h 5 segundos"))
        << "what is no time is kept, without its blanks, and said as it is";
    EXPECT_EQ(LeerHora("00:01"), 60);
}

TEST(ArchivoPuntuacionesBytes, TheFactoryTableAndWritesKeepEveryByteButTheNamesTheyStore) {
    // The ten records the game ships with, 66 bytes each, as they lie in the file.
    std::string fabrica;
    for (const auto& [texto, tiempo] : {std::pair{" 59s", "00:00:59"}, {" 1m 8s", "00:01:08"}, {" 1m 8s", "00:01:08"}, {" 1m 10s", "00:01:10"},
                                        {" 1m 25s", "00:01:25"}, {" 1m 33s", "00:01:33"}, {" 1m 52s", "00:01:52"}, {" 2m 5s", "00:02:05"},
                                        {" 2m 9s", "00:02:09"}, {" 2m 15s", "00:02:15"}})
        fabrica += bytesDe(texto, tiempo, "Gemelario", "21-3-2000");
    DirectorioTemporal dir;
    Puntuacion registro;
    ASSERT_TRUE(EscribirTablaInicial(dir.ruta, registro));
    EXPECT_EQ(dir.leer("Gemelario.rnd"), fabrica);
    EXPECT_EQ(registro.tiempo, "00:02:15") << "the buffer holds factory record 10 afterwards";
    // A byte Windows-1252 leaves undefined (inside record 1's name) and bytes after record 10 survive
    // an insertion and a reset; a stored name is Windows-1252 ('?' for what it lacks), cut at its field.
    std::string original = fabrica;
    original[20] = '\x81';
    const std::string cola("cola\x00\xff", 6);
    dir.escribir("Gemelario.rnd", original + cola);
    {
        ArchivoPuntuaciones archivo(dir.ruta, registro);
        InsertarPuntuacion(archivo, registro, 1, {" 1s", "00:00:01", "Ana", "6-12-2026"});
        registro = {" 5s", "00:00:05", "Ñandú € 雪\xC0\xAF\xE2\x82" + std::string(40, 'x'), "6-12-2026"};  // (and bytes that are no UTF-8)
        archivo.EscribirPuntuacion(3);
        ASSERT_TRUE(archivo.Cerrar());
    }
    EXPECT_EQ(dir.leer("Gemelario.rnd"), bytesDe(" 1s", "00:00:01", "Ana", "6-12-2026") + original.substr(0, 66) +
                                             bytesDe(" 5s", "00:00:05", "\xD1" "and\xFA \x80 ?????" + std::string(19, 'x'), "6-12-2026") +
                                             original.substr(132, 462) + cola) << "a moved record keeps its exact bytes";
    ASSERT_TRUE(EscribirTablaInicial(dir.ruta, registro));
    EXPECT_EQ(dir.leer("Gemelario.rnd"), fabrica + cola) << "the reset keeps the tail too";
}

TEST(ArchivoPuntuacionesDefensivo, AMissingEmptyOrShortFileGetsTheFactoryTableAndAShortOneIsKept) {
    DirectorioTemporal dir;
    const std::string corto = kFabrica.substr(0, 200) + "\x01\x02";
    // (file before, the copy it leaves): none for a missing or empty file, then the first free name.
    for (const auto& [antes, copia] : {std::pair<std::optional<std::string>, std::string>{std::nullopt, ""}, {"", ""},
                                       {corto, "Gemelario.rnd.bak"}, {"otro", "Gemelario.rnd.bak1"}}) {
        if (antes) dir.escribir("Gemelario.rnd", *antes);
        Puntuacion registro;
        {
            ArchivoPuntuaciones archivo(dir.ruta, registro);
            EXPECT_EQ(archivo.apertura(), ArchivoPuntuaciones::Apertura::TablaInicial);
            archivo.LeerPuntuacion(10);
            EXPECT_EQ(registro.tiempo, "00:02:15   ");
        }
        EXPECT_EQ(dir.leer("Gemelario.rnd"), kFabrica);
        if (!copia.empty()) { EXPECT_EQ(dir.leer(copia), *antes); }
    }
    EXPECT_EQ(dir.leer("Gemelario.rnd.bak"), corto) << "an empty file is not kept; an earlier copy never overwritten";
}

TEST(frmDiezPrimeros, RankOneMiddleAndTenMoveTheRecordsBelowDown) {
    // (A name of blanks is a name: stored.)
    for (const auto& [total, rango, comentario, nombre] :
         {std::tuple{"00:00:07", 1, "¡Enhorabuena, has superado el anterior récord! Introduce tu nombre y la fecha", "Ana"},
          {"00:00:59", 2, "Has conseguido ponerte en la 2ª posición. Introduce tu nombre y la fecha", "   "},
          {"00:01:08", 4, "Has conseguido ponerte en la 4ª posición. Introduce tu nombre y la fecha", "Ana"},
          {"00:02:14", 10, "Has conseguido ponerte en la 10ª posición. Introduce tu nombre y la fecha", "Ana"}}) {
        Ventanas v;
        v.reloj.fecha = {6, 3, 2027};
        v.total = total;
        v.record(nombre);
        EXPECT_EQ(v.d.caption("lblComentario"), comentario);
        EXPECT_EQ(v.d.caption("lblTiempo"), total);
        const std::size_t antes = static_cast<std::size_t>(rango - 1) * 66;
        EXPECT_EQ(v.tabla(), kFabrica.substr(0, antes) + bytesDe(TextoTiempo(total), total, nombre, "6-3-2027") +
                                 kFabrica.substr(antes, 594 - antes)) << total;
        EXPECT_EQ(Registro(v.registro.begin(), v.registro.begin() + 2), (Registro{"mnuNuevo=off", "mnuImagen=off"}));
        EXPECT_EQ(v.registro.back(), "modal 1") << "the table is shown on top";
    }
}

TEST(frmDiezPrimeros, AnEmptyNameIsRefusedButTheCloseBoxStoresIt) {
    Ventanas v;
    auto f = v.record("");
    EXPECT_EQ(Registro(v.registro.end() - 3, v.registro.end()),
              (Registro{"pitido", "mensaje Nombre: Escribe tu nombre.", "foco txtNombre"}));
    EXPECT_FALSE(v.d.cerrado);
    EXPECT_EQ(v.tabla(), kFabrica) << "nothing written";
    v.d.cerrar();  // the close box
    EXPECT_EQ(v.tabla().substr(3 * 66 + 20, 32), std::string(32, ' '));
}

TEST(frmDiezPrimeros, TwoCopiesStoringAtOnceLoseNoRecord) {
    for (int ronda = 0; ronda < 200; ++ronda) {
        DirectorioTemporal dir;
        std::string lenta;
        for (int n = 0; n < 10; ++n) lenta += bytesDe(" 59m 59s", "23:59:59", "Nadie", "1-1-2000");
        dir.escribir("Gemelario.rnd", lenta);
        auto copia = [&dir](int cual) {
            for (int k = 0; k < 5; ++k) {
                Ventanas v;
                v.dir = dir.ruta;
                v.total = FormatoHora(1000 + 10 * k + cual);
                v.record("c" + std::to_string(cual) + "k" + std::to_string(k));
            }
        };
        std::thread a(copia, 0), b(copia, 1);
        a.join();
        b.join();
        const std::string bytes = dir.leer("Gemelario.rnd");
        ASSERT_EQ(bytes.size(), 660u);
        for (int n = 0; n < 10; ++n) {
            const int k = n / 2, cual = n % 2;
            ASSERT_EQ(bytes.substr(n * 66 + 9, 8), FormatoHora(1000 + 10 * k + cual)) << "round " << ronda << " rank " << n + 1;
            ASSERT_EQ(bytes.substr(n * 66 + 20, 4), "c" + std::to_string(cual) + "k" + std::to_string(k));
        }
    }
}

TEST(frmDiezPrimeros, ACopyOvertakenByAnotherIsToldOnceAndStoresNothing) {
    // Two copies end a game of 2 min 14 s on the factory table: both may enter at rank 10.
    Ventanas a, b, c;
    b.dir = c.dir = a.dir;
    for (Ventanas* v : {&a, &b, &c}) v->total = "00:02:14";
    auto primera = std::make_unique<frmDiezPrimeros>(a.d, a.principal, a.reloj, a.pitido, a.module1, a.total, a.dir);
    a.d.alCerrar = [p = primera.get()] { p->Form_QueryUnload(); };
    primera->Form_Load();
    EXPECT_EQ(a.d.caption("lblComentario"), "Has conseguido ponerte en la 10ª posición. Introduce tu nombre y la fecha");
    b.record("Berta");  // the other copy stores first
    const std::string conBerta = a.tabla();
    EXPECT_EQ(conBerta.substr(9 * 66 + 20, 5), "Berta");
    a.d.escribir("txtNombre", "Ana");
    primera->cmdAceptar_Click();
    EXPECT_EQ(a.tabla(), conBerta) << "an equal time does not enter";
    EXPECT_EQ(Registro(a.registro.end() - 2, a.registro.end()),
              (Registro{"mensaje Gemelario: Otro jugador ha mejorado la tabla mientras escribías tu nombre: tu tiempo ya no "
                        "entra entre los diez primeros.", "modal 1"}));
    // A third copy, ending now, is told at once: no rank, no record window, the table menu back.
    frmDiezPrimeros tercera(c.d, c.principal, c.reloj, c.pitido, c.module1, c.total, c.dir);
    tercera.Form_Load();
    EXPECT_EQ(c.registro, (Registro{"mensaje Gemelario: Otro jugador ha mejorado la tabla: tu tiempo ya no entra entre los "
                                    "diez primeros.", "mnuTabla=on"}));
    EXPECT_EQ(tercera.posicion, 0);
    EXPECT_EQ(a.tabla(), conBerta);
}

TEST(frmDiezPrimeros, AnUnwritableTableKeepsItsBytesSaysSoAndStillShowsTheTable) {
    // Run as a user who cannot write the directory (root writes anywhere, so drop to nobody).
    Ventanas v;
    v.propio.escribir("Gemelario.rnd", kFabrica);
    std::filesystem::permissions(v.dir, std::filesystem::perms(0555));
    EXPECT_EXIT( {
            if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) std::exit(3);
            v.record("Ana");
            const bool aviso = std::count(v.registro.begin(), v.registro.end(),
                                          std::string("mensaje Gemelario: ") + kRecordNoGuardadoDicho) == 1;
            std::exit(aviso && v.tabla() == kFabrica && v.registro.back() == "modal 1" ? 0 : 1);
        }, ::testing::ExitedWithCode(0), "");
    std::filesystem::permissions(v.dir, std::filesystem::perms(0700));
}

TEST(frmPuntuaciones, ShowsTheTableCentresTimesUnderAMinuteAndOffersTheReset) {
    const std::vector<int> fabrica{59, 68, 68, 70, 85, 93, 112, 125, 129, 135};
    // (what, the ten stored times (none: no file, the factory table), whether the reset is offered)
    for (const auto& [como, segundos, restablecer] :
         {std::tuple<const char*, std::vector<int>, bool>{"factory", {}, false}, {"all under a minute", {1, 2, 3, 4, 5, 6, 7, 8, 9, 59}, true},
          {"tenth at 1 h 0 min 5 s", {1, 2, 3, 4, 5, 6, 7, 8, 9, 3605}, true}}) {
        Ventanas v;
        std::string tabla;
        for (int s : segundos) tabla += bytesDe(TextoTiempo(FormatoHora(s)), FormatoHora(s), "Gemelario", "21-3-2000");
        if (!tabla.empty()) v.propio.escribir("Gemelario.rnd", tabla);
        frmPuntuaciones f(v.d, v.principal, v.module1, v.dir);
        f.Form_Load();
        for (int i = 1; i <= 10; ++i) {
            const int s = (segundos.empty() ? fabrica : segundos)[i - 1];
            EXPECT_EQ(v.d.centrado("lblTiempo", i), i > 1 && s / 60 % 60 == 0) << como << " row " << i;
            EXPECT_EQ(v.d.caption("lblNombre", i), pad("Gemelario", 32)) << "as read, blanks included";
            EXPECT_EQ(v.d.caption("lblFecha", i), "21-3-2000");
        }
        EXPECT_EQ(v.d.visibles["cmdRestablecer"], restablecer) << como;
        if (!restablecer) continue;
        v.d.alCerrar = [&f] { f.Form_QueryUnload(); };
        const bool roto = segundos.back() == 3605;  // the table became unreadable meanwhile: refused, and said
        if (roto) {
            std::filesystem::remove(v.dir / "Gemelario.rnd");
            std::filesystem::create_directory(v.dir / "Gemelario.rnd");
        }
        f.cmdRestablecer_Click();
        EXPECT_EQ(std::filesystem::is_directory(v.dir / "Gemelario.rnd"), roto);
        EXPECT_EQ(roto ? kFabrica : v.tabla(), kFabrica);
        EXPECT_EQ(std::count(v.registro.begin(), v.registro.end(), std::string("mensaje Gemelario: ") + kTablaNoGuardadaDicho), roto);
        EXPECT_TRUE(v.d.cerrado);
        EXPECT_EQ(Registro(v.registro.end() - 3, v.registro.end()), (Registro{"mnuNuevo=on", "mnuImagen=on", "mnuTabla=on"}));
    }
}
