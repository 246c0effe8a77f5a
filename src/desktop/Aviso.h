// The game's message box.
#pragma once

class QString;
class QWidget;

namespace gemelario::ventanas {

// The game's message box: plain text, an exclamation icon, one OK button; returns when closed.
void MostrarAviso(QWidget* padre, const QString& texto, const QString& titulo);

} // namespace gemelario::ventanas
