// The main window's layout table.
#pragma once

#include "Layout.h"

namespace gemelario::ventanas {

const Formulario& LayoutGemelario();

// Left and top, in twips, of board cell i (1..24).
int LeftCasilla(int i);
int TopCasilla(int i);

} // namespace gemelario::ventanas
