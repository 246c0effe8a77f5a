// Measures the real exposure wait at the settings 1, 15 and 300 (or those given): wall and CPU time.
#include "EsperaReal.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

int main(int argc, char** argv) {
    std::vector<int> ajustes;
    for (int i = 1; i < argc; ++i) ajustes.push_back(std::atoi(argv[i]));
    if (ajustes.empty()) ajustes = {1, 15, 300};
    gemelario::EsperaReal espera;
    for (int ajuste : ajustes) {
        timespec c0{}, c1{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &c0);
        const auto t0 = std::chrono::steady_clock::now();
        espera.esperar(ajuste * 1'000'000);
        const double real = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &c1);
        const double cpu = static_cast<double>(c1.tv_sec - c0.tv_sec) + static_cast<double>(c1.tv_nsec - c0.tv_nsec) * 1e-9;
        std::printf("ajuste %3d  valor %9d  real %.6f s  cpu %.6f s\n", ajuste, ajuste * 1'000'000, real, cpu);
    }
    return 0;
}
