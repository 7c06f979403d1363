#include "labelpages.h"

#include "shared/bandpanel.h"
#include "shared/direction.h"
#include "shared/look.h"
#include "shared/markingtext.h"

#include <kelvane/encode.h>
#include <kelvane/marking.h>
#include <kelvane/palette.h>
#include <kelvane/series.h>
#include <kelvane/tolerance.h>
#include <kelvane/written.h>

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

// The colour codes of IEC 60757, the last resort under a band too narrow for
// any form of its colour's name. Indexed by Hue.
constexpr const char* colourCodes[] = {"BK", "BN", "RD", "OG", "YE", "GN", "BU", "VT", "GY", "WH", "GD", "SR"};

QString translated(const char* text) { return QCoreApplication::translate("LabelPages", text); }

// The face of the windows at an em height in millimetres, whatever the
// painter's device: its millimetres are the painter's units.
QFont faceOf(const QPainter& p, double em, bool bold = false)
{
    QFont f = layoutFont(bold);
    f.setPointSizeF(em * 72.0 / p.device()->logicalDpiY());
    return f;
}

// The painter in millimetres from the paper's top-left corner.
void toMillimetres(QPainter& p, const QPrinter& printer)
{
    const double dotsPerMm = printer.resolution() / 25.4;
    p.scale(dotsPerMm, dotsPerMm);
}

// The painter in millimetres from the paper's top-left corner, as the calibration corrects them.
void toCalibrated(QPainter& p, const QPrinter& printer, const kelvane::Calibration& c)
{
    toMillimetres(p, printer);
    p.translate(c.offsetX, c.offsetY);
    p.scale(c.scaleX / 100, c.scaleY / 100);
}

QRectF rectOf(const kelvane::LabelPlace& place) { return {place.x, place.y, place.width, place.height}; }

double widthOf(const QPainter& p, const QFont& f, const QString& text)
{
    return QFontMetricsF(f, p.device()).horizontalAdvance(text);
}

// The largest em up to the given one at which the text fits the width.
double fitted(const QPainter& p, const QString& text, double em, double width, bool bold = false)
{
    const double w = widthOf(p, faceOf(p, em, bold), text);
    return w <= width ? em : em * width / w;
}

// A colour's name, or the first of its shorter forms that fits, or its code.
QString nameFitting(const QPainter& p, kelvane::Hue hue, const QFont& f, double width)
{
    const QStringList forms = colourCaption(hue).split(QChar(0x9C));
    for (const QString& form : forms)
        if (widthOf(p, f, form) <= width)
            return form;
    return QString::fromLatin1(kelvane::entryOf(colourCodes, hue));
}

struct BandSet {
    std::vector<kelvane::Colour> colours; // in order, the tolerance band last where there is one
    bool tolerance = false;
};

// The band sets a resistor's label shows.
std::vector<BandSet> bandSets(const kelvane::Part& part, BandChoice choice)
{
    std::vector<BandSet> sets;
    const int preferred = choice == BandChoice::Five ? 5 : 4;
    for (int count : {4, 5}) {
        if (choice != BandChoice::Both && count != preferred)
            continue;
        if (const auto b = kelvane::bandsOf(part.value, count)) {
            BandSet set{{b->encoding.ring.begin(), b->encoding.ring.begin() + (count - 1)}};
            if (const auto tolerance = kelvane::toleranceColour(part.tolerance)) {
                set.colours.push_back(*tolerance);
                set.tolerance = true;
            }
            sets.push_back(set);
        }
    }
    // A value the chosen bands cannot carry takes the ones that can.
    if (sets.empty() && choice != BandChoice::Both)
        return bandSets(part, BandChoice::Both);
    return sets;
}

QString codesOf(kelvane::Milli value, bool resistor)
{
    if (value < kelvane::smallestMarked(resistor) || value >= kelvane::markedLimit)
        return {};
    const kelvane::Markings m = kelvane::markingsOf(value, resistor);
    QStringList codes;
    for (const std::string* code : {&m.threeDigit, &m.fourDigit, &m.eia96, &m.letter, &m.picofarads})
        if (!code->empty())
            codes << QString::fromStdString(*code);
    return codes.join(QStringLiteral("  "));
}

// One component drawn across the box: leads, the body and its bands, the
// colours' names in the line under it.
void drawBands(QPainter& p, const QRectF& box, const BandSet& set, double nameEm)
{
    const std::vector<kelvane::Colour>& bands = set.colours;
    const double lead = box.width() * 0.08;
    const double bodyHeight = box.height() - nameEm * 1.25;
    const QRectF body(box.left() + lead, box.top(), box.width() - 2 * lead, bodyHeight);
    p.setPen(QPen(Qt::black, std::min(0.25, bodyHeight / 20)));
    p.drawLine(QPointF(box.left(), body.center().y()), QPointF(box.right(), body.center().y()));
    p.setBrush(toQColor(kelvane::BodyColor));
    p.drawRect(body);
    const double slot = body.width() / static_cast<double>(bands.size() + 1);
    const QFont face = faceOf(p, nameEm);
    p.setFont(face);
    for (std::size_t i = 0; i < bands.size(); ++i) {
        // The tolerance band stands apart from the others, as on a part.
        const double centre
            = body.left() + slot * (static_cast<double>(i) + (set.tolerance && i + 1 == bands.size() ? 1.4 : 0.8));
        const QRectF band(centre - slot * 0.25, body.top(), slot * 0.5, body.height());
        p.fillRect(band, toQColor(bands[i]));
        p.setPen(QPen(Qt::black, std::min(0.15, bodyHeight / 30)));
        p.setBrush(Qt::NoBrush);
        p.drawRect(band);
        const auto hue = kelvane::hueOf(bands[i]);
        const QRectF under(centre - slot / 2, body.bottom(), slot, nameEm * 1.25);
        p.setPen(Qt::black);
        p.drawText(under, Qt::AlignHCenter | Qt::AlignBottom, nameFitting(p, *hue, face, slot * 0.98));
    }
}

// As many references as fit the width, then "+N" for the rest; the quantity
// after them where it fits too.
QString referencesFitting(const QPainter& p, const BomEntry& b, const QFont& f, double width)
{
    const std::vector<std::string>& all = b.references;
    QString shown;
    std::size_t n = 0;
    for (; n < all.size(); ++n) {
        const QString next = (n ? shown + QStringLiteral(", ") : QString()) + QString::fromStdString(all[n]);
        const std::size_t rest = all.size() - n - 1;
        if (widthOf(p, f, rest ? next + QStringLiteral(" +%1").arg(rest) : next) > width)
            break;
        shown = next;
    }
    if (n < all.size())
        shown += (n ? QStringLiteral(" +%1") : QStringLiteral("+%1")).arg(all.size() - n);
    const QString quantity = QStringLiteral("\u00D7%1").arg(b.quantity);
    const QString with = shown.isEmpty() ? quantity : shown + QStringLiteral("  ") + quantity;
    return widthOf(p, f, with) <= width ? with : shown;
}

void drawLabel(QPainter& p, const QRectF& place, const LabelPart& label, BandChoice choice, bool grid)
{
    const kelvane::Part& part = label.part;
    const bool resistor = !label.bom || label.bom->resistor;
    p.save();
    p.setClipRect(place);
    if (grid) {
        p.setPen(QPen(Qt::gray, 0.2));
        p.drawRect(place.adjusted(0.1, 0.1, -0.1, -0.1));
    }
    const double pad = std::min(2.0, place.height() * 0.07);
    const QRectF inside = place.adjusted(pad + 0.5, pad, -pad - 0.5, -pad);
    // The value, the references and the codes each one line left to right, in every language.
    const QString value = writtenValue(part.value, resistor);
    const QString codes = leftToRight(codesOf(part.value, resistor));
    auto sets = resistor ? bandSets(part, choice) : std::vector<BandSet>();

    // Nominal heights in millimetres, shrunk together to the label; the codes
    // go first where the label is short, then the second band set where the
    // names under the bands would be too small to read.
    const double valueEm = 5.0, bandHeight = 6.5, nameEm = 2.3, codeEm = 2.4, gap = 0.8, smallestName = 1.2;
    const double referencesHeight = label.bom ? codeEm * 1.25 : 0;
    const auto heightOf = [&](std::size_t setCount) {
        return valueEm * 1.2 + static_cast<double>(setCount) * (bandHeight + nameEm * 1.25 + gap) + referencesHeight;
    };
    if (sets.size() > 1 && inside.height() / heightOf(sets.size()) * nameEm < smallestName)
        sets.resize(1);
    const double withoutCodes = heightOf(sets.size());
    const bool showCodes = !codes.isEmpty() && withoutCodes + codeEm * 1.25 <= inside.height() * 1.5;
    const double nominal = withoutCodes + (showCodes ? codeEm * 1.25 : 0);
    // Grown on a tall label up to half again, and centred down it.
    const double k = std::min(1.5, inside.height() / nominal);

    double y = inside.top() + (inside.height() - nominal * k) / 2;
    const double vEm = fitted(p, value, valueEm * k, inside.width(), true);
    p.setFont(faceOf(p, vEm, true));
    p.setPen(Qt::black);
    p.drawText(QRectF(inside.left(), y, inside.width(), valueEm * k * 1.2), Qt::AlignCenter, value);
    y += valueEm * k * 1.2;
    for (const auto& set : sets) {
        drawBands(
            p, QRectF(inside.left(), y + gap * k, inside.width(), (bandHeight + nameEm * 1.25) * k), set, nameEm * k);
        y += (bandHeight + nameEm * 1.25 + gap) * k;
    }
    if (label.bom) {
        const QString references = leftToRight(referencesFitting(p, *label.bom, faceOf(p, codeEm * k), inside.width()));
        p.setFont(faceOf(p, fitted(p, references, codeEm * k, inside.width())));
        p.drawText(QRectF(inside.left(), y, inside.width(), codeEm * k * 1.25), Qt::AlignCenter, references);
        y += codeEm * k * 1.25;
    }
    if (showCodes) {
        const double cEm = fitted(p, codes, codeEm * k, inside.width());
        p.setFont(faceOf(p, cEm));
        p.drawText(QRectF(inside.left(), y, inside.width(), codeEm * k * 1.25), Qt::AlignCenter, codes);
    }
    p.restore();
}

void preparePaper(QPrinter& printer, QPageSize::PageSizeId paper)
{
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(QPageSize(paper), QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter));
}

bool isLetter(const kelvane::Sheet& s) { return std::string_view(s.name).substr(0, 6) == "Letter"; }

QPageSize::PageSizeId chartPaper()
{
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
}

// "×10 k", "×0,1": a multiplier as the display writes numbers.
QString multiplierText(int exponent)
{
    static constexpr const char* prefixes[] = {"", " k", " M", " G"};
    if (exponent < 0)
        return leftToRight(exponent == -1 ? QStringLiteral("\u00D70,1") : QStringLiteral("\u00D70,01"));
    return leftToRight(QStringLiteral("\u00D7%1%2")
                           .arg(static_cast<int>(std::pow(10, exponent % 3)))
                           .arg(QString::fromLatin1(prefixes[exponent / 3])));
}

QString percentText(std::int32_t thousandths)
{
    return leftToRight(
        QStringLiteral("\u00B1%1 %").arg(QString::fromStdString(kelvane::writtenNumber(thousandths / 1000.0, 4))));
}

} // namespace

void prepareLabels(QPrinter& printer, const LabelRun& run)
{
    preparePaper(printer, isLetter(kelvane::sheets[run.sheet]) ? QPageSize::Letter : QPageSize::A4);
}

bool printLabels(QPrinter& printer, const LabelRun& run, UsedLabels used)
{
    const kelvane::Sheet& sheet = kelvane::sheets[run.sheet];
    QPainter p;
    if (!p.begin(&printer))
        return false;
    toCalibrated(p, printer, run.calibration);
    if (used == UsedLabels::Crossed)
        for (std::size_t i = 0; i + 1 < run.start; ++i) {
            const QRectF place = rectOf(kelvane::placeOf(sheet, i));
            p.fillRect(place, QColor(0xE0, 0xE0, 0xE0));
            p.setPen(QPen(Qt::gray, 0.3));
            p.drawLine(place.topLeft(), place.bottomRight());
            p.drawLine(place.topRight(), place.bottomLeft());
        }
    for (std::size_t i = 0; i < run.parts.size(); ++i) {
        const kelvane::LabelPlace place = kelvane::placeOf(sheet, i, run.start);
        if (i > 0 && place.page != kelvane::placeOf(sheet, i - 1, run.start).page)
            printer.newPage();
        drawLabel(p, rectOf(place), run.parts[i], run.bands, sheet.grid);
    }
    return p.end();
}

bool printCalibration(QPrinter& printer, const LabelRun& run)
{
    const kelvane::Sheet& sheet = kelvane::sheets[run.sheet];
    QPainter p;
    if (!p.begin(&printer))
        return false;
    toCalibrated(p, printer, run.calibration);
    p.setPen(QPen(Qt::black, 0.2));
    for (std::size_t i = 0; i < kelvane::labelsPerPage(sheet); ++i)
        p.drawRect(rectOf(kelvane::placeOf(sheet, i)));
    // A tick each millimetre in from every edge, longer each 5 and 10, each 10 numbered.
    const QFont face = faceOf(p, 2.2);
    p.setFont(face);
    const double width = sheet.pageWidth, height = sheet.pageHeight;
    const auto ticks = [&](double length, bool across) {
        for (int mm = 1; mm < static_cast<int>(length); ++mm) {
            const double tick = mm % 10 == 0 ? 8 : mm % 5 == 0 ? 5 : 3;
            const double at = mm;
            if (across) {
                p.drawLine(QPointF(at, 0), QPointF(at, tick));
                p.drawLine(QPointF(at, height), QPointF(at, height - tick));
            } else {
                p.drawLine(QPointF(0, at), QPointF(tick, at));
                p.drawLine(QPointF(width, at), QPointF(width - tick, at));
            }
            if (mm % 10 != 0)
                continue;
            const QString number = QString::number(mm);
            if (across) {
                p.drawText(QRectF(at - 5, 8.5, 10, 3), Qt::AlignCenter, number);
                p.drawText(QRectF(at - 5, height - 11.5, 10, 3), Qt::AlignCenter, number);
            } else {
                p.drawText(QRectF(8.5, at - 1.5, 10, 3), Qt::AlignLeft | Qt::AlignVCenter, number);
                p.drawText(QRectF(width - 18.5, at - 1.5, 10, 3), Qt::AlignRight | Qt::AlignVCenter, number);
            }
        }
    };
    ticks(width, true);
    ticks(height, false);
    const kelvane::Calibration& c = run.calibration;
    const auto number = [](double v) { return QString::fromStdString(kelvane::writtenNumber(v, 4)); };
    p.setFont(faceOf(p, 4, true));
    p.drawText(QRectF(0, height / 2 - 10, width, 8), Qt::AlignCenter, QString::fromLatin1(sheet.name));
    p.setFont(faceOf(p, 3));
    p.drawText(QRectF(0, height / 2 - 2, width, 6), Qt::AlignCenter,
        QCoreApplication::translate("LabelPages", "Offset %1 mm, %2 mm; scale %3 %, %4 %")
            .arg(number(c.offsetX), number(c.offsetY), number(c.scaleX), number(c.scaleY)));
    return p.end();
}

void prepareChart(QPrinter& printer) { preparePaper(printer, chartPaper()); }

bool printChart(QPrinter& printer)
{
    QPainter p;
    if (!p.begin(&printer))
        return false;
    toMillimetres(p, printer);
    const QSizeF paper = QPageSize(chartPaper()).size(QPageSize::Millimeter);
    const double left = 20, width = paper.width() - 40;
    double y = 20;
    p.setFont(faceOf(p, 8, true));
    p.drawText(QRectF(left, y, width, 10), Qt::AlignLeft | Qt::AlignVCenter,
        QCoreApplication::translate("LabelPages", "Resistor color code"));
    y += 16;

    // One row a colour: the swatch with its name, digit, multiplier and tolerance.
    const double columns[] = {left, left + 60, left + 85, left + 125};
    const double rowHeight = 9;
    p.setFont(faceOf(p, 4, true));
    const char* heads[] = {QT_TRANSLATE_NOOP("LabelPages", "Color"), QT_TRANSLATE_NOOP("LabelPages", "Digit"),
        QT_TRANSLATE_NOOP("LabelPages", "Multiplier"), QT_TRANSLATE_NOOP("LabelPages", "Tolerance")};
    for (std::size_t c = 0; c < std::size(heads); ++c)
        p.drawText(QRectF(columns[c], y, 50, rowHeight), Qt::AlignLeft | Qt::AlignVCenter, translated(heads[c]));
    y += rowHeight;
    p.setFont(faceOf(p, 4));
    for (std::size_t i = 0; i < kelvane::hueCount; ++i) {
        const auto hue = static_cast<kelvane::Hue>(i);
        p.setPen(QPen(Qt::black, 0.2));
        p.setBrush(toQColor(kelvane::colourOf(hue)));
        p.drawRect(QRectF(columns[0], y + 1.5, 14, rowHeight - 3));
        p.drawText(QRectF(columns[0] + 18, y, 40, rowHeight), Qt::AlignLeft | Qt::AlignVCenter, colourName(hue));
        if (hue <= kelvane::Hue::White)
            p.drawText(QRectF(columns[1], y, 20, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                QString::number(kelvane::valueOf(hue)));
        p.drawText(QRectF(columns[2], y, 38, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
            multiplierText(kelvane::exponentOf(hue)));
        if (const auto tolerance = kelvane::toleranceOfHue(hue))
            p.drawText(QRectF(columns[3], y, 45, rowHeight), Qt::AlignLeft | Qt::AlignVCenter, percentText(*tolerance));
        y += rowHeight;
    }
    p.drawText(QRectF(columns[0] + 18, y, 60, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
        QCoreApplication::translate("LabelPages", "no band"));
    p.drawText(QRectF(columns[3], y, 45, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
        percentText(kelvane::toleranceList[0].spread));
    y += rowHeight + 8;

    p.setFont(faceOf(p, 5, true));
    p.drawText(QRectF(left, y, width, 8), Qt::AlignLeft | Qt::AlignVCenter,
        QCoreApplication::translate("LabelPages", "Standard values of one decade"));
    y += 9;
    for (const kelvane::SeriesTable& s : kelvane::seriesTables) {
        QStringList values;
        for (std::size_t i = 0; i < s.count; ++i)
            values << QString::number(s.values[i]);
        const double em = s.count > 48 ? 2.6 : 3.4;
        p.setFont(faceOf(p, em, true));
        p.drawText(QRectF(left, y, 18, em * 1.3), Qt::AlignLeft | Qt::AlignTop, QString::fromLatin1(s.name));
        p.setFont(faceOf(p, em));
        QRectF area(left + 18, y, width - 18, paper.height() - y);
        const QString decade = leftToRight(values.join(u' '));
        const QRectF used = p.boundingRect(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, decade);
        p.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, decade);
        y += used.height() + 3;
    }
    return p.end();
}

bool writeLabels(const LabelRun& run, const QString& file)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    prepareLabels(printer, run);
    return printLabels(printer, run, UsedLabels::Blank);
}

bool writeCalibration(const LabelRun& run, const QString& file)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    prepareLabels(printer, run);
    return printCalibration(printer, run);
}

bool writeChart(const QString& file)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    prepareChart(printer);
    return printChart(printer);
}
