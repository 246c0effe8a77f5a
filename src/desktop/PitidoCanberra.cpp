// The beep as the desktop's own "bell" event sound (freedesktop sound theme, through libcanberra),
// played without ever holding up the game.
#include "PitidoCanberra.h"

#include <canberra.h>
#include <dlfcn.h>

#include <cstdio>
#include <memory>
#include <string>

namespace gemelario::ventanas {
namespace {

// The desktop's setting for event sounds and its sound theme (GNOME's keys; defaults elsewhere).
struct Ajustes {
    bool activos = true;
    std::string tema = "freedesktop";
};

std::string leerComando(const char* comando) {
    std::string salida;
    if (FILE* f = ::popen(comando, "r")) {
        char bufer[256];
        while (std::fgets(bufer, sizeof bufer, f)) salida += bufer;
        ::pclose(f);
    }
    while (!salida.empty() && (salida.back() == '\n' || salida.back() == ' ')) salida.pop_back();
    return salida;
}

Ajustes leerAjustes() {
    Ajustes a;
    if (leerComando("gsettings get org.gnome.desktop.sound event-sounds 2>/dev/null") == "false") a.activos = false;
    std::string tema = leerComando("gsettings get org.gnome.desktop.sound theme-name 2>/dev/null");
    if (tema.size() > 2 && tema.front() == '\'' && tema.back() == '\'') a.tema = tema.substr(1, tema.size() - 2);
    return a;
}

// libcanberra, opened by the first beep rather than loaded with the program: the sound system costs
// nothing at start-up, and a machine without it is simply silent.
struct Canberra {
    decltype(&ca_context_create) crear = nullptr;
    decltype(&ca_context_change_props) propiedades = nullptr;
    decltype(&ca_context_open) abrir = nullptr;
    decltype(&ca_context_play) tocar = nullptr;
    decltype(&ca_context_destroy) destruir = nullptr;

    bool cargar() {
        void* biblioteca = ::dlopen("libcanberra.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!biblioteca) return false;
        crear = reinterpret_cast<decltype(crear)>(::dlsym(biblioteca, "ca_context_create"));
        propiedades = reinterpret_cast<decltype(propiedades)>(::dlsym(biblioteca, "ca_context_change_props"));
        abrir = reinterpret_cast<decltype(abrir)>(::dlsym(biblioteca, "ca_context_open"));
        tocar = reinterpret_cast<decltype(tocar)>(::dlsym(biblioteca, "ca_context_play"));
        destruir = reinterpret_cast<decltype(destruir)>(::dlsym(biblioteca, "ca_context_destroy"));
        return crear && propiedades && abrir && tocar && destruir;
    }
};

} // namespace

PitidoCanberra::~PitidoCanberra() {
    {
        std::lock_guard<std::mutex> l(mutex_);
        fin_ = true;
    }
    aviso_.notify_one();
    if (hilo_.joinable()) hilo_.join();
}

void PitidoCanberra::pitar() {
    {
        std::lock_guard<std::mutex> l(mutex_);
        // Nothing of the sound system is touched at start-up: the worker begins with the first beep.
        if (!hilo_.joinable()) hilo_ = std::thread([this] { trabajar(); });
        ++pendientes_;
    }
    aviso_.notify_one();
}

void PitidoCanberra::trabajar() {
    const Ajustes ajustes = leerAjustes();
    Canberra ca;
    ca_context* bruto = nullptr;
    if (ajustes.activos && ca.cargar() && ca.crear(&bruto) == CA_SUCCESS) {
        ca.propiedades(bruto, CA_PROP_APPLICATION_NAME, "Gemelario", CA_PROP_APPLICATION_ID, "example.corvantiso.Gemelario",
                       CA_PROP_CANBERRA_XDG_THEME_NAME, ajustes.tema.c_str(), nullptr);
        if (ca.abrir(bruto) != CA_SUCCESS) {
            ca.destruir(bruto);
            bruto = nullptr;
        }
    }
    std::unique_ptr<ca_context, int (*)(ca_context*)> contexto(bruto, bruto ? ca.destruir : nullptr);
    std::unique_lock<std::mutex> l(mutex_);
    while (true) {
        aviso_.wait(l, [this] { return fin_ || pendientes_ > 0; });
        if (fin_) return;
        pendientes_ = 0;
        l.unlock();
        // Played asynchronously by libcanberra; a failure (no server, no sound) is simply silence.
        if (contexto)
            ca.tocar(contexto.get(), 0, CA_PROP_EVENT_ID, "bell-window-system", CA_PROP_EVENT_DESCRIPTION, "Pareja encontrada",
                     nullptr);
        l.lock();
    }
}

} // namespace gemelario::ventanas
