// Test doubles for the logic's seams: they record every effect, in order, in one shared log.
#pragma once

#include "Plataforma.h"
#include "RelojSistema.h"
#include "VentanaGemelario.h"
#include "Ventanas.h"

#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace gemelario::prueba {

using Registro = std::vector<std::string>;

class RelojFalso : public Reloj {
public:
    int hora = 10 * 3600;
    Fecha fecha{6, 12, 2026};
    double segundos = 36000.25;
    double avance = 0.0;  // added to `segundos` at each read: 0 freezes the clock
    bool sigueAlSistema = false;  // the time read from the system clock
    int horaDelDia() override { return sigueAlSistema ? RelojSistema().horaDelDia() : hora; }
    Fecha hoy() override { return fecha; }
    double segundosDesdeMedianoche() override {
        if (sigueAlSistema) return RelojSistema().segundosDesdeMedianoche();
        const double s = segundos;
        segundos += avance;
        return s;
    }
};

class EsperaFalsa : public Espera {
public:
    explicit EsperaFalsa(Registro& r) : registro(r) {}
    Registro& registro;
    std::function<void()> alEsperar;
    void esperar(std::int32_t valor) override {
        registro.push_back("espera " + std::to_string(valor));
        if (alEsperar) alEsperar();
    }
};

class PitidoFalso : public Pitido {
public:
    explicit PitidoFalso(Registro& r) : registro(r) {}
    Registro& registro;
    void pitar() override { registro.push_back("pitido"); }
};

class VentanaFalsa : public VentanaGemelario {
public:
    explicit VentanaFalsa(Registro& r) : registro(r) {}
    Registro& registro;
    std::array<std::string, 25> imagen{};
    std::array<bool, 25> txtClave{};
    std::string clave, tiempo;
    bool keyPreview = false, nuevo = true, tabla = true, imagenClave = true;

    void ponerImagen(int i, const std::string& a) override { anota("picDibujo(" + std::to_string(i) + ")=" + (imagen.at(i) = a)); }
    void mostrarTxtClave(int i, bool v) override {
        anota("txtClave(" + std::to_string(i) + ")=" + ((txtClave.at(i) = v) ? "visible" : "oculto"));
    }
    void ponerLblClave(const std::string& t) override { anota("lblClave=" + (clave = t)); }
    void ponerLblTiempo(const std::string& t) override { anota("lblTiempo=" + (tiempo = t)); }
    std::string lblTiempo() const override { return tiempo; }
    void habilitarMenu(Menu m, bool h) override {
        (m == Menu::Nuevo ? nuevo : m == Menu::Tabla ? tabla : imagenClave) = h;
        anota(std::string(m == Menu::Nuevo ? "mnuNuevo" : m == Menu::Tabla ? "mnuTabla" : "mnuImagen") + (h ? "=on" : "=off"));
    }
    void ponerKeyPreview(bool a) override { anota(std::string("KeyPreview=") + ((keyPreview = a) ? "on" : "off")); }
    bool relojEnMarcha = false;
    void ponerRelojEnMarcha(bool m) override { relojEnMarcha = m; }
    void maximizar() override { anota("maximizar"); }
    void mensaje(const std::string& t, const std::string& ti) override { anota("mensaje " + ti + ": " + t); }
    void abrirModal(Modal m) override { anota("modal " + std::to_string(static_cast<int>(m))); }
    void terminar() override { anota("terminar"); }
    // What a screen reader's user hears, apart from the other effects, each with the number of
    // effects that came before it (so its moment among them is known).
    std::vector<std::pair<std::string, std::size_t>> anuncios;
    void anunciar(const std::string& t) override { anuncios.emplace_back(t, registro.size()); }

private:
    void anota(std::string efecto) { registro.push_back(std::move(efecto)); }
};

// A dialog's controls as plain values; every change is also logged.
class DialogoFalso : public Dialogo {
public:
    explicit DialogoFalso(Registro& r) : registro(r) {}
    Registro& registro;
    std::map<std::pair<std::string, int>, std::string> captions;
    std::map<std::pair<std::string, int>, bool> centrados;
    std::map<std::string, bool> visibles;
    std::function<void()> alCerrar;
    bool cerrado = false;

    void ponerCaption(const std::string& c, int i, const std::string& t) override {
        registro.push_back(c + "(" + std::to_string(i) + ")=" + (captions[{c, i}] = t));
    }
    std::string texto(const std::string& c) const override { return caption(c); }
    std::string caption(const std::string& c, int i = 0) const {
        const auto it = captions.find({c, i});
        return it == captions.end() ? "" : it->second;
    }
    bool centrado(const std::string& c, int i) const { return centrados.count({c, i}) != 0; }
    void escribir(const std::string& c, const std::string& t) { captions[{c, 0}] = t; }
    void ponerVisible(const std::string& c, bool v) override { registro.push_back(c + ((visibles[c] = v) ? " visible" : " oculto")); }
    void centrar(const std::string& c, int i) override { centrados[{c, i}] = true; }
    void ponerImagen(const std::string& c, int i, const std::string& a) override { registro.push_back(c + "(" + std::to_string(i) + ")=" + a); }
    void ponerBorde(const std::string&, int, bool) override {}
    int valor(const std::string&) const override { return 0; }
    void ponerValor(const std::string&, int) override {}
    void enfocar(const std::string& c) override { registro.push_back("foco " + c); }
    void mensaje(const std::string& t, const std::string& ti) override { registro.push_back("mensaje " + ti + ": " + t); }
    void imprimir() override { registro.push_back("imprimir"); }
    void cerrar() override {
        registro.push_back("cerrar");
        if (cerrado) return;
        cerrado = true;
        if (alCerrar) alCerrar();
    }
};

} // namespace gemelario::prueba
