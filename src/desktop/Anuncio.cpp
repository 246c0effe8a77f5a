// What just happened, said to a screen reader's user at once.
#include "Anuncio.h"

#include <QAccessible>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QWidget>

namespace gemelario::ventanas {
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

} // namespace gemelario::ventanas
