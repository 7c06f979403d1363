// A marking's readings and a value's standing in words, in the program's
// language: the markings window shows them and speaks them, and a command
// line writes them one reading a line. Values are written as the decoder
// writes them ("4,7 Kohm") and spoken in words ("4.7 kilohms").
#pragma once

#include <kelvane/marking.h>
#include <kelvane/value.h>

#include <QString>

namespace kelvane {
struct BandReading;
}

// The texts of one reading; the ranges are empty without a tolerance.
struct ReadingText {
    QString value;
    QString kind; // the kinds of code with the tolerance: "letter code, ±5 %"
    QString series;
    QString range;
    QString said; // the value in words
    QString saidRange;
};

// "4,7 Kohm"; decimals as for kelvane::display.
QString writtenValue(std::int64_t value, bool resistor, int decimals = 3);

// "E12", or "not standard; nearest E24: 4,3 Kohm and 4,7 Kohm"; empty for 0.
QString seriesText(kelvane::Milli value, bool resistor);

// The series' name, or "not standard".
QString seriesName(kelvane::Milli value);

// "4,465 Kohm to 4,935 Kohm", or in words where spoken.
QString rangeText(kelvane::Milli value, const kelvane::Tolerance& tolerance, bool resistor, bool spoken = false);

ReadingText readingText(const kelvane::Reading& reading, bool resistor);

// Why a typed value is none: "not a value", "out of range"; empty for an empty text.
QString valueProblem(kelvane::ValueError error);

// "empty", "not a marking", ...
QString markingErrorText(kelvane::MarkingError error);

// The value read from the other end and how that compares with this way:
// "120 ohm, E12; this way is not standard", or "no value".
QString reversedText(const kelvane::BandReading& bands);
