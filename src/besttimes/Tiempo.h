// Game times as "hh:mm:ss" text: reading, writing, the table's display form and the time order.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace gemelario {

// Reads "h:m:s" or "h:m" (one or two digits each, blanks around allowed) as seconds of the day.
// Anything else, including 24:00:00 or 00:60:00, is not a time.
std::optional<int> LeerHora(std::string_view texto);

// Seconds of the day (taken modulo one day) as "hh:mm:ss".
std::string FormatoHora(int segundos);

// The text brought to "hh:mm:ss" when it is a time; otherwise the text without its blanks.
std::string NormalizarHora(std::string_view texto);

// The table's display form: " 1m 8s", " 59s". The hours are ignored. Empty for a non-time.
std::string TextoTiempo(std::string_view tiempo);

// The display form as a screen reader says it: "1m 8s" is "1 minuto 8 segundos", " 1s" "1 segundo";
// any other word as it is.
std::string TiempoDicho(std::string_view forma);

// True when `nuevo` beats `guardado`: strictly earlier. A stored text that is not a time
// ranks after every time; a `nuevo` that is not a time beats nothing.
bool Supera(std::string_view nuevo, std::string_view guardado);

} // namespace gemelario
