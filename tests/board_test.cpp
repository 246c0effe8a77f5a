// frmGemelario's logic: the deal, turns, the key pair, the clock and the end of a game,
// observed through the effects it asks of its window, in order.
#include "EntornoTablero.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <numeric>

using namespace gemelario;
using namespace gemelario::prueba;

namespace {

const std::string kClaveDicho = "¡Has conseguido la clave!";
const std::string kSinTablaDicho = "No se puede guardar la tabla de puntuaciones (Gemelario.rnd). Puedes seguir jugando con la tabla "
                             "original, pero los récords no se guardarán.";

const std::string kCataplas = "cataplás.bmp";
const std::string kSeta = "seta.bmp";

class Tablero : public ::testing::Test, protected EntornoTablero {
protected:
    VentanaFalsa ventana{registro};
    std::unique_ptr<frmGemelario> f;

    void SetUp() override {
        f = crearJuego(ventana);
        f->Form_Load();
        registro.clear();
    }

    void nuevo() {
        repartir(*f);
        EXPECT_EQ(ventana.anuncios.back().first, "Partida nueva.");
        registro.clear();
        ventana.anuncios.clear();
    }
    using Anuncios = std::vector<std::pair<std::string, std::size_t>>;

    std::vector<int> celdasDe(const std::string& imagen) const { return EntornoTablero::celdasDe(*f, imagen); }

    void encontrar(const std::string& imagen) {
        const auto c = celdasDe(imagen);
        f->picDibujo_Click(c.at(0));
        f->picDibujo_Click(c.at(1));
    }

    // Finds every pair but `ultimas`, in picture order, then those.
    void encontrarTodasMenos(const std::vector<std::string>& ultimas) {
        for (int k = 1; k <= kImagenes; ++k) if (std::find(ultimas.begin(), ultimas.end(), TablaImagenes()[k]) == ultimas.end())
                encontrar(TablaImagenes()[k]);
    }

    bool contiene(const std::string& efecto) const {
        return std::find(registro.begin(), registro.end(), efecto) != registro.end();
    }
};


} // namespace

TEST_F(Tablero, LoadReadsTheSettingShowsBacksANewGameResetsTheBoardAndTheCommandsDoTheirWork) {
    dir.escribir("Valor.dat", " 40 \r\n");
    registro.clear();
    f = crearJuego(ventana);
    f->Form_Load();
    EXPECT_EQ(std::tuple(f->valoración, f->valor, clave.clave), std::tuple(std::int16_t{40}, 40'000'000, kCataplas));
    Registro dorsos, nuevo{"mnuImagen=off", "mnuNuevo=off", "mnuTabla=off", "KeyPreview=off", "lblClave="};
    for (int i = 1; i <= 24; ++i) {
        dorsos.push_back("picDibujo(" + std::to_string(i) + ")=reverso.bmp");
        nuevo.insert(nuevo.end(), {"txtClave(" + std::to_string(i) + ")=oculto", dorsos.back()});
    }
    EXPECT_EQ(registro, dorsos);
    registro.clear();
    for (int i = 1; i <= 24; ++i) f->picDibujo_Click(i);
    f->tmrSegundos_Timer();
    EXPECT_TRUE(registro.empty()) << "before the first game, clicks and ticks change nothing";
    repartir(*f);
    EXPECT_EQ(registro, nuevo) << "menus off, then the board reset; the dealt pictures stay hidden";
    EXPECT_EQ(f->tiempoDecimo, "00:02:15") << "a missing table reads as the factory table";
    EXPECT_TRUE(f->enJuego && ventana.relojEnMarcha) << "the clock runs during a game only";
    EXPECT_EQ(f->horaInicio, reloj.hora);
    // The commands open their windows, a click on the background maximises, the exit ends the program.
    registro.clear();
    f->mnuTabla_Click();
    f->mnuImagen_Click();
    f->mnuDuración_Click();
    f->mnuNormas_Click();
    f->mnuAcerca_Click();
    f->Form_Click();
    f->Form_DblClick();
    f->mnuSalir_Click();
    f->cmdSalir_Click();
    EXPECT_EQ(registro, (Registro{"modal 1", "modal 2", "modal 3", "modal 4", "modal 5", "maximizar", "maximizar",
                                  "terminar", "terminar"}));
}

TEST_F(Tablero, EveryDealPlacesEachPictureTwiceUniformlyWithAMovingOrAFrozenClock) {
    // The chi-square of the cells each picture lands on over 10 000 deals; 23 degrees of freedom:
    // 49.73 is the 0.1 % critical value.
    for (double avance : {0.0137, 0.0}) {
        reloj.avance = avance;
        std::map<std::string, std::array<int, kCasillas + 1>> cuenta;
        for (int d = 0; d < 10000; ++d) {
            repartir(*f);
            std::map<std::string, int> veces;
            for (int i = 1; i <= kCasillas; ++i) ++cuenta[f->imagenCasilla[i]][i], ++veces[f->imagenCasilla[i]];
            for (int k = 1; k <= kImagenes; ++k) ASSERT_EQ(veces[TablaImagenes()[k]], 2) << "each picture on exactly two cells, so every cell holds one";
        }
        for (const auto& [imagen, c] : cuenta)
            EXPECT_LT(std::accumulate(c.begin() + 1, c.end(), 0.0, [](double x, int n) { return x + (n - 10000 / 12.0) * (n - 10000 / 12.0) / (10000 / 12.0); }), 49.73)
                << imagen << ", avance " << avance;
        registro.clear();
    }
}

TEST_F(Tablero, ANonPairIsTurnedBackAfterOneWaitWhereverTheKeyLies) {
    // The key picture on the first cell, on the second or on neither: no flash, no mark.
    for (const std::string& llave : {std::string("coche.bmp"), std::string("cohete.bmp"), kCataplas}) {
        clave.clave = llave;
        nuevo();
        if (llave == kCataplas) f->valor = 2'000'000;  // a new setting applies at the next wait
        const int a = celdasDe("coche.bmp").at(0), b = celdasDe("cohete.bmp").at(1);
        f->picDibujo_Click(a);
        f->picDibujo_Click(b);
        const std::string sa = std::to_string(a), sb = std::to_string(b);
        EXPECT_EQ(registro, (Registro{"picDibujo(" + sa + ")=coche.bmp", "picDibujo(" + sb + ")=cohete.bmp",
                                      "espera " + std::to_string(f->valor), "picDibujo(" + sa + ")=reverso.bmp",
                                      "picDibujo(" + sb + ")=reverso.bmp"})) << "key " << llave;
        // Heard as each cell turns, the result before the hold (two effects in, before the wait).
        EXPECT_EQ(ventana.anuncios, (Anuncios{{"coche.", 1}, {"cohete. No es pareja.", 2}})) << "key " << llave;
        ventana.anuncios.clear();
        EXPECT_FALSE(f->claveConseguida);
        registro.clear();
        f->picDibujo_Click(b);
        EXPECT_EQ(registro.size(), 1u) << "either cell may open the next turn";
        f->picDibujo_Click(b);
        EXPECT_EQ(registro.size(), 1u) << "a second click on the cell just turned changes nothing";
        f->picDibujo_Click(a);
        EXPECT_EQ(registro.size(), 5u) << "a non-pair again, turned back after its wait";
    }
    encontrar(kSeta);
    registro.clear();
    for (int c : celdasDe(kSeta)) f->picDibujo_Click(c);
    EXPECT_TRUE(registro.empty()) << "a solved cell does not turn";
    EXPECT_EQ(f->pulsaciones, 0);
}

TEST_F(Tablero, ASecondGameStartsCleanAfterAnyEnding) {
    for (const auto& [como, segundos, conClave] :
         {std::tuple{"won with a record", 30, true}, {"won without a record", 600, true}, {"ten pairs without the key", 30, false}}) {
        clave.clave = kSeta;
        nuevo();
        reloj.hora += segundos;
        f->tmrSegundos_Timer();
        encontrarTodasMenos(conClave ? std::vector<std::string>{} : std::vector<std::string>{kSeta, "tenis.bmp"});
        const int ultima = f->casillaUltima;
        ASSERT_NE(ultima, 0) << como;

        nuevo();
        for (int i = 1; i <= kCasillas; ++i) EXPECT_FALSE(ventana.txtClave[i]) << como;
        EXPECT_EQ(ventana.clave, "") << como;
        f->picDibujo_Click(ultima);
        EXPECT_EQ(registro, Registro{"picDibujo(" + std::to_string(ultima) + ")=" + f->imagenCasilla[ultima]})
            << como << ": the previous game's last cell takes the first click";
        int otra = 1;
        while (f->imagenCasilla[otra] == f->imagenCasilla[ultima]) ++otra;
        f->picDibujo_Click(otra);
        EXPECT_EQ(ventana.imagen[ultima], kReverso) << como << ": a non-pair is turned back";
        // The ten-pair rule fires again, and at the tenth pair exactly.
        encontrarTodasMenos({kSeta, "tenis.bmp", "mochila.bmp"});
        EXPECT_NE(ventana.clave, kFaltanDicho) << como << ": nine pairs";
        EXPECT_TRUE(f->enJuego) << como;
        encontrar("mochila.bmp");
        EXPECT_EQ(ventana.clave, kFaltanDicho) << como << ": ten pairs";
        EXPECT_EQ(ventana.anuncios.back().first, "mochila. Pareja. " + kFaltanDicho) << como;
        f->Form_KeyPress(' ');
        EXPECT_EQ(ventana.anuncios.back().first, "Fin de juego sin conseguir la clave.") << como << ": the reveal";
    }
}

TEST_F(Tablero, TheKeyPairFlashesThreeTimesIsMarkedAndFoundTenthDoesNotFireTheRule) {
    clave.clave = kSeta;  // as chosen in the key-image window
    nuevo();
    encontrar(kCataplas);
    EXPECT_FALSE(contiene(std::string("lblClave=") + kClaveDicho)) << "the default key no longer counts";
    registro.clear();
    const auto c = celdasDe(kSeta);
    const std::string p = "picDibujo(" + std::to_string(c[0]) + ")=", s = "picDibujo(" + std::to_string(c[1]) + ")=";
    encontrar(kSeta);
    EXPECT_EQ(ventana.anuncios.back(), std::pair(std::string("seta. Pareja. ¡Has conseguido la clave!"), std::size_t{4}))
        << "heard before the flash";
    Registro esperado{p + kSeta, s + kSeta, "pitido", "lblClave=¡Has conseguido la clave!"};
    for (int vez = 0; vez < 3; ++vez)
        for (const char* paso : {"reverclave.bmp", "seta.bmp"}) esperado.insert(esperado.end(), {p + paso, s + paso, "espera 15000000"});
    esperado.insert(esperado.end(), {"txtClave(" + std::to_string(c[0]) + ")=visible", "txtClave(" + std::to_string(c[1]) + ")=visible"});
    EXPECT_EQ(registro, esperado);
    EXPECT_TRUE(f->claveConseguida);
    EXPECT_EQ(f->parejas, 2) << "cataplás, then the key pair";
    // Found as the tenth pair, the key does not fire the ten-pair rule.
    nuevo();
    encontrarTodasMenos({kSeta, "tenis.bmp", "mochila.bmp"});
    EXPECT_EQ(f->parejas, 9);
    encontrar(kSeta);
    EXPECT_FALSE(contiene(kFaltanDicho));
    EXPECT_TRUE(f->enJuego);
    EXPECT_EQ(f->parejas, 10);
    encontrar("tenis.bmp");
    encontrar("mochila.bmp");
    EXPECT_EQ(ventana.clave, kFinDicho);
    EXPECT_FALSE(f->enJuego || ventana.relojEnMarcha);
}

TEST_F(Tablero, TheClockShowsElapsedTimeAndCopiesItToTotal) {
    ventana.tiempo = "00:03:00";
    reloj.hora = 10 * 3600;
    nuevo();
    EXPECT_EQ(ventana.tiempo, "00:03:00") << "the last game's time stays until the first tick";
    f->tmrSegundos_Timer();
    EXPECT_EQ(ventana.tiempo, "00:00:00");
    reloj.hora += 3723;
    f->tmrSegundos_Timer();
    EXPECT_EQ(ventana.tiempo, "01:02:03");
    EXPECT_EQ(f->Total, "01:02:03");
    // The next tick is due 1 ms after the clock's next whole second.
    for (const auto& [segundos, ms] : {std::pair{36000.25, 751}, {36000.75, 251}, {36001.0, 1001}}) EXPECT_EQ((reloj.segundos = segundos, f->msHastaElSegundo()), ms) << segundos;
    encontrarTodasMenos({});
    reloj.hora += 50;
    f->tmrSegundos_Timer();
    EXPECT_EQ(f->Total, "01:02:03") << "the clock stands still after the game";
    reloj.hora = 86400 - 10;
    nuevo();
    reloj.hora = 10;
    f->tmrSegundos_Timer();
    EXPECT_EQ(ventana.tiempo, "00:00:20") << "a game across midnight shows its true time";
}

TEST_F(Tablero, EqualTimeDoesNotEnterTheTableOneSecondLessDoes) {
    for (const auto& [segundos, entra] : {std::pair{135, false}, std::pair{134, true}, std::pair{3600 + 10, false}}) {
        nuevo();
        reloj.hora += segundos;
        f->tmrSegundos_Timer();
        registro.clear();
        encontrarTodasMenos({});
        EXPECT_EQ(ventana.clave, kFinDicho);
        EXPECT_EQ(contiene("modal 0"), entra) << segundos;
        if (entra) {
            const Registro final(registro.end() - 6, registro.end());
            EXPECT_EQ(final, (Registro{"mnuImagen=on", "mnuNuevo=on", "mnuTabla=on", "lblClave=Fin de juego",
                                       "mnuTabla=off", "modal 0"}));
            // The last pair, heard before the record window opens (its effect comes last).
            EXPECT_EQ(ventana.anuncios.back(), std::pair(std::string("raqueta de tenis. Pareja. Fin de juego."), registro.size() - 1));
        }
    }
}

TEST_F(Tablero, ATableThatCannotBeStoredIsSaidOnceAndTheGameGoesOn) {
    std::filesystem::create_directory(dir.ruta / "Gemelario.rnd");
    for (int partida = 0; partida < 3; ++partida) {
        repartir(*f);
        EXPECT_EQ(f->tiempoDecimo, "00:02:15") << "the factory table stands in";
        encontrarTodasMenos({});
        EXPECT_EQ(ventana.clave, kFinDicho);
    }
    EXPECT_EQ(std::count(registro.begin(), registro.end(), std::string("mensaje Gemelario: ") + kSinTablaDicho), 1);
}
