// The pictures' names: the fourteen file names as on disk, and the ASCII name of each one's drawing.
#pragma once

#include <string>
#include <vector>

namespace gemelario::ventanas {

// The fourteen picture file names, as on disk: the twelve of the board, the back and the flash.
const std::vector<std::string>& NombresDibujos();

// The drawing of a picture file name, in ASCII ("portería.bmp" is drawn as "porteria"); empty for a
// name that is not one of the fourteen.
std::string NombreDelDibujo(const std::string& nombre);

// The scales the built-in drawings are rendered at when the game is built; a screen of another
// scale gets the next larger one, scaled down.
inline constexpr double kEscalasDibujos[] = {1, 1.25, 1.5, 1.75, 2, 2.5, 3};

// The window icon's sizes given to the window system (larger ones come from the icon theme).
inline constexpr int kLadosIcono[] = {16, 24, 32, 48, 64};

} // namespace gemelario::ventanas
