// webcorvantiso: asks the desktop to open the maker's web site in the user's browser and ends at
// once, without a window and without leaving a process of its own. Arguments are ignored.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

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

} // namespace

int main() {
    // A SIGCHLD ignored by whoever started us (it survives exec) would reap the child by itself and
    // leave waitpid nothing to wait for; the default disposition is also what the opener expects.
    ::signal(SIGCHLD, SIG_DFL);
    const std::string abridor = buscarEnPath("xdg-open");
    if (abridor.empty()) {
        std::fprintf(stderr, "webcorvantiso: no se puede abrir %s: falta xdg-open (instala xdg-utils).\n", kDireccionWeb);
        return 1;
    }
    // Two forks: the opener runs in a grandchild that init adopts, so this program ends now and
    // nothing of it stays behind, whatever the browser does.
    const pid_t hijo = ::fork();
    if (hijo < 0) {
        std::perror("webcorvantiso");
        return 1;
    }
    if (hijo == 0) {
        ::setsid();
        const pid_t nieto = ::fork();
        if (nieto == 0) {
            ::execl(abridor.c_str(), "xdg-open", kDireccionWeb, static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::_exit(nieto < 0 ? 1 : 0);
    }
    int estado = 0;
    while (::waitpid(hijo, &estado, 0) < 0) {
        if (errno != EINTR) return 0;  // already reaped: the opener was started
    }
    return WIFEXITED(estado) && WEXITSTATUS(estado) == 0 ? 0 : 1;
}
