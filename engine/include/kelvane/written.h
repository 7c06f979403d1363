// Values as the windows and the command line write them: an exact value split
// at the unit that keeps its integer part short, with the decimals that
// remain and the decimal comma; and computed numbers (a network's value, a
// deviation) rounded to a few significant digits first. UTF-8 throughout.
#pragma once

#include "kelvane/units.h"

#include <cstdint>
#include <string>

namespace kelvane {

// A value split at the unit it is written in: the integer part in that unit
// and its decimal digits without trailing zeros. The unit grows while the
// integer part would have more than three digits, up to largestPrefix.
struct Scaled {
    std::string whole;
    std::string decimals;
    std::uint8_t prefix = 0;
};

// value is in units of 10^-decimals ohm or pF: thousandths unless a finer
// share is asked for (a tolerance's bounds).
Scaled scale(std::int64_t value, int decimals = milliDecimals);

// Captions of the value labels: "4" "," "7" " Kohm", and the unit they were
// written in (unitName(resistor, prefix) is enhet).
struct Display {
    std::string value;
    std::string dot;
    std::string dec;
    std::string enhet;
    std::uint8_t prefix = 0;
    bool resistor = true;
};

// The value as the display writes it. value >= 0.
Display display(std::int64_t value, bool resistor, int decimals = milliDecimals);

// The display's captions as one text: "4,7 Kohm".
std::string written(Milli value, bool resistor);

// A computed value in thousandths rounded to four significant digits, at
// least 1; 0 for one below 1 (and for NaN).
Milli roundedValue(double milli);

// x with at most digits significant digits, as std::to_chars writes it in
// its general form ("0,001", "1e+06"), with the decimal comma.
std::string writtenNumber(double x, int digits);

// A deviation (a fraction) in per cent to three significant digits, signed
// when above 0: "+1,23 %", "-0,5 %", "0 %".
std::string writtenPercent(double fraction);

// A computed voltage to four significant digits: "3,283 V".
std::string writtenVolts(double v);

// A yield in per cent to four significant digits and its standard error to
// two: "99,74 %" and "0,016 %".
struct WrittenYield {
    std::string yield;
    std::string error;
};
WrittenYield writtenYield(double yield, double error);

} // namespace kelvane
