// Turns a layout table into Qt widgets: one builder per control kind, menus, tab and stacking order.
#pragma once

#include "Layout.h"

#include <QFont>
#include <QColor>
#include <map>
#include <string>
#include <utility>

class QAction;
class QMenuBar;
class QTimer;
class QWidget;

namespace gemelario::ventanas {

// The layout's font, with stand-ins for the families Debian lacks.
QFont FuenteQt(const Fuente& f);
QColor ColorQt(const Color& c, const QWidget& referencia);

struct ControlesConstruidos {
    std::map<std::pair<std::string, int>, QWidget*> widgets;
    std::map<std::string, QTimer*> temporizadores;

    QWidget* widget(const std::string& nombre, int indice = 0) const;
    template <typename T>
    T* como(const std::string& nombre, int indice = 0) const {
        return qobject_cast<T*>(widget(nombre, indice));
    }
};

// Builds every control of the layout on `superficie` (owned by it, Qt parent ownership).
ControlesConstruidos ConstruirControles(QWidget* superficie, const Formulario& formulario);

// Builds the menu tree; the actions by name (separators included).
std::map<std::string, QAction*> ConstruirMenus(QMenuBar* barra, const Formulario& formulario);

} // namespace gemelario::ventanas
