// Valor.dat as read from any content, the key-image window and the exposure window.
#include "AzarMezclado.h"
#include "DirectorioTemporal.h"
#include "Falsos.h"
#include "ValorDat.h"
#include "frmClave.h"
#include "frmDuracion.h"

#include <gtest/gtest.h>

#include <map>

using namespace gemelario;
using namespace gemelario::prueba;

TEST(ValorDat, AnyContentReadsAsASaneSetting) {
    const std::pair<std::string, int> casos[] = {
        {" 15 \r\n", 15}, {"15", 15}, {" 15", 15}, {"\t15,3\r\n", 15}, {"+15", 15}, {" 40 \r\n", 40}, {"\t40", 40},
        {"40,7", 40},     {"7.9", 8},  {"15.7", 16}, {"1e9", 300},      {"2.5e1", 25}, {"-3.2", 1},   {"0", 1},
        {"-7", 1},        {"5000", 300}, {"99999999999999999999999", 300}, {"", 15},  {"abc", 15},  {"0x20", 15},
        {"inf", 15},      {"nan", 15}, {"1.2.3", 15}, {"15abc", 15},     {"--4", 15},  {std::string("\0\xff\x01", 3), 15}};
    for (const auto& [texto, ajuste] : casos) EXPECT_EQ(ValoracionDesdeTexto(texto), ajuste) << "'" << texto << "'";
    DirectorioTemporal dir;
    EXPECT_EQ(LeerValor(dir.ruta), 15) << "missing file";
    std::filesystem::create_directory(dir.ruta / "Valor.dat");
    EXPECT_EQ(LeerValor(dir.ruta), 15) << "unreadable file";
}

TEST(frmClave, EveryOpeningResetsTheKeyAndAClickMarksOnePicture) {
    Registro registro;
    DialogoFalso d(registro);
    frmClave f;
    f.clave = "tenis.bmp";
    f.Form_Load(d);
    EXPECT_EQ(f.clave, "cataplás.bmp") << "opening resets the key";
    ASSERT_EQ(registro.size(), 12u);
    EXPECT_EQ(registro[4], "picImagen(5)=castillo.bmp");
    f.picImagen_Click(d, 5);
    f.picImagen_Click(d, 2);
    EXPECT_EQ(f.clave, "seta.bmp");
    for (int i = 1; i <= 12; ++i) EXPECT_EQ(d.bordes.at({"picImagen", i}), i != 2) << i;
    f.cmdAceptar_Click(d);
    EXPECT_TRUE(d.cerrado);
    EXPECT_EQ(f.clave, "seta.bmp");
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

TEST(frmDuración, GuardarStoresTheExactBytesCancelNothingAndAFailedWriteIsSaidOnce) {
    // Moved to `ajuste`, then closed by Guardar or Cancelar, over a file that can or cannot be written.
    struct Caso {
        int ajuste;
        bool guardar, escribible;
        std::string bytes;  // Valor.dat afterwards
    };
    for (const Caso& c : {Caso{1, true, true, " 1 \r\n"}, Caso{15, true, true, " 15 \r\n"}, Caso{300, true, true, " 300 \r\n"},
                          Caso{7, false, true, " 40 \r\n"}, Caso{9, true, false, ""}}) {
        DirectorioTemporal dir;
        if (c.escribible) dir.escribir("Valor.dat", " 40 \r\n");
        else std::filesystem::create_directory(dir.ruta / "Valor.dat");  // cannot be replaced by a file
        Registro registro;
        DialogoFalso d(registro);
        std::int16_t valoracion = 40;
        std::int32_t valor = 40'000'000;
        frmDuración f(d, valoracion, valor, dir.ruta);
        f.Form_Load();
        EXPECT_EQ(d.valor("vsbDuración"), 40);
        EXPECT_EQ(d.caption("lblDuración"), "Duración:  40");
        d.valores["vsbDuración"] = c.ajuste;
        f.vsbDuración_Change();
        EXPECT_EQ(d.caption("lblDuración"), "Duración:  " + std::to_string(c.ajuste));
        c.guardar ? f.cmdGuardar_Click() : f.cmdCancelar_Click();
        EXPECT_TRUE(d.cerrado);
        EXPECT_EQ(valoracion, c.guardar ? c.ajuste : 40) << c.ajuste;
        EXPECT_EQ(valor, (c.guardar ? c.ajuste : 40) * 1'000'000) << "the new setting applies for this run";
        if (c.escribible) EXPECT_EQ(dir.leer("Valor.dat"), c.bytes);
        else EXPECT_TRUE(std::filesystem::is_directory(dir.ruta / "Valor.dat"));
        const long avisos = std::count(registro.begin(), registro.end(),
                                       std::string("mensaje Duración de exposición: ") + kMensajeValorNoGuardado);
        EXPECT_EQ(avisos, c.escribible ? 0 : 1) << c.ajuste;
    }
}
