// The layout tables of the dialog windows: best times, options, rules and About.
#pragma once

#include "Layout.h"

namespace gemelario::ventanas {

const Formulario& LayoutPuntuaciones();
const Formulario& LayoutDiezPrimeros();
const Formulario& LayoutClave();
const Formulario& LayoutDuracion();
const Formulario& LayoutNormas();
const Formulario& LayoutAcerca();

} // namespace gemelario::ventanas
