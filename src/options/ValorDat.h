// The exposure setting file "Valor.dat": one line such as " 15 " CR LF.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace gemelario {

inline constexpr const char* kArchivoValor = "Valor.dat";
inline constexpr std::int16_t kValoracionInicial = 15;
inline constexpr std::int16_t kValoracionMinima = 1;
inline constexpr std::int16_t kValoracionMaxima = 300;

// The setting held by the file's text: its first field read as a number, rounded and brought into
// 1..300; 15 when the field is not a number.
std::int16_t ValoracionDesdeTexto(std::string_view texto);

// The setting stored in `directorio`; 15 when the file is missing or unreadable.
std::int16_t LeerValor(const std::filesystem::path& directorio);

// The file's exact bytes for a setting: blank, digits, blank, CR LF.
std::string TextoValor(std::int16_t valoracion);

// Replaces the file atomically; false when it could not be written (the old file is intact).
bool EscribirValor(const std::filesystem::path& directorio, std::int16_t valoracion);

// The wait count of a setting: valoración × 1000000.
std::int32_t ValorDesdeValoracion(std::int16_t valoracion);

} // namespace gemelario
