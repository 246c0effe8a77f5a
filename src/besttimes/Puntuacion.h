// The record of the best-times file and the shared record buffer.
#pragma once

#include <cstddef>
#include <string>

namespace gemelario {

// One record, held as UTF-8 text; the file stores each field in Windows-1252,
// padded with spaces or cut to its width.
struct Puntuacion {
    static constexpr std::size_t kAnchoTiempoTexto = 9;
    static constexpr std::size_t kAnchoTiempo = 11;
    static constexpr std::size_t kAnchoNombre = 32;
    static constexpr std::size_t kAnchoFecha = 14;
    static constexpr std::size_t kLongitud = kAnchoTiempoTexto + kAnchoTiempo + kAnchoNombre + kAnchoFecha;

    std::string tiempoTexto;
    std::string tiempo;
    std::string nombre;
    std::string fecha;

    bool operator==(const Puntuacion&) const = default;
};

// Holder of the one shared record buffer; every user of the file fills it before use.
struct Module1 {
    Puntuacion registro;
};

} // namespace gemelario
