// Build tool: writes the fourteen pictures as 24-bit BMP files, the icons, the link picture, and the
// built-in drawings the game carries (each at every scale it may be shown at).
#include "ArteSvg.h"
#include "NombresDibujos.h"

#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

using gemelario::ventanas::DibujoSvg;
namespace fs = std::filesystem;

constexpr QSize kCelda(106, 114);

QImage dibujo(const std::string& nombre, qreal escala = 1) {
    return DibujoSvg(QString::fromStdString(":/arte/" + gemelario::ventanas::NombreDelDibujo(nombre) + ".svg"), kCelda, Qt::white, escala);
}

bool guardar(const QImage& imagen, const fs::path& ruta, const char* formato = nullptr) {
    if (!imagen.isNull() && imagen.save(QString::fromStdString(ruta.string()), formato)) return true;
    std::fprintf(stderr, "no se pudo escribir %s\n", ruta.c_str());
    return false;
}

// Renders an SVG drawing into a progressive JPEG of the drawing's own size.
int escribirJpeg(const char* svg, const char* jpeg) {
    const QImage imagen = DibujoSvg(QString::fromLocal8Bit(svg), {}, Qt::white);
    if (imagen.isNull()) return 1;
    QImageWriter escritor(QString::fromLocal8Bit(jpeg), "jpeg");
    escritor.setQuality(90);
    escritor.setProgressiveScanWrite(true);
    return escritor.write(imagen) ? 0 : 1;
}

// Writes the icons of both programs, drawn at every size of the hicolor theme.
int escribirIconos(const fs::path& destino) {
    const std::pair<const char*, const char*> iconos[] = {{":/arte/icono.svg", "example.corvantiso.Gemelario"},
                                                          {":/arte/icono-web.svg", "example.corvantiso.WebCorvantiso"}};
    for (int lado : {16, 32, 48, 64, 128, 256}) {
        const fs::path dir = destino / "hicolor" / (std::to_string(lado) + "x" + std::to_string(lado)) / "apps";
        fs::create_directories(dir);
        for (const auto& [recurso, nombre] : iconos)
            if (!guardar(DibujoSvg(recurso, {lado, lado}), dir / (std::string(nombre) + ".png"))) return 1;
    }
    return 0;
}

// What the game carries inside: each drawing at every scale ("reverso@1.5.png"), the window icon at
// the sizes it gives the window system ("icono-32.png"), the hand pointer, and the link picture at
// the scales above 1 ("enlace@2.png"; at 1 the stored JPEG is shown).
int escribirIncorporados(const fs::path& destino) {
    fs::create_directories(destino);
    const auto sufijo = [](double escala) { return "@" + QString::number(escala).toStdString() + ".png"; };
    for (double escala : gemelario::ventanas::kEscalasDibujos) {
        for (const std::string& nombre : gemelario::ventanas::NombresDibujos())
            if (!guardar(dibujo(nombre, escala), destino / (gemelario::ventanas::NombreDelDibujo(nombre) + sufijo(escala)))) return 1;
        if (escala > 1 && !guardar(DibujoSvg(":/arte/enlace.svg", {213, 90}, Qt::white, escala), destino / ("enlace" + sufijo(escala))))
            return 1;
    }
    for (int lado : gemelario::ventanas::kLadosIcono)
        if (!guardar(DibujoSvg(":/arte/icono.svg", {lado, lado}), destino / ("icono-" + std::to_string(lado) + ".png"))) return 1;
    return guardar(DibujoSvg(":/arte/mano.svg", {32, 32}), destino / "mano.png") ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplicacion(argc, argv);
    if (argc == 4 && std::string(argv[1]) == "--jpeg") return escribirJpeg(argv[2], argv[3]);
    if (argc == 3 && std::string(argv[1]) == "--iconos") return escribirIconos(argv[2]);
    if (argc == 3 && std::string(argv[1]) == "--incorporados") return escribirIncorporados(argv[2]);
    if (argc != 2 || argv[1][0] == '-') {
        std::fprintf(stderr, "uso: gemelario_arte DIRECTORIO | --jpeg DIBUJO.svg SALIDA.jpg | --iconos DIRECTORIO | --incorporados DIRECTORIO\n");
        return 2;
    }
    const fs::path destino = argv[1];
    fs::create_directories(destino);
    for (const std::string& nombre : gemelario::ventanas::NombresDibujos())
        if (!guardar(dibujo(nombre).convertToFormat(QImage::Format_RGB888), destino / nombre, "BMP")) return 1;
    return 0;
}
