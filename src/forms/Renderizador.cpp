// Turns a layout table into Qt widgets: one builder per control kind, menus, tab and stacking order.
#include "Renderizador.h"

#include "Arte.h"
#include "Controles.h"

#include <QAction>
#include <QApplication>
#include <QSignalBlocker>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace gemelario::ventanas {
namespace {

QStringList sustitutos(const std::string& familia) {
    if (familia == "MS Sans Serif" || familia == "Arial") return {"Liberation Sans", "DejaVu Sans"};
    if (familia == "Comic Sans MS") return {"Comic Neue", "DejaVu Sans"};
    if (familia == "Times New Roman") return {"Liberation Serif", "DejaVu Serif"};
    if (familia == "Courier New") return {"Liberation Mono", "DejaVu Sans Mono"};
    return {"DejaVu Sans"};
}

Qt::Alignment alineacionQt(Alineacion a) {
    switch (a) {
    case Alineacion::Centro: return Qt::AlignHCenter;
    case Alineacion::Derecha: return Qt::AlignRight;
    case Alineacion::Izquierda: break;
    }
    return Qt::AlignLeft;
}

QRect geometria(const Control& c) {
    // A line is drawn centred on its coordinate, as wide as its thickness.
    if (c.tipo == Tipo::Linea) return {APixeles(c.left), APixeles(c.top) - c.grosor / 2, APixeles(c.width) + 1, c.grosor};
    return {APixeles(c.left), APixeles(c.top), APixeles(c.width), APixeles(c.height)};
}

bool pintadaEnLaSuperficie(Tipo t) { return t == Tipo::Etiqueta || t == Tipo::Linea; }

void aplicarColores(QWidget* w, const Control& c, QPalette::ColorRole rolTexto, QPalette::ColorRole rolFondo) {
    QPalette pal = w->palette();
    const QColor fondo = ColorQt(c.fondo, *w), texto = ColorQt(c.texto, *w);
    // On the light palette every colour is as the layout names it.
    pal.setColor(rolTexto, PaletaOscuraOContrastada(pal) ? ColorLegible(texto, fondo, 4.5) : texto);
    pal.setColor(rolFondo, fondo);
    w->setPalette(pal);
}

QWidget* construirEtiqueta(QWidget* sup, const Control& c) {
    auto* e = new Etiqueta(sup);
    e->ponerTexto(QString::fromStdString(c.caption));
    e->ponerAlineacion(alineacionQt(c.alineacion));
    e->ponerBorde(c.borde);
    aplicarColores(e, c, QPalette::WindowText, QPalette::Window);
    return e;
}

QWidget* construirLinea(QWidget* sup, const Control& c) {
    auto* l = new Linea(sup);
    l->setAutoFillBackground(true);
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, ColorQt(c.texto, *l));
    l->setPalette(pal);
    return l;
}

QWidget* construirTextoMultilinea(QWidget* sup, const Control& c) {
    auto* t = new TextoLargo(sup);
    t->setPlainText(QString::fromStdString(c.caption).replace("\r\n", "\n"));
    t->setReadOnly(c.soloLectura);
    // Read-only, yet with a caret the arrows move: a screen reader reads the text line by line.
    if (c.soloLectura) t->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    t->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    t->setFrameShape(c.borde ? QFrame::StyledPanel : QFrame::NoFrame);
    aplicarColores(t, c, QPalette::Text, QPalette::Base);
    return t;
}

QWidget* construirBarra(QWidget* sup, const Control& c) {
    auto* b = new Barra(sup);
    b->setRange(c.minimo, c.maximo);
    b->setValue(c.inicial);
    // Arrows and track move by one; the thumb reports its value only once released.
    b->setSingleStep(1);
    b->setPageStep(1);
    b->setTracking(false);
    return b;
}

QWidget* construirImagen(QWidget* sup, const Control& c) {
    auto* p = new CajaImagen(c.borde, sup);
    QPalette pal = p->palette();
    pal.setColor(QPalette::Button, ColorQt(c.fondo, *p));
    p->setPalette(pal);
    if (!c.recurso.empty()) p->ponerImagen(ImagenDeRecurso(QString::fromStdString(c.recurso), p->devicePixelRatioF()));
    if (c.cursorPropio) p->setCursor(CursorMano());
    p->ponerTeclado(c.tabStop);
    return p;
}

// The limit counts characters as the best-times file stores them, one byte each: the text is kept
// composed (NFC), so an accent typed or pasted apart joins its letter, and an emoji counts once.
void limitarCaracteres(QLineEdit* t, int limite) {
    t->setMaxLength(limite * 4);  // room for a paste to arrive whole before it is composed and cut
    QObject::connect(t, &QLineEdit::textChanged, t, [t, limite](const QString& texto) {
        QString compuesto = texto.normalized(QString::NormalizationForm_C);
        const QList<uint> caracteres = compuesto.toUcs4();
        if (caracteres.size() > limite) compuesto = QString::fromUcs4(reinterpret_cast<const char32_t*>(caracteres.constData()), limite);
        if (compuesto == texto) return;
        const int cursor = std::min<qsizetype>(t->cursorPosition() - (texto.size() - compuesto.size()), compuesto.size());
        const QSignalBlocker bloqueo(t);
        t->setText(compuesto);
        t->setCursorPosition(std::max(cursor, 0));
    });
}

QWidget* construirTexto(QWidget* sup, const Control& c) {
    if (c.soloLectura && !c.tabStop) {
        auto* t = new TextoFijo(QString::fromStdString(c.caption), alineacionQt(c.alineacion), c.borde, sup);
        aplicarColores(t, c, QPalette::Text, QPalette::Base);
        return t;
    }
    auto* t = new QLineEdit(QString::fromStdString(c.caption), sup);
    t->setReadOnly(c.soloLectura);
    if (c.maxLongitud > 0) limitarCaracteres(t, c.maxLongitud);
    t->setAlignment(alineacionQt(c.alineacion) | Qt::AlignVCenter);
    t->setFrame(c.borde);
    t->setTextMargins(0, 0, 0, 0);
    aplicarColores(t, c, QPalette::Text, QPalette::Base);
    return t;
}

QWidget* construirBoton(QWidget* sup, const Control& c) {
    auto* b = new Boton(QString::fromStdString(c.caption), sup);
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

} // namespace

QFont FuenteQt(const Fuente& f) {
    QFont q;
    QStringList familias{QString::fromStdString(f.familia)};
    familias << sustitutos(f.familia);
    q.setFamilies(familias);
    // Point sizes are those of a 96-dpi screen; pixel sizes keep the layout's proportions on any
    // screen, and Qt scales logical pixels on HiDPI screens.
    q.setPixelSize(static_cast<int>(std::lround(f.puntos * 96.0 / 72.0)));
    q.setBold(f.negrita);
    q.setItalic(f.cursiva);
    return q;
}

QColor ColorQt(const Color& c, const QWidget& referencia) {
    const QPalette pal = referencia.palette();
    switch (c.sistema) {
    case ColorSistema::CaraBoton: return pal.color(QPalette::Button);
    case ColorSistema::TextoBoton: return pal.color(QPalette::ButtonText);
    case ColorSistema::BarraMenu: return pal.color(QPalette::Window);
    case ColorSistema::FondoVentana: return pal.color(QPalette::Base);
    case ColorSistema::TextoVentana: return pal.color(QPalette::Text);
    case ColorSistema::Ninguno: break;
    }
    return QColor(c.rgb.r, c.rgb.g, c.rgb.b);
}

QWidget* ControlesConstruidos::widget(const std::string& nombre, int indice) const {
    const auto it = widgets.find({nombre, indice});
    return it == widgets.end() ? nullptr : it->second;
}

ControlesConstruidos ConstruirControles(QWidget* superficie, const Formulario& formulario) {
    ControlesConstruidos hechos;
    auto construir = [&](const Control& c) {
        QWidget* w = nullptr;
        switch (c.tipo) {
        case Tipo::Etiqueta: w = construirEtiqueta(superficie, c); break;
        case Tipo::Linea: w = construirLinea(superficie, c); break;
        case Tipo::TextoMultilinea: w = construirTextoMultilinea(superficie, c); break;
        case Tipo::Barra: w = construirBarra(superficie, c); break;
        case Tipo::Navegador: w = new QWidget(superficie); break;
        case Tipo::Imagen: w = construirImagen(superficie, c); break;
        case Tipo::Texto: w = construirTexto(superficie, c); break;
        case Tipo::Boton: w = construirBoton(superficie, c); break;
        case Tipo::Temporizador: {
            auto* t = new QTimer(superficie);
            t->setInterval(c.intervalo);
            hechos.temporizadores[c.nombre] = t;
            return;
        }
        }
        w->setObjectName(QString::fromStdString(c.indice ? c.nombre + "(" + std::to_string(c.indice) + ")" : c.nombre));
        w->setGeometry(geometria(c));
        if (!c.tooltip.empty()) w->setToolTip(QString::fromStdString(c.tooltip));
        const std::string& nombre = !c.accesible.empty() ? c.accesible : !c.caption.empty() ? c.caption : c.tooltip;
        if (auto* e = qobject_cast<Etiqueta*>(w)) e->ponerNombreAccesible(QString::fromStdString(c.accesible));
        else w->setAccessibleName(QString::fromStdString(nombre));
        w->setFont(FuenteQt(c.fuente));
        w->setVisible(c.visible);
        if (!c.tabStop) w->setFocusPolicy(Qt::NoFocus);
        hechos.widgets[{c.nombre, c.indice}] = w;
    };
    // Labels are painted on the window's own surface, beneath every other control; the
    // others are created back to front, so that each later one covers the earlier ones.
    for (auto it = formulario.controles.rbegin(); it != formulario.controles.rend(); ++it)
        if (pintadaEnLaSuperficie(it->tipo)) construir(*it);
    for (auto it = formulario.controles.rbegin(); it != formulario.controles.rend(); ++it)
        if (!pintadaEnLaSuperficie(it->tipo)) construir(*it);

    std::vector<std::pair<int, QWidget*>> orden;
    for (const Control& c : formulario.controles)
        if (c.tabIndex && !pintadaEnLaSuperficie(c.tipo) && c.tipo != Tipo::Temporizador && c.tipo != Tipo::Navegador)
            orden.emplace_back(*c.tabIndex, hechos.widget(c.nombre, c.indice));
    std::sort(orden.begin(), orden.end(), [](auto& a, auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < orden.size(); ++i) QWidget::setTabOrder(orden[i - 1].second, orden[i].second);

    if (auto* predeterminado = hechos.como<QPushButton>(formulario.botonPredeterminado)) predeterminado->setDefault(true);
    if (auto* cancelar = hechos.como<QAbstractButton>(formulario.botonCancelar)) {
        auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), superficie);
        QObject::connect(esc, &QShortcut::activated, cancelar, &QAbstractButton::click);
    }
    return hechos;
}

std::map<std::string, QAction*> ConstruirMenus(QMenuBar* barra, const Formulario& formulario) {
    std::map<std::string, QAction*> acciones;
    for (const ItemMenu& m : formulario.menus) {
        QMenu* menu = barra->addMenu(QString::fromStdString(m.caption));
        menu->setObjectName(QString::fromStdString(m.nombre));
        acciones[m.nombre] = menu->menuAction();
        for (const ItemMenu& item : m.items) {
            QAction* a = item.caption == "-" ? menu->addSeparator() : menu->addAction(QString::fromStdString(item.caption));
            a->setObjectName(QString::fromStdString(item.nombre));
            if (!item.atajo.empty()) a->setShortcut(QKeySequence(QString::fromStdString(item.atajo)));
            acciones[item.nombre] = a;
        }
    }
    return acciones;
}

} // namespace gemelario::ventanas
