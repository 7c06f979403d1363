// xshot FILE [WINDOW-ID]: saves the X display's root window, or one window,
// in the format its name ends in (.png, or .bmp where speed matters more than size).
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: xshot FILE [WINDOW-ID]\n");
        return 2;
    }
    const WId id = argc > 2 ? QByteArray(argv[2]).toULongLong(nullptr, 0) : 0;
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(id);
    return shot.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
