// frmGemelario on screen: the Qt main window built from its layout, routing events to the board.
#include "VentanaPrincipal.h"

#include "Anuncio.h"
#include "Aviso.h"
#include "Centrado.h"
#include "ControlesAccesibles.h"
#include "EsperaViva.h"
#include "Imagenes.h"
#include "LayoutGemelario.h"
#include "frmGemelario.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <utility>


namespace gemelario::ventanas {

VentanaPrincipal::VentanaPrincipal(const CargadorImagenes& imagenes, std::function<void()> terminarPrograma)
    : imagenes_(imagenes), terminarPrograma_(std::move(terminarPrograma)) {
    InstalarAccesibilidad();  // before any control's accessible interface exists
    const Formulario& f = LayoutGemelario();
    setObjectName(QString::fromStdString(f.nombre));
    setWindowTitle(QString::fromStdString(f.caption));
    // The icon once the window is on screen: reading its pictures is not worth a later start.
    QTimer::singleShot(0, this, [this] { setWindowIcon(IconoGemelario()); });
    // Fixed single border: minimise and close, no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    superficie_ = new Superficie(this);
    superficie_->setObjectName("superficie");
    superficie_->setFont(FuenteQt(Fuente{}));
    setCentralWidget(superficie_);
    superficie_->setAccessibleName(QStringLiteral("Tablero"));
    controles_ = ConstruirControles(superficie_, f);
    acciones_ = ConstruirMenus(menuBar(), f);
    fijarTamano();
    for (int i = 1; i <= 24; ++i) picDibujo(i)->ponerTeclado(true);
    lblTiempoWidget()->ponerNombreSiVacia(QStringLiteral("sin partida todavía"));
    tmrSegundos()->setSingleShot(true);
    tmrSegundos()->setTimerType(Qt::PreciseTimer);
}

VentanaPrincipal::~VentanaPrincipal() {
    if (qApp) qApp->removeEventFilter(this);
}

void VentanaPrincipal::conectar(frmGemelario& juego) {
    juego_ = &juego;
    for (int i = 1; i <= 24; ++i) {
        connect(picDibujo(i), &CajaImagen::clic, this, [this, i] {
            atender([this, i] {
                enClic_ = true;
                juego_->picDibujo_Click(i);
                enClic_ = false;
                if (std::exchange(segundoPendiente_, false)) juego_->tmrSegundos_Timer();
                actualizarAccesibles();
            });
        });
        // R: what was said last (the last turn's result), again.
        connect(picDibujo(i), &CajaImagen::repetir, this, [this] { Anunciar(this, ultimoAnuncio_); });
        // The arrows move the focus frame across the six by four board, stopping at its edges.
        connect(picDibujo(i), &CajaImagen::mover, this, [this, i](int dc, int df) {
            const int c = (i - 1) % 6 + dc, f = (i - 1) / 6 + df;
            if (c >= 0 && c < 6 && f >= 0 && f < 4) picDibujo(f * 6 + c + 1)->setFocus(Qt::TabFocusReason);
        });
    }
    connect(tmrSegundos(), &QTimer::timeout, this, [this] { tic(); });
    connect(superficie_, &Superficie::clic, this, [this] { juego_->Form_Click(); });
    connect(superficie_, &Superficie::dobleClic, this, [this] { juego_->Form_DblClick(); });
    connect(cmdSalir(), &QPushButton::clicked, this, [this] { atender([this] { juego_->cmdSalir_Click(); }); });
    const std::map<std::string, void (frmGemelario::*)()> menus = {
        {"mnuNuevo", &frmGemelario::mnuNuevo_Click},     {"mnuTabla", &frmGemelario::mnuTabla_Click},
        {"mnuSalir", &frmGemelario::mnuSalir_Click},     {"mnuImagen", &frmGemelario::mnuImagen_Click},
        {"mnuDuración", &frmGemelario::mnuDuración_Click}, {"mnuNormas", &frmGemelario::mnuNormas_Click},
        {"mnuAcerca", &frmGemelario::mnuAcerca_Click}};
    for (const auto& [nombre, handler] : menus)
        connect(accion(nombre), &QAction::triggered, this, [this, h = handler] { atender([this, h] { (juego_->*h)(); }); });
    qApp->installEventFilter(this);
}

void VentanaPrincipal::atender(std::function<void()> orden) {
    // Mouse and keys wait in the window system's queue during a hold; a screen reader's press or
    // menu command arrives as a queued call, and waits here: each order runs after the one before.
    pendientes_.push_back(std::move(orden));
    if (atendiendo_) return;
    atendiendo_ = true;
    while (!pendientes_.empty()) {
        const std::function<void()> siguiente = std::move(pendientes_.front());
        pendientes_.pop_front();
        siguiente();
    }
    atendiendo_ = false;
}

void VentanaPrincipal::registrarModal(Modal ventana, std::function<void()> abrir) {
    modales_[ventana] = std::move(abrir);
}

void VentanaPrincipal::fijarTamano() {
    // Fixed single border: the user can neither resize nor maximise it.
    superficie_->setFixedSize(APixeles(LayoutGemelario().anchoCliente), APixeles(LayoutGemelario().altoCliente));
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
}

void VentanaPrincipal::mostrarCentrada() {
    CentrarEnPantalla(this);
    show();
    picDibujo(1)->setFocus(Qt::OtherFocusReason);
}

void VentanaPrincipal::ponerImagen(int i, const std::string& archivo) {
    CajaImagen* c = picDibujo(i);
    if (!c) return;
    c->ponerImagen([this, archivo, c] { return imagenes_.cargar(archivo, c->devicePixelRatioF()); });
    mostrado_[i] = archivo;
    actualizarAccesible(i);
}

void VentanaPrincipal::actualizarAccesibles() {
    for (int j = 1; j <= 24; ++j) actualizarAccesible(j);
}

void VentanaPrincipal::actualizarAccesible(int i) {
    // Its place and what it shows now, nothing of earlier turns: "Casilla 7, boca abajo",
    // "Casilla 7, seta", "Casilla 7, seta, resuelta".
    const std::string& archivo = mostrado_[i];
    QString nombre = QString("Casilla %1, ").arg(i);
    if (archivo.empty() || archivo == kReverso) nombre += "boca abajo";
    else if (archivo == kReverClave) nombre += "clave";
    else nombre += QString::fromStdString(PalabraDeImagen(archivo));
    if (juego_ && juego_->casillaResuelta[i]) nombre += ", resuelta";
    // Only a real change reaches the reader: one event per cell that changed.
    if (picDibujo(i)->accessibleName() != nombre) picDibujo(i)->setAccessibleName(nombre);
}

void VentanaPrincipal::anunciar(const std::string& texto) {
    ultimoAnuncio_ = QString::fromStdString(texto);
    Anunciar(this, ultimoAnuncio_);
}

void VentanaPrincipal::mostrarTxtClave(int i, bool visible) {
    if (QWidget* t = txtClave(i)) {
        t->setVisible(visible);
        if (visible) t->repaint();
    }
}

void VentanaPrincipal::ponerLblClave(const std::string& texto) { lblClaveWidget()->ponerTexto(QString::fromStdString(texto)); }
void VentanaPrincipal::ponerLblTiempo(const std::string& texto) { lblTiempoWidget()->ponerTexto(QString::fromStdString(texto)); }
std::string VentanaPrincipal::lblTiempo() const { return lblTiempoWidget()->texto().toStdString(); }

void VentanaPrincipal::habilitarMenu(Menu menu, bool habilitado) {
    const char* nombre = menu == Menu::Nuevo ? "mnuNuevo" : menu == Menu::Tabla ? "mnuTabla" : "mnuImagen";
    accion(nombre)->setEnabled(habilitado);
}

void VentanaPrincipal::ponerKeyPreview(bool activo) { keyPreview_ = activo; }

void VentanaPrincipal::ponerRelojEnMarcha(bool enMarcha) {
    // The game's first second shows at once; at rest no timer is armed.
    enMarcha ? tmrSegundos()->start(0) : tmrSegundos()->stop();
}

void VentanaPrincipal::tic() {
    // The clock does not tick while a turn is judged (its holds keep the window alive, not the
    // clock): the second is shown once the turn ends.
    enClic_ ? void(segundoPendiente_ = true) : juego_->tmrSegundos_Timer();
    // Once a second, just after each whole second of the game's clock.
    if (juego_->enJuego) tmrSegundos()->start(juego_->msHastaElSegundo());
}

void VentanaPrincipal::maximizar() {
    if (isMaximized()) return;
    // The fixed border only stops the user; the program may still maximise the window.
    // The controls keep their places, the added area stays empty.
    maximizada_ = true;
    layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    superficie_->setMinimumSize(superficie_->size());
    superficie_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    showMaximized();
}

void VentanaPrincipal::mensaje(const std::string& texto, const std::string& titulo) {
    const QString t = QString::fromStdString(texto), ti = QString::fromStdString(titulo);
    if (mostrarMensaje) return mostrarMensaje(t, ti);
    MostrarAviso(this, t, ti);
}

void VentanaPrincipal::changeEvent(QEvent* evento) {
    QMainWindow::changeEvent(evento);
    // Restored from the background click's maximise: fixed-size again.
    if (evento->type() == QEvent::WindowStateChange && maximizada_ && !isMaximized()) {
        maximizada_ = false;
        QTimer::singleShot(0, this, [this] { fijarTamano(); });
    }
}

void VentanaPrincipal::abrirModal(Modal ventana) {
    actualizarAccesibles();
    // The last pair is heard before the record window takes over (a screen reader would cut it
    // short to read the new window): the game holds, alive, for as long as the words take.
    if (ventana == Modal::DiezPrimeros && hayLector() && !ultimoAnuncio_.isEmpty())
        EsperaViva().esperar(static_cast<std::int32_t>(std::min<qsizetype>(ultimoAnuncio_.size() * 80, 4000)) * 20'000);
    const auto it = modales_.find(ventana);
    if (it != modales_.end() && it->second) it->second();
}

void VentanaPrincipal::terminar() {
    hide();
    terminarPrograma_();
}

bool VentanaPrincipal::eventFilter(QObject* objeto, QEvent* evento) {
    // Key preview: the window's key handler sees a key press before the control with the focus,
    // which then gets it as usual. Only the first delivery counts, not its propagation to parents.
    if (keyPreview_ && juego_ && evento->type() == QEvent::KeyPress) {
        auto* w = qobject_cast<QWidget*>(objeto);
        QWidget* foco = QApplication::focusWidget();
        const bool primeraEntrega = w && (w == foco || (!foco && w == this));
        if (primeraEntrega && w->window() == this) {
            const QString texto = static_cast<QKeyEvent*>(evento)->text();
            if (!texto.isEmpty()) juego_->Form_KeyPress(texto.at(0).unicode());
            actualizarAccesibles();
        }
    }
    return QMainWindow::eventFilter(objeto, evento);
}

CajaImagen* VentanaPrincipal::picDibujo(int i) const { return controles_.como<CajaImagen>("picDibujo", i); }
QWidget* VentanaPrincipal::txtClave(int i) const { return controles_.widget("txtClave", i); }
Etiqueta* VentanaPrincipal::lblClaveWidget() const { return controles_.como<Etiqueta>("lblClave"); }
Etiqueta* VentanaPrincipal::lblTiempoWidget() const { return controles_.como<Etiqueta>("lblTiempo"); }
QPushButton* VentanaPrincipal::cmdSalir() const { return controles_.como<QPushButton>("cmdSalir"); }
QTimer* VentanaPrincipal::tmrSegundos() const { return controles_.temporizadores.at("tmrSegundos"); }

QAction* VentanaPrincipal::accion(const std::string& nombre) const {
    const auto it = acciones_.find(nombre);
    return it == acciones_.end() ? nullptr : it->second;
}

} // namespace gemelario::ventanas
