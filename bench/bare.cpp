// The yardstick for start-up and memory: a bare QMainWindow with a menu bar,
// started the way Kelvane is.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"), &app, &QApplication::quit);
    window.resize(291, 270);
    window.show();
    window.activateWindow();
    return QApplication::exec();
}
