// The rules text as stored bytes.
#include "Cp1252.h"
#include "TextoNormas.h"

#include <gtest/gtest.h>

using namespace gemelario;

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
