// The dialog windows on Qt's offscreen platform: geometry against their layout tables, keys,
// the name box, printing, and what each shows.
#include "Controles.h"
#include "EntornoTablero.h"
#include "LayoutsDialogos.h"
#include "Modales.h"
#include "TextoNormas.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace gemelario;
using namespace gemelario::prueba;
using namespace gemelario::ventanas;

namespace {

QString capturas() {
    std::filesystem::create_directories(CAPTURAS_DIR);
    return QString::fromUtf8(CAPTURAS_DIR);
}

class AbridorFalso : public AbridorWeb {
public:
    std::vector<std::string> abiertas;
    void abrir(const std::string& d) override { abiertas.push_back(d); }
};

// The window with its logic kept alive for as long as the window is used.
template <class Logica>
std::shared_ptr<VentanaDialogo> mantener(Abierta<Logica> a) {
    auto todo = std::make_shared<Abierta<Logica>>(std::move(a));
    return std::shared_ptr<VentanaDialogo>(todo, todo->dialogo.get());
}

class Dialogos : public ::testing::Test, protected EntornoTablero {
protected:
    VentanaFalsa principal{registro};
    std::unique_ptr<frmGemelario> juego = crearJuego(principal);
    CargadorImagenes imagenes{dir.ruta};
    AbridorFalso web;
    Contexto contexto{nullptr, imagenes, principal, *juego, clave, module1, reloj, azar, espera, pitido, web, dir.ruta};
    std::vector<std::string> mensajes;

    void SetUp() override { juego->Form_Load(); }

    // Shown as the program shows it (centred, first control focused), but not modal.
    void mostrar(VentanaDialogo& d) {
        d.mostrarMensaje = [this](const QString& t, const QString& ti) { mensajes.push_back((ti + ": " + t).toStdString()); };
        d.prepararParaMostrar();
        d.show();
        d.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    }

    int menusHabilitados() const {
        return static_cast<int>(std::count_if(registro.begin(), registro.end(),
                                              [](const std::string& e) { return e.size() > 3 && e.substr(e.size() - 3) == "=on"; }));
    }
};

TEST_F(Dialogos, EveryDialogMatchesItsLayoutTable) {
    struct Caso {
        const Formulario& layout;
        std::function<std::shared_ptr<VentanaDialogo>()> crear;
        QSize cliente;
    };
    const std::vector<Caso> casos = {
        {LayoutPuntuaciones(), [&] { return mantener(CrearPuntuaciones(contexto)); }, {582, 506}},
        {LayoutDiezPrimeros(), [&] { return mantener(CrearDiezPrimeros(contexto)); }, {439, 417}},
        {LayoutClave(), [&] { return CrearClave(contexto); }, {524, 488}},
        {LayoutDuracion(), [&] { return mantener(CrearDuracion(contexto)); }, {399, 290}},
        {LayoutNormas(), [&] { return CrearNormas(contexto); }, {537, 397}},
        {LayoutAcerca(), [&] { return mantener(CrearAcerca(contexto)); }, {470, 449}}};
    juego->Total = "00:00:42";
    for (const Caso& c : casos) {
        auto d = c.crear();
        mostrar(*d);
        EXPECT_EQ(d->windowTitle().toStdString(), c.layout.caption);
        EXPECT_EQ(d->superficie()->size(), c.cliente) << c.layout.nombre;
        EXPECT_EQ(d->minimumSize(), d->maximumSize()) << "not resizable";
        EXPECT_FALSE(d->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint));
        for (const Control& k : c.layout.controles) {
            QWidget* w = d->control(k.nombre, k.indice);
            if (k.tipo == Tipo::Temporizador) continue;
            ASSERT_NE(w, nullptr) << k.nombre << k.indice;
            if (k.tipo != Tipo::Linea) {
                EXPECT_EQ(w->geometry(), QRect(k.left / 15, k.top / 15, k.width / 15, k.height / 15)) << k.nombre << k.indice;
            }
            EXPECT_EQ(w->toolTip().toStdString(), k.tooltip) << k.nombre << k.indice;
            const QString accesible = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
            EXPECT_FALSE(accesible.isEmpty() || accesible.toStdString() == k.nombre) << "a Spanish name for " << k.nombre;
        }
        d->grab().save(capturas() + "/" + QString::fromStdString(c.layout.nombre) + ".png");
    }
}

TEST_F(Dialogos, TheNameBoxHasTheFocusTakesTwentyEightCharactersAndRefusesAnEmptyName) {
    juego->Total = "00:00:42";
    auto v = CrearDiezPrimeros(contexto);
    mostrar(*v.dialogo);
    auto* nombre = v.dialogo->como<QLineEdit>("txtNombre");
    EXPECT_EQ(QApplication::focusWidget(), nombre);
    for (int tecla : {Qt::Key_Return, Qt::Key_Escape}) {
        QTest::keyClick(nombre, static_cast<Qt::Key>(tecla));
        EXPECT_TRUE(v.dialogo->isVisible());
    }
    EXPECT_EQ(mensajes, std::vector<std::string>(2, "Nombre: Escribe tu nombre."));
    QTest::keyClicks(nombre, QString(30, QChar('x')));
    EXPECT_EQ(nombre->text(), QString(28, QChar('x')));
    nombre->clear();
    for (const QChar c : QString("Peña € <b>")) {  // typed as key presses carrying their text
        QKeyEvent pulsa(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(nombre, &pulsa);
    }
    EXPECT_EQ(v.dialogo->como<QLineEdit>("txtFecha")->text(), "6-12-2026");
    EXPECT_TRUE(v.dialogo->como<QLineEdit>("txtFecha")->isReadOnly());
    QTest::keyClick(nombre, Qt::Key_Return);
    EXPECT_FALSE(v.dialogo->isVisible());
    EXPECT_EQ(dir.leer("Gemelario.rnd").substr(20, 12), "Pe\xF1" "a \x80 <b>  ");
    EXPECT_EQ(registro.back(), "modal 1");
}

TEST_F(Dialogos, PrintingPutsTheWindowOnOnePageOrNothingWhenCancelled) {
    auto v = CrearPuntuaciones(contexto);
    mostrar(*v.dialogo);
    const QString pdf = QString::fromStdString((dir.ruta / "tabla.pdf").string());
    v.dialogo->elegirImpresora = [](QPrinter&) { return false; };
    v.dialogo->como<QPushButton>("cmdImprimir")->click();
    EXPECT_FALSE(QFile::exists(pdf)) << "cancelled: nothing printed";
    int elecciones = 0;
    v.dialogo->elegirImpresora = [&](QPrinter& p) {
        ++elecciones;
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        return true;
    };
    v.dialogo->como<QPushButton>("cmdImprimir")->click();
    EXPECT_EQ(elecciones, 1);
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1) << "one page";
    EXPECT_TRUE(bytes.contains("/Subtype /Image")) << "the window's image";
    EXPECT_TRUE(mensajes.empty()) << "no message either way";
    EXPECT_TRUE(v.dialogo->isVisible());
    QFile::copy(pdf, capturas() + "/tabla.pdf");
}

TEST_F(Dialogos, EnterEscAndTheCloseBoxCloseEveryWindow) {
    const std::vector<std::pair<const char*, std::function<std::shared_ptr<VentanaDialogo>()>>> ventanas = {
        {"frmClave", [&] { return CrearClave(contexto); }},
        {"frmNormas", [&] { return CrearNormas(contexto); }},
        {"frmAcerca", [&] { return mantener(CrearAcerca(contexto)); }},
        {"frmPuntuaciones", [&] { return mantener(CrearPuntuaciones(contexto)); }}};
    for (const auto& [nombre, crear] : ventanas)
        for (Qt::Key tecla : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_unknown}) {
            registro.clear();
            auto d = crear();
            mostrar(*d);
            if (tecla == Qt::Key_unknown) d->close();  // the close box
            else QTest::keyClick(QApplication::focusWidget(), tecla);
            EXPECT_FALSE(d->isVisible()) << nombre << " " << tecla;
            if (std::string(nombre) == "frmPuntuaciones") {
                EXPECT_EQ(menusHabilitados(), 3) << "closing the table enables the menus";
            }
        }
    // The exposure window, moved by an arrow and the track: Esc keeps the setting; Enter stores it, or
    // says once that it could not and applies it for this run.
    dir.escribir("Valor.dat", " 40 \r\n");
    juego->Form_Load();
    struct Caso {
        Qt::Key tecla;
        std::string bytes;  // Valor.dat afterwards; none when it cannot be written
        int etiqueta, ajuste;
    };
    for (const Caso& c : {Caso{Qt::Key_Escape, " 40 \r\n", 42, 40}, Caso{Qt::Key_Return, " 42 \r\n", 42, 42},
                         Caso{Qt::Key_Return, "", 44, 44}}) {
        if (c.bytes.empty()) {
            std::filesystem::remove(dir.ruta / "Valor.dat");
            std::filesystem::create_directory(dir.ruta / "Valor.dat");
        }
        auto v = CrearDuracion(contexto);
        mostrar(*v.dialogo);
        auto* barra = v.dialogo->como<QScrollBar>("vsbDuración");
        barra->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        barra->triggerAction(QAbstractSlider::SliderPageStepAdd);
        EXPECT_EQ(v.dialogo->como<Etiqueta>("lblDuración")->texto(), "Duración:  " + QString::number(c.etiqueta));
        QTest::keyClick(QApplication::focusWidget(), c.tecla);
        EXPECT_FALSE(v.dialogo->isVisible());
        EXPECT_EQ(std::filesystem::is_directory(dir.ruta / "Valor.dat") ? "" : dir.leer("Valor.dat"), c.bytes);
        EXPECT_EQ(juego->valor, c.ajuste * 1'000'000);
        EXPECT_EQ(mensajes, !c.bytes.empty() ? std::vector<std::string>{}
                                    : std::vector<std::string>{std::string("Duración de exposición: ") + kMensajeValorNoGuardado});
    }
    auto v = CrearDuracion(contexto);
    auto* barra = v.dialogo->como<QScrollBar>("vsbDuración");
    EXPECT_FALSE(barra->hasTracking()) << "the thumb reports its value once released";
    for (int intento : {0, 301, -5, 1000}) {
        barra->setValue(intento);
        EXPECT_GE(barra->value(), 1);
        EXPECT_LE(barra->value(), 300);
    }
}

TEST_F(Dialogos, EveryOpeningResetsTheKeyAndThePictureClickedIsTheOneWithoutABorder) {
    clave.clave = "tenis.bmp";
    auto d = CrearClave(contexto);
    EXPECT_EQ(clave.clave, "cataplás.bmp");
    mostrar(*d);
    for (int i : {5, 2}) QTest::mouseClick(d->control("picImagen", i), Qt::LeftButton, {}, QPoint(50, 50));
    for (int i = 1; i <= 12; ++i) EXPECT_EQ(d->como<CajaImagen>("picImagen", i)->borde(), i != 2) << i;
    EXPECT_EQ(clave.clave, "seta.bmp");
    d->grab().save(capturas() + "/frmClave-elegida.png");
    QTest::mouseClick(d->control("cmdDesconocida"), Qt::LeftButton);
    EXPECT_FALSE(d->isVisible()) << "a secret draw closes the window";
}

TEST_F(Dialogos, TheRulesCanBeScrolledAndSelectedButNotEdited) {
    auto d = CrearNormas(contexto);
    mostrar(*d);
    auto* texto = d->como<QPlainTextEdit>("Text1");
    EXPECT_EQ(texto->toPlainText().toStdString(), [] {
        std::string t = TextoNormas();
        for (std::size_t p; (p = t.find("\r\n")) != std::string::npos;) t.replace(p, 2, "\n");
        return t;
    }());
    EXPECT_TRUE(texto->isReadOnly());
    EXPECT_EQ(texto->verticalScrollBar()->maximum() > 0, true) << "more text than the box shows";
    QTest::keyClicks(texto, "zz");
    EXPECT_FALSE(texto->toPlainText().contains("zz"));
    texto->selectAll();
    EXPECT_TRUE(texto->textCursor().hasSelection());
}

TEST_F(Dialogos, TheAboutPairAnimatesAndTheLinkOpensTheSiteOnce) {
    auto v = CrearAcerca(contexto);
    mostrar(*v.dialogo);
    auto* uno = v.dialogo->como<CajaImagen>("Picture1", 1);
    auto* dos = v.dialogo->como<CajaImagen>("Picture1", 2);
    EXPECT_TRUE(uno->imagen().isNull() && dos->imagen().isNull()) << "empty before the first tick";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !uno->imagen().isNull(); }, 2000));
    EXPECT_EQ(uno->imagen(), dos->imagen());
    v.dialogo->grab().save(capturas() + "/frmAcerca-animando.png");
    auto* enlace = v.dialogo->control("picPubli1");
    EXPECT_EQ(enlace->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(enlace->cursor().hotSpot(), QPoint(12, 1));
    EXPECT_EQ(enlace->cursor().pixmap().size(), QSize(32, 32));
    for (const char* otro : {"cmdAceptar", "Label1"})
        EXPECT_NE(v.dialogo->control(otro)->cursor().shape(), Qt::BitmapCursor) << otro;
    EXPECT_EQ(enlace->toolTip(), "Enlace a https://www.corvantiso.example/");
    QTest::mouseClick(enlace, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(web.abiertas, std::vector<std::string>{"https://www.corvantiso.example/"});
    EXPECT_TRUE(v.dialogo->isVisible());
    EXPECT_EQ(registro.back(), "espera 15000000");
    juego->valor = 1'000'000;
    EXPECT_TRUE(QTest::qWaitFor([&] { return registro.back() == "espera 1000000"; }, 1000)) << "still animating, at the new setting";
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacion(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
