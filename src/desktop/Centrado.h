// Windows centred on the screen by their frame, the game's and Qt's own dialogs alike.
#pragma once

class QCoreApplication;
class QWidget;

namespace gemelario::ventanas {

// Centres a window, frame and all, on its screen: now, and again once a window manager has framed it
// (the frame is known only after the window is mapped). Call it just before showing the window.
void CentrarEnPantalla(QWidget* ventana);

// Centres Qt's own dialogs (message boxes, the print dialog) by their frame too, as they are shown.
void CentrarDialogosDeQt(QCoreApplication& aplicacion);

} // namespace gemelario::ventanas
