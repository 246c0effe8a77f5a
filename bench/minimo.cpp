// The floor of any Qt program here: an empty window of the game's size with one menu.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication aplicacion(argc, argv);
    QMainWindow ventana;
    ventana.setWindowTitle("Minimo");
    ventana.menuBar()->addMenu("&Juego")->addAction("Nuevo");
    auto* cliente = new QWidget;
    cliente->setFixedSize(794, 548);
    ventana.setCentralWidget(cliente);
    ventana.show();
    return QApplication::exec();
}
