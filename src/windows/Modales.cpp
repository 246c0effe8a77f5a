// The dialog windows as the program opens them: each one built from its layout, wired to its
// logic and loaded; then shown modally over the main window.
#include "Modales.h"

#include "Anuncio.h"
#include "Controles.h"
#include "Imagenes.h"
#include "Tiempo.h"

#include <QKeyEvent>

#include <algorithm>

#include "LayoutsDialogos.h"
#include "VentanaPrincipal.h"

namespace gemelario::ventanas {
namespace {

std::unique_ptr<VentanaDialogo> dialogo(const Contexto& c, const Formulario& f) {
    return std::make_unique<VentanaDialogo>(f, c.imagenes, c.padre);
}

// The handler of each button of a window, by the button's name.
template <class Logica>
void botones(VentanaDialogo& d, Logica& l, std::map<std::string, void (Logica::*)()> manejadores) {
    d.alClic = [&l, m = std::move(manejadores)](const std::string& control, int) {
        if (const auto it = m.find(control); it != m.end()) (l.*(it->second))();
    };
}

// The best-times table heard a place at a time: the arrows (Home, End) move through the ten places,
// each said as "Puesto 3: 1 minuto 8 segundos, Gemelario, 21-3-2000", whatever has the focus; the
// thirty boxes are left out of what the reader reads at once.
class LectorDeFilas final : public QObject {
public:
    explicit LectorDeFilas(VentanaDialogo& d) : QObject(&d), d_(d) {
        for (const char* columna : {"lblTiempo", "lblNombre", "lblFecha"})
            for (int i = 1; i <= 10; ++i)
                if (QWidget* w = d.control(columna, i)) w->setProperty("leidaPorFilas", true);
        if (QWidget* aceptar = d.control("cmdAceptar"))
            aceptar->setAccessibleDescription(QStringLiteral("Con las flechas arriba y abajo se lee la tabla, puesto a puesto."));
        for (QWidget* w : d.findChildren<QWidget*>()) w->installEventFilter(this);
    }
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() != QEvent::KeyPress) return false;
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (tecla == Qt::Key_Down) fila_ = std::min(fila_ + 1, 10);
        else if (tecla == Qt::Key_Up) fila_ = std::max(fila_ - 1, 1);
        else if (tecla == Qt::Key_Home) fila_ = 1;
        else if (tecla == Qt::Key_End) fila_ = 10;
        else return false;
        const auto texto = [this](const char* columna) {
            auto* e = qobject_cast<Etiqueta*>(d_.control(columna, fila_));
            return e ? e->texto().simplified() : QString();
        };
        Anunciar(objeto, QStringLiteral("Puesto %1: %2, %3, %4").arg(fila_).arg(QString::fromStdString(TiempoDicho(texto("lblTiempo").toStdString())), texto("lblNombre"), texto("lblFecha")));
        return true;
    }

private:
    VentanaDialogo& d_;
    int fila_ = 0;
};

void LeerPorFilas(VentanaDialogo& d) { new LectorDeFilas(d); }

template <class Crear>
void abrir(Crear crear) {
    auto v = crear();
    if constexpr (requires { v.dialogo; }) {
        v.dialogo->abrirModal();
    } else {
        v->abrirModal();
    }
}

} // namespace

Abierta<frmPuntuaciones> CrearPuntuaciones(const Contexto& c) {
    Abierta<frmPuntuaciones> v{nullptr, dialogo(c, LayoutPuntuaciones())};
    v.logica = std::make_unique<frmPuntuaciones>(*v.dialogo, c.principal, c.module1, c.directorio);
    botones<frmPuntuaciones>(*v.dialogo, *v.logica,
                             {{"cmdAceptar", &frmPuntuaciones::cmdAceptar_Click},
                              {"cmdImprimir", &frmPuntuaciones::cmdImprimir_Click},
                              {"cmdRestablecer", &frmPuntuaciones::cmdRestablecer_Click}});
    v.dialogo->alCerrar = [l = v.logica.get()] { l->Form_QueryUnload(); };
    v.logica->Form_Load();
    LeerPorFilas(*v.dialogo);
    return v;
}

Abierta<frmDiezPrimeros> CrearDiezPrimeros(const Contexto& c) {
    Abierta<frmDiezPrimeros> v{nullptr, dialogo(c, LayoutDiezPrimeros())};
    v.logica = std::make_unique<frmDiezPrimeros>(*v.dialogo, c.principal, c.reloj, c.pitido, c.module1, c.juego.Total,
                                                 c.directorio);
    botones<frmDiezPrimeros>(*v.dialogo, *v.logica, {{"cmdAceptar", &frmDiezPrimeros::cmdAceptar_Click}});
    v.dialogo->alCerrar = [l = v.logica.get()] { l->Form_QueryUnload(); };
    v.dialogo->alTerminarSesion = [l = v.logica.get()] { l->GuardarAlTerminarSesion(); };
    v.logica->Form_Load();
    return v;
}

Abierta<frmDuración> CrearDuracion(const Contexto& c) {
    Abierta<frmDuración> v{nullptr, dialogo(c, LayoutDuracion())};
    v.logica = std::make_unique<frmDuración>(*v.dialogo, c.juego.valoración, c.juego.valor, c.directorio);
    botones<frmDuración>(*v.dialogo, *v.logica,
                         {{"cmdGuardar", &frmDuración::cmdGuardar_Click}, {"cmdCancelar", &frmDuración::cmdCancelar_Click}});
    v.dialogo->alCambiar = [l = v.logica.get()](const std::string&) { l->vsbDuración_Change(); };
    v.logica->Form_Load();
    return v;
}

Abierta<frmAcerca> CrearAcerca(const Contexto& c) {
    Abierta<frmAcerca> v{nullptr, dialogo(c, LayoutAcerca())};
    v.logica = std::make_unique<frmAcerca>(*v.dialogo, PlataformaAcerca{c.reloj, c.azar, c.web}, c.juego.valor);
    botones<frmAcerca>(*v.dialogo, *v.logica,
                       {{"cmdAceptar", &frmAcerca::cmdAceptar_Click}, {"picPubli1", &frmAcerca::picPubli1_Click}});
    v.dialogo->alTick = [l = v.logica.get()](const std::string&) { l->tmrAcerca_Timer(); };
    v.logica->Form_Load();
    return v;
}

std::unique_ptr<VentanaDialogo> CrearClave(const Contexto& c) {
    auto d = dialogo(c, LayoutClave());
    frmClave& clave = c.clave;
    VentanaDialogo& v = *d;
    Reloj& reloj = c.reloj;
    Azar& azar = c.azar;
    // What a screen reader says of the pictures and of Aceptar: each picture by its Spanish word and
    // whether it is the key; Aceptar, which key it accepts.
    const auto nombrar = [&clave, &v] {
        for (int i = 1; i <= kImagenes; ++i) {
            const bool esClave = clave.imagenes[i] == clave.clave;
            v.como<CajaImagen>("picImagen", i)->setAccessibleName(QString("Imagen %1: %2%3").arg(i).arg(
                QString::fromStdString(PalabraDeImagen(clave.imagenes[i])), esClave ? QStringLiteral(", es la clave") : QString()));
        }
        v.control("cmdAceptar")->setAccessibleDescription(
            QStringLiteral("La imagen clave es ") + QString::fromStdString(PalabraDeImagen(clave.clave)) + '.');
    };
    d->alClic = [&clave, &v, &reloj, &azar, nombrar](const std::string& control, int indice) {
        if (control == "picImagen") {
            clave.picImagen_Click(v, indice);
            nombrar();
            Anunciar(v.como<CajaImagen>("picImagen", indice),
                     QString::fromStdString(PalabraDeImagen(clave.clave)) + QStringLiteral(" es ahora la clave."));
        } else if (control == "cmdDesconocida") {
            clave.cmdDesconocida_Click(v, reloj, azar);
        } else if (control == "cmdAceptar") {
            clave.cmdAceptar_Click(v);
        }
    };
    clave.Form_Load(v);
    nombrar();
    // The arrows move among the four by three pictures; Enter accepts, as anywhere but on a button.
    for (int i = 1; i <= kImagenes; ++i) {
        auto* p = v.como<CajaImagen>("picImagen", i);
        p->dejarEnterALaVentana();
        QObject::connect(p, &CajaImagen::mover, p, [&v, i](int dc, int df) {
            const int col = (i - 1) % 4 + dc, fila = (i - 1) / 4 + df;
            if (col >= 0 && col < 4 && fila >= 0 && fila < 3) v.como<CajaImagen>("picImagen", fila * 4 + col + 1)->setFocus(Qt::TabFocusReason);
        });
    }
    return d;
}

std::unique_ptr<VentanaDialogo> CrearNormas(const Contexto& c) {
    auto d = dialogo(c, LayoutNormas());
    d->alClic = [v = d.get()](const std::string& control, int) {
        if (control == "cmdAceptar") v->cerrar();
    };
    return d;
}

void RegistrarModales(VentanaPrincipal& ventana, const Contexto& c) {
    ventana.registrarModal(Modal::Puntuaciones, [&c] { abrir([&c] { return CrearPuntuaciones(c); }); });
    ventana.registrarModal(Modal::DiezPrimeros, [&c] {
        // A time that no longer enters the table (another copy stored better ones) opens nothing.
        auto v = CrearDiezPrimeros(c);
        if (v.logica->posicion != 0) v.dialogo->abrirModal();
    });
    ventana.registrarModal(Modal::Duracion, [&c] { abrir([&c] { return CrearDuracion(c); }); });
    ventana.registrarModal(Modal::Acerca, [&c] { abrir([&c] { return CrearAcerca(c); }); });
    ventana.registrarModal(Modal::Clave, [&c] { abrir([&c] { return CrearClave(c); }); });
    ventana.registrarModal(Modal::Normas, [&c] { abrir([&c] { return CrearNormas(c); }); });
}

} // namespace gemelario::ventanas
