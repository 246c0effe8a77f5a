// What a screen reader gets from the game's own controls: roles, actions and reading order.
#include "Accesibilidad.h"

#include "Controles.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QMetaObject>
#include <QWidget>

#include <algorithm>

namespace gemelario::ventanas {
namespace {

// A picture that a click presses: a button whose press action is the click. The press is queued,
// as a button's is, so the reader's call returns before the turn's wait or a window it opens.
class AccesibleCaja : public QAccessibleWidget {
public:
    explicit AccesibleCaja(CajaImagen* c) : QAccessibleWidget(c, c->teclado() ? QAccessible::Button : QAccessible::Graphic) {}
    QStringList actionNames() const override {
        return role() == QAccessible::Button ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& accion) override {
        if (role() == QAccessible::Button && accion == pressAction())
            QMetaObject::invokeMethod(widget(), [w = static_cast<CajaImagen*>(widget())] { emit w->clic(); }, Qt::QueuedConnection);
    }
};

// A decorative line: nothing to read.
class AccesibleLinea : public QAccessibleWidget {
public:
    explicit AccesibleLinea(QWidget* w) : QAccessibleWidget(w, QAccessible::Separator) {}
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        return s;
    }
};

// A window's surface: its controls in reading order, not in the order they were stacked.
class AccesibleSuperficie : public QAccessibleWidget {
public:
    explicit AccesibleSuperficie(QWidget* w) : QAccessibleWidget(w, QAccessible::Pane) {}
    int childCount() const override { return static_cast<int>(hijos().size()); }
    QAccessibleInterface* child(int i) const override {
        const QList<QWidget*> h = hijos();
        return i >= 0 && i < h.size() ? QAccessible::queryAccessibleInterface(h[i]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        return c ? static_cast<int>(hijos().indexOf(qobject_cast<QWidget*>(c->object()))) : -1;
    }

private:
    QList<QWidget*> hijos() const {
        QList<QWidget*> h = widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        // Nothing a sighted player cannot see either: no hidden control (the hidden "Clave" marks, the
        // hidden exit button), no empty label.
        h.removeIf([this](QWidget* w) {
            const auto* e = qobject_cast<Etiqueta*>(w);
            return w->isWindow() || !w->isVisibleTo(widget()) || (e && e->calla()) || w->property("leidaPorFilas").toBool();
        });
        std::stable_sort(h.begin(), h.end(), [](const QWidget* a, const QWidget* b) {
            return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
        });
        return h;
    }
};

QAccessibleInterface* fabrica(const QString&, QObject* objeto) {
    if (auto* c = qobject_cast<CajaImagen*>(objeto)) return new AccesibleCaja(c);
    if (qobject_cast<Etiqueta*>(objeto) || qobject_cast<TextoFijo*>(objeto))
        return new QAccessibleWidget(static_cast<QWidget*>(objeto), QAccessible::StaticText);
    if (auto* l = qobject_cast<Linea*>(objeto)) return new AccesibleLinea(l);
    auto* w = qobject_cast<QWidget*>(objeto);
    if (w && !w->isWindow() && w->objectName() == QLatin1String("superficie")) return new AccesibleSuperficie(w);
    return nullptr;
}

} // namespace

namespace {

// An AT-SPI object reference (bus name, object path): the application an event comes from.
struct ReferenciaSpi {
    QString servicio;
    QDBusObjectPath ruta;
};

QDBusArgument& operator<<(QDBusArgument& a, const ReferenciaSpi& r) {
    a.beginStructure();
    a << r.servicio << r.ruta;
    a.endStructure();
    return a;
}

const QDBusArgument& operator>>(const QDBusArgument& a, ReferenciaSpi& r) {
    a.beginStructure();
    a >> r.servicio >> r.ruta;
    a.endStructure();
    return a;
}

} // namespace
} // namespace gemelario::ventanas

Q_DECLARE_METATYPE(gemelario::ventanas::ReferenciaSpi)

namespace gemelario::ventanas {

void Anunciar(QObject* objeto, const QString& texto) {
    if (!objeto || texto.isEmpty() || !QAccessible::isActive()) return;
    QAccessibleInterface* interfaz = QAccessible::queryAccessibleInterface(objeto);
    // Qt's connection to the accessibility bus, which the screen reader knows as this application.
    QDBusConnection bus(QStringLiteral("a11y"));
    if (!interfaz || !bus.isConnected()) return;
    static const QMetaType registrado = qDBusRegisterMetaType<ReferenciaSpi>();
    (void)registrado;
    // Qt 6.4 sends its own description and name changes with the object in place of the text, which
    // a screen reader cannot speak; this event carries the words, on the object's AT-SPI path.
    const QString raiz = QStringLiteral("/org/a11y/atspi/accessible/");
    QDBusMessage senal = QDBusMessage::createSignal(raiz + QString::number(QAccessible::uniqueId(interfaz)),
                                                    QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    // A reader skips a description equal to the one it last heard for the object: the same news
    // twice in a row (two turns that are no pair) differ by a trailing blank, which is not spoken.
    static QString anterior;
    const QString dicho = texto == anterior.trimmed() && anterior == texto ? texto + QLatin1Char(' ') : texto;
    anterior = dicho;
    // A window's news is heard as the window's own (a reader speaks the active window's changes
    // whatever has the focus in it); a control's, as the focused control's.
    const QWidget* w = qobject_cast<const QWidget*>(objeto);
    const QString propiedad = w && w->isWindow() ? QStringLiteral("accessible-name") : QStringLiteral("accessible-description");
    senal << propiedad << 0 << 0 << QVariant::fromValue(QDBusVariant(dicho))
          << QVariant::fromValue(ReferenciaSpi{bus.baseService(), QDBusObjectPath(raiz + QStringLiteral("root"))});
    bus.send(senal);
}

void InstalarAccesibilidad() {
    static const bool instalada = (QAccessible::installFactory(fabrica), true);
    (void)instalada;
}

} // namespace gemelario::ventanas
