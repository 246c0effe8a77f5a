// The toolkit's own texts in Spanish: Qt's catalogue, then ours for what it lacks.
#include "Traduccion.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace gemelario::ventanas {

bool TraducirQtAlEspanol(QCoreApplication& aplicacion) {
    const QLocale espanol(QLocale::Spanish, QLocale::Spain);
    QLocale::setDefault(espanol);
    auto* traductor = new QTranslator(&aplicacion);
    bool cargado = traductor->load(espanol, QStringLiteral("qtbase"), QStringLiteral("_"),
                                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
                   QCoreApplication::installTranslator(traductor);
    if (!cargado) delete traductor;
    // Ours after Qt's: the few texts Qt's catalogue lacks (the print dialog's options).
    auto* propio = new QTranslator(&aplicacion);
    if (propio->load(QStringLiteral(":/traducciones/gemelario_qt_es.qm"))) QCoreApplication::installTranslator(propio);
    else delete propio;
    return cargado;
}

} // namespace gemelario::ventanas
