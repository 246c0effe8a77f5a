// Helper of sonido_test.sh: one beep through the real sound path.
//   pitido_prueba ESPERA_MS            beeps, prints how long the call took, stays ESPERA_MS
//   pitido_prueba --grabar FUENTE      records FUENTE, beeps 200 ms in, and prints the call's time
//                                      and the loudest sample of the half second after the beep
#include "PitidoCanberra.h"

#include <pulse/error.h>
#include <pulse/simple.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

double pitarYMedir(gemelario::ventanas::PitidoCanberra& pitido) {
    const auto t0 = std::chrono::steady_clock::now();
    pitido.pitar();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

} // namespace

int main(int argc, char** argv) {
    gemelario::ventanas::PitidoCanberra pitido;
    if (argc == 3 && std::strcmp(argv[1], "--grabar") == 0) {
        const pa_sample_spec formato{PA_SAMPLE_S16LE, 44100, 1};
        pa_buffer_attr bufer{};
        bufer.maxlength = static_cast<std::uint32_t>(-1);
        bufer.fragsize = 44100 * 2 / 50;  // 20 ms
        int error = 0;
        pa_simple* grabador = pa_simple_new(nullptr, "pitido_prueba", PA_STREAM_RECORD, argv[2], "monitor", &formato,
                                            nullptr, &bufer, &error);
        if (!grabador) {
            std::fprintf(stderr, "no se puede grabar %s: %s\n", argv[2], pa_strerror(error));
            return 2;
        }
        std::array<std::int16_t, 441> trozo{};  // 10 ms
        double ms = -1;
        int pico = 0;
        for (int i = 0; i < 70; ++i) {  // 200 ms before the beep, 500 ms after it
            if (pa_simple_read(grabador, trozo.data(), sizeof trozo, &error) < 0) return 2;
            if (i == 20) ms = pitarYMedir(pitido);
            if (i >= 20)
                for (std::int16_t m : trozo) pico = std::max(pico, std::abs(static_cast<int>(m)));
        }
        pa_simple_free(grabador);
        std::printf("%.3f %d\n", ms, pico);
        return 0;
    }
    const int quedarse = argc > 1 ? std::atoi(argv[1]) : 1000;
    std::printf("%.3f\n", pitarYMedir(pitido));
    std::fflush(stdout);
    std::this_thread::sleep_for(std::chrono::milliseconds(quedarse));
    return 0;
}
