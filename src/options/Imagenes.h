// The twelve pictures of the game, in the order of their image numbers.
#pragma once

#include "Plataforma.h"

#include <array>
#include <string>

namespace gemelario {

inline constexpr int kImagenes = 12;

// Image numbers 1..12 (index 0 stays empty); each window keeps its own copy of this table.
const std::array<std::string, kImagenes + 1>& TablaImagenes();

// What a picture shows, in Spanish words, as a screen reader says it ("hamburgue.bmp" is
// "hamburguesa", "cajafuerte.bmp" "caja fuerte"); the file name itself for any other name.
std::string PalabraDeImagen(const std::string& archivo);

// Image number n = floor(r × 12) + 1 of a draw r in [0, 1), after reseeding from the clock.
int SortearImagen(Reloj& reloj, Azar& azar);

} // namespace gemelario
