// The platform's standard beep.
#include "PitidoQt.h"

#include <QApplication>

namespace gemelario::ventanas {

void PitidoQt::pitar() { QApplication::beep(); }

} // namespace gemelario::ventanas
