// Labels and the colour-code chart on paper. A run of parts is laid out on a
// sheet by the engine's places, from the run's first unused label; each label
// is drawn in millimetres inside its place, clipped to it: the value as the
// display writes it, a resistor's bands in their colours with each colour's
// name (or a shorter form) under it, a bill of materials' references (as many
// as fit, then "+N") and quantity, and the value's SMD codes where there is room. The
// whole page is moved and scaled by the sheet's calibration; its calibration
// page shows the labels' outlines and a millimetre rule along each edge. The
// same pages go to the preview, to a printer and to a PDF file, from the
// windows and from the command line.
#pragma once

#include "printjob.h"

#include <kelvane/sheet.h>

#include <QString>

class QPrinter;

// The printer set to the sheet's paper, whole page, no margins. Printing
// is false where the printer or file cannot be opened.
void prepareLabels(QPrinter& printer, const LabelRun& run);
// The labels before the run's start are left blank on paper, and crossed out in a preview.
enum class UsedLabels { Blank, Crossed };
bool printLabels(QPrinter& printer, const LabelRun& run, UsedLabels used);
// The run's sheet and calibration; its paper as prepareLabels sets it.
bool printCalibration(QPrinter& printer, const LabelRun& run);

// The chart's paper follows the language's measurement system: Letter for the US, else A4.
void prepareChart(QPrinter& printer);
bool printChart(QPrinter& printer);

// Into a PDF file; false where it cannot be written.
bool writeLabels(const LabelRun& run, const QString& file);
bool writeCalibration(const LabelRun& run, const QString& file);
bool writeChart(const QString& file);
