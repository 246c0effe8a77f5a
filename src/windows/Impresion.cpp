// "Imprimir tabla": a dialog window drawn anew for the printer, across the page. Built as the
// printing module, which the game loads at the first print.
#include "Impresion.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>

#include <algorithm>

using namespace gemelario::ventanas;

extern "C" Q_DECL_EXPORT int gemelario_imprimir(QWidget* ventana, QWidget* superficie, const ElegirImpresora* elegir) {
    QPrinter impresora(QPrinter::HighResolution);
    // The job's name, as the print queue lists it and as "print to file" suggests the file.
    impresora.setDocName(QStringLiteral("Gemelario - ") + ventana->windowTitle());
    const bool elegida = elegir && *elegir ? (*elegir)(impresora) : QPrintDialog(&impresora, ventana).exec() == QDialog::Accepted;
    if (!elegida) return kCancelada;
    QPainter p;
    if (!p.begin(&impresora)) return kSinImpresora;
    // One page: the window drawn anew for the printer, at its resolution, as wide as the printable
    // area (or as high, for a page too short), whatever the screen's scale.
    const QRect pagina = p.viewport();
    const QSizeF tamano = superficie->size();
    const qreal escala = std::min(pagina.width() / tamano.width(), pagina.height() / tamano.height());
    p.translate(pagina.topLeft());
    p.scale(escala, escala);
    // Qt draws the window for the printer through pixels of the printer's resolution, not the screen's.
    superficie->render(&p, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    p.end();
    return kImpresa;
}
