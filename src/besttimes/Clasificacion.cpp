// Placing a new time in the table: its rank and the insertion that moves the lower records down.
#include "Clasificacion.h"

#include "Tiempo.h"

namespace gemelario {

int BuscarPosicion(ArchivoPuntuaciones& archivo, Puntuacion& registro, std::string_view total) {
    for (int n = 1; n <= kRegistros; ++n) {
        archivo.LeerPuntuacion(n);
        if (Supera(total, registro.tiempo)) return n;
    }
    return 0;
}

void InsertarPuntuacion(ArchivoPuntuaciones& archivo, Puntuacion& registro, int posicion, const Puntuacion& nuevo) {
    if (posicion < 1 || posicion > kRegistros) return;
    for (int j = kRegistros; j >= posicion + 1; --j) {
        archivo.LeerPuntuacion(j - 1);
        archivo.EscribirPuntuacion(j);
    }
    registro = nuevo;
    archivo.EscribirPuntuacion(posicion);
}

} // namespace gemelario
