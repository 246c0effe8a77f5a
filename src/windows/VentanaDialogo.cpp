// A dialog window built from its layout table: its controls reached by name, its events routed
// to the window's logic, shown modally.
#include "VentanaDialogo.h"

#include "Aviso.h"
#include "Centrado.h"
#include "Controles.h"
#include "ControlesAccesibles.h"
#include "ServicioImpresion.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QLibrary>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QApplication>
#include <QVBoxLayout>

namespace gemelario::ventanas {

VentanaDialogo::VentanaDialogo(const Formulario& formulario, const CargadorImagenes& imagenes, QWidget* padre)
    : QDialog(padre), formulario_(formulario), imagenes_(imagenes) {
    InstalarAccesibilidad();  // before any control's accessible interface exists
    setObjectName(QString::fromStdString(formulario.nombre));
    setWindowTitle(QString::fromStdString(formulario.caption));
    setWindowIcon(IconoGemelario());
    // Fixed single border with a close box: no minimise, no maximise, no resizing.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    superficie_ = new QWidget(this);
    superficie_->setObjectName("superficie");
    superficie_->setFont(FuenteQt(Fuente{}));
    const QSize cliente(APixeles(formulario.anchoCliente), APixeles(formulario.altoCliente));
    superficie_->setFixedSize(cliente);
    auto* marco = new QVBoxLayout(this);
    marco->setContentsMargins(0, 0, 0, 0);
    marco->addWidget(superficie_);
    marco->setSizeConstraint(QLayout::SetFixedSize);
    controles_ = ConstruirControles(superficie_, formulario);

    for (const Control& c : formulario.controles) {
        const std::string nombre = c.nombre;
        const int indice = c.indice;
        QWidget* w = controles_.widget(nombre, indice);
        if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            // In a dialog Enter presses the focused button, elsewhere the default one (the main
            // window's hidden exit button never takes Enter).
            if (auto* p = qobject_cast<QPushButton*>(b)) p->setAutoDefault(true);
            connect(b, &QAbstractButton::clicked, this, [this, nombre, indice] { if (alClic) alClic(nombre, indice); });
        } else if (auto* caja = qobject_cast<CajaImagen*>(w)) {
            connect(caja, &CajaImagen::clic, this, [this, nombre, indice] { if (alClic) alClic(nombre, indice); });
        } else if (auto* barra = qobject_cast<QScrollBar*>(w)) {
            connect(barra, &QScrollBar::valueChanged, this, [this, nombre] { if (alCambiar) alCambiar(nombre); });
        }
    }
    for (const auto& [nombre, t] : controles_.temporizadores) {
        const std::string n = nombre;
        connect(t, &QTimer::timeout, this, [this, n] { if (alTick) alTick(n); });
    }
}

QTimer* VentanaDialogo::temporizador(const std::string& nombre) const {
    const auto it = controles_.temporizadores.find(nombre);
    return it == controles_.temporizadores.end() ? nullptr : it->second;
}

void VentanaDialogo::prepararParaMostrar() {
    CentrarEnPantalla(this);
    // The control first in tab order has the focus when the window opens.
    const Control* primero = nullptr;
    for (const Control& c : formulario_.controles) {
        QWidget* w = controles_.widget(c.nombre, c.indice);
        if (c.tabIndex && w && w->focusPolicy() != Qt::NoFocus && c.visible && (!primero || *c.tabIndex < *primero->tabIndex))
            primero = &c;
    }
    // Focused as if by the keyboard, so the first control shows its focus as every later one does.
    setAttribute(Qt::WA_KeyboardFocusChange);
    if (primero) controles_.widget(primero->nombre, primero->indice)->setFocus(Qt::TabFocusReason);
    for (const auto& [nombre, t] : controles_.temporizadores) t->start();
}

int VentanaDialogo::abrirModal() {
    prepararParaMostrar();
    return exec();
}

void VentanaDialogo::ponerCaption(const std::string& control, int indice, const std::string& texto) {
    QWidget* w = controles_.widget(control, indice);
    const QString t = QString::fromStdString(texto);
    if (auto* e = qobject_cast<Etiqueta*>(w)) e->ponerTexto(t);
    else if (auto* l = qobject_cast<QLineEdit*>(w)) l->setText(t);
    else if (auto* b = qobject_cast<QAbstractButton*>(w)) b->setText(t);
}

std::string VentanaDialogo::texto(const std::string& control) const {
    QWidget* w = controles_.widget(control, 0);
    if (auto* l = qobject_cast<QLineEdit*>(w)) return l->text().normalized(QString::NormalizationForm_C).toStdString();
    if (auto* e = qobject_cast<Etiqueta*>(w)) return e->texto().toStdString();
    return {};
}

void VentanaDialogo::ponerVisible(const std::string& control, bool visible) {
    if (QWidget* w = controles_.widget(control, 0)) w->setVisible(visible);
}

void VentanaDialogo::centrar(const std::string& control, int indice) {
    if (auto* e = controles_.como<Etiqueta>(control, indice)) e->ponerAlineacion(Qt::AlignHCenter);
}

void VentanaDialogo::ponerImagen(const std::string& control, int indice, const std::string& archivo) {
    if (auto* c = controles_.como<CajaImagen>(control, indice)) c->ponerImagen(imagenes_.cargar(archivo, c->devicePixelRatioF()));
}

void VentanaDialogo::ponerBorde(const std::string& control, int indice, bool borde) {
    if (auto* c = controles_.como<CajaImagen>(control, indice)) c->ponerBorde(borde);
}

int VentanaDialogo::valor(const std::string& control) const {
    const auto* b = controles_.como<QScrollBar>(control);
    return b ? b->value() : 0;
}

void VentanaDialogo::ponerValor(const std::string& control, int valor) {
    if (auto* b = controles_.como<QScrollBar>(control)) b->setValue(valor);
}

void VentanaDialogo::enfocar(const std::string& control) {
    if (QWidget* w = controles_.widget(control, 0)) w->setFocus(Qt::OtherFocusReason);
}

void VentanaDialogo::mensaje(const std::string& texto, const std::string& titulo) {
    const QString t = QString::fromStdString(texto), ti = QString::fromStdString(titulo);
    if (mostrarMensaje) {
        mostrarMensaje(t, ti);
        return;
    }
    // Before the window is shown (a time that no longer enters the table) the box stands over its owner.
    MostrarAviso(isVisible() || !parentWidget() ? this : parentWidget(), t, ti);
}

void VentanaDialogo::imprimir() {
    // Loaded once a run (the library stays loaded); a module that cannot be loaded is said, not hidden.
    const QString ruta = !moduloImpresion.isEmpty() ? moduloImpresion
        : QDir::cleanPath(QCoreApplication::applicationDirPath() + "/" GEMELARIO_MODULOS_DESDE_PROGRAMA "/" + kModuloImpresion);
    QLibrary modulo(ruta);
    const auto imprimirEn = reinterpret_cast<FuncionImprimir>(modulo.resolve(kFuncionImprimir));
    if (!imprimirEn) {
        mensaje("No se ha podido imprimir la tabla: no se ha podido cargar " + ruta.toStdString() + ".", "Gemelario");
        return;
    }
    // The print dialog, and the printer itself, ask the print server on this thread: one that does
    // not answer is found out first, and the table can go to a PDF file instead.
    if (SondearServicioImpresion(std::chrono::seconds(2)) == ServicioImpresion::NoResponde) {
        guardarEnPdf(reinterpret_cast<FuncionImprimirPdf>(modulo.resolve(kFuncionImprimirPdf)));
        return;
    }
    // Cancelled: nothing printed, nothing said.
    if (imprimirEn(this, superficie_, &elegirImpresora) == kSinImpresora)
        mensaje("No se ha podido imprimir la tabla: la impresora no se ha podido abrir.", "Gemelario");
}

void VentanaDialogo::guardarEnPdf(FuncionImprimirPdf enPdf) {
    QMessageBox caja(QMessageBox::Warning, "Gemelario",
                     "El servicio de impresión no responde: no se puede imprimir ahora. "
                     "¿Quieres guardar la tabla en un archivo PDF?", QMessageBox::Cancel, this);
    const QPushButton* guardar = caja.addButton("Guardar como PDF...", QMessageBox::AcceptRole);
    caja.setDefaultButton(QMessageBox::Cancel);
    if (caja.exec(), caja.clickedButton() != guardar || !enPdf) return;
    // The file named as the print queue would name the job.
    const QString archivo = QFileDialog::getSaveFileName(
        this, "Guardar la tabla como PDF", QDir::home().filePath("Gemelario - " + windowTitle() + ".pdf"),
        "Documentos PDF (*.pdf)", nullptr, QFileDialog::DontUseNativeDialog);
    if (!archivo.isEmpty() && enPdf(this, superficie_, &archivo) != kImpresa)
        mensaje("No se ha podido guardar la tabla en " + archivo.toStdString() + ".", "Gemelario");
}

void VentanaDialogo::cerrar() { close(); }

void VentanaDialogo::closeEvent(QCloseEvent* e) {
    // The close handler runs once, whatever closes the window, and never cancels the close.
    if (!cerrando_) {
        cerrando_ = true;
        for (const auto& [nombre, t] : controles_.temporizadores) t->stop();
        if (alCerrar) alCerrar();
    }
    e->accept();
    done(QDialog::Rejected);
}

void VentanaDialogo::reject() { close(); }

void GuardarDialogosAbiertos() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<VentanaDialogo*>(w); d && d->alTerminarSesion) d->alTerminarSesion();
}

} // namespace gemelario::ventanas
