// The control kinds the layouts use that Qt has no ready widget for: picture box, label, surface.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QString>
#include <QWidget>

#include <functional>

namespace gemelario::ventanas {

// A picture box: shows its picture from the top-left corner inside a sunken border and
// paints a new picture at once, before the code that set it goes on.
class CajaImagen : public QWidget {
    Q_OBJECT
public:
    explicit CajaImagen(bool borde, QWidget* padre = nullptr);
    void ponerImagen(const QImage& imagen);
    // A picture loaded when it is first painted or asked for: at once on a window on screen, at its
    // first paint on one not shown yet (so a window's pictures cost nothing before it is mapped).
    void ponerImagen(std::function<QImage()> cargar);
    void ponerBorde(bool borde);
    bool borde() const { return borde_; }
    // A picture that takes the focus is pressed with Space or Enter, as a click presses it, and
    // shows a focus frame once reached by the keyboard; board cells also move the focus with arrows.
    void ponerTeclado(bool activo) { teclado_ = activo; }
    // Enter left to the window (its default button) instead of pressing the picture.
    void dejarEnterALaVentana() { enterALaVentana_ = true; }
    bool teclado() const { return teclado_; }
    const QImage& imagen() const;

signals:
    void clic();
    void mover(int columnas, int filas);
    // R: the player asks to hear again what was last said.
    void repetir();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    mutable QImage imagen_;
    mutable std::function<QImage()> cargar_;
    bool borde_;
    bool pulsado_ = false;
    bool teclado_ = false;
    bool enterALaVentana_ = false;
    bool marco_ = false;  // the focus frame shows once the keyboard is in use, not after a click
};

// The exposure bar: a horizontal scroll bar that takes the focus and moves with the keys: the
// arrows by one step, PageUp and PageDown by a page, Home and End to its ends. A focus frame shows
// while the keyboard is on it.
class Barra : public QScrollBar {
    Q_OBJECT
public:
    explicit Barra(QWidget* padre = nullptr);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    bool marco_ = false;
};

// A command button that shows the focus with a dotted rectangle inside it, whether or not it is
// the default button (whose frame alone would not tell).
class Boton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* e) override;
};

// A read-only text of several lines (the rules) with a focus frame while the keyboard is on it:
// the text shows no caret to tell.
class TextoLargo : public QPlainTextEdit {
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void paintEvent(QPaintEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
};

// A control that keeps the clicks made on it: they never reach the window's surface beneath.
class ControlQuieto : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
};

// The keyboard's focus frame, orange, `grosor` pixels wide, drawn inside `zona`.
void DibujarMarcoFoco(QPainter& p, const QRect& zona, int grosor, const QPalette& paleta);
// A dark desktop, or a high-contrast one (black on white, white on black): not the light palette the
// layouts pair their fixed colours with.
bool PaletaOscuraOContrastada(const QPalette& paleta);
// A fixed colour that would not stand `minimo` to 1 against its background, lightened or darkened,
// its hue kept, just as far as it takes: the layouts' blue stays a blue on a dark desktop.
QColor ColorLegible(const QColor& color, const QColor& fondo, double minimo);

// The sunken double line of a text box or picture box, drawn inside `zona`.
void DibujarBordeHundido(QPainter& p, const QRect& zona, const QPalette& paleta);

// A label painted with its own alignment; text wider than the label is cut at its edges.
class Etiqueta : public ControlQuieto {
    Q_OBJECT
public:
    explicit Etiqueta(QWidget* padre = nullptr);
    void ponerTexto(const QString& texto);
    const QString& texto() const { return texto_; }
    // What a screen reader says: the prefix, then the text ("Tiempo de juego: 00:01:23").
    void ponerNombreAccesible(const QString& prefijo);
    // What a screen reader hears while the label is empty ("Tiempo de juego: sin partida todavía");
    // without it an empty label is left out of what the reader reads.
    void ponerNombreSiVacia(const QString& texto);
    bool calla() const { return texto_.trimmed().isEmpty() && siVacia_.isEmpty(); }
    void ponerAlineacion(Qt::Alignment a);
    Qt::Alignment alineacion() const { return alineacion_; }
    void ponerBorde(bool borde) { borde_ = borde; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void actualizarNombreAccesible();
    QString texto_;
    QString prefijo_;
    QString siVacia_;
    Qt::Alignment alineacion_ = Qt::AlignLeft;
    bool borde_ = false;
};

// A read-only text box that never takes the focus: painted text in a sunken frame. Far lighter
// than a line edit, which matters for the board's 24 hidden marks.
class TextoFijo : public ControlQuieto {
    Q_OBJECT
public:
    TextoFijo(const QString& texto, Qt::Alignment alineacion, bool borde, QWidget* padre = nullptr);
    const QString& texto() const { return texto_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString texto_;
    Qt::Alignment alineacion_;
    bool borde_;
};

// A decorative line: a filled band of its colour.
class Linea : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
};

// The window's own surface: reports clicks and double clicks outside every control.
class Superficie : public QWidget {
    Q_OBJECT
public:
    explicit Superficie(QWidget* padre = nullptr);

signals:
    void clic();
    void dobleClic();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
};

} // namespace gemelario::ventanas
