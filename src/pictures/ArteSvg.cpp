// The drawings' sources rendered with Qt SVG: used when the game is built, never by the game itself.
#include "ArteSvg.h"

#include <QPainter>
#include <QSvgRenderer>

namespace gemelario::ventanas {

QImage DibujoSvg(const QString& recurso, QSize tamano, QColor fondo, qreal escala) {
    QSvgRenderer svg(recurso);
    if (!svg.isValid()) return {};
    if (tamano.isEmpty()) tamano = svg.defaultSize();
    QImage imagen((QSizeF(tamano) * escala).toSize(), fondo.alpha() == 255 ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    imagen.fill(fondo);
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    svg.render(&p);
    p.end();
    return imagen;
}

} // namespace gemelario::ventanas
