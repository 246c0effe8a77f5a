// Windows centred on the screen by their frame, the game's and Qt's own dialogs alike.
#include "Centrado.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdlib>

#include <xcb/xcb.h>

namespace gemelario::ventanas {

namespace {

void centrarMarco(QWidget* ventana) {
    const QScreen* pantalla = ventana->screen();
    if (!pantalla) return;
    // The frame as the window system knows it now: the widget's own copy is brought up to date only
    // by its next move or resize, and may still lack the frame the window manager has just announced.
    QWindow* w = ventana->windowHandle();
    QRect marco = w ? w->frameGeometry() : ventana->frameGeometry();
    marco.moveCenter(pantalla->availableGeometry().center());
    // Placed by its frame: the window manager then puts the frame, not the client area, there.
    w ? w->setFramePosition(marco.topLeft()) : ventana->move(marco.topLeft());
}

// Under X11 a window manager announces the frame it puts around a window by setting the window's
// _NET_FRAME_EXTENTS; once it has, the frame is known and the window is centred again, by its frame.
// However long the window manager takes, and never again after that (the player may move it).
class VigiaMarco final : public QObject, public QAbstractNativeEventFilter {
public:
    VigiaMarco(QWidget* ventana, xcb_atom_t atomo) : QObject(ventana), ventana_(ventana), atomo_(atomo) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~VigiaMarco() override { QCoreApplication::instance()->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray& tipo, void* mensaje, qintptr*) override {
        if (tipo != "xcb_generic_event_t") return false;
        const auto* e = static_cast<const xcb_generic_event_t*>(mensaje);
        if ((e->response_type & 0x7F) != XCB_PROPERTY_NOTIFY) return false;
        const auto* p = static_cast<const xcb_property_notify_event_t*>(mensaje);
        if (p->atom != atomo_ || p->window != ventana_->winId()) return false;
        // Qt reads the new extents while it handles this event: centre right after it.
        QTimer::singleShot(0, this, [this] {
            centrarMarco(ventana_);
            deleteLater();
        });
        return false;
    }

private:
    QWidget* ventana_;
    xcb_atom_t atomo_;
};

xcb_atom_t pedirAtomoExtensiones() {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !x11 || !x11->connection()) return XCB_ATOM_NONE;
    xcb_connection_t* conexion = x11->connection();
    static constexpr char kNombre[] = "_NET_FRAME_EXTENTS";
    const auto peticion = xcb_intern_atom(conexion, 0, sizeof kNombre - 1, kNombre);
    xcb_intern_atom_reply_t* respuesta = xcb_intern_atom_reply(conexion, peticion, nullptr);
    const xcb_atom_t atomo = respuesta ? respuesta->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    std::free(respuesta);
    return atomo;
}

// Asked of the X server once: every window centred afterwards uses the same atom.
xcb_atom_t atomoExtensiones() {
    static const xcb_atom_t atomo = pedirAtomoExtensiones();
    return atomo;
}

void centrarPorMarco(QWidget* ventana) {
    centrarMarco(ventana);
    if (ventana->frameGeometry().size() != ventana->size()) return;  // already framed
    if (const xcb_atom_t atomo = atomoExtensiones(); atomo != XCB_ATOM_NONE) new VigiaMarco(ventana, atomo);
}

// Qt's own dialogs (message boxes, the print dialog) centred as the game's windows are. Qt sizes a
// message box in its own show handler, so the box handles its show first and is centred after,
// still before it is mapped.
class CentradorDialogos final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() != QEvent::Show || enCurso_) return false;
        auto* dialogo = qobject_cast<QDialog*>(objeto);
        if (!dialogo || !dialogo->isWindow() || dialogo->inherits("gemelario::ventanas::VentanaDialogo")) return false;
        enCurso_ = true;
        static_cast<QObject*>(dialogo)->event(evento);
        enCurso_ = false;
        centrarPorMarco(dialogo);
        return true;
    }

private:
    bool enCurso_ = false;
};

} // namespace

void CentrarEnPantalla(QWidget* ventana) {
    ventana->adjustSize();
    centrarPorMarco(ventana);
}

void CentrarDialogosDeQt(QCoreApplication& aplicacion) {
    aplicacion.installEventFilter(new CentradorDialogos(&aplicacion));
}

} // namespace gemelario::ventanas
