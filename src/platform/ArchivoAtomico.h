// Whole-file reads and crash-safe whole-file replacement (temporary file, flush, rename).
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace gemelario {

enum class Lectura { Leido, NoExiste, Error };

struct ContenidoArchivo {
    Lectura estado = Lectura::NoExiste;
    std::string bytes;
    bool truncado = false;  // the file holds more than the limit; `bytes` is its beginning
};

// Reads at most `limite` bytes; a directory or an unreadable file is an error.
ContenidoArchivo LeerArchivo(const std::filesystem::path& ruta, std::size_t limite = 1 << 20);

// Replaces the file with `bytes`: either the old or the new content survives a crash.
// Returns false (and leaves the old file untouched) when anything fails.
bool EscribirArchivoAtomico(const std::filesystem::path& ruta, const std::string& bytes);

} // namespace gemelario
