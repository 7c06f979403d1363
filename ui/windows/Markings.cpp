#include "Markings.h"

#include "platform/accessible.h"
#include "shared/direction.h"
#include "shared/look.h"
#include "shared/markingtext.h"
#include "wording.h"

#include <kelvane/marking.h>

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>

#include <string>
#include <variant>

namespace {

constexpr int clientWidth = 320;
constexpr int clientHeight = 286;

// Positions relative to the parent group box (or the window).
constexpr Place places[] = {
    {"CodeBox", 5, 4, 310, 140},
    {"CodeCaption", 16, 22, 56, 21},
    {"Code", 76, 22, 97, 21},
    {"CodeValueCaption", 16, 48, 56, 13},
    {"CodeValue", 76, 48, 226, 13},
    {"CodeKindCaption", 16, 64, 56, 13},
    {"CodeKind", 76, 64, 226, 13},
    {"CodeSeriesCaption", 16, 80, 56, 13},
    {"CodeSeries", 76, 80, 226, 26},
    {"CodeRangeCaption", 16, 108, 56, 13},
    {"CodeRange", 76, 108, 226, 26},
    {"BandBox", 5, 148, 310, 133},
    {"BandValueCaption", 16, 22, 56, 13},
    {"BandValue", 76, 22, 226, 13},
    {"BandSeriesCaption", 16, 38, 56, 13},
    {"BandSeries", 76, 38, 226, 26},
    {"BandCodesCaption", 16, 66, 56, 13},
    {"BandCodes", 76, 66, 226, 13},
    {"BandRangeCaption", 16, 82, 56, 13},
    {"BandRange", 76, 82, 226, 13},
    {"BandReversedCaption", 16, 98, 56, 13},
    {"BandReversed", 76, 98, 226, 26},
};

} // namespace

TMarkings::TMarkings(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("Markings"));
    setWindowTitle(tr("Markings"));
    setFont(layoutFont(false));
    setFixedSize(clientWidth, clientHeight);
    createControls();
    placeControls(this, places);
    connect(Code, &QLineEdit::textChanged, this, &TMarkings::CodeChange);
    showBands(bands_);
}

void TMarkings::createControls()
{
    auto* codeBox = groupBox("CodeBox", tr("Marking"), this);
    auto* bandBox = groupBox("BandBox", tr("Bands"), this);
    auto caption = [](const char* name, const QString& text, QWidget* box) {
        auto* l = named(new QLabel(text, box), name);
        l->setFont(layoutFont(false));
        return l;
    };
    // A result is read by its caption and value, and Tab reaches it, so a
    // code can be read again or copied.
    auto result = [&caption](const char* name, const QString& text, QWidget* box) {
        caption((std::string(name) + "Caption").c_str(), text, box);
        auto* l = named(new QLabel(box), name);
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        l->setFocusPolicy(Qt::StrongFocus);
        return l;
    };
    caption("CodeCaption", tr("&Code:"), codeBox)->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Code = named(new QLineEdit(codeBox), "Code");
    codeBox->findChild<QLabel*>(QStringLiteral("CodeCaption"))->setBuddy(Code);
    CodeValue = result("CodeValue", tr("Value:"), codeBox);
    CodeKind = result("CodeKind", tr("Kind:"), codeBox);
    CodeSeries = result("CodeSeries", tr("Series:"), codeBox);
    CodeRange = result("CodeRange", tr("Range:"), codeBox);
    BandValue = result("BandValue", tr("Value:"), bandBox);
    BandSeries = result("BandSeries", tr("Series:"), bandBox);
    BandCodes = result("BandCodes", tr("Codes:"), bandBox);
    BandRange = result("BandRange", tr("Range:"), bandBox);
    BandReversed = result("BandReversed", tr("Reversed:", "the bands read from the other end"), bandBox);
    // The typed code's reading as a status line in words, spoken as it changes.
    spoken_ = named(new ValueReadout(this), "CodeSpoken");
    spoken_->setGeometry(0, 0, 0, 0);
    QWidget* chain[]
        = {Code, CodeValue, CodeKind, CodeSeries, CodeRange, BandValue, BandSeries, BandCodes, BandRange, BandReversed};
    for (std::size_t i = 1; i < std::size(chain); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    Code->setFocus();
}

void TMarkings::CodeChange()
{
    const auto result = kelvane::readMarking(Code->text().toStdString(), bands_.resistor);
    ReadingText all;
    if (const auto* error = std::get_if<kelvane::MarkingError>(&result)) {
        all.kind = markingErrorText(*error);
    } else {
        // Two readings ("10R") are given as one text each: "10 ohm or 1,24 ohm".
        auto add = [](QString& to, const QString& text) {
            if (!text.isEmpty())
                to = to.isEmpty() ? text : tr("%1 or %2").arg(to, text);
        };
        for (const kelvane::Reading& r : std::get<std::vector<kelvane::Reading>>(result)) {
            const ReadingText t = readingText(r, bands_.resistor);
            add(all.value, t.value);
            add(all.said, t.said);
            add(all.kind, t.kind);
            add(all.series, t.series);
            add(all.range, t.range);
            add(all.saidRange, t.saidRange);
        }
    }
    showResult(CodeValue, all.value);
    showResult(CodeKind, all.kind);
    showResult(CodeSeries, all.series);
    showResult(CodeRange, all.range);
    QStringList phrase{all.said, all.kind, all.series, all.saidRange};
    phrase.removeAll(QString());
    spoken_->setPhrase(phrase.join(QStringLiteral(". ")));
    if (isVisible())
        spoken_->announce(spoken_->phrase());
}

void TMarkings::showBands(const kelvane::BandReading& bands)
{
    bands_ = bands;
    if (!bands.value) {
        showResult(BandValue, QCoreApplication::translate(wording::bandsContext, wording::selectColors));
        for (QLabel* l : {BandSeries, BandCodes, BandRange, BandReversed})
            showResult(l, {});
    } else {
        const kelvane::Milli value = *bands.value;
        QStringList codes;
        for (const std::string& code : kelvane::listedCodes(kelvane::markingsOf(value, bands.resistor)))
            codes << leftToRight(QString::fromStdString(code));
        showResult(BandValue, writtenValue(value, bands.resistor));
        showResult(BandSeries, seriesText(value, bands.resistor));
        showResult(BandCodes, codes.join(QStringLiteral(", ")));
        showResult(BandRange, bands.tolerance ? rangeText(value, *bands.tolerance, bands.resistor) : QString());
        showResult(BandReversed, reversedText(bands));
    }
    // The kind decides how a code reads.
    CodeChange();
}

// The one place a result reaches the labels: each is named by its caption
// and value, which tells a screen reader of the change.
void TMarkings::showResult(QLabel* label, const QString& text)
{
    const auto* caption = label->parentWidget()->findChild<QLabel*>(label->objectName() + QLatin1String("Caption"));
    label->setText(inWindowDirection(text));
    label->setAccessibleName(caption->text() + QLatin1Char(' ') + text);
}
