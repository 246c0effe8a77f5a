// frmGemelario on screen: the Qt main window built from its layout, routing events to the board.
#pragma once

#include "Arte.h"
#include "Controles.h"
#include "Renderizador.h"
#include "VentanaGemelario.h"

#include <QAccessible>
#include <QMainWindow>

#include <array>
#include <deque>
#include <functional>
#include <map>

class QLineEdit;
class QPushButton;
class QTimer;

namespace gemelario {
class frmGemelario;
}

namespace gemelario::ventanas {

class VentanaPrincipal : public QMainWindow, public VentanaGemelario {
    Q_OBJECT
public:
    VentanaPrincipal(const CargadorImagenes& imagenes, std::function<void()> terminarPrograma);
    ~VentanaPrincipal() override;

    // Routes the window's events to the board's handlers.
    void conectar(frmGemelario& juego);
    // The function that shows another window modally; a window not registered opens nothing.
    void registrarModal(Modal ventana, std::function<void()> abrir);
    void mostrarCentrada();
    // Seam for a test: the message box.
    std::function<void(const QString& texto, const QString& titulo)> mostrarMensaje;
    // Whether a screen reader listens (Qt's own test, unless a test stands in for the reader).
    std::function<bool()> hayLector = &QAccessible::isActive;

    // VentanaGemelario
    void ponerImagen(int i, const std::string& archivo) override;
    void mostrarTxtClave(int i, bool visible) override;
    void ponerLblClave(const std::string& texto) override;
    void ponerLblTiempo(const std::string& texto) override;
    std::string lblTiempo() const override;
    void habilitarMenu(Menu menu, bool habilitado) override;
    void ponerKeyPreview(bool activo) override;
    void ponerRelojEnMarcha(bool enMarcha) override;
    void maximizar() override;
    void mensaje(const std::string& texto, const std::string& titulo) override;
    void anunciar(const std::string& texto) override;
    void abrirModal(Modal ventana) override;
    void terminar() override;

    CajaImagen* picDibujo(int i) const;
    QWidget* txtClave(int i) const;
    Etiqueta* lblClaveWidget() const;
    Etiqueta* lblTiempoWidget() const;
    QPushButton* cmdSalir() const;
    QAction* accion(const std::string& nombre) const;
    QTimer* tmrSegundos() const;
    Superficie* superficie() const { return superficie_; }
    bool keyPreview() const { return keyPreview_; }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void changeEvent(QEvent* evento) override;

private:
    void fijarTamano();
    // "Casilla 7, boca abajo", "Casilla 7, seta, resuelta": what a screen reader says of a cell.
    void actualizarAccesible(int i);
    const CargadorImagenes& imagenes_;
    std::function<void()> terminarPrograma_;
    Superficie* superficie_;
    ControlesConstruidos controles_;
    std::map<std::string, QAction*> acciones_;
    std::map<Modal, std::function<void()>> modales_;
    frmGemelario* juego_ = nullptr;
    bool keyPreview_ = false;
    bool maximizada_ = false;
    std::array<std::string, 25> mostrado_{};
    QString ultimoAnuncio_;
    bool enClic_ = false;
    bool segundoPendiente_ = false;  // a second that passed during a turn, shown once it ends
    void tic();
    // Runs an order of the player's, or keeps it until the one under way has ended.
    void atender(std::function<void()> orden);
    std::deque<std::function<void()>> pendientes_;
    bool atendiendo_ = false;
    void actualizarAccesibles();
};

} // namespace gemelario::ventanas
