// Whether a graphical display is there to open windows on, checked before Qt tries (and aborts).
#include "Pantalla.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdlib>
#include <memory>
#include <filesystem>

namespace gemelario::ventanas {
namespace {

std::string variable(const char* nombre) {
    const char* v = std::getenv(nombre);
    return v ? v : "";
}

} // namespace

std::string ProblemaDePantalla() {
    const std::string ayuda = " Ejecútalo desde un escritorio gráfico, o sin pantalla con: xvfb-run ./gemelario";
    if (!variable("QT_QPA_PLATFORM").empty() || !variable("WAYLAND_DISPLAY").empty()) return {};
    const std::string display = variable("DISPLAY");
    if (display.empty()) return "gemelario necesita una pantalla gráfica y DISPLAY no está definida." + ayuda;
    // A local display ":N" or ":N.M" listens on /tmp/.X11-unix/XN; a remote one is trusted.
    if (display[0] == ':') {
        const std::string numero = display.substr(1, display.find('.', 1) - 1);
        std::error_code ec;
        if (!std::filesystem::exists("/tmp/.X11-unix/X" + numero, ec))
            return "gemelario necesita una pantalla gráfica y la pantalla " + display + " no responde." + ayuda;
    }
    return {};
}

bool TraducirQtAlEspanol(QCoreApplication& aplicacion) {
    const QLocale espanol(QLocale::Spanish, QLocale::Spain);
    QLocale::setDefault(espanol);
    auto* traductor = new QTranslator(&aplicacion);
    if (!traductor->load(espanol, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traductor;
        return false;
    }
    return QCoreApplication::installTranslator(traductor);
}

namespace {

void centrarMarco(QWidget* ventana) {
    const QScreen* pantalla = ventana->screen();
    if (!pantalla) return;
    QRect marco = ventana->frameGeometry();
    marco.moveCenter(pantalla->availableGeometry().center());
    // Placed by its frame: the window manager then puts the frame, not the client area, there.
    if (QWindow* w = ventana->windowHandle()) w->setFramePosition(marco.topLeft());
    else ventana->move(marco.topLeft());
}

} // namespace

void CentrarEnPantalla(QWidget* ventana) {
    ventana->adjustSize();
    centrarMarco(ventana);
    auto intentos = std::make_shared<int>(0);
    auto* reloj = new QTimer(ventana);
    reloj->setInterval(20);
    QObject::connect(reloj, &QTimer::timeout, ventana, [ventana, reloj, intentos] {
        if (ventana->frameGeometry().size() != ventana->size() || ++*intentos >= 25) {
            centrarMarco(ventana);
            reloj->deleteLater();
        }
    });
    reloj->start();
}

void MostrarAviso(QWidget* padre, const QString& texto, const QString& titulo) {
    QMessageBox caja(QMessageBox::Warning, titulo, texto, QMessageBox::Ok, padre);
    caja.setTextFormat(Qt::PlainText);
    caja.exec();
}

} // namespace gemelario::ventanas
