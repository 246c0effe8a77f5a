// The best-times file "Gemelario.rnd": ten 66-byte records, read defensively, replaced atomically.
#pragma once

#include "Puntuacion.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace gemelario {

inline constexpr const char* kArchivoPuntuaciones = "Gemelario.rnd";
inline constexpr int kRegistros = 10;

// An open best-times file. Opening reads the ten records; writes go to memory and are committed
// by Cerrar() in one atomic replacement that keeps any bytes after record 10.
class ArchivoPuntuaciones {
public:
    enum class Apertura {
        Leido,          // a complete table was read
        TablaInicial,   // missing or short: the factory table was written (a short file kept as .bak)
        SoloLectura     // the file could not be read or repaired; the factory table is used in memory
    };

    ArchivoPuntuaciones(const std::filesystem::path& directorio, Puntuacion& registro);
    ~ArchivoPuntuaciones();
    ArchivoPuntuaciones(const ArchivoPuntuaciones&) = delete;
    ArchivoPuntuaciones& operator=(const ArchivoPuntuaciones&) = delete;

    Apertura apertura() const { return apertura_; }

    // Record n (1..10) into the shared buffer, fields with their padding.
    void LeerPuntuacion(int n);
    // The shared buffer as record n (1..10).
    void EscribirPuntuacion(int n);
    // Commits pending writes; false when the file could not be replaced (the old one is intact).
    bool Cerrar();

    static std::string BytesRegistro(const Puntuacion& p);
    static Puntuacion RegistroDesdeBytes(std::string_view bytes);
    static std::string BytesTablaInicial();

private:
    std::filesystem::path ruta_;
    Puntuacion& registro_;
    std::string bytes_;
    std::uint64_t tamano_ = 0;  // of the file as read: more than 660 means a tail to keep
    Apertura apertura_ = Apertura::Leido;
    bool pendiente_ = false;
    bool cerrado_ = false;
};

// Writes the factory table as records 1..10 (bytes after record 10 are kept); afterwards the
// buffer holds factory record 10. False when the file could not be replaced.
bool EscribirTablaInicial(const std::filesystem::path& directorio, Puntuacion& registro);

// The factory table's ten records.
Puntuacion RegistroInicial(int n);

} // namespace gemelario
