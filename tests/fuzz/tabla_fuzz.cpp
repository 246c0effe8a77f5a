// Fuzz target: any bytes as the best-times file, shown as the table and given a record. Nothing may
// crash, the file keeps ten records, and bytes after them stay as they were.
#include "ArchivoPuntuaciones.h"
#include "Clasificacion.h"
#include "DirectorioTemporal.h"
#include "Falsos.h"
#include "Tiempo.h"
#include "frmPuntuaciones.h"

#include <cstdint>
#include <cstdlib>

using namespace gemelario;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
    static const prueba::DirectorioTemporal dir;
    for (const auto& e : std::filesystem::directory_iterator(dir.ruta)) std::filesystem::remove(e.path());
    const std::string entrada(reinterpret_cast<const char*>(datos), n);
    dir.escribir(kArchivoPuntuaciones, entrada);
    prueba::Registro registro;
    prueba::DialogoFalso dialogo(registro);
    prueba::VentanaFalsa principal(registro);
    Module1 module1;
    frmPuntuaciones(dialogo, principal, module1, dir.ruta).Form_Load();
    {
        ArchivoPuntuaciones archivo(dir.ruta, module1.registro);
        const std::string total = FormatoHora(n ? datos[0] * 7 + datos[n - 1] : 0);
        if (const int rango = BuscarPosicion(archivo, module1.registro, total))
            InsertarPuntuacion(archivo, module1.registro, rango, {TextoTiempo(total), total, entrada.substr(0, 40), "1-1-2000"});
        if (!archivo.Cerrar()) std::abort();
    }
    const std::string salida = dir.leer(kArchivoPuntuaciones);
    if (salida.size() < 660 || (n > 660 && salida.compare(660, std::string::npos, entrada, 660) != 0)) std::abort();
    return 0;
}
