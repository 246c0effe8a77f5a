// An exclusive lock on a directory, held while one copy of the game rewrites a file in it.
#include "CerrojoDirectorio.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace gemelario {

CerrojoDirectorio::CerrojoDirectorio(const std::filesystem::path& directorio) {
    fd_ = ::open(directorio.empty() ? "." : directorio.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    // Without the lock the write still happens: one copy alone loses nothing.
    if (fd_ >= 0) {
        while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
        }
    }
}

CerrojoDirectorio::~CerrojoDirectorio() {
    if (fd_ >= 0) ::close(fd_);
}

} // namespace gemelario
