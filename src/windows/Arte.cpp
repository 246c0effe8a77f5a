// The pictures: loaded by bare name from the game's directory, or the built-in copy of the same drawing.
#include "Arte.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

#include <map>

namespace gemelario::ventanas {
namespace {

// The drawings' sources carry ASCII names; the picture files keep the game's own names.
QString recursoDe(const std::string& nombre) {
    static const std::map<std::string, QString> recursos = {
        {"cataplás.bmp", "cataplas"}, {"seta.bmp", "seta"},         {"hamburgue.bmp", "hamburgue"},
        {"cajafuerte.bmp", "cajafuerte"}, {"castillo.bmp", "castillo"}, {"coche.bmp", "coche"},
        {"cohete.bmp", "cohete"},     {"exprimidora.bmp", "exprimidora"}, {"libreta.bmp", "libreta"},
        {"portería.bmp", "porteria"}, {"mochila.bmp", "mochila"},   {"tenis.bmp", "tenis"},
        {"reverso.bmp", "reverso"},   {"reverclave.bmp", "reverclave"}};
    const auto it = recursos.find(nombre);
    return it == recursos.end() ? QString() : ":/arte/" + it->second + ".svg";
}

QImage renderizar(const QString& recurso, int ancho, int alto) {
    QSvgRenderer svg(recurso);
    if (!svg.isValid()) return {};
    QImage imagen(ancho, alto, QImage::Format_RGB32);
    imagen.fill(Qt::white);
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    svg.render(&p);
    return imagen;
}

} // namespace

const std::vector<std::string>& NombresDibujos() {
    static const std::vector<std::string> nombres = {
        "cataplás.bmp", "seta.bmp",    "hamburgue.bmp", "cajafuerte.bmp", "castillo.bmp", "coche.bmp",  "cohete.bmp",
        "exprimidora.bmp", "libreta.bmp", "portería.bmp", "mochila.bmp",   "tenis.bmp",   "reverso.bmp", "reverclave.bmp"};
    return nombres;
}

QImage DibujoIncorporado(const std::string& nombre) {
    static std::map<std::string, QImage> cache;
    const auto it = cache.find(nombre);
    if (it != cache.end()) return it->second;
    const QString recurso = recursoDe(nombre);
    QImage imagen = recurso.isEmpty() ? QImage() : renderizar(recurso, kAnchoDibujo, kAltoDibujo);
    cache[nombre] = imagen;
    return imagen;
}

QIcon IconoGemelario() {
    QIcon icono;
    for (int lado : {16, 32, 48}) {
        QSvgRenderer svg(QStringLiteral(":/arte/icono.svg"));
        QImage imagen(lado, lado, QImage::Format_ARGB32_Premultiplied);
        imagen.fill(Qt::transparent);
        QPainter p(&imagen);
        p.setRenderHint(QPainter::Antialiasing);
        svg.render(&p);
        p.end();
        icono.addPixmap(QPixmap::fromImage(imagen));
    }
    return icono;
}

CargadorImagenes::CargadorImagenes(std::filesystem::path directorio) : directorio_(std::move(directorio)) {}

QImage CargadorImagenes::cargar(const std::string& nombre) const {
    const std::filesystem::path ruta = directorio_ / nombre;
    QImage imagen(QString::fromStdString(ruta.string()));
    if (!imagen.isNull()) return imagen;
    return DibujoIncorporado(nombre);
}

} // namespace gemelario::ventanas
