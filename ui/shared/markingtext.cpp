#include "markingtext.h"

#include "platform/accessible.h"
#include "shared/direction.h"
#include "wording.h"

#include <kelvane/decode.h>
#include <kelvane/reading.h>
#include <kelvane/series.h>
#include <kelvane/written.h>

#include <QCoreApplication>

#include <cstddef>

namespace {

QString translated(const char* text)
{
    return valuesLeftToRight(QCoreApplication::translate(wording::codesContext, text));
}

QString notStandard() { return QCoreApplication::translate(wording::codesContext, wording::notStandardAlone); }

QString saidValue(std::int64_t value, bool resistor, int decimals = 3)
{
    return spokenValue(kelvane::display(value, resistor, decimals));
}

} // namespace

QString writtenValue(std::int64_t value, bool resistor, int decimals)
{
    const kelvane::Display d = kelvane::display(value, resistor, decimals);
    return leftToRight(QString::fromStdString(d.value + d.dot + d.dec + d.enhet));
}

QString seriesName(kelvane::Milli value)
{
    const auto series = kelvane::standing(value).series;
    return series ? QString::fromLatin1(kelvane::tableOf(*series).name) : notStandard();
}

QString seriesText(kelvane::Milli value, bool resistor)
{
    if (value == 0)
        return {};
    const kelvane::Standing s = kelvane::standing(value);
    if (s.series || s.around.above == 0)
        return seriesName(value);
    return QCoreApplication::translate(wording::codesContext, wording::notStandard)
        .arg(QString::fromLatin1(kelvane::tableOf(s.nearest).name), writtenValue(s.around.below, resistor),
            writtenValue(s.around.above, resistor));
}

QString rangeText(kelvane::Milli value, const kelvane::Tolerance& tolerance, bool resistor, bool spoken)
{
    const kelvane::Range r = kelvane::rangeOf(value, tolerance);
    const auto text = spoken ? saidValue : writtenValue;
    return QCoreApplication::translate("Codes", "%1 to %2")
        .arg(text(r.low, resistor, kelvane::fineDecimals), text(r.high, resistor, kelvane::fineDecimals));
}

ReadingText readingText(const kelvane::Reading& reading, bool resistor)
{
    ReadingText t;
    t.value = writtenValue(reading.value, resistor);
    t.kind = translated(wording::textOf(wording::codeNames, reading.code));
    if (reading.alsoAs)
        t.kind = QCoreApplication::translate("Codes", "%1 and %2")
                     .arg(t.kind, translated(wording::textOf(wording::codeNames, *reading.alsoAs)));
    t.series = seriesText(reading.value, resistor);
    t.said = saidValue(reading.value, resistor);
    if (reading.tolerance) {
        t.kind = QStringLiteral("%1, %2").arg(t.kind, leftToRight(QString::fromUtf8(reading.tolerance->text)));
        t.range = rangeText(reading.value, reading.tolerance->tolerance, resistor);
        t.saidRange = rangeText(reading.value, reading.tolerance->tolerance, resistor, true);
    }
    return t;
}

QString markingErrorText(kelvane::MarkingError error)
{
    return translated(wording::textOf(wording::markingErrors, error));
}

QString reversedText(const kelvane::BandReading& bands)
{
    if (!bands.reversed)
        return QCoreApplication::translate("Codes", "no value");
    const QString text
        = QStringLiteral("%1, %2").arg(writtenValue(*bands.reversed, bands.resistor), seriesName(*bands.reversed));
    const bool standard = bands.value && kelvane::coarsestSeries(*bands.value).has_value();
    // Standard one way only: the usual sign of bands read from the wrong end.
    if (standard == kelvane::coarsestSeries(*bands.reversed).has_value())
        return text;
    return standard ? QCoreApplication::translate("Codes", "%1; this way is standard").arg(text)
                    : QCoreApplication::translate("Codes", "%1; this way is not standard").arg(text);
}

QString valueProblem(kelvane::ValueError e)
{
    switch (e) {
    case kelvane::ValueError::Empty: return {};
    case kelvane::ValueError::NotAValue: return QCoreApplication::translate(wording::valuesContext, wording::notAValue);
    case kelvane::ValueError::OutOfRange: break;
    }
    return QCoreApplication::translate(
        wording::codesContext, wording::textOf(wording::markingErrors, kelvane::MarkingError::OutOfRange));
}
