// The pictures: loaded by bare name from the game's directory, or the built-in copy of the same drawing.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QString>
#include <QStringList>

#include "NombresDibujos.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace gemelario::ventanas {

inline constexpr int kAnchoDibujo = 106;
inline constexpr int kAltoDibujo = 114;

// Where the drawings for screens denser than 1× may be (a resource file written when the game is
// built): the first of these files that exists, looked for only when a dense screen needs it.
void UbicarDibujosDensos(const QStringList& lugares);

// The built-in drawing for a picture file name at the cell's size, with `escala` device pixels per
// logical pixel; null for an unknown name.
QImage DibujoIncorporado(const std::string& nombre, qreal escala = 1);

// The window icon, at the small sizes a title bar or a task switcher shows; larger ones are the
// icon theme's (the desktop entry names the same icon).
QIcon IconoGemelario();

// A picture stored with a window (a Qt resource): as stored on an ordinary screen; on a denser one
// its drawing, rendered for the screen's pixels when the game was built.
QImage ImagenDeRecurso(const QString& recurso, qreal escala);

// The hand-shaped pointer shown over the About window's link picture (hot spot 12, 1).
QCursor CursorMano();

// Pictures by name and scale.
using ImagenesPorEscala = std::map<std::pair<std::string, qreal>, QImage>;

// Loads pictures by bare name from a directory, once a run for each name and scale (the board asks
// for the back 24 times at every deal); a missing or unreadable file gives the built-in copy of the
// same picture.
class CargadorImagenes {
public:
    explicit CargadorImagenes(std::filesystem::path directorio);
    QImage cargar(const std::string& nombre, qreal escala = 1) const;

private:
    QImage leer(const std::string& nombre, qreal escala) const;
    std::filesystem::path directorio_;
    mutable ImagenesPorEscala leidas_;
};

} // namespace gemelario::ventanas
