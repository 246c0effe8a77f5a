// An exclusive lock on a directory, held while one copy of the game rewrites a file in it.
#pragma once

#include <filesystem>

namespace gemelario {

// The directory itself is locked, not the file: the file is replaced by rename, and a lock on
// the old file would not keep out a copy that opens the new one. Released on destruction.
class CerrojoDirectorio {
public:
    explicit CerrojoDirectorio(const std::filesystem::path& directorio);
    ~CerrojoDirectorio();
    CerrojoDirectorio(const CerrojoDirectorio&) = delete;
    CerrojoDirectorio& operator=(const CerrojoDirectorio&) = delete;

private:
    int fd_ = -1;
};

} // namespace gemelario
