// "Imprimir tabla": a dialog window drawn anew for the printer, across the page.
#include "VentanaDialogo.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

namespace gemelario::ventanas {

void VentanaDialogo::imprimir() {
    QPrinter impresora(QPrinter::HighResolution);
    // The job's name, as the print queue lists it and as "print to file" suggests the file.
    impresora.setDocName(QStringLiteral("Gemelario - ") + windowTitle());
    const bool elegida = elegirImpresora ? elegirImpresora(impresora)
                                         : QPrintDialog(&impresora, this).exec() == QDialog::Accepted;
    if (!elegida) return;  // cancelled: nothing printed, nothing said
    QPainter p;
    if (!p.begin(&impresora)) {
        mensaje("No se ha podido imprimir la tabla: la impresora no se ha podido abrir.", "Gemelario");
        return;
    }
    // One page: the window drawn anew for the printer, at its resolution, as wide as the printable
    // area (or as high, for a page too short), whatever the screen's scale.
    const QRect pagina = p.viewport();
    const QSizeF ventana = superficie_->size();
    const qreal escala = std::min(pagina.width() / ventana.width(), pagina.height() / ventana.height());
    p.translate(pagina.topLeft());
    p.scale(escala, escala);
    // Qt draws the window for the printer through pixels of the printer's resolution, not the screen's.
    superficie_->render(&p, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    p.end();
}

} // namespace gemelario::ventanas
