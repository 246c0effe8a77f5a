// Printing is a module of its own, loaded at the first print, so that the game starts without Qt
// Print Support: its one entry point, as the dialog window calls it.
#pragma once

#include <functional>

class QPrinter;
class QString;
class QWidget;

namespace gemelario::ventanas {

// The choice of a printer, filled into `impresora`; false: cancelled. Empty: Qt's print dialog.
using ElegirImpresora = std::function<bool(QPrinter& impresora)>;

enum ResultadoImpresion : int { kImpresa = 0, kCancelada = 1, kSinImpresora = 2 };

// The module's file name, and the name of its entry point.
inline constexpr const char* kModuloImpresion = "impresion.so";
inline constexpr const char* kFuncionImprimir = "gemelario_imprimir";
using FuncionImprimir = int (*)(QWidget* ventana, QWidget* superficie, const ElegirImpresora* elegir);
// The same page into a PDF file, which needs no print server.
inline constexpr const char* kFuncionImprimirPdf = "gemelario_imprimir_pdf";
using FuncionImprimirPdf = int (*)(QWidget* ventana, QWidget* superficie, const QString* archivo);

} // namespace gemelario::ventanas
