// The best-times file "Gemelario.rnd": ten 66-byte records, read defensively, replaced atomically.
#include "ArchivoPuntuaciones.h"

#include "ArchivoAtomico.h"
#include "Cp1252.h"
#include "Tiempo.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace gemelario {
namespace {

constexpr std::size_t kTabla = Puntuacion::kLongitud * kRegistros;

std::string campo(std::string_view utf8, std::size_t ancho) {
    std::string b = AWindows1252(utf8);
    b.resize(ancho, ' ');
    return b;
}

bool numeroValido(int n) { return n >= 1 && n <= kRegistros; }

// Keeps a short file's bytes beside the table under the first name not yet taken (a dangling
// link takes its name too, and is never written through).
bool guardarCopia(const std::filesystem::path& ruta, const std::string& bytes) {
    for (int i = 0; i < 100; ++i) {
        std::filesystem::path copia = ruta;
        copia += i == 0 ? ".bak" : ".bak" + std::to_string(i);
        const int fd = ::open(copia.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST || errno == ELOOP) continue;
            return false;
        }
        const bool bien = EscribirTodo(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0;
        if (::close(fd) == 0 && bien) return true;
        ::unlink(copia.c_str());
    }
    return false;
}

// The file's first 660 bytes replaced by `tabla`; its tail, if any, copied over unchanged.
bool escribirConCola(const std::filesystem::path& ruta, const std::string& tabla, std::uint64_t tamano) {
    return ReemplazarArchivo(ruta, [&](int fd) {
        return EscribirTodo(fd, tabla.data(), tabla.size()) && (tamano <= kTabla || CopiarCola(ruta, kTabla, fd));
    });
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
    // Only the ten records are read; a tail, however long, is copied when the file is written.
    const ContenidoArchivo c = LeerArchivo(ruta_, kTabla);
    tamano_ = c.tamano;
    if (c.estado == Lectura::Leido && c.bytes.size() == kTabla) {
        bytes_ = c.bytes;
        return;
    }
    bytes_ = BytesTablaInicial();
    tamano_ = 0;
    if (c.estado == Lectura::Error) {
        apertura_ = Apertura::SoloLectura;
        return;
    }
    const bool copiado = c.bytes.empty() || guardarCopia(ruta_, c.bytes);
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
    return escribirConCola(ruta_, bytes_, tamano_);
}

bool EscribirTablaInicial(const std::filesystem::path& directorio, Puntuacion& registro) {
    // The player asked for the reset: the factory table replaces whatever records 1..10 held.
    // A file that cannot be read may hold a tail: it is not replaced, so nothing is lost.
    const std::filesystem::path ruta = directorio / kArchivoPuntuaciones;
    const ContenidoArchivo c = LeerArchivo(ruta, 0);
    registro = RegistroInicial(kRegistros);
    if (c.estado == Lectura::Error) return false;
    return escribirConCola(ruta, ArchivoPuntuaciones::BytesTablaInicial(), c.tamano);
}

} // namespace gemelario
