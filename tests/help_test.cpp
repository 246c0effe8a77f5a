// The rules text as stored bytes, and the About window's animation and link.
#include "AzarMezclado.h"
#include "Cp1252.h"
#include "Falsos.h"
#include "TextoNormas.h"
#include "frmAcerca.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace gemelario;
using namespace gemelario::prueba;

TEST(TextoNormas, TwentyThreeLinesOf1241BytesInWindows1252) {
    const std::string bytes = AWindows1252(TextoNormas());
    EXPECT_EQ(bytes.size(), 1241u);
    EXPECT_EQ(bytes.find('?'), std::string::npos) << "every character has its code";
    std::vector<std::string> lineas;
    for (std::size_t inicio = 0, fin; (fin = bytes.find("\r\n", inicio)) != std::string::npos; inicio = fin + 2)
        lineas.push_back(bytes.substr(inicio, fin - inicio));
    ASSERT_EQ(lineas.size(), 23u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    for (std::size_t i = 0; i < 22; ++i) {
        EXPECT_GE(lineas[i].size(), 40u) << i + 1;
        EXPECT_LE(lineas[i].size(), 51u) << i + 1;
        EXPECT_EQ(lineas[i].back() == ' ', i != 0) << "line " << i + 1;
    }
    EXPECT_EQ(lineas[22].size(), 184u);
    EXPECT_EQ(lineas[0], "El juego consta de 24 casillas en las que hay");
    EXPECT_EQ(lineas[4], "imagen clave ser\xE1 'Catapl\xE1s', y si pulsas en ");
    EXPECT_EQ(lineas[20], "partida. \xA1Que te diviertas! Cuando todos los ");
    EXPECT_EQ(lineas[22].substr(184 - 48), "originales del programa y el bot\xF3n desaparecer\xE1.");
}

namespace {

class AbridorFalso : public AbridorWeb {
public:
    explicit AbridorFalso(Registro& r) : registro(r) {}
    Registro& registro;
    void abrir(const std::string& d) override { registro.push_back("abrir " + d); }
};

} // namespace

TEST(frmAcerca, EachTickShowsOneRandomPairThenWaitsWithTheCurrentSetting) {
    Registro registro;
    DialogoFalso d(registro);
    RelojFalso reloj;
    AzarMezclado azar;
    EsperaFalsa espera(registro);
    AbridorFalso web(registro);
    std::int32_t valor = 15'000'000;
    frmAcerca f(d, PlataformaAcerca{reloj, azar, espera, web}, valor);
    f.Form_Load();
    EXPECT_TRUE(registro.empty()) << "both boxes empty until the first tick";
    std::set<std::string> vistas;
    for (int tick = 0; tick < 400; ++tick) {
        if (tick == 200) valor = 1'000'000;
        registro.clear();
        f.tmrAcerca_Timer();
        ASSERT_EQ(registro.size(), 3u);
        const std::string imagen = registro[0].substr(registro[0].find('=') + 1);
        EXPECT_EQ(registro[0], "Picture1(1)=" + imagen);
        EXPECT_EQ(registro[1], "Picture1(2)=" + imagen);
        EXPECT_EQ(registro[2], tick < 200 ? "espera 15000000" : "espera 1000000");
        vistas.insert(imagen);
    }
    std::set<std::string> doce(TablaImagenes().begin() + 1, TablaImagenes().end());
    EXPECT_EQ(vistas, doce);
    registro.clear();
    f.picPubli1_Click();
    EXPECT_EQ(registro, Registro{"abrir https://www.corvantiso.example/"});
    EXPECT_FALSE(d.cerrado) << "the window stays open";
    f.cmdAceptar_Click();
    EXPECT_TRUE(d.cerrado);
}
