// Valor.dat: the exact bytes written and what any content reads as.
#include "DirectorioTemporal.h"
#include "AzarMezclado.h"
#include "Falsos.h"
#include "ValorDat.h"
#include "frmClave.h"
#include "frmDuracion.h"

#include <algorithm>
#include <map>

#include <gtest/gtest.h>

using namespace gemelario;
using gemelario::prueba::DirectorioTemporal;

TEST(ValorDat, WritesBlankDigitsBlankCrLf) {
    DirectorioTemporal dir;
    ASSERT_TRUE(EscribirValor(dir.ruta, 15));
    EXPECT_EQ(dir.leer("Valor.dat"), std::string("\x20\x31\x35\x20\x0D\x0A"));
    ASSERT_TRUE(EscribirValor(dir.ruta, 1));
    EXPECT_EQ(dir.leer("Valor.dat"), std::string("\x20\x31\x20\x0D\x0A"));
    ASSERT_TRUE(EscribirValor(dir.ruta, 300));
    EXPECT_EQ(dir.leer("Valor.dat"), std::string("\x20\x33\x30\x30\x20\x0D\x0A"));
    EXPECT_EQ(LeerValor(dir.ruta), 300);
    EXPECT_FALSE(EscribirValor(dir.ruta / "no-existe", 20)) << "a failed write is reported";
}

TEST(ValorDat, ReadsTheFirstIntegerWithOrWithoutBlanksAndLineEnd) {
    for (const char* texto : {" 15 \r\n", "15", "15\r\n", " 15", "15 ", "\t15,3\r\n", "15\n", "+15"})
        EXPECT_EQ(ValoracionDesdeTexto(texto), 15) << texto;
    for (const char* texto : {" 40 \r\n", "\t40", "40,7", "  40\n"}) EXPECT_EQ(ValoracionDesdeTexto(texto), 40) << texto;
    for (const auto& [texto, ajuste] : {std::pair{"7.9", 8}, {"15.7", 16}, {"1e9", 300}, {"2.5e1", 25}, {"-3.2", 1}})
        EXPECT_EQ(ValoracionDesdeTexto(texto), ajuste) << texto << ": a decimal is rounded, then clamped";
}

TEST(ValorDat, BadContentGivesASaneSetting) {
    EXPECT_EQ(ValoracionDesdeTexto(""), 15);
    for (const char* texto : {"abc", "0x20", "inf", "nan", "1.2.3", "15abc", "--4"}) EXPECT_EQ(ValoracionDesdeTexto(texto), 15) << texto;
    EXPECT_EQ(ValoracionDesdeTexto(std::string("\0\xff\x01", 3)), 15);
    EXPECT_EQ(ValoracionDesdeTexto("0"), 1);
    EXPECT_EQ(ValoracionDesdeTexto("-7"), 1);
    EXPECT_EQ(ValoracionDesdeTexto("5000"), 300);
    EXPECT_EQ(ValoracionDesdeTexto("99999999999999999999999"), 300);
    DirectorioTemporal dir;
    EXPECT_EQ(LeerValor(dir.ruta), 15) << "missing file";
    std::filesystem::create_directory(dir.ruta / "Valor.dat");
    EXPECT_EQ(LeerValor(dir.ruta), 15) << "unreadable file";
}

TEST(ValorDat, WaitCountIsTheSettingTimesAMillion) {
    EXPECT_EQ(ValorDesdeValoracion(1), 1'000'000);
    EXPECT_EQ(ValorDesdeValoracion(15), 15'000'000);
    EXPECT_EQ(ValorDesdeValoracion(300), 300'000'000);
}

// ---- The key-image window and the exposure window, through a recording dialog.

namespace {

using namespace gemelario::prueba;

const std::string kCataplas = "cataplás.bmp";

} // namespace

TEST(frmClave, EveryOpeningResetsTheKeyAndAClickMarksOnePicture) {
    Registro registro;
    DialogoFalso d(registro);
    frmClave f;
    f.clave = "tenis.bmp";
    f.Form_Load(d);
    EXPECT_EQ(f.clave, kCataplas) << "opening resets the key";
    ASSERT_EQ(registro.size(), 12u);
    EXPECT_EQ(registro[4], "picImagen(5)=castillo.bmp");
    f.cmdAceptar_Click(d);
    EXPECT_TRUE(d.cerrado);
    EXPECT_EQ(f.clave, kCataplas);
    f.picImagen_Click(d, 5);
    f.picImagen_Click(d, 2);
    EXPECT_EQ(f.clave, "seta.bmp");
    for (int i = 1; i <= 12; ++i) EXPECT_EQ(d.bordes.at(std::pair<std::string, int>("picImagen", i)), i != 2) << i;
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
        for (int k = 1; k <= 12; ++k) {
            const double diferencia = veces[TablaImagenes()[k]] - sorteos / 12.0;
            chi += diferencia * diferencia / (sorteos / 12.0);
        }
        EXPECT_LT(chi, 31.26) << "avance " << avance;
    }
}

TEST(frmDuración, GuardarStoresTheExactBytesAndTheWaitCount) {
    for (const auto& [ajuste, bytes] : {std::pair<int, std::string>{1, " 1 \r\n"}, {15, " 15 \r\n"}, {300, " 300 \r\n"}}) {
        DirectorioTemporal dir;
        Registro registro;
        DialogoFalso d(registro);
        std::int16_t valoracion = 40;
        std::int32_t valor = 40'000'000;
        frmDuración f(d, valoracion, valor, dir.ruta);
        f.Form_Load();
        EXPECT_EQ(d.valor("vsbDuración"), 40);
        EXPECT_EQ(d.caption("lblDuración"), "Duración:  40");
        d.valores["vsbDuración"] = ajuste;
        f.vsbDuración_Change();
        EXPECT_EQ(d.caption("lblDuración"), "Duración:  " + std::to_string(ajuste));
        f.cmdGuardar_Click();
        EXPECT_EQ(dir.leer("Valor.dat"), bytes);
        EXPECT_EQ(valoracion, ajuste);
        EXPECT_EQ(valor, ajuste * 1'000'000);
        EXPECT_TRUE(d.cerrado);
    }
}

TEST(frmDuración, CancelChangesNothingAndAnUnwritableFileIsSaidOnce) {
    DirectorioTemporal dir;
    dir.escribir("Valor.dat", " 40 \r\n");
    Registro registro;
    std::int16_t valoracion = 40;
    std::int32_t valor = 40'000'000;
    {
        DialogoFalso d(registro);
        frmDuración f(d, valoracion, valor, dir.ruta);
        f.Form_Load();
        d.valores["vsbDuración"] = 7;
        f.vsbDuración_Change();
        f.cmdCancelar_Click();
        EXPECT_TRUE(d.cerrado);
    }
    EXPECT_EQ(valoracion, 40);
    EXPECT_EQ(valor, 40'000'000);
    EXPECT_EQ(dir.leer("Valor.dat"), " 40 \r\n");
    std::filesystem::remove(dir.ruta / "Valor.dat");
    std::filesystem::create_directory(dir.ruta / "Valor.dat");  // cannot be replaced by a file
    registro.clear();
    DialogoFalso d(registro);
    frmDuración f(d, valoracion, valor, dir.ruta);
    f.Form_Load();
    d.valores["vsbDuración"] = 9;
    f.vsbDuración_Change();
    f.cmdGuardar_Click();
    EXPECT_EQ(std::count(registro.begin(), registro.end(), std::string("mensaje Duración de exposición: ") + kMensajeValorNoGuardado), 1);
    EXPECT_EQ(valor, 9'000'000) << "the new setting applies for this run";
    EXPECT_TRUE(std::filesystem::is_directory(dir.ruta / "Valor.dat"));
}
