#include "calibrationfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace calibrationfile {

QString path()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/kelvane/calibration");
}

namespace {

std::string text()
{
    QFile file(path());
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

} // namespace

kelvane::Calibrations read() { return kelvane::readCalibrations(text()); }

void save(const BySheet& bySheet)
{
    const std::string kept = kelvane::keptLines(text());
    QDir().mkpath(QFileInfo(path()).path());
    QSaveFile out(path());
    if (out.open(QIODevice::WriteOnly)) {
        const std::string written = kept + kelvane::calibrationText(bySheet);
        out.write(written.data(), static_cast<qint64>(written.size()));
        out.commit();
    }
}

} // namespace calibrationfile
