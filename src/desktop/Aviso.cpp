// The game's message box.
#include "Aviso.h"

#include <QMessageBox>

namespace gemelario::ventanas {

void MostrarAviso(QWidget* padre, const QString& texto, const QString& titulo) {
    QMessageBox caja(QMessageBox::Warning, titulo, texto, QMessageBox::Ok, padre);
    caja.setTextFormat(Qt::PlainText);
    caja.exec();
}

} // namespace gemelario::ventanas
