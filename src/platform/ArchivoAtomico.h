// Reading files defensively and replacing them crash-safely (temporary file, flush, rename).
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string>

namespace gemelario {

enum class Lectura { Leido, NoExiste, Error };

struct ContenidoArchivo {
    Lectura estado = Lectura::NoExiste;
    std::string bytes;        // the file's beginning, at most the limit asked for
    std::uint64_t tamano = 0;  // the whole file's size
};

// Reads at most `limite` bytes from the start. Anything but a regular file (a directory, a named
// pipe, a device) is an error and is never waited on.
ContenidoArchivo LeerArchivo(const std::filesystem::path& ruta, std::size_t limite);

// Replaces the file with what `escribir` writes into the new file's descriptor: either the old or
// the new content survives a crash. The new file keeps the old one's permission bits (a new file
// follows the umask); a symbolic link stays and its target is replaced. False, with the old file
// untouched, when anything fails.
bool ReemplazarArchivo(const std::filesystem::path& ruta, const std::function<bool(int fd)>& escribir);
bool EscribirArchivoAtomico(const std::filesystem::path& ruta, const std::string& bytes);

bool EscribirTodo(int fd, const char* datos, std::size_t n);

// Appends the bytes of `origen` from offset `desde` to its end onto `destino`, in fixed chunks.
bool CopiarCola(const std::filesystem::path& origen, std::uint64_t desde, int destino);

// Removes temporaries of the named files left by a copy of the program that died while writing;
// those a running copy is still writing are locked, and stay.
void LimpiarTemporales(const std::filesystem::path& directorio, std::initializer_list<const char*> nombres);

} // namespace gemelario
