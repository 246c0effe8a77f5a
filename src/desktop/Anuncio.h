// What just happened, said to a screen reader's user at once.
#pragma once

class QObject;
class QString;

namespace gemelario::ventanas {

// Says `texto` through the screen reader, now, as news about `objeto` (a window, or the control with
// the focus). It travels as the AT-SPI event of a changed name (of a window) or description (of a
// control) that carries the text itself, which a screen reader speaks for the active window or the
// focused control; the object's own name and description are left as they are.
void Anunciar(QObject* objeto, const QString& texto);

} // namespace gemelario::ventanas
