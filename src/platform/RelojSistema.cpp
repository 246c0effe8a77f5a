// The real clock: local time of day and date from the system.
#include "RelojSistema.h"

#include <chrono>
#include <ctime>

namespace gemelario {
namespace {

struct Ahora {
    std::tm local{};
    double fraccion = 0.0;
};

Ahora ahora() {
    using namespace std::chrono;
    const auto t = system_clock::now();
    const std::time_t segundos = system_clock::to_time_t(t);
    Ahora a;
    localtime_r(&segundos, &a.local);
    const auto resto = t - system_clock::from_time_t(segundos);
    a.fraccion = duration<double>(resto).count();
    if (a.fraccion < 0.0 || a.fraccion >= 1.0) a.fraccion = 0.0;
    return a;
}

int segundosDelDia(const std::tm& t) {
    // A leap second (tm_sec 60) counts as the last second of its minute.
    const int s = t.tm_sec > 59 ? 59 : t.tm_sec;
    return t.tm_hour * 3600 + t.tm_min * 60 + s;
}

} // namespace

int RelojSistema::horaDelDia() { return segundosDelDia(ahora().local); }

Fecha RelojSistema::hoy() {
    const auto a = ahora();
    return Fecha{a.local.tm_mday, a.local.tm_mon + 1, a.local.tm_year + 1900};
}

double RelojSistema::segundosDesdeMedianoche() {
    const auto a = ahora();
    return segundosDelDia(a.local) + a.fraccion;
}

} // namespace gemelario
