// The dialog windows on Qt's offscreen platform: geometry against their layout tables, keys,
// the name box, printing, and what each shows.
#include "EntornoTablero.h"
#include "LayoutsDialogos.h"
#include "Modales.h"

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
        std::function<std::unique_ptr<VentanaDialogo>()> crear;
        QSize cliente;
    };
    const std::vector<Caso> casos = {
        {LayoutPuntuaciones(), [&] { return CrearPuntuaciones(contexto).dialogo; }, {582, 506}},
        {LayoutDiezPrimeros(), [&] { return CrearDiezPrimeros(contexto).dialogo; }, {439, 417}},
        {LayoutClave(), [&] { return CrearClave(contexto); }, {524, 488}},
        {LayoutDuracion(), [&] { return CrearDuracion(contexto).dialogo; }, {399, 290}},
        {LayoutNormas(), [&] { return CrearNormas(contexto); }, {537, 397}},
        {LayoutAcerca(), [&] { return CrearAcerca(contexto).dialogo; }, {470, 449}}};
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

TEST_F(Dialogos, EveryWayOfClosingTheTableEnablesTheThreeMenus) {
    const std::vector<std::function<void(VentanaDialogo&)>> cierres = {
        [](VentanaDialogo& d) { d.como<QPushButton>("cmdAceptar")->click(); },
        [](VentanaDialogo& d) { QTest::keyClick(d.como<QPushButton>("cmdImprimir"), Qt::Key_Escape); },
        [](VentanaDialogo& d) { QTest::keyClick(d.superficie(), Qt::Key_Return); },
        [](VentanaDialogo& d) { d.close(); }};
    for (std::size_t i = 0; i < cierres.size(); ++i) {
        registro.clear();
        auto v = CrearPuntuaciones(contexto);
        mostrar(*v.dialogo);
        cierres[i](*v.dialogo);
        EXPECT_FALSE(v.dialogo->isVisible()) << i;
        EXPECT_EQ(menusHabilitados(), 3) << "way " << i;
    }
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

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacion(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
