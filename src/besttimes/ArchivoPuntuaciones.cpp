// The best-times file "Gemelario.rnd": ten 66-byte records, read defensively, replaced atomically.
#include "ArchivoPuntuaciones.h"

#include "ArchivoAtomico.h"
#include "Cp1252.h"
#include "Tiempo.h"

#include <array>
#include <system_error>

namespace gemelario {
namespace {

constexpr std::size_t kTabla = Puntuacion::kLongitud * kRegistros;
// Larger files are read, but never rewritten: their tail could not be kept.
constexpr std::size_t kLimiteLectura = 64 * 1024 * 1024;

std::string campo(std::string_view utf8, std::size_t ancho) {
    std::string b = AWindows1252(utf8);
    b.resize(ancho, ' ');
    return b;
}

bool numeroValido(int n) { return n >= 1 && n <= kRegistros; }

// Keeps a short, non-empty file beside the table under a name not yet taken.
bool guardarCopia(const std::filesystem::path& ruta) {
    std::error_code ec;
    for (int i = 0; i < 100; ++i) {
        std::filesystem::path copia = ruta;
        copia += i == 0 ? ".bak" : ".bak" + std::to_string(i);
        if (std::filesystem::exists(copia, ec) || ec) continue;
        std::filesystem::copy_file(ruta, copia, ec);
        return !ec;
    }
    return false;
}

} // namespace

Puntuacion RegistroInicial(int n) {
    static constexpr std::array<const char*, kRegistros> tiempos = {
        "00:00:59", "00:01:08", "00:01:08", "00:01:10", "00:01:25",
        "00:01:33", "00:01:52", "00:02:05", "00:02:09", "00:02:15"};
    Puntuacion p;
    p.tiempo = tiempos.at(static_cast<std::size_t>(n - 1));
    p.tiempoTexto = TextoTiempo(p.tiempo);
    p.nombre = "Gemelario";
    p.fecha = "21-3-2000";
    return p;
}

std::string ArchivoPuntuaciones::BytesRegistro(const Puntuacion& p) {
    return campo(p.tiempoTexto, Puntuacion::kAnchoTiempoTexto) + campo(p.tiempo, Puntuacion::kAnchoTiempo) +
           campo(p.nombre, Puntuacion::kAnchoNombre) + campo(p.fecha, Puntuacion::kAnchoFecha);
}

Puntuacion ArchivoPuntuaciones::RegistroDesdeBytes(std::string_view b) {
    std::string relleno(b.substr(0, Puntuacion::kLongitud));
    relleno.resize(Puntuacion::kLongitud, ' ');
    const std::string_view r = relleno;
    Puntuacion p;
    std::size_t pos = 0;
    auto tomar = [&](std::size_t ancho) {
        std::string s = DesdeWindows1252(r.substr(pos, ancho));
        pos += ancho;
        return s;
    };
    p.tiempoTexto = tomar(Puntuacion::kAnchoTiempoTexto);
    p.tiempo = tomar(Puntuacion::kAnchoTiempo);
    p.nombre = tomar(Puntuacion::kAnchoNombre);
    p.fecha = tomar(Puntuacion::kAnchoFecha);
    return p;
}

std::string ArchivoPuntuaciones::BytesTablaInicial() {
    std::string bytes;
    for (int n = 1; n <= kRegistros; ++n) bytes += BytesRegistro(RegistroInicial(n));
    return bytes;
}

ArchivoPuntuaciones::ArchivoPuntuaciones(const std::filesystem::path& directorio, Puntuacion& registro)
    : ruta_(directorio / kArchivoPuntuaciones), registro_(registro) {
    const ContenidoArchivo c = LeerArchivo(ruta_, kLimiteLectura);
    if (c.estado == Lectura::Leido && c.bytes.size() >= kTabla) {
        bytes_ = c.bytes;
        if (c.truncado) apertura_ = Apertura::SoloLectura;
        return;
    }
    bytes_ = BytesTablaInicial();
    if (c.estado == Lectura::Error) {
        apertura_ = Apertura::SoloLectura;
        return;
    }
    const bool copiado = c.bytes.empty() || guardarCopia(ruta_);
    if (copiado && EscribirArchivoAtomico(ruta_, bytes_)) {
        apertura_ = Apertura::TablaInicial;
    } else {
        // Never overwrite a player's short file without a copy of it.
        apertura_ = Apertura::SoloLectura;
    }
}

ArchivoPuntuaciones::~ArchivoPuntuaciones() {
    if (!cerrado_) Cerrar();
}

void ArchivoPuntuaciones::LeerPuntuacion(int n) {
    if (!numeroValido(n)) return;
    registro_ = RegistroDesdeBytes(std::string_view(bytes_).substr(static_cast<std::size_t>(n - 1) * Puntuacion::kLongitud));
}

void ArchivoPuntuaciones::EscribirPuntuacion(int n) {
    if (!numeroValido(n)) return;
    bytes_.replace(static_cast<std::size_t>(n - 1) * Puntuacion::kLongitud, Puntuacion::kLongitud, BytesRegistro(registro_));
    pendiente_ = true;
}

bool ArchivoPuntuaciones::Cerrar() {
    cerrado_ = true;
    if (!pendiente_) return true;
    pendiente_ = false;
    if (apertura_ == Apertura::SoloLectura) {
        // The file on disk was not readable; replacing it could destroy what it holds.
        return false;
    }
    return EscribirArchivoAtomico(ruta_, bytes_);
}

bool EscribirTablaInicial(const std::filesystem::path& directorio, Puntuacion& registro) {
    // The player asked for the reset: the factory table replaces whatever records 1..10 held.
    const std::filesystem::path ruta = directorio / kArchivoPuntuaciones;
    const ContenidoArchivo c = LeerArchivo(ruta, kLimiteLectura);
    if (c.truncado) return false;
    std::string bytes = ArchivoPuntuaciones::BytesTablaInicial();
    if (c.estado == Lectura::Leido && c.bytes.size() > kTabla) bytes += c.bytes.substr(kTabla);
    registro = RegistroInicial(kRegistros);
    return EscribirArchivoAtomico(ruta, bytes);
}

} // namespace gemelario
