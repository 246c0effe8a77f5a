// Whether a graphical display is there to open windows on, checked before Qt tries (and aborts).
#pragma once

#include <string>

class QCoreApplication;
class QString;
class QWidget;

namespace gemelario::ventanas {

// Empty when a display is available; otherwise the one line to tell the user.
std::string ProblemaDePantalla();

// Qt's own texts (the message box's buttons, the print dialog, the context menus) in Spanish,
// whatever the user's locale: the game is Spanish for everyone. Without Qt's Spanish translation
// installed they stay as Qt writes them. True when it was loaded.
bool TraducirQtAlEspanol(QCoreApplication& aplicacion);

// Centres a window, frame and all, on its screen: now, and again once a window manager has framed it
// (the frame is known only after the window is mapped). Call it just before showing the window.
void CentrarEnPantalla(QWidget* ventana);

// Centres Qt's own dialogs (message boxes, the print dialog) by their frame too, as they are shown.
void CentrarDialogosDeQt(QCoreApplication& aplicacion);

// The game's message box: plain text, an exclamation icon, one OK button; returns when closed.
void MostrarAviso(QWidget* padre, const QString& texto, const QString& titulo);

} // namespace gemelario::ventanas
