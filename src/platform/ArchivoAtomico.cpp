// Reading files defensively and replacing them crash-safely (temporary file, flush, rename).
#include "ArchivoAtomico.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gemelario {
namespace {

constexpr const char* kSufijoTemporal = ".tmp-";

// Opens without ever blocking (a named pipe would wait for a writer) and only regular files.
int abrirRegular(const std::filesystem::path& ruta, Lectura& estado, struct stat& st) {
    const int fd = ::open(ruta.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        estado = errno == ENOENT ? Lectura::NoExiste : Lectura::Error;
        return -1;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        estado = Lectura::Error;
        return -1;
    }
    estado = Lectura::Leido;
    return fd;
}

ssize_t leerReintentando(int fd, char* bufer, std::size_t n) {
    ssize_t r;
    do r = ::read(fd, bufer, n);
    while (r < 0 && errno == EINTR);
    return r;
}

mode_t umaskActual() {
    // /proc tells the umask without changing it (changing it would race with other threads).
    std::ifstream estado("/proc/self/status");
    std::string linea;
    while (std::getline(estado, linea))
        if (linea.rfind("Umask:", 0) == 0) return static_cast<mode_t>(std::stoul(linea.substr(6), nullptr, 8));
    const mode_t m = ::umask(022);
    ::umask(m);
    return m;
}

void sincronizarDirectorio(const std::filesystem::path& dir) {
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// The file a write lands on: the target of a symbolic link, the path itself otherwise.
std::filesystem::path destinoDe(const std::filesystem::path& ruta) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(ruta, ec))) return ruta;
    const std::filesystem::path destino = std::filesystem::weakly_canonical(ruta, ec);
    return ec ? ruta : destino;
}

} // namespace

ContenidoArchivo LeerArchivo(const std::filesystem::path& ruta, std::size_t limite) {
    ContenidoArchivo c;
    struct stat st {};
    const int fd = abrirRegular(ruta, c.estado, st);
    if (fd < 0) return c;
    c.tamano = static_cast<std::uint64_t>(st.st_size);
    std::array<char, 4096> bufer{};
    while (c.bytes.size() < limite) {
        const ssize_t n = leerReintentando(fd, bufer.data(), std::min(bufer.size(), limite - c.bytes.size()));
        if (n < 0) {
            ::close(fd);
            return ContenidoArchivo{Lectura::Error, {}, 0};
        }
        if (n == 0) break;
        c.bytes.append(bufer.data(), static_cast<std::size_t>(n));
    }
    ::close(fd);
    return c;
}

bool EscribirTodo(int fd, const char* datos, std::size_t n) {
    std::size_t hecho = 0;
    while (hecho < n) {
        const ssize_t r = ::write(fd, datos + hecho, n - hecho);
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) return false;
        hecho += static_cast<std::size_t>(r);
    }
    return true;
}

bool CopiarCola(const std::filesystem::path& origen, std::uint64_t desde, int destino) {
    Lectura estado;
    struct stat st {};
    const int fd = abrirRegular(origen, estado, st);
    if (fd < 0) return false;
    bool bien = ::lseek(fd, static_cast<off_t>(desde), SEEK_SET) == static_cast<off_t>(desde);
    std::array<char, 64 * 1024> bufer{};
    while (bien) {
        const ssize_t n = leerReintentando(fd, bufer.data(), bufer.size());
        if (n <= 0) {
            bien = n == 0;
            break;
        }
        bien = EscribirTodo(destino, bufer.data(), static_cast<std::size_t>(n));
    }
    ::close(fd);
    return bien;
}

bool ReemplazarArchivo(const std::filesystem::path& ruta, const std::function<bool(int fd)>& escribir) {
    const std::filesystem::path destino = destinoDe(ruta);
    const std::filesystem::path dir = destino.parent_path();
    struct stat viejo {};
    const mode_t modo = ::stat(destino.c_str(), &viejo) == 0 ? (viejo.st_mode & 07777) : (0666 & ~umaskActual());
    std::string plantilla = (dir / (destino.filename().string() + kSufijoTemporal + "XXXXXX")).string();
    const int fd = ::mkostemp(plantilla.data(), O_CLOEXEC);
    if (fd < 0) return false;
    // Locked while it is being written, so that a copy starting meanwhile leaves it alone.
    ::flock(fd, LOCK_EX);
    bool bien = escribir(fd) && ::fchmod(fd, modo) == 0 && ::fsync(fd) == 0;
    if (bien) bien = std::rename(plantilla.c_str(), destino.c_str()) == 0;
    if (!bien) ::unlink(plantilla.c_str());
    bien = (::close(fd) == 0) && bien;
    if (bien) sincronizarDirectorio(dir);
    return bien;
}

bool EscribirArchivoAtomico(const std::filesystem::path& ruta, const std::string& bytes) {
    return ReemplazarArchivo(ruta, [&bytes](int fd) { return EscribirTodo(fd, bytes.data(), bytes.size()); });
}

void LimpiarTemporales(const std::filesystem::path& directorio, std::initializer_list<const char*> nombres) {
    std::error_code ec;
    for (const auto& entrada : std::filesystem::directory_iterator(directorio, ec)) {
        const std::string nombre = entrada.path().filename().string();
        bool propio = false;
        for (const char* n : nombres) {
            const std::string prefijo = std::string(n) + kSufijoTemporal;
            propio |= nombre.size() == prefijo.size() + 6 && nombre.rfind(prefijo, 0) == 0;
        }
        if (!propio) continue;
        const int fd = ::open(entrada.path().c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(entrada.path().c_str());
        ::close(fd);
    }
}

} // namespace gemelario
