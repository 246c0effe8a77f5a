// Conversion between the game's UTF-8 text and the Windows-1252 bytes of the best-times file.
#include "Cp1252.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace gemelario {
namespace {

class Conversor {
public:
    Conversor(const char* a, const char* desde) : cd_(::iconv_open(a, desde)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv no disponible");
    }
    ~Conversor() { ::iconv_close(cd_); }
    Conversor(const Conversor&) = delete;
    Conversor& operator=(const Conversor&) = delete;

    // Converts one unit; false when it has no image in the target set.
    bool convertir(std::string_view entrada, std::string& salida) {
        ::iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* in = const_cast<char*>(entrada.data());
        std::size_t inLen = entrada.size();
        char bufer[8];
        char* out = bufer;
        std::size_t outLen = sizeof bufer;
        if (::iconv(cd_, &in, &inLen, &out, &outLen) == static_cast<std::size_t>(-1) || inLen != 0)
            return false;
        salida.append(bufer, sizeof bufer - outLen);
        return true;
    }

private:
    iconv_t cd_;
};

bool indefinido(unsigned c) { return c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D; }

// Length of the UTF-8 sequence that starts with `b`, or 0 when `b` cannot start one.
std::size_t longitudUtf8(unsigned char b) {
    if (b < 0x80) return 1;
    if (b >= 0xC2 && b <= 0xDF) return 2;
    if (b >= 0xE0 && b <= 0xEF) return 3;
    if (b >= 0xF0 && b <= 0xF4) return 4;
    return 0;
}

bool continuacionesValidas(std::string_view s) {
    for (std::size_t i = 1; i < s.size(); ++i)
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return false;
    return true;
}

} // namespace

std::string AWindows1252(std::string_view utf8) {
    thread_local Conversor conversor("WINDOWS-1252", "UTF-8");
    std::string salida;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        std::size_t n = longitudUtf8(b);
        if (n == 0 || i + n > utf8.size() || !continuacionesValidas(utf8.substr(i, n))) {
            salida.push_back('?');
            ++i;
            continue;
        }
        const std::string_view unidad = utf8.substr(i, n);
        if (!conversor.convertir(unidad, salida)) {
            // U+0081 and its four undefined siblings go back to their own byte.
            const unsigned c2 = n == 2 ? (((b & 0x1Fu) << 6) | (static_cast<unsigned char>(unidad[1]) & 0x3Fu)) : 0;
            salida.push_back(indefinido(c2) ? static_cast<char>(c2) : '?');
        }
        i += n;
    }
    return salida;
}

std::string DesdeWindows1252(std::string_view bytes) {
    thread_local Conversor conversor("UTF-8", "WINDOWS-1252");
    std::string salida;
    for (char c : bytes) {
        if (conversor.convertir(std::string_view(&c, 1), salida)) continue;
        const auto b = static_cast<unsigned char>(c);
        salida.push_back(static_cast<char>(0xC0 | (b >> 6)));
        salida.push_back(static_cast<char>(0x80 | (b & 0x3F)));
    }
    return salida;
}

} // namespace gemelario
