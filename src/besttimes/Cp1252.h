// Conversion between the game's UTF-8 text and the Windows-1252 bytes of the best-times file.
#pragma once

#include <string>
#include <string_view>

namespace gemelario {

// Characters without a Windows-1252 code (and malformed UTF-8) become '?'.
std::string AWindows1252(std::string_view utf8);

// Every byte decodes; the five bytes Windows-1252 leaves undefined map to U+0081, U+008D,
// U+008F, U+0090 and U+009D, so that a record read and written back keeps its bytes.
std::string DesdeWindows1252(std::string_view bytes);

} // namespace gemelario
