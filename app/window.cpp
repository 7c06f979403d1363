// Program entry: the application title, the windows in their start-up order,
// then the message loop until File > Exit or the main window's close box.
#include "Mainres.h"
#include "windows.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    prepareApplication();
    const Windows windows = createWindows();
    windows.Mainform->show();
    return QApplication::exec();
}
