// The windows on Qt's offscreen platform: geometry against their layout tables, stacking, menus,
// keys, clicks, immediate painting, the name box, printing, and what each dialog shows.
#include "AbridorWebQt.h"
#include "ArchivoPuntuaciones.h"
#include "Contraste.h"
#include "Arte.h"
#include "EntornoTablero.h"
#include "FinDeSesion.h"
#include "LayoutsDialogos.h"
#include "Modales.h"
#include "Aviso.h"
#include "Traduccion.h"
#include "VentanaPrincipal.h"

#include <QtPrintSupport>
#include <QtTest>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <csignal>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

using namespace gemelario;
using namespace gemelario::prueba;
using namespace gemelario::ventanas;

namespace {

const std::string kValorNoGuardadoDicho = "No se ha podido guardar la duración en Valor.dat. La nueva duración se usará hasta que cierres "
                             "el juego.";

QString capturas() {
    std::filesystem::create_directories(CAPTURAS_DIR);
    return QString::fromUtf8(CAPTURAS_DIR);
}

// A point inside a cell, away from its border; the cell shows its picture from its top-left corner.
const QPoint kMuestra(53, 30);

class Ventana : public ::testing::Test, protected EntornoTablero {
protected:
    int terminaciones = 0;
    CargadorImagenes imagenes{dir.ruta};
    VentanaPrincipal ventana{imagenes, [this] { ++terminaciones; }};
    std::unique_ptr<frmGemelario> juego = crearJuego(ventana);

    void SetUp() override {
        ventana.conectar(*juego);
        juego->Form_Load();
        ventana.mostrarCentrada();
        ventana.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&ventana));
    }

    QImage captura() const { return QGuiApplication::primaryScreen()->grabWindow(ventana.winId()).toImage(); }

    // The colour at the middle of cell i on what the window has painted.
    QRgb centroCasilla(const QImage& c, int i) const { return c.pixel(ventana.picDibujo(i)->mapTo(&ventana, kMuestra)); }

    std::vector<int> celdasDe(const std::string& imagen) const { return EntornoTablero::celdasDe(*juego, imagen); }

    // A real click: through the window, which finds the control under the point.
    void clic(QPoint enSuperficie) {
        QTest::mouseClick(ventana.windowHandle(), Qt::LeftButton, {}, ventana.superficie()->mapTo(&ventana, enSuperficie));
    }
    void clicCasilla(int i) { clic(ventana.picDibujo(i)->geometry().center()); }
};

// Run once as it is and at 1.5 and 2 times (QT_SCALE_FACTOR, see tests/CMakeLists.txt): the layout in
// logical pixels, the pictures drawn with the screen's own.
TEST_F(Ventana, EveryControlStandsWhereTheLayoutPutsItAndIsSharpAtAnyScale) {
    // Worked out from the twips: cells at 360 + 1920 c, 120 + 2040 r, 1590 x 1710; the marks 360
    // and 600 inside them, 975 x 405; 15 twips to a pixel.
    EXPECT_EQ(ventana.superficie()->size(), QSize(794, 548));
    for (int i = 1; i <= 24; ++i) {
        const QPoint celda(24 + 128 * ((i - 1) % 6), 8 + 136 * ((i - 1) / 6));
        EXPECT_EQ(ventana.picDibujo(i)->geometry(), QRect(celda, QSize(106, 114))) << i;
        EXPECT_EQ(ventana.txtClave(i)->geometry(), QRect(celda + QPoint(24, 40), QSize(65, 27))) << i;
    }
    EXPECT_EQ(ventana.lblTiempoWidget()->geometry(), QRect(368, 256, 65, 25));
    EXPECT_EQ(ventana.lblTiempoWidget()->alineacion() & Qt::AlignHorizontal_Mask, Qt::AlignRight) << "the clock's seconds show";
    EXPECT_EQ(ventana.lblClaveWidget()->geometry(), QRect(48, 392, 697, 25));
    EXPECT_EQ(QFontInfo(ventana.lblClaveWidget()->font()).family(), "Liberation Sans") << "MS Sans Serif's stand-in";
    EXPECT_EQ(ventana.cmdSalir()->geometry(), QRect(44, 48, 67, 21));
    EXPECT_EQ(ventana.txtClave(5)->palette().color(QPalette::Text), QColor(0, 0, 255));
    const auto botones = Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    EXPECT_EQ(ventana.windowFlags() & botones, Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    const qreal escala = ventana.devicePixelRatioF();
    const QImage dibujo = ventana.picDibujo(1)->imagen();
    EXPECT_EQ(std::pair(dibujo.devicePixelRatio(), dibujo.size()), std::pair(escala, QSize(qRound(106 * escala), qRound(114 * escala))));
    ventana.grab().save(capturas() + QString("/ventana-escala-%1.png").arg(escala));
    // The About window's link: the stored 213 × 90 picture at 1×, drawn anew on a denser screen.
    VentanaDialogo acerca(LayoutAcerca(), imagenes);
    const QImage enlace = acerca.como<CajaImagen>("picPubli1")->imagen();
    EXPECT_EQ(enlace.size(), QSize(qRound(213 * escala), qRound(90 * escala)));
    if (escala != 1) return;
    EXPECT_EQ(enlace, QImage(":/arte/enlace.jpg"));
    // The sunken double line round a cell: the dark lines outside-in at top and left, the light ones
    // at bottom and right, down to the corners.
    const QImage c = ventana.picDibujo(1)->grab().toImage();
    const QPalette& pal = ventana.picDibujo(1)->palette();
    const std::map<char, QColor> rol{{'M', pal.color(QPalette::Mid)}, {'S', pal.color(QPalette::Shadow)}, {'m', pal.color(QPalette::Midlight)}, {'L', pal.color(QPalette::Light)}};
    for (const auto& [x, y, r] : {std::tuple{0, 57, 'M'}, {1, 57, 'S'}, {104, 57, 'm'}, {105, 57, 'L'}, {53, 0, 'M'}, {53, 1, 'S'}, {53, 112, 'm'}, {53, 113, 'L'},
                                  {104, 0, 'M'}, {0, 112, 'M'}, {103, 1, 'S'}, {1, 111, 'S'}, {104, 1, 'm'}, {1, 112, 'm'}, {105, 0, 'L'}, {0, 113, 'L'}, {105, 112, 'L'}})
        EXPECT_EQ(c.pixel(x, y), rol.at(r).rgb()) << x << "," << y << " " << r;
}

TEST_F(Ventana, TabWalksTheCellsInOrderEndingOnTheExitButtonHiddenBehindCellOne) {
    ventana.mostrarTxtClave(2, true);
    QStringList recorrido;
    QWidget* foco = ventana.picDibujo(1);
    foco->setFocus();
    for (int paso = 0; paso < 27; ++paso) {
        recorrido << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QStringList esperado;
    for (int i = 1; i <= 24; ++i) esperado << QString("picDibujo(%1)").arg(i);
    esperado << "cmdSalir" << "picDibujo(1)" << "picDibujo(2)";
    EXPECT_EQ(recorrido, esperado) << "the marks, shown or hidden, never take the focus";
    // Front to back, the order decides what a point shows.
    QWidget* s = ventana.superficie();
    EXPECT_EQ(s->childAt(ventana.cmdSalir()->geometry().center()), ventana.picDibujo(1)) << "the exit button hides behind cell 1";
    ventana.mostrarTxtClave(7, true);
    EXPECT_EQ(s->childAt(ventana.txtClave(7)->geometry().center()), ventana.txtClave(7));
    const QRect reloj = ventana.lblTiempoWidget()->geometry();
    EXPECT_EQ(s->childAt(reloj.topLeft() + QPoint(2, 1)), ventana.picDibujo(9)) << "middle cells cover the clock";
    EXPECT_EQ(s->childAt(reloj.center()), ventana.lblTiempoWidget()) << "it shows in the gaps";
    EXPECT_EQ(s->childAt(QPoint(100, 393)), ventana.picDibujo(13)) << "cells cover the message line's edges";
    EXPECT_EQ(s->childAt(QPoint(100, 400)), ventana.lblClaveWidget());
}

TEST_F(Ventana, MenusCarryTheirCaptionsShortcutsAndSeparatorsAndTheLogicReachesTheRealItems) {
    // The tree as shown; then, for each item the logic enables, the items left enabled ("+") or not.
    auto arbol = [&] {
        QStringList t;
        for (QAction* m : ventana.menuBar()->actions()) {
            t << m->text();
            for (QAction* a : m->menu()->actions())
                t << (a->isSeparator() ? QString("-") : (a->isEnabled() ? "+" : " ") + a->text() + " " + a->shortcut().toString());
        }
        return t.join("|").toStdString();
    };
    EXPECT_EQ(arbol(), "&Juego|+Nuevo Ctrl+N|-|+Tabla de puntuaciones Ctrl+P|-|+Salir Ctrl+S|"
                       "&Opciones|+Imagen clave Ctrl+C|-|+Duración de exposición Ctrl+D|" "&Ayuda|+Normas del juego |-|+Acerca de... ");
    for (const auto& [menu, caption] : {std::pair{Menu::Nuevo, "Nuevo Ctrl+N"}, std::pair{Menu::Tabla, "Tabla de puntuaciones Ctrl+P"},
                                         std::pair{Menu::Imagen, "Imagen clave Ctrl+C"}}) {
        ventana.habilitarMenu(menu, false);
        const std::string t = arbol();
        EXPECT_NE(t.find(std::string(" ") + caption), std::string::npos) << caption;
        EXPECT_EQ(QString::fromStdString(t).count("|+"), 6) << caption << ": only that item is disabled";
        ventana.habilitarMenu(menu, true);
    }
}

TEST_F(Ventana, ClicksAndKeysOnTheBoard) {
    ventana.cmdSalir()->setFocus();
    QTest::keyClick(ventana.cmdSalir(), Qt::Key_Return);
    EXPECT_EQ(terminaciones, 0) << "Enter presses nothing, not even the focused exit button";
    // A table that cannot be stored is said in a message box over the board, closed by Enter.
    std::filesystem::create_directory(dir.ruta / "Gemelario.rnd");
    QString dicho;
    QTimer::singleShot(100, [&] {
        if (auto* c = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) dicho = c->parentWidget() == &ventana ? c->text() : "?", QTest::keyClick(c, Qt::Key_Return);
    });
    juego->mnuNuevo_Click();
    EXPECT_TRUE(dicho.startsWith("No se puede guardar la tabla de puntuaciones (Gemelario.rnd).")) << dicho.toStdString();
    ventana.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ventana));
    const auto enVentana = [&](int celda) { return ventana.picDibujo(celda)->mapTo(&ventana, QPoint(53, 57)); };
    QTest::mousePress(ventana.windowHandle(), Qt::LeftButton, {}, enVentana(3));
    QTest::mouseRelease(ventana.windowHandle(), Qt::LeftButton, {}, enVentana(4));
    EXPECT_TRUE(ventana.picDibujo(3)->imagen() == DibujoIncorporado("reverso.bmp") && juego->pulsaciones == 0) << "released off the cell";
    clicCasilla(3);
    EXPECT_EQ(ventana.picDibujo(3)->imagen(), DibujoIncorporado(juego->imagenCasilla[3])) << "released on it, it turns";
    QTest::keyClick(ventana.picDibujo(5), Qt::Key_Escape);
    EXPECT_EQ(terminaciones, 1) << "Esc ends the program";
    // A click or a double click on the message line stays there; on the bare surface, it maximises.
    const auto doble = [&](QPoint p) { QTest::mouseDClick(ventana.windowHandle(), Qt::LeftButton, {}, ventana.superficie()->mapTo(&ventana, p)); };
    clic(QPoint(100, 400)), doble(QPoint(100, 400));
    EXPECT_FALSE(ventana.isMaximized());
    doble(QPoint(4, 540));
    EXPECT_TRUE(QTest::qWaitFor([&] { return ventana.isMaximized(); }, 1000));
}

// The game's time read from the system clock, as the game reads it.
TEST_F(Ventana, TheClockRestsWithoutAGameWakesOnceASecondWithTheSecondAndStandsStillDuringATurn) {
    const auto armados = [&] { return std::ranges::count_if(ventana.findChildren<QTimer*>(), &QTimer::isActive); };
    EXPECT_EQ(armados(), 0) << "no timer armed before a game";
    const auto ms = [] { return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::system_clock::now().time_since_epoch()).count() % 1000; };
    reloj.sigueAlSistema = true;
    int tics = 0;
    QObject::connect(ventana.tmrSegundos(), &QTimer::timeout, [&] { ++tics; });
    QString antes = "?";
    std::vector<long long> cambios;  // the millisecond of its second at which the label changed
    const auto mirar = [&](int durante) {
        QElapsedTimer t;
        for (t.start(); t.elapsed() < durante; QTest::qWait(2))
            if (ventana.lblTiempoWidget()->texto() != antes) antes = ventana.lblTiempoWidget()->texto(), cambios.push_back(ms());
    };
    juego->mnuNuevo_Click();
    mirar(3500);
    EXPECT_LE(tics, 5) << "the clock wakes about once a second";
    ASSERT_GE(cambios.size(), 4u) << "00:00:00 at once, then each second";
    EXPECT_EQ(antes, QString::fromStdString(juego->Total));
    // (One change may come late on a loaded machine.)
    EXPECT_GE(std::count_if(cambios.begin() + 1, cambios.end(), [](long long m) { return m < 100; }), std::ssize(cambios) - 2)
        << "the label changes with the second";
    // A turn held for 1.5 s: the label stands still, then shows the time at once.
    QString enLaEspera;
    espera.alEsperar = [&] { cambios.clear(), antes = enLaEspera = ventana.lblTiempoWidget()->texto(), mirar(1500); };
    clicCasilla(1);
    clicCasilla(juego->imagenCasilla[2] != juego->imagenCasilla[1] ? 2 : 3);
    EXPECT_TRUE(cambios.empty()) << "the clock ticked during the turn";
    mirar(50);
    EXPECT_NE(antes, enLaEspera) << "the seconds of the turn are shown once it ends";
}

TEST_F(Ventana, SpaceReachesTheBoardOnlyWhileKeyPreviewIsOn) {
    bool record = false;
    ventana.registrarModal(Modal::DiezPrimeros, [&] { record = true; });
    juego->mnuNuevo_Click();
    clave.clave = "seta.bmp";
    int resuelta = 0;
    for (int k = 1; k <= 12; ++k) {
        const std::string img = TablaImagenes()[k];
        if (img == "seta.bmp" || img == "tenis.bmp") continue;
        if (resuelta) {  // space on a solved cell in the middle of the game: no reveal, nothing turns
            ventana.picDibujo(resuelta)->setFocus();
            QTest::keyClick(ventana.picDibujo(resuelta), Qt::Key_Space);
            ASSERT_EQ(ventana.lblClaveWidget()->texto(), "") << "space in the middle of a game does nothing";
        }
        for (int c : celdasDe(img)) juego->picDibujo_Click(c);
        resuelta = celdasDe(img).at(0);
    }
    // Ten pairs without the key end the game: the menus come back, no record window, the four cells
    // left stay face down until space shows them, the key pair marked.
    ASSERT_TRUE(ventana.keyPreview());
    EXPECT_TRUE(ventana.accion("mnuNuevo")->isEnabled() && ventana.accion("mnuTabla")->isEnabled() && ventana.accion("mnuImagen")->isEnabled());
    registro.clear();
    for (int c : celdasDe("tenis.bmp")) clicCasilla(c);
    EXPECT_EQ(ventana.picDibujo(celdasDe("tenis.bmp")[1])->imagen(), DibujoIncorporado("reverso.bmp"));
    EXPECT_EQ(registro, Registro{}) << "no turn, no wait";
    EXPECT_FALSE(record) << "an unfinished game never enters the table";
    ventana.picDibujo(3)->setFocus();
    QTest::keyClick(ventana.picDibujo(3), Qt::Key_A);
    EXPECT_EQ(ventana.lblClaveWidget()->texto().toStdString(), kFaltanDicho);
    QTest::keyClick(ventana.picDibujo(3), Qt::Key_Space);
    EXPECT_EQ(ventana.lblClaveWidget()->texto().toStdString(), kSinClaveDicho);
    EXPECT_FALSE(ventana.keyPreview());
    for (const std::string img : {"seta.bmp", "tenis.bmp"})
        for (int c : celdasDe(img)) EXPECT_EQ(std::pair(ventana.picDibujo(c)->imagen(), ventana.txtClave(c)->isVisible()), std::pair(DibujoIncorporado(img), img == "seta.bmp"));
    juego->mnuNuevo_Click();
    EXPECT_FALSE(ventana.keyPreview()) << "a new game switches the space key off";
}

TEST_F(Ventana, TheKeyFlashIsSeenAtEveryStep) {
    juego->mnuNuevo_Click();
    clave.clave = "castillo.bmp";
    const auto c = celdasDe("castillo.bmp");
    std::vector<QRgb> vistos;
    espera.alEsperar = [&] { vistos.push_back(centroCasilla(captura(), c[1])); };
    clicCasilla(c[0]);
    clicCasilla(c[1]);
    const QRgb destello = DibujoIncorporado("reverclave.bmp").pixel(kMuestra);
    const QRgb castillo = DibujoIncorporado("castillo.bmp").pixel(kMuestra);
    EXPECT_EQ(vistos, (std::vector<QRgb>{destello, castillo, destello, castillo, destello, castillo}));
    EXPECT_TRUE(ventana.txtClave(c[0])->isVisible());
}

TEST_F(Ventana, PicturesComeFromTheDirectoryOrTheBuiltInCopy) {
    QImage rojo(106, 114, QImage::Format_RGB32);
    rojo.fill(QColor(255, 0, 0));
    ASSERT_TRUE(rojo.save(QString::fromStdString((dir.ruta / "seta.bmp").string()), "BMP"));
    dir.escribir("reverso.bmp", "esto no es un dibujo");
    ventana.ponerImagen(1, "seta.bmp");
    EXPECT_EQ(ventana.picDibujo(1)->imagen().pixel(50, 50), QColor(255, 0, 0).rgb());
    ventana.ponerImagen(2, "reverso.bmp");
    EXPECT_EQ(ventana.picDibujo(2)->imagen(), DibujoIncorporado("reverso.bmp"));
    ventana.ponerImagen(3, "portería.bmp");
    EXPECT_EQ(ventana.picDibujo(3)->imagen(), DibujoIncorporado("portería.bmp"));
    // A picture file over 64 MiB (a good one, and then a hole) is not read: the drawing instead.
    ASSERT_TRUE(rojo.save(QString::fromStdString((dir.ruta / "mochila.bmp").string()), "BMP"));
    std::filesystem::resize_file(dir.ruta / "mochila.bmp", (64 << 20) + 1);
    ventana.ponerImagen(4, "mochila.bmp");
    EXPECT_EQ(ventana.picDibujo(4)->imagen(), DibujoIncorporado("mochila.bmp"));
    // A named pipe in a picture's place is never waited on (a writer opening it frees a stuck reader).
    const std::filesystem::path tuberia = dir.ruta / "cohete.bmp";
    ASSERT_EQ(::mkfifo(tuberia.c_str(), 0600), 0);
    auto carga = std::async(std::launch::async, [&] { return imagenes.cargar("cohete.bmp", 1); });
    const bool aTiempo = carga.wait_for(std::chrono::seconds(2)) == std::future_status::ready;
    if (!aTiempo) ::close(::open(tuberia.c_str(), O_WRONLY | O_NONBLOCK));
    EXPECT_TRUE(aTiempo);
    EXPECT_EQ(carga.get(), DibujoIncorporado("cohete.bmp"));
}

TEST_F(Ventana, AWholeGameIsPlayedWithTheKeyboardAlone) {
    EXPECT_NE(ventana.picDibujo(1)->grab().toImage().pixelColor(5, 50), QColor(255, 140, 0)) << "no frame before a key";
    QTest::keyClick(&ventana, Qt::Key_N, Qt::ControlModifier);
    // The first arrow shows the frame on the screen at once, even where the focus cannot move.
    ventana.picDibujo(1)->setFocus(), QTest::keyClick(ventana.picDibujo(1), Qt::Key_Left);
    EXPECT_EQ(captura().pixelColor(ventana.picDibujo(1)->mapTo(&ventana, QPoint(5, 50))), QColor(255, 140, 0)) << "the frame at the first key";
    auto enfocada = [] { return QApplication::focusWidget()->objectName().mid(10).chopped(1).toInt(); };
    auto ir = [&](int destino) {  // by rows, then along the row
        const int filas = (destino - 1) / 6 - (enfocada() - 1) / 6, columnas = (destino - 1) % 6 - (enfocada() - 1) % 6;
        for (int k = 0; k < std::abs(filas); ++k) QTest::keyClick(QApplication::focusWidget(), filas < 0 ? Qt::Key_Up : Qt::Key_Down);
        for (int k = 0; k < std::abs(columnas); ++k) QTest::keyClick(QApplication::focusWidget(), columnas < 0 ? Qt::Key_Left : Qt::Key_Right);
        ASSERT_EQ(enfocada(), destino);
    };
    // Each arrow moves the frame one cell its way, and stops at the board's edges.
    for (const auto& [desde, tecla, hasta] : {std::tuple{1, Qt::Key_Left, 1}, {1, Qt::Key_Up, 1}, {7, Qt::Key_Left, 7}, {12, Qt::Key_Right, 12},
                                              {20, Qt::Key_Up, 14}, {14, Qt::Key_Left, 13}, {13, Qt::Key_Down, 19}, {19, Qt::Key_Right, 20},
                                              {24, Qt::Key_Right, 24}, {24, Qt::Key_Down, 24}}) {
        ir(desde);
        QTest::keyClick(QApplication::focusWidget(), tecla);
        EXPECT_EQ(enfocada(), hasta) << "from " << desde << " key " << tecla;
    }
    const QImage conMarco = ventana.picDibujo(24)->grab().toImage();
    EXPECT_EQ(conMarco.pixelColor(5, 50), QColor(255, 140, 0)) << "a visible focus frame";
    std::vector<std::string> orden{"cataplás.bmp"};  // the key pair first, so the game can be won
    for (int k = 2; k <= kImagenes; ++k) orden.push_back(TablaImagenes()[k]);
    juego->Total = "00:00:30";  // a record: the record window opens at the end
    // With a screen reader on, the record window waits while the last pair is said (80 ms a character
    // of "raqueta de tenis. Pareja. Fin de juego.", at most 4 s).
    ventana.hayLector = [] { return true; };
    QElapsedTimer cronometro;
    qint64 alRecord = -1;
    ventana.registrarModal(Modal::DiezPrimeros, [&] { alRecord = cronometro.elapsed(); });
    bool enter = false;
    for (const std::string& img : orden) for (int c : celdasDe(img)) {
            ir(c);
            cronometro.start();
            QTest::keyClick(QApplication::focusWidget(), (enter = !enter) ? Qt::Key_Return : Qt::Key_Space);
        }
    EXPECT_TRUE(alRecord >= 3120 && alRecord < 3400) << alRecord << " ms";
    ventana.hayLector = [] { return false; };  // no reader: nothing to wait for
    cronometro.start();
    ventana.abrirModal(Modal::DiezPrimeros);
    EXPECT_LT(alRecord, 100) << "without a reader the record window opens at once";
    EXPECT_EQ(ventana.lblClaveWidget()->texto().toStdString(), kFinDicho);
    for (int i = 1; i <= 24; ++i) EXPECT_EQ(ventana.picDibujo(i)->imagen(), DibujoIncorporado(juego->imagenCasilla[i]));
    EXPECT_EQ(terminaciones, 0);
}

// A cell is a button whose press action, a screen reader's, is carried out once the reader's call
// has returned. (What each cell is heard as, its place and state only: orca_test.)
TEST_F(Ventana, AReadersPressOnACellIsCarriedOutAfterItsCallReturns) {
    // The board as a reader walks it, row by row: what a sighted player sees (and the exit button Tab
    // reaches), no hidden mark, no empty label.
    const auto leidos = [&] {
        QStringList n;
        QAccessibleInterface* s = QAccessible::queryAccessibleInterface(ventana.superficie());
        for (int i = 0; i < s->childCount(); ++i) n << s->child(i)->text(QAccessible::Name);
        return n.join('|').toStdString();
    };
    QStringList fila[4];
    for (int i = 1; i <= 24; ++i) fila[(i - 1) / 6] << QString("Casilla %1, boca abajo").arg(i);
    const QString reloj = "Tiempo de juego: sin partida todavía";
    EXPECT_EQ(leidos(), (fila[0] + QStringList{"Salir"} + fila[1] + QStringList{reloj} + fila[2] + fila[3]).join('|').toStdString());
    ventana.mostrarTxtClave(8, true);
    ventana.ponerLblClave("Fin de juego");
    EXPECT_EQ(leidos(), (fila[0] + QStringList{"Salir"} + fila[1] + QStringList{"Clave", reloj} + fila[2] + QStringList{"Mensaje: Fin de juego"} + fila[3])
                            .join('|').toStdString());
    ventana.mostrarTxtClave(8, false);
    juego->mnuNuevo_Click();
    const int coche = celdasDe("coche.bmp")[0];
    QAccessibleInterface* celda = QAccessible::queryAccessibleInterface(ventana.picDibujo(coche));
    EXPECT_EQ(std::pair(celda->role(), celda->actionInterface()->actionNames()),
              std::pair(QAccessible::Button, QStringList{QAccessibleActionInterface::pressAction()}));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(ventana.lblTiempoWidget())->role(), QAccessible::StaticText);
    const auto vuelta = [&] { return ventana.picDibujo(coche)->imagen() == DibujoIncorporado("coche.bmp"); };
    celda->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(vuelta()) << "pressed later: the reader's call returns first";
    EXPECT_TRUE(QTest::qWaitFor(vuelta, 1000));
}

// ---- The dialog windows, built as the program builds them.

// What a poppler tool prints about a PDF file; the title the table's PDF carries.
QByteArray Poppler(const QString& programa, const QStringList& argumentos) {
    QProcess p;
    p.start(programa, argumentos);
    p.waitForFinished(20000);
    return p.readAllStandardOutput();
}
const QRegularExpression kTituloPdf("Title: +Gemelario - Tabla de puntuaciones\n");

class AbridorFalso : public AbridorWeb {
public:
    std::vector<std::string> abiertas;
    void abrir(const std::string& d) override { abiertas.push_back(d); }
};

// The window with its logic kept alive for as long as the window is used.
template <class Logica> std::shared_ptr<VentanaDialogo> mantener(Abierta<Logica> a) {
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
};

// Written out from the layouts: each window's caption and client size, a few controls with the
// rectangle worked out from their twips (15 to a pixel) and what they say, and its tab stops. Tab
// from the control focused at opening walks every stop in order and comes back, each stop looking
// different while it has the focus; then the window closes by Enter on that first control, by Esc,
// or by its close box (Qt::Key_unknown).
TEST_F(Dialogos, EveryDialogHasItsLayoutItsTabStopsAndCloses) {
    using Muestra = std::tuple<const char*, int, QRect, QString>;  // control, index, rectangle, caption or tooltip
    struct Caso {
        std::function<std::shared_ptr<VentanaDialogo>()> crear;
        QString titulo;
        QSize cliente;
        std::vector<Muestra> muestras;
        QStringList paradas;
        Qt::Key cierre;
    };
    QStringList paradasClave{"cmdAceptar", "cmdDesconocida"};
    for (int i = 1; i <= 12; ++i) paradasClave << QString("picImagen(%1)").arg(i);
    const std::vector<Caso> casos = {
        {[&] { return mantener(CrearPuntuaciones(contexto)); }, "Tabla de puntuaciones", {582, 506},
         {{"cmdAceptar", 0, {152, 458, 81, 33}, "Aceptar"}, {"cmdImprimir", 0, {352, 458, 81, 33}, "Imprimir tabla"},
          {"cmdRestablecer", 0, {252, 458, 81, 33}, "Restablecer"}, {"lblTiempo", 1, {32, 90, 89, 25}, " 59s"},
          {"lblNombre", 10, {128, 414, 297, 25}, "Gemelario" + QString(23, ' ')}, {"Label3", 0, {440, 58, 105, 17}, "Fecha"},
          {"Label1", 0, {40, 58, 73, 17}, "Tiempo"}},
         {"cmdAceptar", "cmdImprimir"}, Qt::Key_unknown},
        {[&] { return mantener(CrearDiezPrimeros(contexto)); }, "Estás entre los diez primeros", {439, 417},
         {{"txtNombre", 0, {48, 224, 289, 26}, ""}, {"cmdAceptar", 0, {176, 360, 81, 33}, "Aceptar"},
          {"Label1", 0, {56, 200, 81, 17}, "Nombre"}, {"Label2", 0, {56, 272, 81, 17}, "Fecha"}, {"lblTiempo", 0, {312, 288, 65, 25}, "00:00:42"}},
         {"txtNombre", "txtFecha", "cmdAceptar"}, Qt::Key_unknown},
        {[&] { return CrearClave(contexto); }, "Selección de la imagen clave", {524, 488},
         {{"cmdDesconocida", 0, {320, 432, 137, 33}, "Si pulsas aquí, no sabrás cuál es la imagen clave hasta que la aciertes."},
          {"cmdAceptar", 0, {88, 432, 81, 33}, "Aceptar"}}, paradasClave, Qt::Key_Return},
        {[&] { return mantener(CrearDuracion(contexto)); }, "Duración de exposición de imágenes", {399, 290},
         {{"cmdCancelar", 0, {226, 236, 83, 35}, "Cancelar"}, {"cmdGuardar", 0, {84, 236, 83, 35}, "Guardar"},
          {"vsbDuración", 0, {34, 106, 331, 63}, ""}, {"lblDuración", 0, {150, 182, 103, 19}, "Duración:  15"},
          {"Label1", 0, {58, 16, 281, 55}, "Puedes usar esta barra para aumentar o disminuir la duración de la exposición "
                                           "de las imágenes durante el juego."}},
         {"cmdGuardar", "cmdCancelar", "vsbDuración"}, Qt::Key_unknown},
        {[&] { return CrearNormas(contexto); }, "Normas del juego", {537, 397},
         {{"cmdAceptar", 0, {236, 336, 81, 33}, "Aceptar"}, {"Text1", 0, {68, 104, 417, 207}, ""},
          {"Label1", 0, {142, 48, 249, 49}, "Gemelario"}}, {"cmdAceptar", "Text1"}, Qt::Key_Escape},
        {[&] { return mantener(CrearAcerca(contexto)); }, "Acerca de... Gemelario", {470, 449},
         {{"Picture1", 1, {322, 34, 105, 114}, ""}, {"Picture1", 2, {322, 160, 105, 114}, ""},
          {"picPubli1", 0, {136, 344, 211, 87}, "Enlace a https://www.corvantiso.example/"},
          {"cmdAceptar", 0, {200, 296, 81, 33}, "Aceptar"}, {"Label3", 0, {70, 242, 191, 33}, "Para Lucía y Mateo, que jugaron primero"}},
         {"cmdAceptar", "picPubli1"}, Qt::Key_Return}};
    juego->Total = "00:00:42";
    auto tabla = CrearPuntuaciones(contexto);
    for (const Caso& c : casos) {
        auto d = c.crear();
        mostrar(*d);
        if (QTimer* t = d->temporizador("tmrAcerca")) t->stop();  // pictures that stay put
        EXPECT_EQ(d->windowTitle(), c.titulo);
        EXPECT_EQ(d->superficie()->size(), c.cliente) << c.titulo.toStdString();
        EXPECT_EQ(d->minimumSize(), d->maximumSize()) << "not resizable";
        EXPECT_LE((d->frameGeometry().center() - d->screen()->availableGeometry().center()).manhattanLength(), 4) << "centred";
        EXPECT_FALSE(d->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint));
        for (const auto& [control, indice, rectangulo, dice] : c.muestras) {
            QWidget* w = d->control(control, indice);
            ASSERT_NE(w, nullptr) << control;
            EXPECT_EQ(w->geometry(), rectangulo) << control << indice;
            const auto* b = qobject_cast<QAbstractButton*>(w);
            const auto* e = qobject_cast<Etiqueta*>(w);
            EXPECT_EQ(!w->toolTip().isEmpty() ? w->toolTip() : b ? b->text() : e ? e->texto() : "", dice) << control << indice;
        }
        // Every control, as a screen reader finds it: a Spanish name; the decorative lines hidden.
        for (QWidget* w : d->superficie()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            QAccessibleInterface* lector = QAccessible::queryAccessibleInterface(w);
            const QString nombre = lector->text(QAccessible::Name);
            EXPECT_FALSE(nombre.isEmpty() || w->objectName().startsWith(nombre)) << w->objectName().toStdString();
            EXPECT_EQ(lector->state().invisible, qobject_cast<Linea*>(w) || w->isHidden()) << w->objectName().toStdString();
        }
        d->grab().save(capturas() + "/" + d->objectName() + ".png");
        QStringList visitadas;
        for (int k = 0; k <= c.paradas.size(); ++k) {
            QWidget* foco = QApplication::focusWidget();
            visitadas << foco->objectName();
            if (k == c.paradas.size()) break;
            const QImage conFoco = foco->grab().toImage();
            QTest::keyClick(foco, Qt::Key_Tab);
            EXPECT_NE(foco->grab().toImage(), conFoco) << foco->objectName().toStdString() << " shows no focus";
            conFoco.save(capturas() + "/foco-" + d->objectName() + "-" + foco->objectName() + ".png");
        }
        EXPECT_EQ(visitadas, c.paradas + QStringList{c.paradas[0]}) << c.titulo.toStdString();
        registro.clear();
        if (c.cierre == Qt::Key_unknown) d->close();
        else QTest::keyClick(QApplication::focusWidget(), c.cierre);
        EXPECT_FALSE(d->isVisible()) << c.titulo.toStdString();
        if (c.titulo == "Tabla de puntuaciones") {
            EXPECT_EQ(registro, (Registro{"mnuNuevo=on", "mnuImagen=on", "mnuTabla=on"})) << "the menus given back";
        }
    }
    // The first time centred and larger, the others left-aligned; names on mauve, dates in 12 pt.
    const auto alineacion = [&](int i) { return tabla.dialogo->como<Etiqueta>("lblTiempo", i)->alineacion() & Qt::AlignHorizontal_Mask; };
    EXPECT_EQ(std::pair(alineacion(1), alineacion(2)), std::pair(Qt::Alignment(Qt::AlignHCenter), Qt::Alignment(Qt::AlignLeft)));
    EXPECT_EQ(std::pair(tabla.dialogo->control("lblTiempo", 1)->font().pixelSize(), tabla.dialogo->control("lblFecha", 3)->font().pixelSize()),
              std::pair(21, 16)) << "15.75 and 12 points at 96 dots per inch";
    EXPECT_EQ(tabla.dialogo->control("lblNombre", 3)->palette().color(QPalette::Window), QColor(128, 128, 255));
    // A decorative line in the layout's blue; a table cell named for a screen reader by its column and place.
    EXPECT_EQ(mantener(CrearAcerca(contexto))->control("Line1")->grab().toImage().pixel(1, 0), qRgb(0, 0, 255));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(tabla.dialogo->control("lblFecha", 3))->text(QAccessible::Name), "Fecha del puesto 3: 21-3-2000");
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
    v.dialogo->control("cmdAceptar")->setFocus();
    QTest::keyClick(v.dialogo->control("cmdAceptar"), Qt::Key_Space);
    EXPECT_EQ(std::pair(mensajes.size(), QApplication::focusWidget()), std::pair(std::size_t{3}, static_cast<QWidget*>(nombre)))
        << "refused three times, the third from Aceptar: the name box takes the focus back";
    EXPECT_EQ(v.dialogo->como<QLineEdit>("txtFecha")->text(), "6-12-2026");
    EXPECT_TRUE(v.dialogo->como<QLineEdit>("txtFecha")->isReadOnly());
    v.dialogo->close();
    // What is typed or pasted, and the bytes stored (an equal time ranks after: rank 2, 3, …).
    const std::pair<QString, std::string> nombres[] = {
        {QString(30, QChar('x')), std::string(28, 'x')}, {"Peña € <b>", "Pe\xF1" "a \x80 <b>"},
        {QString::fromUtf8("Jose\u0301 Mun\u0303oz"), "Jos\xE9 Mu\xF1oz"},  // accents as separate marks
        {QString::fromUtf8("\U0001F600").repeated(30), std::string(28, '?')}};  // emoji: one stored byte each
    std::size_t rango = 1;
    for (const auto& [escrito, bytes] : nombres) {
        auto w = CrearDiezPrimeros(contexto);
        mostrar(*w.dialogo);
        if (escrito.startsWith('J')) {
            QApplication::clipboard()->setText(escrito);
            QTest::keyClick(w.dialogo->control("txtNombre"), Qt::Key_V, Qt::ControlModifier);
        } else {
            for (const uint u : escrito.toUcs4()) {
                QKeyEvent pulsa(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUcs4(reinterpret_cast<const char32_t*>(&u), 1));  // typed as key presses carrying their text
                QApplication::sendEvent(w.dialogo->control("txtNombre"), &pulsa);
            }
        }
        const auto* caja = w.dialogo->como<QLineEdit>("txtNombre");
        EXPECT_EQ(caja->cursorPosition(), caja->text().size()) << "the cursor after what was typed or pasted";
        QTest::keyClick(w.dialogo->control("txtNombre"), Qt::Key_Return);
        EXPECT_FALSE(w.dialogo->isVisible());
        EXPECT_EQ(dir.leer("Gemelario.rnd").substr(rango++ * 66 + 20, 32), bytes + std::string(32 - bytes.size(), ' '))
            << escrito.toStdString();
        EXPECT_EQ(registro.back(), "modal 1");
    }
}

// Every text of every window on the light palette the layouts were drawn on (its blue kept, even
// where it reads poorly), on qt6ct's "darker" scheme and on high-contrast ones (white on black, black
// on white), set as a desktop sets them.
TEST_F(Dialogos, EveryTextReadsOnADarkOrHighContrastDesktopAndTheLightLookStays) {
    const QPalette claro = QApplication::palette();
    juego->Total = "00:00:42";
    QPalette oscuro(QColor("#ffffff"), QColor("#424245"), QColor("#979797"), QColor("#302f2e"), QColor("#4a4947"),
                    QColor("#ffffff"), QColor("#ffffff"), QColor("#3d3d3d"), QColor("#222020"));
    oscuro.setColor(QPalette::Shadow, QColor("#e7e4e0")), oscuro.setColor(QPalette::Highlight, QColor("#12608a"));
    QPalette contrastada(Qt::white, Qt::black, Qt::white, Qt::white, Qt::gray, Qt::white, Qt::white, Qt::black, Qt::black);
    contrastada.setColor(QPalette::Highlight, QColor("#1aebff")), contrastada.setColor(QPalette::HighlightedText, Qt::black);
    const QPalette blanca(Qt::black, Qt::white, Qt::white, Qt::black, Qt::gray, Qt::black, Qt::black, Qt::white, Qt::white);
    for (const auto& [nombre, paleta] : {std::pair{"claro", claro}, {"oscuro", oscuro}, {"contrastada", contrastada}, {"blanca", blanca}}) {
        QApplication::setPalette(paleta);
        VentanaPrincipal tablero{imagenes, [] {}};
        auto partida = crearJuego(tablero);
        tablero.conectar(*partida), partida->Form_Load(), tablero.show(), tablero.ponerLblClave(kMensajeFaltan);
        for (int i = 1; i <= 24; ++i) tablero.mostrarTxtClave(i, true);
        // The orange focus frame, on each side of a board cell (4 pixels wide, 2 in) and of the rules
        // text (2 wide, at its edge), against the window: at least 3:1 away from the light palette.
        const auto marco = [&, fondo = paleta.color(QPalette::Window), minimo = std::string(nombre) == "claro" ? 1.9 : 3, caso = nombre](
                               QWidget* ventana, QWidget* control, QWidget* pintado, int dentro, int fuera) {
            ventana->activateWindow(), (void)QTest::qWaitForWindowActive(ventana), control->setFocus(Qt::TabFocusReason);
            const QImage c = pintado->grab().toImage();
            for (const QPoint punto : {QPoint(dentro, c.height() / 2), QPoint(c.width() - fuera, c.height() / 2), QPoint(c.width() / 2, dentro),
                                       QPoint(c.width() / 2, c.height() - fuera)}) {
                QImage muestra(10, 10, QImage::Format_RGB32);
                muestra.fill(fondo), QPainter(&muestra).drawImage(QRect(4, 4, 2, 2), c, QRect(punto, QSize(2, 2)));
                EXPECT_GE(ContrastePintado(muestra), minimo) << caso << ": the focus frame of " << control->objectName().toStdString();
                EXPECT_GT(qRed(c.pixel(punto)) - qBlue(c.pixel(punto)), 90) << caso << ": still orange, moved only as far as it takes: " << control->objectName().toStdString();
            }
        };
        marco(&tablero, tablero.picDibujo(8), tablero.picDibujo(8), 2, 6);
        std::vector<std::shared_ptr<VentanaDialogo>> dialogos = {mantener(CrearPuntuaciones(contexto)), mantener(CrearDiezPrimeros(contexto)),
            CrearClave(contexto), mantener(CrearDuracion(contexto)), CrearNormas(contexto), mantener(CrearAcerca(contexto))};
        std::vector<QWidget*> ventanas{&tablero};
        for (auto& d : dialogos) mostrar(*d), d->como<QLineEdit>("txtNombre") && (d->como<QLineEdit>("txtNombre")->setText("Ñandú"), true), ventanas.push_back(d.get());
        auto* reglas = dialogos[4]->como<QPlainTextEdit>("Text1");
        marco(dialogos[4].get(), reglas, reglas->viewport(), 0, 2);
        for (QWidget* v : ventanas) for (QWidget* w : v->findChildren<QWidget*>()) {
            auto* e = qobject_cast<Etiqueta*>(w);
            auto* b = qobject_cast<QAbstractButton*>(w);
            auto* l = qobject_cast<QLineEdit*>(w);
            auto* f = qobject_cast<TextoFijo*>(w);
            auto* t = qobject_cast<QPlainTextEdit*>(w);
            if (!w->isVisible() || !((e && !e->texto().trimmed().isEmpty()) || (b && !b->text().isEmpty()) || (l && !l->text().isEmpty()) || f || t)) continue;
            const double c = ContrastePintado((t ? t->viewport() : w)->grab().toImage());
            if (std::string(nombre) != "claro") { EXPECT_GE(c, 4.5) << nombre << ": " << v->objectName().toStdString() << " " << w->objectName().toStdString(); }
        }
        if (std::string(nombre) == "claro") {
            // The layouts' blue as they name it: the table's title, and its names on the light violet (2.6:1).
            EXPECT_NEAR(ContrastePintado(dialogos[0]->control("Label4")->grab().toImage()), 7.47, 0.05);
            EXPECT_NEAR(ContrastePintado(dialogos[0]->control("lblNombre", 1)->grab().toImage()), 2.65, 0.05);
        }
        if (std::string(nombre) == "oscuro") dialogos[4]->grab().save(capturas() + "/normas-oscuro.png"), dialogos[0]->grab().save(capturas() + "/tabla-oscuro.png");
    }
    QApplication::setPalette(claro);
}

TEST_F(Dialogos, TheToolkitsOwnDialogsAndMenusSpeakSpanish) {
    // What the toolkit shows on its own while `abrir` runs: read, photographed and closed.
    const auto leer = [](const QString& nombre, const std::function<void()>& abrir) {
        QStringList textos;
        QTimer::singleShot(50, [&] {
            QWidget* w = QApplication::activePopupWidget() ? QApplication::activePopupWidget() : QApplication::activeModalWidget();
            if (!w) return;
            textos << w->windowTitle();
            for (const QAbstractButton* b : w->findChildren<QAbstractButton*>()) textos << b->text();
            for (const QAction* a : w->actions()) textos << a->text();
            for (const QLabel* l : w->findChildren<QLabel*>()) textos << l->text();
            for (const QGroupBox* g : w->findChildren<QGroupBox*>()) textos << g->title();
            for (const QTabWidget* t : w->findChildren<QTabWidget*>()) for (int i = 0; i < t->count(); ++i) textos << t->tabText(i);
            w->grab().save(capturas() + "/qt-" + nombre + ".png");
            w->close();
        });
        abrir();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !textos.isEmpty(); }, 2000)) << nombre.toStdString();
        return textos;
    };
    const auto menu = [&](QWidget* w) {
        QContextMenuEvent e(QContextMenuEvent::Keyboard, w->rect().center(), w->mapToGlobal(w->rect().center()));
        QApplication::sendEvent(w, &e);
    };
    juego->Total = "00:00:42";
    auto tabla = CrearPuntuaciones(contexto);
    auto normas = CrearNormas(contexto);
    // English words the toolkit's dialogs must not show, in any of their pages.
    const QStringList ingles = {"Pages", "Double Sided Printing", "Off", "Long side binding", "Short side binding", "Advanced",
                                "Page", "Print", "Cancel", "Options", "Properties", "Copies", "Collate", "Reverse", "Color Mode",
                                "Grayscale", "Print all", "Selection", "Printer", "Paper", "Orientation", "Portrait", "Landscape",
                                "Margins", "Job Options", "There are conflicts in some options. Please fix them."};
    // (The rules text is read-only: its menu offers no Cut or Paste.)
    const std::tuple<QString, VentanaDialogo*, std::function<void()>, QString> casos[] = {
        {"aviso", nullptr, [] { MostrarAviso(nullptr, "No se ha podido guardar.", "Gemelario"); }, "|Aceptar"},
        {"imprimir", tabla.dialogo.get(), [&] { tabla.dialogo->imprimir(); }, "Imprimir|"},
        {"imprimir-propiedades", tabla.dialogo.get(), [&] {
             // The print dialog's Properties, its Page and Advanced pages; then the print dialog is closed.
             // (No print dialog, no crash: the case fails on what it read.)
             QTimer::singleShot(20, [] { if (QWidget* m = QApplication::activeModalWidget()) m->findChild<QPushButton*>("properties")->click(); });
             QTimer::singleShot(300, [] { if (QWidget* m = QApplication::activeModalWidget()) m->close(); });
             tabla.dialogo->imprimir();
         }, "Página|"},
        {"menu-normas", normas.get(), [&] { menu(normas->control("Text1")); }, "|&Copiar\tControl+C||Seleccionar todo\tControl+A"},
        {"menu-barra", normas.get(), [&] { menu(normas->como<QPlainTextEdit>("Text1")->verticalScrollBar()); }, "Desplazar hasta aquí|"}};
    for (const auto& [nombre, ventana, abrir, texto] : casos) {
        if (ventana) mostrar(*ventana);
        const QStringList textos = leer(nombre, abrir);
        EXPECT_TRUE(textos.join('|').contains(texto)) << nombre.toStdString() << ": " << textos.join('|').toStdString();
        for (const QString& t : textos) EXPECT_FALSE(ingles.contains(QString(t).remove('&'))) << nombre.toStdString() << " shows " << t.toStdString();
        if (ventana) ventana->hide();
    }
}

TEST_F(Dialogos, TheEndOfTheSessionStoresATypedNameThenEndsTheProgram) {
    int terminaciones = 0;
    VigilarFinDeSesion(*qApp, GuardarDialogosAbiertos, [&] { ++terminaciones; });
    juego->Total = "00:00:42";
    for (const auto& [nombre, senal] : {std::pair{"", SIGHUP}, std::pair{"Ana", SIGTERM}}) {
        auto v = CrearDiezPrimeros(contexto);
        mostrar(*v.dialogo);
        QTest::keyClicks(v.dialogo->control("txtNombre"), nombre);
        const int antes = terminaciones;
        ::raise(senal);
        ASSERT_TRUE(QTest::qWaitFor([&] { return terminaciones > antes; }, 2000));
        EXPECT_EQ(dir.leer("Gemelario.rnd").substr(20, 32), (*nombre ? "Ana" : "Gemelario") + std::string(*nombre ? 29 : 23, ' '));
        EXPECT_NE(registro.back(), "modal 1") << "no table opened on the way out";
    }
}

TEST_F(Dialogos, PrintingDrawsTheWindowAcrossThePageAtAnyScaleOrNothingWhenCancelled) {
    auto v = CrearPuntuaciones(contexto);
    mostrar(*v.dialogo);
    const QString pdf = QString::fromStdString((dir.ruta / "tabla.pdf").string());
    int elecciones = 0;
    QString sugerido;
    QString destino = pdf;
    v.dialogo->elegirImpresora = [&](QPrinter& p) {  // a dialog filled in, then cancelled the first time
        sugerido = p.docName();
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(destino);
        return ++elecciones > 1;
    };
    v.dialogo->como<QPushButton>("cmdImprimir")->click();
    EXPECT_FALSE(QFile::exists(pdf)) << "cancelled: nothing printed";
    EXPECT_TRUE(mensajes.empty()) << "cancelled: nothing said";
    v.dialogo->como<QPushButton>("cmdImprimir")->click();
    EXPECT_EQ(elecciones, 2);
    EXPECT_EQ(sugerido, "Gemelario - Tabla de puntuaciones") << "the job's name";
    EXPECT_TRUE(mensajes.empty());
    const auto poppler = [&](const QString& programa, QStringList argumentos) { return Poppler(programa, argumentos << pdf); };
    const QString info = QString::fromUtf8(poppler("pdfinfo", {}));
    EXPECT_TRUE(info.contains(kTituloPdf) && info.contains(QRegularExpression("\nPages: +1\n"))) << "its title, one page: " << info.toStdString();
    // Drawn for the printer at its resolution (1200 dpi for a PDF file at high resolution), not a
    // screen grab of 96 pixels an inch stretched across the page.
    const QStringList imagenes = QString::fromUtf8(poppler("pdfimages", {"-list"})).split('\n', Qt::SkipEmptyParts).mid(2);
    EXPECT_FALSE(imagenes.isEmpty());
    for (const QString& linea : imagenes) EXPECT_GE(linea.simplified().split(' ').value(12).toInt(), 1200) << linea.toStdString();
    // Rendered at 20 dpi, the A4 page is 166 pixels wide; the window spans the printable width (the
    // page less Qt's default margins), the same at every scale of the screen.
    const QImage pagina = QImage::fromData(poppler("pdftoppm", {"-r", "20", "-gray", "-singlefile"}));
    ASSERT_EQ(pagina.width(), 166);
    int izquierda = pagina.width(), derecha = 0;
    for (int y = 0; y < pagina.height(); ++y) for (int x = 0; x < pagina.width(); ++x)
            if (qGray(pagina.pixel(x, y)) < 250) izquierda = std::min(izquierda, x), derecha = std::max(derecha, x);
    EXPECT_GE(derecha - izquierda + 1, 140) << "at scale " << v.dialogo->devicePixelRatioF();
    // A printer that cannot be opened (here a file in a folder that does not exist) is said once.
    destino = QString::fromStdString((dir.ruta / "no-existe" / "tabla.pdf").string());
    v.dialogo->como<QPushButton>("cmdImprimir")->click();
    // Without the printing module, the file that could not be loaded is said.
    v.dialogo->moduloImpresion = QString::fromStdString((dir.ruta / "impresion.so").string());
    v.dialogo->como<QPushButton>("cmdImprimir")->click();
    EXPECT_EQ(mensajes, (std::vector<std::string>{"Gemelario: No se ha podido imprimir la tabla: la impresora no se ha podido abrir.",
                                                  "Gemelario: No se ha podido imprimir la tabla: no se ha podido cargar " + (dir.ruta / "impresion.so").string() + "."}));
    EXPECT_TRUE(v.dialogo->isVisible());
}

// A print server on the loopback that answers its first question after `tarda` milliseconds (never,
// if negative), every later one at once, with "not found".
class ServidorSuplente {
public:
    explicit ServidorSuplente(int tarda) {
        sockaddr_in6 a{AF_INET6, 0, 0, in6addr_any, 0};  // both 127.0.0.1 and ::1
        socklen_t n = sizeof a;
        ::setsockopt(fd_, IPPROTO_IPV6, IPV6_V6ONLY, &(const int&)0, sizeof(int));
        ::bind(fd_, reinterpret_cast<sockaddr*>(&a), n), ::listen(fd_, 8), ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &n);
        puerto = ntohs(a.sin6_port);
        std::thread([fd = fd_, espera = std::make_shared<std::atomic<int>>(tarda)] {
            for (int c; (c = ::accept(fd, nullptr, nullptr)) >= 0;) std::thread([c, espera] {
                    char b[4096];
                    while (::recv(c, b, sizeof b, 0) > 0) if (const int t = espera->exchange(0); t >= 0)
                        std::this_thread::sleep_for(std::chrono::milliseconds(t)), ::send(c, "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n", 45, MSG_NOSIGNAL);
                    ::close(c);
                }).detach();
        }).detach();
    }
    ~ServidorSuplente() { ::shutdown(fd_, SHUT_RDWR), ::close(fd_); }
    int puerto = 0;
private:
    int fd_ = ::socket(AF_INET6, SOCK_STREAM, 0);
};

// Qt's print dialog asks the print server on the window's thread: one that never answers is found
// out first, said within 2 s, and the table goes to a PDF file instead; one that answers late opens
// the dialog. The window answers the desktop all along.
TEST_F(Dialogos, APrintServerThatNeverAnswersIsSaidAndTheTableGoesToAPdf) {
    auto v = CrearPuntuaciones(contexto);
    mostrar(*v.dialogo);
    // The file offered where the print queue would put it: the home folder, here a scratch one.
    const QByteArray casa = qgetenv("HOME");
    qputenv("HOME", QByteArray::fromStdString(dir.ruta.string()));
    const QString pdf = QDir::home().filePath("Gemelario - Tabla de puntuaciones.pdf");
    // And a real print server, cupsd with a queue "PDF", on a socket of its own.
    const std::string cups = (dir.ruta / "cups").string();
    for (const char* d : {"spool", "cache", "state", "log"}) std::filesystem::create_directories(std::filesystem::path(cups) / d);
    dir.escribir("cups/cupsd.conf", "Listen " + cups + "/cups.sock\n<Location />\nOrder allow,deny\nAllow all\n</Location>\n");
    dir.escribir("cups/cups-files.conf", "ServerRoot " + cups + "\nRequestRoot " + cups + "/spool\nCacheDir " + cups + "/cache\nStateDir " +
                 cups + "/state\nErrorLog " + cups + "/log/error_log\nAccessLog " + cups + "/log/access_log\nFileDevice Yes\n");
    QProcess cupsd;
    cupsd.start("cupsd", {"-f", "-c", QString::fromStdString(cups + "/cupsd.conf"), "-s", QString::fromStdString(cups + "/cups-files.conf")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return std::filesystem::exists(cups + "/cups.sock"); }, 5000)) << "cupsd did not start";
    QProcess::execute("lpadmin", {"-h", QString::fromStdString(cups + "/cups.sock"), "-p", "PDF", "-E", "-v", "file:///dev/null", "-m", "drv:///sample.drv/generic.ppd"});
    // (Run in a process of its own, the real server first: the print system's library reads its server once.)
    // The server named as a desktop names it: in the environment, or in the player's client.conf (an
    // IPv6 address with a port and a version). The player saves the PDF file where offered, or says
    // no in the message box, or cancels the file dialog (no file, nothing said), or goes to a folder
    // where no file can be written (said).
    const std::string imposible = "/proc/Gemelario - Tabla de puntuaciones.pdf";  // (no one, not even root, makes a file there)
    // (-2: a local server that hangs, its socket taking the connection and never answering.)
    sockaddr_un colgado{AF_UNIX, {}};
    (dir.ruta / "colgado.sock").string().copy(colgado.sun_path, sizeof colgado.sun_path - 1);
    const int escucha = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ServidorSuplente callado(-1);  // named in client.conf where the environment names a server that answers: the environment's comes first
    ::bind(escucha, reinterpret_cast<sockaddr*>(&colgado), sizeof colgado), ::listen(escucha, 8);
    for (const auto& [tarda, enConfiguracion, respuesta] : {std::tuple{0, false, "guardar"}, {-1, false, "guardar"}, {-2, false, "no"},
                                                            {-1, true, "cancelar"}, {-1, false, "imposible"}, {1000, false, "guardar"}}) {
        ServidorSuplente servidor(tarda);
        const std::string puerto = std::to_string(servidor.puerto), conf = std::to_string((tarda ? servidor : callado).puerto);
        std::filesystem::create_directories(dir.ruta / ".cups"), dir.escribir(".cups/client.conf", "ServerName [::ffff:127.0.0.1]:" + conf + "/version=1.1\n");
        qputenv("CUPS_SERVER", tarda == -2 ? colgado.sun_path : tarda ? "127.0.0.1:" + QByteArray::fromStdString(puerto) : QByteArray::fromStdString(cups + "/cups.sock"));
        if (enConfiguracion) qunsetenv("CUPS_SERVER");
        QFile::remove(pdf);
        QElapsedTimer reloj;
        qint64 latido = 0, hueco = 0;
        std::vector<std::pair<QString, qint64>> vistos;  // each window over the table, and when
        QTimer vigia;
        vigia.callOnTimeout([&, respuesta = std::string(respuesta)] {
            QWidget* m = QApplication::activeModalWidget();
            // (Qt's own dialogs take their time to build: the gaps measured are the game's.)
            const qint64 h = reloj.elapsed() - std::exchange(latido, reloj.elapsed());
            if (!qobject_cast<QFileDialog*>(m) && !qobject_cast<QPrintDialog*>(m)) hueco = std::max(hueco, h);
            if (!m || m == v.dialogo.get() || (!vistos.empty() && vistos.back().first.startsWith(m->metaObject()->className()))) return;
            if (auto* caja = qobject_cast<QMessageBox*>(m)) {
                vistos.emplace_back(QString("QMessageBox ") + caja->text(), reloj.elapsed());
                for (auto* b : caja->buttons()) if (respuesta == std::string("no") ? b == caja->button(QMessageBox::Cancel) : b->text() == "Guardar como PDF...") b->click();
            } else if (auto* archivo = qobject_cast<QFileDialog*>(m)) {
                vistos.emplace_back(QString("QFileDialog ") + archivo->selectedFiles().value(0), reloj.elapsed());
                if (respuesta == std::string("imposible")) archivo->setDirectory("/proc");
                QMetaObject::invokeMethod(archivo, respuesta == std::string("cancelar") ? "reject" : "accept");
            }
            else if (auto* cola = m->findChild<QComboBox*>("printers"))
                vistos.emplace_back(QString(m->metaObject()->className()) + " " + cola->itemText(0), reloj.elapsed()), m->close();
        });
        vigia.start(20);
        reloj.start();
        v.dialogo->como<QPushButton>("cmdImprimir")->click();
        EXPECT_LT(hueco, 100) << "the window kept answering";
        ASSERT_FALSE(vistos.empty());
        if (tarda >= 0) {
            EXPECT_TRUE(vistos.front().first.startsWith("QPrintDialog")) << "an answer, even after 1 s: Qt's print dialog, as ever";
            EXPECT_TRUE(tarda ? vistos.front().second >= 1000 : vistos.front().first == "QPrintDialog PDF") << vistos.front().first.toStdString();
            continue;
        }
        ASSERT_EQ(vistos.size(), respuesta == std::string("no") ? 1u : 2u) << respuesta;
        EXPECT_EQ(vistos[0].first, "QMessageBox El servicio de impresión no responde: no se puede imprimir ahora. ¿Quieres guardar la tabla en un archivo PDF?");
        EXPECT_TRUE(vistos[0].second >= 1900 && vistos[0].second < 2300) << vistos[0].second << " ms";
        if (vistos.size() > 1) { EXPECT_EQ(vistos[1].first, "QFileDialog " + pdf) << "the job's name"; }
        EXPECT_EQ(QString(Poppler("pdfinfo", {pdf})).contains(kTituloPdf), respuesta == std::string("guardar")) << "the table in a PDF: " << respuesta;
    }
    qunsetenv("CUPS_SERVER"), qputenv("HOME", casa), cupsd.terminate(), cupsd.waitForFinished(5000), ::close(escucha);
    EXPECT_EQ(mensajes, std::vector<std::string>{"Gemelario: No se ha podido guardar la tabla en " + imposible + "."});
}

TEST_F(Dialogos, EnterOrSpaceOnAFocusedControlDoesWhatAClickDoes) {
    // The key window resets the key at every opening; a picture chosen by a click or Space is the one
    // without a border; Enter on "Clave desconocida" makes the secret draw and closes.
    clave.clave = "tenis.bmp";
    auto eleccion = CrearClave(contexto);
    EXPECT_EQ(clave.clave, "cataplás.bmp");
    mostrar(*eleccion);
    QTest::mouseClick(eleccion->control("picImagen", 5), Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(clave.clave, "castillo.bmp");
    // Space chooses; the arrows move among the four by three pictures, stopping at the edges.
    eleccion->control("picImagen", 3)->setFocus();
    QTest::keyClick(eleccion->control("picImagen", 3), Qt::Key_Space);
    EXPECT_EQ(clave.clave, "hamburgue.bmp");
    for (const auto& [desde, tecla, hasta] : {std::tuple{3, Qt::Key_Right, 4}, {4, Qt::Key_Right, 4}, {4, Qt::Key_Down, 8}, {12, Qt::Key_Down, 12},
                                              {12, Qt::Key_Up, 8}, {8, Qt::Key_Left, 7}, {5, Qt::Key_Left, 5}, {2, Qt::Key_Up, 2}}) {
        eleccion->control("picImagen", desde)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), tecla);
        EXPECT_EQ(QApplication::focusWidget(), eleccion->control("picImagen", hasta)) << "from " << desde << " key " << tecla;
    }
    QTest::keyClick(eleccion->control("picImagen", 4), Qt::Key_Space);
    EXPECT_EQ(clave.clave, "cajafuerte.bmp");
    for (int i = 1; i <= 12; ++i) EXPECT_EQ(eleccion->como<CajaImagen>("picImagen", i)->borde(), i != 4) << i;
    // (What a reader hears of the pictures and of Aceptar: orca_test.)
    // Enter on a picture accepts, as it does anywhere but on another button.
    QTest::keyClick(eleccion->control("picImagen", 4), Qt::Key_Return);
    EXPECT_FALSE(eleccion->isVisible());
    EXPECT_EQ(clave.clave, "cajafuerte.bmp");
    eleccion = CrearClave(contexto);
    mostrar(*eleccion);
    eleccion->control("cmdDesconocida")->setFocus();
    const int sorteos = azar.sorteos;
    QTest::keyClick(eleccion->control("cmdDesconocida"), Qt::Key_Return);
    EXPECT_FALSE(eleccion->isVisible());
    EXPECT_EQ(azar.sorteos, sorteos + 1) << "the secret draw, not Aceptar's kept choice";
    // A tenth time under a minute: the table offers "Restablecer"; Space on it brings back the
    // factory table and closes.
    Puntuacion registro;
    ASSERT_TRUE(EscribirTablaInicial(dir.ruta, registro));
    const std::string fabrica = dir.leer("Gemelario.rnd");
    dir.escribir("Gemelario.rnd", fabrica.substr(0, 603) + "00:00:59" + fabrica.substr(611));
    auto tabla = CrearPuntuaciones(contexto);
    mostrar(*tabla.dialogo);
    QWidget* restablecer = tabla.dialogo->control("cmdRestablecer");
    ASSERT_TRUE(restablecer->isVisible());
    restablecer->setFocus(), QTest::keyClick(restablecer, Qt::Key_Space);
    EXPECT_EQ(std::pair(dir.leer("Gemelario.rnd") == fabrica, tabla.dialogo->isVisible()), std::pair(true, false));
    auto acerca = CrearAcerca(contexto);
    mostrar(*acerca.dialogo);
    for (Qt::Key tecla : {Qt::Key_Return, Qt::Key_Space}) QTest::keyClick(acerca.dialogo->control("picPubli1"), tecla);
    EXPECT_EQ(web.abiertas.size(), 2u);
    EXPECT_TRUE(acerca.dialogo->isVisible());
}

TEST_F(Dialogos, TheExposureWindowStoresOnEnterKeepsOnEscAndSaysWhenItCannotStore) {
    // The exposure window, moved by its keys (a step at a time, Home and End to its ends, each value
    // shown at once; a letter moves nothing): Esc keeps the setting; Enter stores it, or says once that it could not and
    // applies it for this run.
    dir.escribir("Valor.dat", " 40 \r\n");
    juego->Form_Load();
    // (key, what the label showed after each key, Valor.dat afterwards or none when it cannot be written, the setting applied)
    for (const auto& [tecla, leidas, bytes, ajuste] : {std::tuple<Qt::Key, QString, std::string, int>{Qt::Key_Escape, "1|300|299|298|1|2|3|3", " 40 \r\n", 40},
                                                         {Qt::Key_Return, "41|42", " 42 \r\n", 42}, {Qt::Key_Return, "43|44", "", 44}}) {
        if (bytes.empty()) {
            std::filesystem::remove(dir.ruta / "Valor.dat");
            std::filesystem::create_directory(dir.ruta / "Valor.dat");
        }
        auto v = CrearDuracion(contexto);
        mostrar(*v.dialogo);
        QStringList vistas;
        for (Qt::Key t : {Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp, Qt::Key_Left, Qt::Key_Home, Qt::Key_Right, Qt::Key_PageDown, Qt::Key_A})
            if (tecla == Qt::Key_Escape || t == Qt::Key_Right || t == Qt::Key_PageDown)
                QTest::keyClick(v.dialogo->control("vsbDuración"), t), vistas << v.dialogo->como<Etiqueta>("lblDuración")->texto().mid(11);
        EXPECT_EQ(vistas.join('|'), leidas);
        QTest::keyClick(QApplication::focusWidget(), tecla);
        EXPECT_FALSE(v.dialogo->isVisible());
        EXPECT_EQ(std::filesystem::is_directory(dir.ruta / "Valor.dat") ? "" : dir.leer("Valor.dat"), bytes);
        EXPECT_EQ(juego->valor, ajuste * 1'000'000);
        EXPECT_EQ(mensajes, !bytes.empty() ? std::vector<std::string>{}
                                    : std::vector<std::string>{std::string("Duración de exposición: ") + kValorNoGuardadoDicho});
    }
    EXPECT_FALSE(CrearDuracion(contexto).dialogo->como<QScrollBar>("vsbDuración")->hasTracking()) << "the thumb reports its value once released";
}

TEST_F(Dialogos, TheAboutPairAnimatesAndTheLinkOpensTheSiteOnce) {
    auto v = CrearAcerca(contexto);
    mostrar(*v.dialogo);
    auto* uno = v.dialogo->como<CajaImagen>("Picture1", 1);
    auto* dos = v.dialogo->como<CajaImagen>("Picture1", 2);
    EXPECT_TRUE(uno->imagen().isNull() && dos->imagen().isNull()) << "empty before the first tick";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !uno->imagen().isNull(); }, 2000));
    EXPECT_EQ(uno->imagen(), dos->imagen());
    auto* enlace = v.dialogo->control("picPubli1");
    EXPECT_EQ(std::tuple(enlace->cursor().shape(), enlace->cursor().hotSpot(), enlace->cursor().pixmap().size()),
              std::tuple(Qt::BitmapCursor, QPoint(12, 1), QSize(32, 32))) << "the hand over the link";
    for (const char* otro : {"cmdAceptar", "Label1"}) EXPECT_NE(v.dialogo->control(otro)->cursor().shape(), Qt::BitmapCursor) << otro;
    QTest::mouseClick(enlace, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(web.abiertas, std::vector<std::string>{"https://www.corvantiso.example/"});
    EXPECT_TRUE(v.dialogo->isVisible());
    // At the longest setting (15 s) the pair changes only once the clock has gone 15 s on, and the
    // window answers at once meanwhile.
    juego->valor = 300'000'000;
    const int sorteos = azar.sorteos;
    reloj.segundos += 14.9;
    QTest::qWait(350);
    EXPECT_EQ(azar.sorteos, sorteos) << "a new pair before the exposure wait has gone by";
    reloj.segundos += 0.2;
    EXPECT_TRUE(QTest::qWaitFor([&] { return azar.sorteos > sorteos; }, 1000)) << "still animating, at the new setting";
    QElapsedTimer cronometro;
    cronometro.start();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(v.dialogo->isVisible());
    EXPECT_LT(cronometro.elapsed(), 200);
}

TEST(AbridorWeb, TheOpenerGetsTheAddressAndWhenItCannotOpenItThePlayerIsTold) {
    DirectorioTemporal dir;
    const QByteArray path = qgetenv("PATH");
    AbridorWebQt web;
    QStringList cajas;  // the message boxes shown (title, icon, text), each closed as it opens
    QTimer vigia;
    QObject::connect(&vigia, &QTimer::timeout, [&] {
        if (auto* c = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            cajas << c->windowTitle() + "|" + QString::number(c->icon()) + "|" + c->text(), c->close();
    });
    vigia.start(20);
    const std::string recibido = (dir.ruta / "recibido").string(), aviso = "Gemelario|2|No se ha podido abrir https://www.corvantiso.example/ en el navegador: ";
    // No opener; one that finds no browser; one that cannot run; one that opens it and records what it
    // was handed (nothing said).
    for (const auto& [abridor, dicho] : {std::pair<std::string, std::string>{"", aviso + "falta xdg-open (instala xdg-utils)."},
                                         {"#!/bin/sh\nexit 3\n", aviso + "el escritorio no tiene un navegador con el que abrirla."},
                                         {"#!/no/existe\n", aviso + "xdg-open no se puede ejecutar."},
                                         {"#!/bin/sh\nprintf '%s|' \"$@\" > " + recibido + "\n", ""}}) {
        if (!abridor.empty()) dir.escribir("xdg-open", abridor), std::filesystem::permissions(dir.ruta / "xdg-open", std::filesystem::perms::owner_all);
        qputenv("PATH", dir.ruta.c_str());
        cajas.clear();
        web.abrir("https://www.corvantiso.example/");
        (void)QTest::qWaitFor([&] { return !cajas.isEmpty() || std::filesystem::exists(recibido); }, 2000);
        QTest::qWait(200);
        EXPECT_EQ(cajas.join('/').toStdString(), dicho);
    }
    EXPECT_EQ(dir.leer("recibido"), "https://www.corvantiso.example/|");
    qputenv("PATH", path);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacion(argc, argv);
    TraducirQtAlEspanol(aplicacion);
    UbicarDibujosDensos({GEMELARIO_RUN_DIR "/gemelario-densos.rcc"});
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
