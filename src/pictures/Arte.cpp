// The pictures: loaded by bare name from the game's directory, or the built-in copy of the same drawing.
#include "Arte.h"

#include "ArchivoAtomico.h"
#include "frmGemelario.h"

#include <QFile>
#include <QPixmap>
#include <QResource>

#include <algorithm>
#include <map>

namespace gemelario::ventanas {
namespace {

// Far above any picture of the board's size; a larger file is not a picture of the game's.
constexpr std::size_t kMaximoBytesDibujo = 64 * 1024 * 1024;

// A picture made once for each name and scale, then remembered.
template <class Hacer>
QImage recordada(ImagenesPorEscala& hechas, const std::string& nombre, qreal escala, Hacer hacer) {
    const auto clave = std::pair{nombre, escala};
    const auto it = hechas.find(clave);
    return it != hechas.end() ? it->second : hechas[clave] = hacer();
}

QStringList& lugaresDensos() {
    static QStringList lugares;
    return lugares;
}

// The dense drawings' file, looked for and mapped by the first picture a dense screen asks for.
void registrarDensos() {
    static const bool registrado = [] {
        for (const QString& archivo : lugaresDensos())
            if (QFile::exists(archivo)) return QResource::registerResource(archivo);
        return false;
    }();
    (void)registrado;
}

// The built-in picture `base` rendered for `escala` when the game was built: the one of that scale,
// or the next larger scaled down to it (the largest, scaled up, above every scale rendered).
QImage incorporado(const std::string& base, QSize tamano, qreal escala) {
    if (escala > 1) registrarDensos();
    double elegida = kEscalasDibujos[std::size(kEscalasDibujos) - 1];
    for (double e : kEscalasDibujos)
        if (e >= escala - 1e-6) {
            elegida = e;
            break;
        }
    QImage imagen(QString::fromStdString(":/incorporados/" + base + "@" + QString::number(elegida).toStdString() + ".png"));
    if (imagen.isNull()) return imagen;
    const QSize pixeles = (QSizeF(tamano) * escala).toSize();
    if (imagen.size() != pixeles) imagen = imagen.scaled(pixeles, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    imagen = imagen.convertToFormat(QImage::Format_RGB32);
    imagen.setDevicePixelRatio(escala);
    return imagen;
}

} // namespace

void UbicarDibujosDensos(const QStringList& lugares) { lugaresDensos() = lugares; }

QImage DibujoIncorporado(const std::string& nombre, qreal escala) {
    static ImagenesPorEscala hechas;
    return recordada(hechas, nombre, escala, [&] {
        const std::string base = NombreDelDibujo(nombre);
        return base.empty() ? QImage() : incorporado(base, {kAnchoDibujo, kAltoDibujo}, escala);
    });
}

QImage ImagenDeRecurso(const QString& recurso, qreal escala) {
    const QImage imagen(recurso);
    if (escala <= 1 || imagen.isNull()) return imagen;
    const QString base = recurso.section('/', -1).section('.', 0, 0);
    const QImage denso = incorporado(base.toStdString(), imagen.size(), escala);
    return denso.isNull() ? imagen : denso;
}

QIcon IconoGemelario() {
    static const QIcon icono = [] {
        QIcon i;
        // From pixmaps, not files: a file would have Qt look through its icon engine plugins first.
        for (int lado : kLadosIcono) i.addPixmap(QPixmap(QStringLiteral(":/incorporados/icono-%1.png").arg(lado)));
        return i;
    }();
    return icono;
}

QCursor CursorMano() { return QCursor(QPixmap(QStringLiteral(":/incorporados/mano.png")), 12, 1); }

CargadorImagenes::CargadorImagenes(std::filesystem::path directorio) : directorio_(std::move(directorio)) {}

QImage CargadorImagenes::cargar(const std::string& nombre, qreal escala) const {
    return recordada(leidas_, nombre, escala, [&] { return leer(nombre, escala); });
}

QImage CargadorImagenes::leer(const std::string& nombre, qreal escala) const {
    // Read the way the game's other files are: a named pipe or a device in a picture's place is
    // never waited on, and the built-in drawing is shown instead.
    const ContenidoArchivo c = LeerArchivo(directorio_ / nombre, kMaximoBytesDibujo);
    if (c.estado == Lectura::Leido && c.tamano <= kMaximoBytesDibujo) {
        // Read as the BMP its name says it is: Qt then needs none of its image plugins (guessing the
        // format would load every one of them to ask).
        const QImage imagen = QImage::fromData(QByteArray::fromRawData(c.bytes.data(), static_cast<qsizetype>(c.bytes.size())), "BMP");
        if (!imagen.isNull()) return imagen.copy();
    }
    return DibujoIncorporado(nombre, escala);
}

} // namespace gemelario::ventanas
