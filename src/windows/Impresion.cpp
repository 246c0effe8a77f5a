// "Imprimir tabla": a dialog window drawn anew for the printer, across the page. Built as the
// printing module, which the game loads at the first print.
#include "Impresion.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>

#include <algorithm>

using namespace gemelario::ventanas;

namespace {

// One page: the window drawn anew for the device, at its resolution, as wide as the printable area
// (or as high, for a page too short), whatever the screen's scale.
int dibujar(QPagedPaintDevice& pagina, QWidget* superficie) {
    QPainter p;
    if (!p.begin(&pagina)) return kSinImpresora;
    const QRect zona = p.viewport();
    const QSizeF tamano = superficie->size();
    const qreal escala = std::min(zona.width() / tamano.width(), zona.height() / tamano.height());
    p.translate(zona.topLeft());
    p.scale(escala, escala);
    // Qt draws the window for the printer through pixels of the printer's resolution, not the screen's.
    superficie->render(&p, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    p.end();
    return kImpresa;
}

QString nombreDelTrabajo(const QWidget* ventana) { return QStringLiteral("Gemelario - ") + ventana->windowTitle(); }

} // namespace

extern "C" Q_DECL_EXPORT int gemelario_imprimir(QWidget* ventana, QWidget* superficie, const ElegirImpresora* elegir) {
    QPrinter impresora(QPrinter::HighResolution);
    // The job's name, as the print queue lists it and as "print to file" suggests the file.
    impresora.setDocName(nombreDelTrabajo(ventana));
    const bool elegida = elegir && *elegir ? (*elegir)(impresora) : QPrintDialog(&impresora, ventana).exec() == QDialog::Accepted;
    return elegida ? dibujar(impresora, superficie) : kCancelada;
}

extern "C" Q_DECL_EXPORT int gemelario_imprimir_pdf(QWidget* ventana, QWidget* superficie, const QString* archivo) {
    QPdfWriter pdf(*archivo);
    pdf.setTitle(nombreDelTrabajo(ventana));
    pdf.setResolution(1200);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    return dibujar(pdf, superficie);
}
