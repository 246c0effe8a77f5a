// Fuzz target: any bytes as the best-times file, then shown as the table, a rank found, a record
// inserted and the file written back. Every result must be sane.
#include "ArchivoPuntuaciones.h"
#include "Falsos.h"
#include "Clasificacion.h"
#include "Tiempo.h"
#include "frmPuntuaciones.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>
#include <unistd.h>

using namespace gemelario;
namespace fs = std::filesystem;

namespace {

void exigir(bool condicion) {
    if (!condicion) std::abort();
}

// The seconds of each of the ten records; -1 for a text that is not a time.
std::vector<int> tiempos(const std::string& bytes) {
    std::vector<int> t;
    for (int n = 0; n < 10; ++n) {
        const auto s = LeerHora(ArchivoPuntuaciones::RegistroDesdeBytes(std::string_view(bytes).substr(n * 66, 66)).tiempo);
        t.push_back(s ? *s : -1);
    }
    return t;
}

bool ordenados(const std::vector<int>& t) {
    for (std::size_t i = 0; i < t.size(); ++i)
        if (t[i] < 0 || (i > 0 && t[i] < t[i - 1])) return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
    static const fs::path dir = [] {
        std::string plantilla = (fs::temp_directory_path() / "gemelario-fuzz-XXXXXX").string();
        return fs::path(::mkdtemp(plantilla.data()));
    }();
    for (const auto& e : fs::directory_iterator(dir)) fs::remove(e.path());
    const std::string entrada(reinterpret_cast<const char*>(datos), n);
    std::ofstream(dir / kArchivoPuntuaciones, std::ios::binary) << entrada;

    prueba::Registro registro;
    prueba::DialogoFalso dialogo(registro);
    prueba::VentanaFalsa principal(registro);
    Module1 module1;
    frmPuntuaciones(dialogo, principal, module1, dir).Form_Load();

    const std::string total = FormatoHora(n ? datos[0] * 7 + datos[n - 1] : 0);
    bool escrito = true;
    {
        ArchivoPuntuaciones archivo(dir, module1.registro);
        const int rango = BuscarPosicion(archivo, module1.registro, total);
        exigir(rango >= 0 && rango <= 10);
        if (rango) InsertarPuntuacion(archivo, module1.registro, rango, {TextoTiempo(total), total, entrada.substr(0, 40), "1-1-2000"});
        escrito = archivo.Cerrar();
    }
    std::ifstream f(dir / kArchivoPuntuaciones, std::ios::binary);
    const std::string salida{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    exigir(escrito);
    exigir(salida.size() >= 660);  // ten records, always
    if (n >= 660) {
        exigir(salida.size() == n);
        exigir(salida.compare(660, std::string::npos, entrada, 660) == 0);  // the tail is kept
        if (ordenados(tiempos(entrada))) exigir(ordenados(tiempos(salida)));
    } else {
        exigir(ordenados(tiempos(salida)));  // the factory table, with the record in its place
    }
    return 0;
}
