// webcorvantiso: asks the desktop to open the maker's web site in the user's browser and ends at
// once, without a window of its own and without leaving a process behind. Arguments are ignored.
// When the site cannot be opened it says so where the user looks (the desktop's own message box,
// besides one line on stderr) and ends with a non-zero status.
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#ifdef GEMELARIO_COBERTURA
extern "C" void __gcov_dump();  // both in GCC's and LLVM's coverage runtimes
extern "C" void __gcov_reset();
#endif

namespace {

// A forked child ends with exec or _exit, and neither writes what a coverage build counted: such a
// build writes it here first (and counts afresh, for an exec that fails). Nothing in other builds.
void escribirCuentas() {
#ifdef GEMELARIO_COBERTURA
    __gcov_dump(), __gcov_reset();
#endif
}

[[noreturn]] void acabarHijo(int estado) { escribirCuentas(), ::_exit(estado); }

constexpr const char* kDireccionWeb = "https://www.corvantiso.example/";

// The first executable file of that name in a directory of PATH; empty when there is none.
std::string buscarEnPath(std::string_view programa) {
    const char* path = std::getenv("PATH");
    std::string_view resto = path ? path : "/usr/local/bin:/usr/bin:/bin";
    while (true) {
        const auto dos = resto.find(':');
        std::string dir(resto.substr(0, dos));
        if (dir.empty()) dir = ".";
        const std::string ruta = dir + "/" + std::string(programa);
        struct stat st {};
        if (::stat(ruta.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(ruta.c_str(), X_OK) == 0) return ruta;
        if (dos == std::string_view::npos) return {};
        resto.remove_prefix(dos + 1);
    }
}

// Shows `texto` in the desktop's own message box, through the first dialog tool there is that starts
// (GNOME's, KDE's, X's); nothing when there is no display or no such tool. Returns when the box is closed.
void avisar(const std::string& texto) {
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) return;
    const std::vector<std::vector<std::string>> herramientas = {
        {"zenity", "--error", "--title=WebCorvantiso", "--no-wrap", "--text=" + texto},
        {"kdialog", "--title", "WebCorvantiso", "--error", texto},
        {"xmessage", "-center", "-title", "WebCorvantiso", "-buttons", "Aceptar:0", "-default", "Aceptar", texto}};
    for (const auto& orden : herramientas) {
        const std::string ruta = buscarEnPath(orden[0]);
        if (ruta.empty()) continue;
        const pid_t pid = ::fork();
        if (pid == 0) {
            std::vector<char*> argumentos;
            for (const std::string& a : orden) argumentos.push_back(const_cast<char*>(a.c_str()));
            argumentos.push_back(nullptr);
            escribirCuentas();
            ::execv(ruta.c_str(), argumentos.data());
            acabarHijo(127);
        }
        int estado = 0;
        while (pid > 0 && ::waitpid(pid, &estado, 0) < 0 && errno == EINTR) {
        }
        // A tool that is there but cannot start (its exec failed) gives way to the next one.
        if (pid > 0 && WIFEXITED(estado) && WEXITSTATUS(estado) == 127) continue;
        return;
    }
}

constexpr const char* kNoIniciado = "no se ha podido iniciar xdg-open.";

int fallar(const std::string& motivo) {
    const std::string texto = std::string("No se ha podido abrir la web de Corvantiso (") + kDireccionWeb + "): " + motivo;
    std::fprintf(stderr, "webcorvantiso: %s\n", texto.c_str());
    avisar(texto);
    return 1;
}

// How long the opener has to fail: one that finds no browser ends at once; one still running by
// then has started a browser (which may keep it waiting for as long as the browser runs).
constexpr int kPlazoMs = 1000;

// In the child: starts the opener in a grandchild and tells, by the exit status, what became of it:
// 0 started (or still running at the deadline), 100 + its status when it failed, 99 not started.
[[noreturn]] void vigilarAbridor(const std::string& abridor) {
    ::setsid();
    const pid_t nieto = ::fork();
    if (nieto == 0) {
        escribirCuentas();
        ::execl(abridor.c_str(), "xdg-open", kDireccionWeb, static_cast<char*>(nullptr));
        acabarHijo(127);
    }
    if (nieto < 0) acabarHijo(99);
    for (int ms = 0; ms < kPlazoMs; ms += 20) {
        int estado = 0;
        const pid_t r = ::waitpid(nieto, &estado, WNOHANG);
        if (r == nieto) {
            if (WIFEXITED(estado) && WEXITSTATUS(estado) == 0) acabarHijo(0);
            acabarHijo(100 + (WIFEXITED(estado) ? std::min(WEXITSTATUS(estado), 127) : 127));
        }
        if (r < 0) acabarHijo(0);  // reaped by itself (SIGCHLD ignored): nothing more can be known
        ::usleep(20 * 1000);
    }
    acabarHijo(0);  // still running: init adopts it when this child ends
}

} // namespace

int main() {
    // A SIGCHLD ignored by whoever started us (it survives exec) would reap the child by itself and
    // leave waitpid nothing to wait for; the default disposition is also what the opener expects.
    ::signal(SIGCHLD, SIG_DFL);
    const std::string abridor = buscarEnPath("xdg-open");
    if (abridor.empty()) return fallar("falta xdg-open; instala el paquete xdg-utils.");
    const pid_t hijo = ::fork();
    if (hijo < 0) return fallar(kNoIniciado);
    if (hijo == 0) vigilarAbridor(abridor);
    int estado = 0;
    while (::waitpid(hijo, &estado, 0) < 0) {
        if (errno != EINTR) return 0;  // already reaped: the opener was started
    }
    const int codigo = WIFEXITED(estado) ? WEXITSTATUS(estado) : 99;
    if (codigo == 0) return 0;
    if (codigo == 99) return fallar(kNoIniciado);
    return fallar("el escritorio no ha encontrado con qué abrirla (xdg-open ha terminado con el estado " +
                  std::to_string(codigo - 100) + ").");
}
