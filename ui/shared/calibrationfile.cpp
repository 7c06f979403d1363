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

kelvane::Calibrations read()
{
    QFile file(path());
    return kelvane::readCalibrations(file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string());
}

void save(const BySheet& bySheet)
{
    QDir().mkpath(QFileInfo(path()).path());
    QSaveFile out(path());
    if (out.open(QIODevice::WriteOnly)) {
        const std::string text = kelvane::calibrationText(bySheet);
        out.write(text.data(), static_cast<qint64>(text.size()));
        out.commit();
    }
}

} // namespace calibrationfile
