// The rules of the game, as the rules window shows them.
#include "TextoNormas.h"

#include <array>

namespace gemelario {

const std::string& TextoNormas() {
    static const std::string texto = [] {
        static constexpr std::array<const char*, 23> lineas = {
            "El juego consta de 24 casillas en las que hay",
            "12 dibujos distintos ocultos y repetidos una vez. ",
            "Selecciona el menú 'Opciones/Imagen clave' y ",
            "elige una imagen; si no seleccionas ninguna, la ",
            "imagen clave será 'Cataplás', y si pulsas en ",
            "'Clave desconocida', no sabrás cuál es la imagen ",
            "clave hasta que la aciertes. A continuación ",
            "selecciona el menú 'Juego/Nuevo' y comienza a ",
            "pulsar en las casillas. Cuando consigas dos ",
            "dibujos iguales, éstos quedarán visibles. Una vez ",
            "que hayas emparejado todos los dibujos, ",
            "terminará el juego y se te mostrará el tiempo ",
            "empleado. Si consigues uno de los diez mejores ",
            "tiempos, te saldrá una ventana en la que podrás ",
            "introducir tu nombre y la fecha, figurando ",
            "después en la 'Tabla de puntuaciones' del menú ",
            "'Juego', pudiendo imprimir dicha tabla si lo ",
            "deseas. Nota importante: debes emparejar las ",
            "imágenes clave antes de que queden cuatro ",
            "casillas por descubrir; si no, no podrás acabar la ",
            "partida. ¡Que te diviertas! Cuando todos los ",
            "integrantes de la tabla de puntuaciones hayan ",
            "logrado un tiempo inferior al minuto, aparecerá el botón 'Restablecer'. Si pulsas dicho botón, se "
            "restablecerá la tabla con los tiempos originales del programa y el botón desaparecerá."};
        std::string t;
        for (const char* linea : lineas) (t += linea) += "\r\n";
        return t;
    }();
    return texto;
}

} // namespace gemelario
