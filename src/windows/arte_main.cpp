// Build tool: writes the fourteen pictures as 24-bit BMP files into a directory.
#include "Arte.h"

#include <QGuiApplication>

#include <cstdio>
#include <filesystem>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "uso: gemelario_arte DIRECTORIO\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplicacion(argc, argv);
    const std::filesystem::path destino = argv[1];
    std::filesystem::create_directories(destino);
    for (const std::string& nombre : gemelario::ventanas::NombresDibujos()) {
        const QImage imagen = gemelario::ventanas::DibujoIncorporado(nombre).convertToFormat(QImage::Format_RGB888);
        const auto ruta = QString::fromStdString((destino / nombre).string());
        if (imagen.isNull() || !imagen.save(ruta, "BMP")) {
            std::fprintf(stderr, "no se pudo escribir %s\n", ruta.toLocal8Bit().constData());
            return 1;
        }
    }
    return 0;
}
