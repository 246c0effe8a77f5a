// The drawings' sources rendered with Qt SVG: used when the game is built, never by the game itself.
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

namespace gemelario::ventanas {

// An SVG drawing (resource or file) rendered at `tamano` logical pixels (its own size when empty),
// with `escala` device pixels per logical pixel, on `fondo`; null when it cannot be read.
QImage DibujoSvg(const QString& recurso, QSize tamano, QColor fondo = Qt::transparent, qreal escala = 1);

} // namespace gemelario::ventanas
