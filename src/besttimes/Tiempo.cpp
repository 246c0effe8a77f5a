// Game times as "hh:mm:ss" text: reading, writing, the table's display form and the time order.
#include "Tiempo.h"

#include <cstdio>

namespace gemelario {
namespace {

constexpr int kDia = 24 * 3600;

std::string_view sinBlancos(std::string_view t) {
    const auto ini = t.find_first_not_of(' ');
    if (ini == std::string_view::npos) return {};
    const auto fin = t.find_last_not_of(' ');
    return t.substr(ini, fin - ini + 1);
}

// One component of one or two digits, up to `maximo`.
std::optional<int> componente(std::string_view t, int maximo) {
    if (t.empty() || t.size() > 2) return std::nullopt;
    int v = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    if (v > maximo) return std::nullopt;
    return v;
}

} // namespace

std::optional<int> LeerHora(std::string_view texto) {
    const std::string_view t = sinBlancos(texto);
    const auto p1 = t.find(':');
    if (p1 == std::string_view::npos) return std::nullopt;
    const auto p2 = t.find(':', p1 + 1);
    const auto h = componente(t.substr(0, p1), 23);
    const auto m = componente(t.substr(p1 + 1, p2 == std::string_view::npos ? std::string_view::npos : p2 - p1 - 1), 59);
    const auto s = p2 == std::string_view::npos ? std::optional<int>(0) : componente(t.substr(p2 + 1), 59);
    if (!h || !m || !s) return std::nullopt;
    return *h * 3600 + *m * 60 + *s;
}

std::string FormatoHora(int segundos) {
    segundos %= kDia;
    if (segundos < 0) segundos += kDia;
    char bufer[16];
    std::snprintf(bufer, sizeof bufer, "%02d:%02d:%02d", segundos / 3600, segundos / 60 % 60, segundos % 60);
    return bufer;
}

std::string NormalizarHora(std::string_view texto) {
    if (const auto s = LeerHora(texto)) return FormatoHora(*s);
    return std::string(sinBlancos(texto));
}

std::string TextoTiempo(std::string_view tiempo) {
    const auto s = LeerHora(tiempo);
    if (!s) return {};
    const int minutos = *s / 60 % 60;
    const int segundos = *s % 60;
    if (minutos != 0) return " " + std::to_string(minutos) + "m " + std::to_string(segundos) + "s";
    return " " + std::to_string(segundos) + "s";
}

bool Supera(std::string_view nuevo, std::string_view guardado) {
    const auto a = LeerHora(nuevo);
    if (!a) return false;
    const auto b = LeerHora(guardado);
    if (!b) return true;
    return *a < *b;
}

std::string TiempoDicho(std::string_view forma) {
    std::string dicho;
    while (!forma.empty()) {
        const std::size_t inicio = forma.find_first_not_of(' ');
        if (inicio == std::string_view::npos) break;
        forma.remove_prefix(inicio);
        const std::string_view palabra = forma.substr(0, forma.find(' '));
        forma.remove_prefix(palabra.size());
        const std::string_view numero = palabra.substr(0, palabra.size() - 1);
        const bool medida = palabra.size() > 1 && (palabra.back() == 'm' || palabra.back() == 's') &&
                            numero.find_first_not_of("0123456789") == std::string_view::npos;
        if (!dicho.empty()) dicho += ' ';
        if (!medida) {
            dicho += palabra;
            continue;
        }
        dicho += std::string(numero) + (palabra.back() == 'm' ? " minuto" : " segundo") + (numero == "1" ? "" : "s");
    }
    return dicho;
}

} // namespace gemelario
