// The pictures: loaded by bare name from the game's directory, or the built-in copy of the same drawing.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QString>

#include <filesystem>
#include <string>
#include <vector>

namespace gemelario::ventanas {

inline constexpr int kAnchoDibujo = 106;
inline constexpr int kAltoDibujo = 114;

// The fourteen picture file names, as on disk: the twelve of the board, the back and the flash.
const std::vector<std::string>& NombresDibujos();

// The built-in drawing for a picture file name at the cell's size, with `escala` device pixels per
// logical pixel; null for an unknown name.
QImage DibujoIncorporado(const std::string& nombre, qreal escala = 1);

// An SVG drawing (resource or file) rendered at `tamano` (its own size when empty), on `fondo`.
QImage DibujoSvg(const QString& recurso, QSize tamano, QColor fondo = Qt::transparent);

QIcon IconoGemelario();

// A picture stored with a window (a Qt resource): as stored on an ordinary screen; on a denser one
// its drawing (the resource of the same name ending in .svg), rendered with the screen's pixels.
QImage ImagenDeRecurso(const QString& recurso, qreal escala);

// The hand-shaped pointer shown over the About window's link picture (hot spot 12, 1).
QCursor CursorMano();

// Loads pictures by bare name from a directory, each time anew; a missing or unreadable file
// gives the built-in copy of the same picture.
class CargadorImagenes {
public:
    explicit CargadorImagenes(std::filesystem::path directorio);
    QImage cargar(const std::string& nombre, qreal escala = 1) const;

private:
    std::filesystem::path directorio_;
};

} // namespace gemelario::ventanas
