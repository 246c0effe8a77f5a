// In-process timings: a click delivered to a face-down cell until its picture has been painted,
// and deals per second with the real generator and clock.
#include "Arte.h"
#include "AzarMezclado.h"
#include "RelojSistema.h"
#include "VentanaPrincipal.h"
#include "frmGemelario.h"

#include <QApplication>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace gemelario;

namespace {

class EsperaNula : public Espera {
public:
    void esperar(std::int32_t) override {}
};
class PitidoNulo : public Pitido {
public:
    void pitar() override {}
};
class VentanaNula : public VentanaGemelario {
public:
    void ponerImagen(int, const std::string&) override {}
    void mostrarTxtClave(int, bool) override {}
    void ponerLblClave(const std::string&) override {}
    void ponerLblTiempo(const std::string&) override {}
    std::string lblTiempo() const override { return {}; }
    void habilitarMenu(Menu, bool) override {}
    void ponerKeyPreview(bool) override {}
    void ponerRelojEnMarcha(bool) override {}
    void maximizar() override {}
    void mensaje(const std::string&, const std::string&) override {}
    void anunciar(const std::string&) override {}
    void abrirModal(Modal) override {}
    void terminar() override {}
};

} // namespace

int main(int argc, char** argv) {
    QApplication aplicacion(argc, argv);
    char plantilla[] = "/tmp/gemelario-bench-XXXXXX";
    const std::filesystem::path dir = ::mkdtemp(plantilla);
    RelojSistema reloj;
    AzarMezclado azar;
    EsperaNula espera;
    PitidoNulo pitido;
    frmClave clave;
    Module1 module1;
    ventanas::CargadorImagenes imagenes(dir);
    ventanas::VentanaPrincipal ventana(imagenes, [] {});
    frmGemelario juego(ventana, PlataformaTablero{reloj, azar, espera, pitido}, clave, module1, dir);
    ventana.conectar(juego);
    juego.Form_Load();
    ventana.mostrarCentrada();
    if (!QTest::qWaitForWindowExposed(&ventana)) return 1;
    juego.mnuNuevo_Click();

    // Clicks on face-down cells only: each turn is a non-pair, turned back at once (no wait here).
    std::vector<double> muestras;
    auto punto = [&](int i) { return ventana.picDibujo(i)->mapTo(&ventana, QPoint(53, 57)); };
    for (int n = 0; muestras.size() < 2000; ++n) {
        const int a = 1 + n % 24;
        int b = 1 + (n + 7) % 24;
        while (juego.imagenCasilla[b] == juego.imagenCasilla[a] || b == a) b = 1 + b % 24;
        const auto t0 = std::chrono::steady_clock::now();
        QTest::mouseClick(ventana.windowHandle(), Qt::LeftButton, {}, punto(a));
        muestras.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
        QTest::mouseClick(ventana.windowHandle(), Qt::LeftButton, {}, punto(b));
    }
    std::sort(muestras.begin(), muestras.end());
    std::printf("  un clic hasta su dibujo pintado, %zu clics: mediana %.3f ms, percentil 99 %.3f ms, máx %.3f ms\n",
                muestras.size(), muestras[muestras.size() / 2], muestras[muestras.size() * 99 / 100], muestras.back());

    VentanaNula nula;
    frmGemelario solo(nula, PlataformaTablero{reloj, azar, espera, pitido}, clave, module1, dir);
    solo.Form_Load();
    int repartos = 0;
    const auto t0 = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() - t0 < std::chrono::seconds(2)) {
        solo.mnuNuevo_Click();
        ++repartos;
    }
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::printf("  repartos (\"Nuevo\" entero: leer la tabla, reiniciar, repartir): %.0f por segundo\n", repartos / s);
    std::filesystem::remove_all(dir);
    return 0;
}
