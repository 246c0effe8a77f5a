// Start-up and idle cost of a program on the X server: from process start to its first window
// mapped (seen as a MapNotify on the root window), resident memory one second after start, and
// the CPU it uses while it waits.
//   arranque RUNS PROGRAM_A PROGRAM_B   alternated runs of both, medians with min and max
//   inactivo SECONDS PROGRAM [acerca]    CPU share over SECONDS, optionally with the About window open
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
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
    if (modo == "arranque" && argc == 5) {
        const int vueltas = std::atoi(argv[2]);
        std::vector<double> ta, tb, ma, mb;
        for (int i = 0; i < vueltas; ++i)
            for (int cual = 0; cual < 2; ++cual) {
                const Medida m = medirArranque(argv[3 + cual]);
                (cual ? tb : ta).push_back(m.ms);
                (cual ? mb : ma).push_back(static_cast<double>(m.rssKb) / 1024.0);
            }
        std::printf("%s:\n", argv[3]);
        resumen("arranque hasta la ventana", ta, "ms");
        resumen("memoria residente a 1 s", ma, "MiB");
        std::printf("%s:\n", argv[4]);
        resumen("arranque hasta la ventana", tb, "ms");
        resumen("memoria residente a 1 s", mb, "MiB");
        std::printf("cociente: arranque %.2f, memoria %.2f\n", mediana(ta) / mediana(tb), mediana(ma) / mediana(mb));
        return 0;
    }
    if (modo == "inactivo" && argc >= 4) {
        const double segundos = std::atof(argv[2]);
        const pid_t pid = lanzar(argv[3]);
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        if (argc == 5 && std::string(argv[4]) == "acerca") {
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
        const double c0 = cpuSegundos(pid);
        const auto t0 = Reloj::now();
        std::this_thread::sleep_for(std::chrono::duration<double>(segundos));
        const double usado = cpuSegundos(pid) - c0;
        const double real = std::chrono::duration<double>(Reloj::now() - t0).count();
        terminar(pid);
        std::printf("  CPU %.3f s en %.1f s: %.2f %% de un núcleo\n", usado, real, 100 * usado / real);
        return 0;
    }
    std::fprintf(stderr, "uso: arranque arranque VUELTAS PROGRAMA_A PROGRAMA_B | arranque inactivo SEGUNDOS PROGRAMA [acerca]\n");
    return 2;
}
