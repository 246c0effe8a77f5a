// Build tool: writes the fourteen pictures as 24-bit BMP files, the icons, and the link picture.
#include "Arte.h"

#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

// Renders an SVG drawing into a progressive JPEG of the drawing's own size.
int escribirJpeg(const char* svg, const char* jpeg) {
    const QImage imagen = gemelario::ventanas::DibujoSvg(QString::fromLocal8Bit(svg), {}, Qt::white);
    if (imagen.isNull()) return 1;
    QImageWriter escritor(QString::fromLocal8Bit(jpeg), "jpeg");
    escritor.setQuality(90);
    escritor.setProgressiveScanWrite(true);
    return escritor.write(imagen) ? 0 : 1;
}

// Writes the icons of both programs, drawn at every size of the hicolor theme.
int escribirIconos(const std::filesystem::path& destino) {
    const std::pair<const char*, const char*> iconos[] = {{":/arte/icono.svg", "example.corvantiso.Gemelario"},
                                                          {":/arte/icono-web.svg", "example.corvantiso.WebCorvantiso"}};
    for (int lado : {16, 32, 48, 64, 128, 256}) {
        const std::filesystem::path dir = destino / "hicolor" / (std::to_string(lado) + "x" + std::to_string(lado)) / "apps";
        std::filesystem::create_directories(dir);
        for (const auto& [recurso, nombre] : iconos)
            if (!gemelario::ventanas::DibujoSvg(recurso, {lado, lado}).save(QString::fromStdString((dir / nombre).string() + ".png")))
                return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplicacion(argc, argv);
    if (argc == 4 && std::string(argv[1]) == "--jpeg") return escribirJpeg(argv[2], argv[3]);
    if (argc == 3 && std::string(argv[1]) == "--iconos") return escribirIconos(argv[2]);
    if (argc != 2 || argv[1][0] == '-') {
        std::fprintf(stderr, "uso: gemelario_arte DIRECTORIO | --jpeg DIBUJO.svg SALIDA.jpg | --iconos DIRECTORIO\n");
        return 2;
    }
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
