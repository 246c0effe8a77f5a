// The pictures: loaded by bare name from the game's directory, or the built-in copy of the same drawing.
#include "Arte.h"

#include "frmGemelario.h"

#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <algorithm>
#include <map>

namespace gemelario::ventanas {
namespace {

// The drawings' sources carry ASCII names ("portería.bmp" is drawn in porteria.svg).
QString recursoDe(const std::string& nombre) {
    const auto& nombres = NombresDibujos();
    if (std::find(nombres.begin(), nombres.end(), nombre) == nombres.end()) return {};
    QString base = QString::fromStdString(nombre).chopped(4).normalized(QString::NormalizationForm_D);
    base.remove(QRegularExpression(QStringLiteral("[^a-z]")));
    return ":/arte/" + base + ".svg";
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
    static const std::vector<std::string> nombres = [] {
        std::vector<std::string> n(TablaImagenes().begin() + 1, TablaImagenes().end());
        n.push_back(kReverso);
        n.push_back(kReverClave);
        return n;
    }();
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
    QSvgRenderer svg(QStringLiteral(":/arte/icono.svg"));
    for (int lado : {16, 32, 48}) {
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

QCursor CursorMano() {
    QImage imagen(32, 32, QImage::Format_ARGB32_Premultiplied);
    imagen.fill(Qt::transparent);
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer(QStringLiteral(":/arte/mano.svg")).render(&p);
    p.end();
    return QCursor(QPixmap::fromImage(imagen), 12, 1);
}

CargadorImagenes::CargadorImagenes(std::filesystem::path directorio) : directorio_(std::move(directorio)) {}

QImage CargadorImagenes::cargar(const std::string& nombre) const {
    const std::filesystem::path ruta = directorio_ / nombre;
    QImage imagen(QString::fromStdString(ruta.string()));
    if (!imagen.isNull()) return imagen;
    return DibujoIncorporado(nombre);
}

} // namespace gemelario::ventanas
