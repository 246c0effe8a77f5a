// The control kinds the layouts use that Qt has no ready widget for: picture box, label, surface.
#include "Controles.h"

#include <QMouseEvent>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace gemelario::ventanas {

namespace {

// Relative luminance and contrast, as WCAG measures them.
double luminancia(const QColor& c) {
    const auto canal = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * canal(c.redF()) + 0.7152 * canal(c.greenF()) + 0.0722 * canal(c.blueF());
}

double contraste(const QColor& a, const QColor& b) {
    const auto [oscura, clara] = std::minmax({luminancia(a), luminancia(b)});  // values, not references to temporaries
    return (clara + 0.05) / (oscura + 0.05);
}

} // namespace

bool PaletaOscuraOContrastada(const QPalette& p) {
    return luminancia(p.color(QPalette::Window)) < 0.5 || luminancia(p.color(QPalette::Base)) < 0.5 ||
           luminancia(p.color(QPalette::Button)) < 0.5 || contraste(p.color(QPalette::WindowText), p.color(QPalette::Window)) > 19;
}

QColor ColorLegible(const QColor& color, const QColor& fondo, double minimo) {
    const QColor hacia = luminancia(fondo) > 0.18 ? QColor(Qt::black) : QColor(Qt::white);
    QColor c = color;
    for (int paso = 1; paso <= 20 && contraste(c, fondo) < minimo; ++paso) {
        const double t = paso / 20.0;
        c = QColor::fromRgbF(color.redF() + (hacia.redF() - color.redF()) * t, color.greenF() + (hacia.greenF() - color.greenF()) * t,
                             color.blueF() + (hacia.blueF() - color.blueF()) * t);
    }
    return c;
}

void DibujarMarcoFoco(QPainter& p, const QRect& zona, int grosor, const QPalette& paleta) {
    // Orange as the layouts draw it; on a dark or high-contrast desktop, as far from the window as it takes.
    const QColor naranja(255, 140, 0);
    p.setPen(QPen(PaletaOscuraOContrastada(paleta) ? ColorLegible(naranja, paleta.color(QPalette::Window), 3) : naranja, grosor));
    const int m = grosor / 2;
    p.drawRect(zona.adjusted(m, m, -m - 1, -m - 1));
}

CajaImagen::CajaImagen(bool borde, QWidget* padre) : QWidget(padre), borde_(borde) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void CajaImagen::ponerImagen(const QImage& imagen) {
    cargar_ = nullptr;
    imagen_ = imagen;
    repaint();
}

void CajaImagen::ponerImagen(std::function<QImage()> cargar) {
    cargar_ = std::move(cargar);
    imagen_ = QImage();
    repaint();
}

const QImage& CajaImagen::imagen() const {
    if (cargar_) {
        imagen_ = cargar_();
        cargar_ = nullptr;
    }
    return imagen_;
}

void CajaImagen::ponerBorde(bool borde) {
    borde_ = borde;
    repaint();
}

void CajaImagen::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Button));
    // The picture fills the cell from its top-left corner; the border is drawn over its edge,
    // so a picture of the cell's size loses the same margin on every side.
    if (!imagen().isNull()) p.drawImage(QPoint(0, 0), imagen());
    if (borde_) DibujarBordeHundido(p, rect(), palette());
    if (teclado_ && marco_ && hasFocus()) {
        // The keyboard's focus frame: thick enough to see on every picture.
        DibujarMarcoFoco(p, rect().adjusted(2, 2, -2, -2), 4, palette());
    }
}

void CajaImagen::keyPressEvent(QKeyEvent* e) {
    if (!teclado_) return QWidget::keyPressEvent(e);
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (enterALaVentana_) return QWidget::keyPressEvent(e);
        emit clic();
        break;
    case Qt::Key_Space: emit clic(); break;
    case Qt::Key_R: emit repetir(); break;
    case Qt::Key_Left: emit mover(-1, 0); break;
    case Qt::Key_Right: emit mover(1, 0); break;
    case Qt::Key_Up: emit mover(0, -1); break;
    case Qt::Key_Down: emit mover(0, 1); break;
    default: return QWidget::keyPressEvent(e);
    }
    if (!marco_ && hasFocus()) {
        marco_ = true;
        repaint();
    }
    e->accept();
}

Barra::Barra(QWidget* padre) : QScrollBar(Qt::Horizontal, padre) { setFocusPolicy(Qt::StrongFocus); }

void Barra::keyPressEvent(QKeyEvent* e) {
    SliderAction accion = SliderNoAction;
    switch (e->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up: accion = SliderSingleStepSub; break;
    case Qt::Key_Right:
    case Qt::Key_Down: accion = SliderSingleStepAdd; break;
    case Qt::Key_PageUp: accion = SliderPageStepSub; break;
    case Qt::Key_PageDown: accion = SliderPageStepAdd; break;
    case Qt::Key_Home: accion = SliderToMinimum; break;
    case Qt::Key_End: accion = SliderToMaximum; break;
    default: return QScrollBar::keyPressEvent(e);
    }
    triggerAction(accion);
    if (!marco_) {
        marco_ = true;
        repaint();
    }
    e->accept();
}

void Barra::paintEvent(QPaintEvent* e) {
    QScrollBar::paintEvent(e);
    if (!marco_ || !hasFocus()) return;
    QPainter p(this);
    DibujarMarcoFoco(p, rect(), 2, palette());
}

void Barra::focusInEvent(QFocusEvent* e) {
    QScrollBar::focusInEvent(e);
    marco_ = e->reason() == Qt::TabFocusReason || e->reason() == Qt::BacktabFocusReason;
    repaint();
}

void Barra::focusOutEvent(QFocusEvent* e) {
    QScrollBar::focusOutEvent(e);
    marco_ = false;
    repaint();
}

void Boton::paintEvent(QPaintEvent* e) {
    QPushButton::paintEvent(e);
    if (!hasFocus()) return;
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
    p.drawRect(rect().adjusted(4, 4, -5, -5));
}

void TextoLargo::paintEvent(QPaintEvent* e) {
    QPlainTextEdit::paintEvent(e);
    if (!hasFocus()) return;
    QPainter p(viewport());
    DibujarMarcoFoco(p, viewport()->rect(), 2, palette());
}

void TextoLargo::focusInEvent(QFocusEvent* e) {
    QPlainTextEdit::focusInEvent(e);
    viewport()->update();
}

void TextoLargo::focusOutEvent(QFocusEvent* e) {
    QPlainTextEdit::focusOutEvent(e);
    viewport()->update();
}

void CajaImagen::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    marco_ = e->reason() == Qt::TabFocusReason || e->reason() == Qt::BacktabFocusReason;
    if (teclado_) repaint();
}

void CajaImagen::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    marco_ = false;
    if (teclado_) repaint();
}

void CajaImagen::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) pulsado_ = true;
    setFocus(Qt::MouseFocusReason);
    e->accept();
}

void CajaImagen::mouseReleaseEvent(QMouseEvent* e) {
    const bool era = pulsado_;
    pulsado_ = false;
    e->accept();
    if (era && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clic();
}

Etiqueta::Etiqueta(QWidget* padre) : ControlQuieto(padre) {}

void Etiqueta::ponerTexto(const QString& texto) {
    if (texto == texto_) return;
    texto_ = texto;
    actualizarNombreAccesible();
    repaint();
}

void Etiqueta::ponerNombreAccesible(const QString& prefijo) {
    prefijo_ = prefijo;
    actualizarNombreAccesible();
}

void Etiqueta::ponerNombreSiVacia(const QString& texto) {
    siVacia_ = texto;
    actualizarNombreAccesible();
}

void Etiqueta::actualizarNombreAccesible() {
    const QString texto = texto_.trimmed().isEmpty() ? siVacia_ : texto_.trimmed();
    setAccessibleName(prefijo_.isEmpty() ? texto : texto.isEmpty() ? prefijo_ : prefijo_ + ": " + texto);
}

void Etiqueta::ponerAlineacion(Qt::Alignment a) {
    alineacion_ = a;
    repaint();
}

void Etiqueta::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    QRect zona = rect();
    if (borde_) {
        p.setPen(palette().color(QPalette::Shadow));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        zona.adjust(1, 1, -1, -1);
    }
    p.setPen(palette().color(QPalette::WindowText));
    p.setFont(font());
    // A text without blanks is one unbreakable word: it stays on one line and is cut.
    int banderas = static_cast<int>(alineacion_) | Qt::AlignTop;
    if (texto_.contains(' ')) banderas |= Qt::TextWordWrap;
    p.drawText(zona, banderas, texto_);
}

void ControlQuieto::mousePressEvent(QMouseEvent* e) { e->accept(); }
void ControlQuieto::mouseReleaseEvent(QMouseEvent* e) { e->accept(); }
void ControlQuieto::mouseDoubleClickEvent(QMouseEvent* e) { e->accept(); }

void DibujarBordeHundido(QPainter& p, const QRect& zona, const QPalette& paleta) {
    // Shadow and dark outside-in at top-left, light at bottom-right.
    const int x = zona.left(), y = zona.top(), w = zona.right(), h = zona.bottom();
    p.setPen(paleta.color(QPalette::Mid));
    p.drawLine(x, y, w - 1, y);
    p.drawLine(x, y, x, h - 1);
    p.setPen(paleta.color(QPalette::Light));
    p.drawLine(x, h, w, h);
    p.drawLine(w, y, w, h);
    p.setPen(paleta.color(QPalette::Shadow));
    p.drawLine(x + 1, y + 1, w - 2, y + 1);
    p.drawLine(x + 1, y + 1, x + 1, h - 2);
    p.setPen(paleta.color(QPalette::Midlight));
    p.drawLine(x + 1, h - 1, w - 1, h - 1);
    p.drawLine(w - 1, y + 1, w - 1, h - 1);
}

TextoFijo::TextoFijo(const QString& texto, Qt::Alignment alineacion, bool borde, QWidget* padre)
    : ControlQuieto(padre), texto_(texto), alineacion_(alineacion), borde_(borde) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TextoFijo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Base));
    QRect zona = rect();
    if (borde_) {
        DibujarBordeHundido(p, rect(), palette());
        zona.adjust(2, 2, -2, -2);
    }
    p.setPen(palette().color(QPalette::Text));
    p.setFont(font());
    p.drawText(zona, static_cast<int>(alineacion_) | Qt::AlignVCenter, texto_);
}


Superficie::Superficie(QWidget* padre) : QWidget(padre) { setAutoFillBackground(true); }

void Superficie::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clic();
}

void Superficie::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) emit dobleClic();
}

} // namespace gemelario::ventanas
