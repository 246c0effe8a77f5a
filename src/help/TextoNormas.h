// The rules of the game, as the rules window shows them.
#pragma once

#include <string>

namespace gemelario {

// The 23 lines of the rules, each ended by CR LF, in UTF-8.
const std::string& TextoNormas();

} // namespace gemelario
