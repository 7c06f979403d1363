// Program entry: the application title, the windows in their start-up order,
// then the message loop until File > Exit or the main window's close box.
// Started by the command line with a print job (paper/printjob.h), it writes
// that PDF on the offscreen platform instead, with no display, and ends.
#include "application.h"
#include "paper/labelpages.h"
#include "paper/printjob.h"
#include "wording.h"

#include <QApplication>

#include <cstdio>
#include <variant>

namespace {

int write(const PrintJob& job)
{
    const QString file = QString::fromLocal8Bit(job.file.c_str());
    const bool done = job.what == PrintJob::What::Chart ? writeChart(file)
        : job.what == PrintJob::What::CalibrationPage   ? writeCalibration(job.labels, file)
                                                        : writeLabels(job.labels, file);
    if (!done)
        std::fputs(
            qPrintable(QLatin1String("kelvane: ")
                + QCoreApplication::translate(wording::paperContext, wording::cannotBeWritten).arg(file) + u'\n'),
            stderr);
    return done ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    const auto job = printJobOf(argc, argv);
    // Only the command line starts it so: what it was given is no job to guess at.
    if (const auto* none = std::get_if<NoPrintJob>(&job); none && *none == NoPrintJob::Malformed) {
        std::fputs("kelvane: the window program was given a print job it cannot read\n", stderr);
        return 2;
    }
    const auto* printing = std::get_if<PrintJob>(&job);
    if (printing) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // A command's errors are its own line; Qt's warnings about the run are no answer.
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    }
    QApplication app(argc, argv);
    prepareApplication();
    if (printing)
        return write(*printing);
    return runWindows();
}
