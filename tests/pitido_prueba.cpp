// Helper of sonido_test.sh: `pitido_prueba ESPERA_MS` beeps once through the real sound path, prints
// how long the call took in milliseconds, and stays ESPERA_MS so the sound can play out.
#include "PitidoCanberra.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

int main(int argc, char** argv) {
    gemelario::ventanas::PitidoCanberra pitido;
    const auto t0 = std::chrono::steady_clock::now();
    pitido.pitar();
    std::printf("%.3f\n", std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    std::fflush(stdout);
    std::this_thread::sleep_for(std::chrono::milliseconds(argc > 1 ? std::atoi(argv[1]) : 1000));
    return 0;
}
