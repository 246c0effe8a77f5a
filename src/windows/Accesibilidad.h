// What a screen reader gets from the game's own controls: roles, actions and reading order.
#pragma once

class QObject;
class QString;

namespace gemelario::ventanas {

// Installs, once, the accessible interfaces of the game's controls: a picture that takes the
// focus is a button with a press action, other pictures are graphics, labels are static text, the
// decorative lines are hidden, and a window's surface lists its controls in reading order (row by
// row from the top, left to right).
void InstalarAccesibilidad();

// Says `texto` through the screen reader, now, as news about `objeto` (a window, or the control with
// the focus). It travels as the AT-SPI event of a changed name (of a window) or description (of a
// control) that carries the text itself, which a screen reader speaks for the active window or the
// focused control; the object's own name and description are left as they are.
void Anunciar(QObject* objeto, const QString& texto);

} // namespace gemelario::ventanas
