// WCAG's contrast of what a control painted, read off its pixels: its most common colour, the
// background, against the colour that stands out most from it, the text. A frame 3 pixels wide is left out.
#pragma once

#include <QImage>

#include <algorithm>
#include <cmath>
#include <map>

namespace gemelario::prueba {

inline double ContrastePintado(const QImage& imagen) {
    std::map<QRgb, int> cuenta;
    for (int y = 3; y < imagen.height() - 3; ++y) for (int x = 3; x < imagen.width() - 3; ++x) ++cuenta[imagen.pixel(x, y) | 0xff000000];
    if (cuenta.empty()) return 1;
    const QRgb fondo = std::ranges::max_element(cuenta, {}, &std::pair<const QRgb, int>::second)->first;
    const auto luz = [](QRgb c) {
        const auto l = [](int v) { return v / 255.0 <= 0.04045 ? v / 255.0 / 12.92 : std::pow((v / 255.0 + 0.055) / 1.055, 2.4); };
        return 0.2126 * l(qRed(c)) + 0.7152 * l(qGreen(c)) + 0.0722 * l(qBlue(c)) + 0.05;
    };
    double mejor = 1;
    for (const auto& [c, n] : cuenta) mejor = std::max(mejor, std::max(luz(c), luz(fondo)) / std::min(luz(c), luz(fondo)));
    return mejor;
}

} // namespace gemelario::prueba
