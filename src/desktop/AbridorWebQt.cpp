// Opens a web address in the user's browser through the desktop's standard way.
#include "AbridorWebQt.h"

#include "Aviso.h"

#include <QApplication>
#include <QProcess>
#include <QStandardPaths>

namespace gemelario::ventanas {

// xdg-open starts the browser as a process of its own; the game goes on at once and hears of a
// failure when xdg-open ends. The process is never owned by a window, so closing the game never
// ends a browser that xdg-open still waits for.
void AbridorWebQt::abrir(const std::string& direccion) {
    const QString url = QString::fromStdString(direccion);
    auto decir = [url](const QString& porque) {
        MostrarAviso(QApplication::activeWindow(), "No se ha podido abrir " + url + " en el navegador: " + porque,
                     QStringLiteral("Gemelario"));
    };
    const QString abridor = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (abridor.isEmpty()) {
        decir(QStringLiteral("falta xdg-open (instala xdg-utils)."));
        return;
    }
    auto* proceso = new QProcess;
    proceso->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(proceso, &QProcess::finished, proceso, [proceso, decir](int codigo, QProcess::ExitStatus estado) {
        if (estado != QProcess::NormalExit || codigo != 0)
            decir(QStringLiteral("el escritorio no tiene un navegador con el que abrirla."));
        proceso->deleteLater();
    });
    QObject::connect(proceso, &QProcess::errorOccurred, proceso, [proceso, decir](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return;
        decir(QStringLiteral("xdg-open no se puede ejecutar."));
        proceso->deleteLater();
    });
    proceso->start(abridor, {url});
}

} // namespace gemelario::ventanas
