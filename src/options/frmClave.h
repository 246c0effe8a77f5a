// The key-image window's object: `clave` outlives the window and is read by the board.
#pragma once

#include <string>

namespace gemelario {

// Holds the key image (one of the twelve picture names). Reading or writing `clave`
// never opens the window; the window's own handlers live beside it.
class frmClave {
public:
    std::string clave;
};

} // namespace gemelario
