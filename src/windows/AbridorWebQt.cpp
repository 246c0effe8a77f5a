// Opens a web address in the user's browser through the desktop's standard way.
#include "AbridorWebQt.h"

#include <QDesktopServices>
#include <QUrl>

namespace gemelario::ventanas {

// QDesktopServices hands the address to xdg-open (or the desktop portal), which starts the
// browser as a process of its own; the game goes on at once.
void AbridorWebQt::abrir(const std::string& direccion) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(direccion)));
}

} // namespace gemelario::ventanas
