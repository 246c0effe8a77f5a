// The toolkit's own texts in Spanish: Qt's catalogue, then ours for what it lacks.
#pragma once

class QCoreApplication;

namespace gemelario::ventanas {

// Qt's own texts (the message box's buttons, the print dialog, the context menus) in Spanish,
// whatever the user's locale: the game is Spanish for everyone. Without Qt's Spanish translation
// installed they stay as Qt writes them. True when it was loaded.
bool TraducirQtAlEspanol(QCoreApplication& aplicacion);

} // namespace gemelario::ventanas
