// The rules text as stored bytes.
#include "Cp1252.h"
#include "TextoNormas.h"

#include <gtest/gtest.h>

#include <cstdint>

using namespace gemelario;

TEST(TextoNormas, TheRulesAreTheir1241BytesExactly) {
    const std::string bytes = AWindows1252(TextoNormas());
    EXPECT_EQ(bytes.size(), 1241u);
    // FNV-1a of the 23 lines of the rules as the layout gives them, each ended by CR LF, in Windows-1252.
    std::uint64_t h = 0xcbf29ce484222325u;
    for (const unsigned char c : bytes) h = (h ^ c) * 0x100000001b3u;
    EXPECT_EQ(h, 0xc296bf8cd1e115a6u);
}
