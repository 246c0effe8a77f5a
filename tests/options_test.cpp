// Valor.dat as read from any content, the key image's secret draw and the pictures' words.
#include "AzarMezclado.h"
#include "DirectorioTemporal.h"
#include "Falsos.h"
#include "Imagenes.h"
#include "ValorDat.h"
#include "frmClave.h"

#include <gtest/gtest.h>

#include <clocale>
#include <map>

using namespace gemelario;
using namespace gemelario::prueba;

TEST(ValorDat, AnyContentReadsAsASaneSetting) {
    const std::pair<std::string, int> casos[] = {
        {" 15 \r\n", 15}, {"15", 15}, {" 15", 15}, {"\t15,3\r\n", 15}, {"+15", 15}, {" 40 \r\n", 40}, {"\t40", 40},
        {"40,7", 40},     {"7.9", 8},  {"15.7", 16}, {"1e9", 300},      {"2.5e1", 25}, {"-3.2", 1},   {"0", 1},
        {"-7", 1},        {"5000", 300}, {"99999999999999999999999", 300}, {"", 15},  {"abc", 15},  {"0x20", 15},
        {"inf", 15},      {"nan", 15}, {"1.2.3", 15}, {"15abc", 15},     {"--4", 15},  {std::string("\0\xff\x01", 3), 15},
        {"1e400", 300},   {"-1e400", 1}, {"1e-400", 1}, {"-" + std::string(400, '9'), 1}};
    // In C and in the player's Spanish locale, whose numbers are written "15,7" (the game runs in it).
    for (const char* local : {"C", "es_ES.UTF-8"}) {
        ASSERT_TRUE(std::setlocale(LC_ALL, local)) << local << " (scripts/instalar-dependencias.sh makes it)";
        for (const auto& [texto, ajuste] : casos) EXPECT_EQ(ValoracionDesdeTexto(texto), ajuste) << local << " '" << texto << "'";
    }
    std::setlocale(LC_ALL, "C");
    DirectorioTemporal dir;
    EXPECT_EQ(LeerValor(dir.ruta), 15) << "missing file";
    dir.escribir("Valor.dat", std::string(100'000, '9') + " \r\n");
    EXPECT_EQ(LeerValor(dir.ruta), 300) << "a number too long for any type";
    std::filesystem::remove(dir.ruta / "Valor.dat");
    std::filesystem::create_directory(dir.ruta / "Valor.dat");
    EXPECT_EQ(LeerValor(dir.ruta), 15) << "unreadable file";
}

TEST(frmClave, TheSecretDrawIsUniformOverTheTwelveAndReplacesAClickedChoice) {
    // 11 degrees of freedom: 31.26 is the 0.1 % critical value.
    for (double avance : {0.0173, 0.0}) {
        Registro registro;
        RelojFalso reloj;
        reloj.avance = avance;
        AzarMezclado azar;
        frmClave f;
        std::map<std::string, int> veces;
        const int sorteos = 12000;
        for (int n = 0; n < sorteos; ++n) {
            DialogoFalso d(registro);
            f.Form_Load(d);
            f.picImagen_Click(d, 3);
            f.cmdDesconocida_Click(d, reloj, azar);
            ASSERT_TRUE(d.cerrado);
            ++veces[f.clave];
            registro.clear();
        }
        ASSERT_EQ(veces.size(), 12u) << "avance " << avance;
        double chi = 0;
        for (const auto& [imagen, n] : veces) chi += (n - sorteos / 12.0) * (n - sorteos / 12.0) / (sorteos / 12.0);
        EXPECT_LT(chi, 31.26) << "avance " << avance;
    }
}

TEST(Imagenes, EachPictureIsSaidByItsSpanishWord) {
    // What a screen reader says as a picture turns; a name that is no picture of the game, as it is.
    std::string dichas;
    for (int i = 1; i <= kImagenes; ++i) dichas += PalabraDeImagen(TablaImagenes()[i]) + "|";
    EXPECT_EQ(dichas + PalabraDeImagen("otra.bmp"), "cataplás|seta|hamburguesa|caja fuerte|castillo|coche|cohete|exprimidora|"
                                                    "libreta|portería|mochila|raqueta de tenis|otra.bmp");
}
