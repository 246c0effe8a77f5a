// Whole-file reads and crash-safe whole-file replacement (temporary file, flush, rename).
#include "ArchivoAtomico.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gemelario {

ContenidoArchivo LeerArchivo(const std::filesystem::path& ruta, std::size_t limite) {
    ContenidoArchivo c;
    const int fd = ::open(ruta.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        c.estado = errno == ENOENT ? Lectura::NoExiste : Lectura::Error;
        return c;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        c.estado = Lectura::Error;
        return c;
    }
    char bufer[4096];
    while (c.bytes.size() <= limite) {
        const ssize_t n = ::read(fd, bufer, sizeof bufer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            c.bytes.clear();
            c.estado = Lectura::Error;
            return c;
        }
        if (n == 0) break;
        c.bytes.append(bufer, static_cast<std::size_t>(n));
    }
    if (c.bytes.size() > limite) {
        c.bytes.resize(limite);
        c.truncado = true;
    }
    ::close(fd);
    c.estado = Lectura::Leido;
    return c;
}

namespace {

bool escribirTodo(int fd, const std::string& bytes) {
    std::size_t hecho = 0;
    while (hecho < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + hecho, bytes.size() - hecho);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        hecho += static_cast<std::size_t>(n);
    }
    return true;
}

void sincronizarDirectorio(const std::filesystem::path& dir) {
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

bool EscribirArchivoAtomico(const std::filesystem::path& ruta, const std::string& bytes) {
    const std::filesystem::path dir = ruta.parent_path();
    std::string plantilla = (dir / (ruta.filename().string() + ".tmp-XXXXXX")).string();
    const int fd = ::mkstemp(plantilla.data());
    if (fd < 0) return false;
    bool bien = escribirTodo(fd, bytes) && ::fchmod(fd, 0644) == 0 && ::fsync(fd) == 0;
    bien = (::close(fd) == 0) && bien;
    if (bien) bien = std::rename(plantilla.c_str(), ruta.c_str()) == 0;
    if (!bien) {
        ::unlink(plantilla.c_str());
        return false;
    }
    sincronizarDirectorio(dir);
    return true;
}

} // namespace gemelario
