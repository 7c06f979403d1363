// The printer's calibration of each sheet: a text file in the person's
// configuration folder beside My parts, read whole when the labels window
// opens and written whole on each change of it there.
#pragma once

#include <kelvane/sheet.h>

#include <QString>

#include <array>

namespace calibrationfile {

using BySheet = std::array<kelvane::Calibration, kelvane::sheets.size()>;

QString path();

// The file read and parsed; no file is every sheet as printed.
kelvane::Calibrations read();

// Writes the file whole or not at all, making its folder where needed; its
// comments and the lines it could not read are kept.
void save(const BySheet& bySheet);

} // namespace calibrationfile
