// What a screen reader gets from the game's own controls: roles, actions and reading order.
#include "ControlesAccesibles.h"

#include "Controles.h"

#include <QAccessible>
#include <QAccessibleWidget>
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

void InstalarAccesibilidad() {
    static const bool instalada = (QAccessible::installFactory(fabrica), true);
    (void)instalada;
}

} // namespace gemelario::ventanas
