// makeicons DIR: writes the program icon at the hicolor theme's sizes, as
// DIR/NxN/apps/org.kelvane.Kelvane.png, all drawn from the one design.
#include "shared/icon.h"

#include <QDir>
#include <QImage>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: makeicons DIR\n");
        return 2;
    }
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(size);
        if (!QDir().mkpath(dir) || !programImage(size).save(dir + QStringLiteral("/org.kelvane.Kelvane.png")))
            return 1;
    }
    return 0;
}
