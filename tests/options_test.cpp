// Valor.dat: the exact bytes written and what any content reads as.
#include "DirectorioTemporal.h"
#include "ValorDat.h"

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
    EXPECT_EQ(ValoracionDesdeTexto("7.9"), 7);
}

TEST(ValorDat, BadContentGivesASaneSetting) {
    EXPECT_EQ(ValoracionDesdeTexto(""), 15);
    EXPECT_EQ(ValoracionDesdeTexto("abc"), 15);
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
