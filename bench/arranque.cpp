// Start-up and idle cost of a program on the X server: from process start to its first window
// mapped (seen as a MapNotify on the root window), the CPU time its threads had used by then (the
// scheduler's nanoseconds: the work itself, not the time spent waiting for a core), resident memory one
// second after start, and the CPU it uses while it waits.
//   arranque RUNS PROGRAM... FLOOR       alternated runs of all, medians with min and max, each against FLOOR
//   inactivo SECONDS PROGRAM [acerca|partida|espera]
//                                        CPU share and wake-ups over SECONDS: waiting for "Nuevo", with the
//                                        About window open, during a game, or during a turn's hold
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Reloj = std::chrono::steady_clock;

struct Medida {
    double ms = 0;
    double cpuMs = 0;
    long rssKb = 0;
};

pid_t lanzar(const std::string& programa) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::execl(programa.c_str(), programa.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    return pid;
}

void terminar(pid_t pid) {
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

long rss(pid_t pid) {
    std::ifstream f("/proc/" + std::to_string(pid) + "/status");
    std::string linea;
    while (std::getline(f, linea))
        if (linea.rfind("VmRSS:", 0) == 0) return std::stol(linea.substr(6));
    return -1;
}

// Wake-ups of every thread so far: each time one went to sleep of its own accord (a preemption by
// another program is not one).
long despertares(pid_t pid) {
    long n = 0;
    std::error_code error;
    for (const auto& hilo : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        std::ifstream f(hilo.path() / "status");
        for (std::string linea; std::getline(f, linea);)
            if (linea.rfind("voluntary_ctxt_switches:", 0) == 0) n += std::stol(linea.substr(linea.find(':') + 1));
    }
    return n;
}

// CPU time of every thread of the process so far, in milliseconds (/proc/PID/task/*/schedstat).
double cpuHastaAhora(pid_t pid) {
    double ns = 0;
    std::error_code error;
    for (const auto& hilo : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        std::ifstream f(hilo.path() / "schedstat");
        double n = 0;
        if (f >> n) ns += n;
    }
    return ns / 1e6;
}

double cpuSegundos(pid_t pid) {
    std::ifstream f("/proc/" + std::to_string(pid) + "/stat");
    std::string todo((std::istreambuf_iterator<char>(f)), {});
    std::vector<std::string> campos;
    std::size_t p = todo.rfind(')') + 2;
    while (p < todo.size()) {
        const std::size_t q = todo.find(' ', p);
        campos.push_back(todo.substr(p, q - p));
        if (q == std::string::npos) break;
        p = q + 1;
    }
    return (std::stod(campos.at(11)) + std::stod(campos.at(12))) / static_cast<double>(::sysconf(_SC_CLK_TCK));
}

Medida medirArranque(const std::string& programa) {
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    const xcb_window_t raiz = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const std::uint32_t mascara = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, raiz, XCB_CW_EVENT_MASK, &mascara);
    xcb_flush(x);
    const auto t0 = Reloj::now();
    const pid_t pid = lanzar(programa);
    Medida m;
    while (xcb_generic_event_t* e = xcb_wait_for_event(x)) {
        const bool mapa = (e->response_type & ~0x80) == XCB_MAP_NOTIFY;
        std::free(e);
        if (mapa) {
            m.ms = std::chrono::duration<double, std::milli>(Reloj::now() - t0).count();
            m.cpuMs = cpuHastaAhora(pid);
            break;
        }
    }
    std::this_thread::sleep_until(t0 + std::chrono::seconds(1));
    m.rssKb = rss(pid);
    terminar(pid);
    xcb_disconnect(x);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    return m;
}

void resumen(const char* que, std::vector<double> v, const char* unidad) {
    std::sort(v.begin(), v.end());
    const double mediana = v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
    std::printf("  %-28s mediana %9.1f %s  (mín %.1f, máx %.1f)\n", que, mediana, unidad, v.front(), v.back());
}

double mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

} // namespace

int main(int argc, char** argv) {
    const std::string modo = argc > 1 ? argv[1] : "";
    if (modo == "arranque" && argc >= 5) {
        // Alternated runs of every program; the last one is the floor the others are divided by.
        const int vueltas = std::atoi(argv[2]);
        const int n = argc - 3;
        std::vector<std::vector<double>> t(n), c(n), m(n);
        for (int i = 0; i < vueltas; ++i)
            for (int cual = 0; cual < n; ++cual) {
                const Medida medida = medirArranque(argv[3 + cual]);
                t[cual].push_back(medida.ms);
                c[cual].push_back(medida.cpuMs);
                m[cual].push_back(static_cast<double>(medida.rssKb) / 1024.0);
            }
        for (int cual = 0; cual < n; ++cual) {
            std::printf("%s:\n", argv[3 + cual]);
            resumen("arranque hasta la ventana", t[cual], "ms");
            resumen("CPU hasta la ventana", c[cual], "ms");
            resumen("memoria residente a 1 s", m[cual], "MiB");
        }
        for (int cual = 0; cual + 1 < n; ++cual)
            std::printf("cociente de %s frente al suelo: arranque %.2f (CPU %.2f), memoria %.2f\n", argv[3 + cual],
                        mediana(t[cual]) / mediana(t[n - 1]), mediana(c[cual]) / mediana(c[n - 1]),
                        mediana(m[cual]) / mediana(m[n - 1]));
        return 0;
    }
    if (modo == "inactivo" && argc >= 4) {
        const double segundos = std::atof(argv[2]);
        const pid_t pid = lanzar(argv[3]);
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        const std::string estado = argc == 5 ? argv[4] : "";
        const char* ventana = "w=$(xdotool search --sync --onlyvisible --name '^Gemelario$' | head -1); xdotool windowfocus --sync $w ";
        // "Nuevo", then two cells by keyboard: a pair that is no pair (23 times in 24) is held.
        if (estado == "partida" || estado == "espera")
            std::system((ventana + std::string(estado == "partida" ? "key ctrl+n" : "key ctrl+n sleep 0.3 key space Right space")).c_str());
        if (estado == "acerca") {
            // Ayuda > Acerca de..., the last item of the menu, with the keyboard.
            std::system("w=$(xdotool search --sync --onlyvisible --name '^Gemelario$' | head -1); "
                        "xdotool windowfocus --sync $w key alt+a Up Return");
            std::this_thread::sleep_for(std::chrono::milliseconds(1000));
            if (std::system("xdotool search --onlyvisible --name '^Acerca de... Gemelario$' >/dev/null") != 0) {
                std::fprintf(stderr, "the About window did not open\n");
                terminar(pid);
                return 1;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(estado == "espera" ? 200 : 1000));
        const long d0 = despertares(pid);
        const double c0 = cpuSegundos(pid);
        const auto t0 = Reloj::now();
        std::this_thread::sleep_for(std::chrono::duration<double>(segundos));
        const double usado = cpuSegundos(pid) - c0;
        const long d = despertares(pid) - d0;
        const double real = std::chrono::duration<double>(Reloj::now() - t0).count();
        terminar(pid);
        std::printf("  CPU %.3f s en %.1f s: %.2f %% de un núcleo; %ld despertares, %.1f por segundo\n", usado, real,
                    100 * usado / real, d, d / real);
        return 0;
    }
    std::fprintf(stderr, "uso: arranque arranque VUELTAS PROGRAMA... SUELO | arranque inactivo SEGUNDOS PROGRAMA [acerca|partida|espera]\n");
    return 2;
}
