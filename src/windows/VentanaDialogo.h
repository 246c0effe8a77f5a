// A dialog window built from its layout table: its controls reached by name, its events routed
// to the window's logic, shown modally.
#pragma once

#include "Arte.h"
#include "Impresion.h"
#include "Renderizador.h"
#include "Ventanas.h"

#include <QDialog>

#include <functional>
#include <string>

namespace gemelario::ventanas {

class VentanaDialogo : public QDialog, public Dialogo {
    Q_OBJECT
public:
    VentanaDialogo(const Formulario& formulario, const CargadorImagenes& imagenes, QWidget* padre = nullptr);

    // Events, routed to the window's logic by whoever opens it.
    std::function<void(const std::string& control, int indice)> alClic;
    std::function<void(const std::string& control)> alCambiar;
    std::function<void(const std::string& temporizador)> alTick;
    std::function<void()> alCerrar;
    // The desktop session ends while the window is open: store what it holds.
    std::function<void()> alTerminarSesion;

    // Seams for a test: the message box and the choice of a printer (false: cancelled).
    std::function<void(const QString& texto, const QString& titulo)> mostrarMensaje;
    ElegirImpresora elegirImpresora;
    // The printing module's file, loaded at the first print; empty: where it is installed, from the
    // program's folder.
    QString moduloImpresion;

    // Centred on the screen, the first control in tab order focused; then modal until closed.
    void prepararParaMostrar();
    int abrirModal();

    QWidget* control(const std::string& nombre, int indice = 0) const { return controles_.widget(nombre, indice); }
    template <typename T>
    T* como(const std::string& nombre, int indice = 0) const {
        return controles_.como<T>(nombre, indice);
    }
    QTimer* temporizador(const std::string& nombre) const;
    QWidget* superficie() const { return superficie_; }

    // Dialogo
    void ponerCaption(const std::string& control, int indice, const std::string& texto) override;
    std::string texto(const std::string& control) const override;
    void ponerVisible(const std::string& control, bool visible) override;
    void centrar(const std::string& control, int indice) override;
    void ponerImagen(const std::string& control, int indice, const std::string& archivo) override;
    void ponerBorde(const std::string& control, int indice, bool borde) override;
    int valor(const std::string& control) const override;
    void ponerValor(const std::string& control, int valor) override;
    void enfocar(const std::string& control) override;
    void mensaje(const std::string& texto, const std::string& titulo) override;
    void imprimir() override;
    void cerrar() override;

protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

private:
    // The print server does not answer: said, and the table offered as a PDF file.
    void guardarEnPdf(FuncionImprimirPdf enPdf);
    const Formulario& formulario_;
    const CargadorImagenes& imagenes_;
    QWidget* superficie_;
    ControlesConstruidos controles_;
    bool cerrando_ = false;
};

// Every open dialog's unsaved work stored (the record window's typed name), as the session ends.
void GuardarDialogosAbiertos();

} // namespace gemelario::ventanas
