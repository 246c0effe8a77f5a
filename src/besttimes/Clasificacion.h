// Placing a new time in the table: its rank and the insertion that moves the lower records down.
#pragma once

#include "ArchivoPuntuaciones.h"

#include <string_view>

namespace gemelario {

// The first rank (1..10) whose stored time the new time beats; 0 when it beats none.
// A time equal to stored times ranks after all of them.
int BuscarPosicion(ArchivoPuntuaciones& archivo, Puntuacion& registro, std::string_view total);

// Moves records posicion..9 down one place (record 10 drops out) and writes `nuevo` at
// `posicion`, reading each record before it is overwritten.
void InsertarPuntuacion(ArchivoPuntuaciones& archivo, Puntuacion& registro, int posicion, const Puntuacion& nuevo);

} // namespace gemelario
