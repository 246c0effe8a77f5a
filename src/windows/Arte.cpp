// The pictures: loaded by bare name from the game's directory, or the built-in copy of the same drawing.
#include "Arte.h"

#include "ArchivoAtomico.h"
#include "frmGemelario.h"

#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <algorithm>
#include <map>

namespace gemelario::ventanas {
namespace {

// Far above any picture of the board's size; a larger file is not a picture of the game's.
constexpr std::size_t kMaximoBytesDibujo = 64 * 1024 * 1024;

// The drawings' sources carry ASCII names ("portería.bmp" is drawn in porteria.svg).
QString recursoDe(const std::string& nombre) {
    const auto& nombres = NombresDibujos();
    if (std::find(nombres.begin(), nombres.end(), nombre) == nombres.end()) return {};
    QString base = QString::fromStdString(nombre).chopped(4).normalized(QString::NormalizationForm_D);
    base.remove(QRegularExpression(QStringLiteral("[^a-z]")));
    return ":/arte/" + base + ".svg";
}

// An SVG drawing at a size in logical pixels, rendered with as many device pixels as the screen has.
QImage renderizar(const QString& recurso, QSize tamano, qreal escala, QImage::Format formato, QColor fondo) {
    QSvgRenderer svg(recurso);
    if (!svg.isValid()) return {};
    if (tamano.isEmpty()) tamano = svg.defaultSize();
    QImage imagen((QSizeF(tamano) * escala).toSize(), formato);
    imagen.fill(fondo);
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    svg.render(&p);
    p.end();
    imagen.setDevicePixelRatio(escala);
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

QImage DibujoIncorporado(const std::string& nombre, qreal escala) {
    static std::map<std::pair<std::string, qreal>, QImage> cache;
    const auto clave = std::pair{nombre, escala};
    const auto it = cache.find(clave);
    if (it != cache.end()) return it->second;
    const QString recurso = recursoDe(nombre);
    QImage imagen = recurso.isEmpty() ? QImage()
                                      : renderizar(recurso, {kAnchoDibujo, kAltoDibujo}, escala, QImage::Format_RGB32, Qt::white);
    cache[clave] = imagen;
    return imagen;
}

QImage DibujoSvg(const QString& recurso, QSize tamano, QColor fondo) {
    return renderizar(recurso, tamano, 1, QImage::Format_ARGB32_Premultiplied, fondo);
}

QImage ImagenDeRecurso(const QString& recurso, qreal escala) {
    QImage imagen(recurso);
    QString dibujo = recurso;
    dibujo.replace(QRegularExpression(QStringLiteral("\\.[a-z]+$")), QStringLiteral(".svg"));
    if (escala <= 1 || imagen.isNull() || dibujo == recurso || !QFile::exists(dibujo)) return imagen;
    return renderizar(dibujo, imagen.size(), escala, QImage::Format_RGB32, Qt::white);
}

QIcon IconoGemelario() {
    // Every size a dock, a task switcher or a HiDPI title bar asks for, drawn once.
    static const QIcon icono = [] {
        QIcon i;
        for (int lado : {16, 24, 32, 48, 64, 128, 256})
            i.addPixmap(QPixmap::fromImage(DibujoSvg(QStringLiteral(":/arte/icono.svg"), {lado, lado})));
        return i;
    }();
    return icono;
}

QCursor CursorMano() { return QCursor(QPixmap::fromImage(DibujoSvg(QStringLiteral(":/arte/mano.svg"), {32, 32})), 12, 1); }

CargadorImagenes::CargadorImagenes(std::filesystem::path directorio) : directorio_(std::move(directorio)) {}

QImage CargadorImagenes::cargar(const std::string& nombre, qreal escala) const {
    // Read the way the game's other files are: a named pipe or a device in a picture's place is
    // never waited on, and the built-in drawing is shown instead.
    const ContenidoArchivo c = LeerArchivo(directorio_ / nombre, kMaximoBytesDibujo);
    if (c.estado == Lectura::Leido && c.tamano <= kMaximoBytesDibujo) {
        const QImage imagen = QImage::fromData(QByteArray::fromRawData(c.bytes.data(), static_cast<qsizetype>(c.bytes.size())));
        if (!imagen.isNull()) return imagen.copy();
    }
    return DibujoIncorporado(nombre, escala);
}

} // namespace gemelario::ventanas
