// Program entry: the application title, the windows in their start-up order,
// then the message loop until File > Exit or the main window's close box.
#include "Mainres.h"
#include "windows.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The layouts are drawn for one look; a desktop theme must not restyle them.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    const Windows windows = createWindows();
    windows.Mainform->show();
    return QApplication::exec();
}
