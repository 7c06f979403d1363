// Program entry: the application title, the windows in their start-up order,
// then the message loop until File > Exit or the main window's close box.
// Started by the command line with --write-labels or --write-chart, it writes
// that PDF on the offscreen platform instead, with no display, and ends.
#include "application.h"
#include "paper/labelpages.h"
#include "windows/Mainres.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

namespace {

// --write-labels FILE SHEET BANDS VALUE/TOLERANCE...: the sheet and the band
// choice as indices, each value in thousandths of an ohm, the tolerance a fraction.
int write(int argc, char* argv[])
{
    const QString file = QString::fromLocal8Bit(argv[2]);
    const auto written = [&file](bool done) {
        if (!done)
            std::fputs(qPrintable(QLatin1String("kelvane: ")
                           + QCoreApplication::translate("TLabels", "%1 cannot be written").arg(file) + u'\n'),
                stderr);
        return done ? 0 : 1;
    };
    if (std::strcmp(argv[1], "--write-chart") == 0)
        return written(writeChart(file));
    if (argc < 5)
        return 2;
    LabelRun run;
    run.sheet = static_cast<std::size_t>(std::atoi(argv[3])) % kelvane::sheets.size();
    run.bands = static_cast<BandChoice>(std::atoi(argv[4]) % 3);
    for (int i = 5; i < argc; ++i) {
        const QStringList part = QString::fromLatin1(argv[i]).split(QLatin1Char('/'));
        run.parts.push_back({part.value(0).toLongLong(), part.value(1).toDouble()});
    }
    return written(writeLabels(run, file));
}

} // namespace

int main(int argc, char* argv[])
{
    const bool writing
        = argc > 2 && (std::strcmp(argv[1], "--write-labels") == 0 || std::strcmp(argv[1], "--write-chart") == 0);
    if (writing) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // A command's errors are its own line; Qt's warnings about the run are no answer.
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    }
    QApplication app(argc, argv);
    prepareApplication();
    if (writing)
        return write(argc, argv);
    const Windows windows = createWindows();
    windows.Mainform->show();
    return QApplication::exec();
}
