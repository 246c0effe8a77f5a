// Measures the game's exposure wait (the one that keeps the window alive) at chosen settings
// (default 1, 15 and 100): its length against the asked length, and the CPU it used.
#include "EsperaReal.h"
#include "EsperaViva.h"

#include <QCoreApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

double cpu() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication aplicacion(argc, argv);
    std::vector<int> ajustes;
    for (int i = 1; i < argc; ++i) ajustes.push_back(std::atoi(argv[i]));
    if (ajustes.empty()) ajustes = {1, 15, 100};
    gemelario::ventanas::EsperaViva espera;
    std::printf("%-8s %12s %12s %10s %10s\n", "ajuste", "pedido (ms)", "medido (ms)", "desvío", "CPU");
    for (int ajuste : ajustes) {
        const double pedido = std::chrono::duration<double, std::milli>(gemelario::EsperaReal::duracion(ajuste * 1'000'000)).count();
        const double c0 = cpu();
        const auto t0 = std::chrono::steady_clock::now();
        espera.esperar(ajuste * 1'000'000);
        const double medido = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
        const double usado = (cpu() - c0) * 1000;
        std::printf("%-8d %12.1f %12.3f %+8.3f ms %8.3f %%\n", ajuste, pedido, medido, medido - pedido, 100 * usado / pedido);
    }
    return 0;
}
