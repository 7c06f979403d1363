#include "Markings.h"

#include "Mainres.h"
#include "accessible.h"
#include "look.h"
#include "wording.h"

#include <kelvane/marking.h>
#include <kelvane/series.h>

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>

#include <string>
#include <variant>

namespace {

constexpr int clientWidth = 320;
constexpr int clientHeight = 212;

// Positions relative to the parent group box (or the window).
constexpr Place places[] = {
    {"CodeBox", 5, 4, 310, 112},
    {"CodeCaption", 16, 22, 56, 21},
    {"Code", 76, 22, 97, 21},
    {"CodeValueCaption", 16, 48, 56, 13},
    {"CodeValue", 76, 48, 226, 13},
    {"CodeKindCaption", 16, 64, 56, 13},
    {"CodeKind", 76, 64, 226, 13},
    {"CodeSeriesCaption", 16, 80, 56, 13},
    {"CodeSeries", 76, 80, 226, 26},
    {"BandBox", 5, 120, 310, 87},
    {"BandValueCaption", 16, 22, 56, 13},
    {"BandValue", 76, 22, 226, 13},
    {"BandSeriesCaption", 16, 38, 56, 13},
    {"BandSeries", 76, 38, 226, 26},
    {"BandCodesCaption", 16, 66, 56, 13},
    {"BandCodes", 76, 66, 226, 13},
};

} // namespace

TMarkings::TMarkings(TMainform* mainform)
    : QDialog(mainform, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , mainform_(mainform)
{
    setObjectName(QStringLiteral("Markings"));
    setWindowTitle(tr("Markings"));
    setFont(layoutFont(false));
    setFixedSize(clientWidth, clientHeight);
    createControls();
    placeControls(this, places);
    connect(Code, &QLineEdit::textChanged, this, &TMarkings::CodeChange);
    MainformChange();
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
    BandValue = result("BandValue", tr("Value:"), bandBox);
    BandSeries = result("BandSeries", tr("Series:"), bandBox);
    BandCodes = result("BandCodes", tr("Codes:"), bandBox);
    // The typed code's reading as a status line in words, spoken as it changes.
    spoken_ = named(new ValueReadout(this), "CodeSpoken");
    spoken_->setGeometry(0, 0, 0, 0);
    QWidget* chain[] = {Code, CodeValue, CodeKind, CodeSeries, BandValue, BandSeries, BandCodes};
    for (std::size_t i = 1; i < std::size(chain); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    Code->setFocus();
}

bool TMarkings::resistor() const { return mainform_->bandState().resistor; }

QString TMarkings::written(kelvane::Milli value) const
{
    return QString::fromStdString(kelvane::written(value, resistor()));
}

QString TMarkings::seriesText(kelvane::Milli value) const
{
    if (value == 0)
        return {};
    const kelvane::Standing s = kelvane::standing(value);
    if (s.series)
        return QString::fromLatin1(kelvane::tableOf(*s.series).name);
    return tr(wording::notStandard)
        .arg(QString::fromLatin1(kelvane::tableOf(s.nearest).name), written(s.around.below), written(s.around.above));
}

void TMarkings::CodeChange()
{
    const auto result = kelvane::readMarking(Code->text().toStdString(), resistor());
    QString value, kind, series, said;
    if (const auto* error = std::get_if<kelvane::MarkingError>(&result)) {
        kind = tr(wording::textOf(wording::markingErrors, *error));
    } else {
        // Two readings ("10R") are given as one text each: "10 ohm or 1,24 ohm".
        auto add
            = [this](QString& to, const QString& text) { to = to.isEmpty() ? text : tr("%1 or %2").arg(to, text); };
        for (const kelvane::Reading& r : std::get<std::vector<kelvane::Reading>>(result)) {
            add(value, written(r.value));
            add(said, spokenValue(kelvane::display(r.value, resistor())));
            const QString name = tr(wording::textOf(wording::codeNames, r.code));
            add(kind, r.tolerance ? QStringLiteral("%1, %2").arg(name, QString::fromUtf8(r.tolerance->text)) : name);
            add(series, seriesText(r.value));
        }
    }
    showResult(CodeValue, value);
    showResult(CodeKind, kind);
    showResult(CodeSeries, series);
    QStringList phrase{said, kind, series};
    phrase.removeAll(QString());
    spoken_->setPhrase(phrase.join(QStringLiteral(". ")));
    if (isVisible())
        spoken_->announce(spoken_->phrase());
}

void TMarkings::MainformChange()
{
    kelvane::BandState s = mainform_->bandState();
    if (!kelvane::complete(s)) {
        showResult(BandValue, QCoreApplication::translate("TMainform", "Select colors")); // as the main window says
        showResult(BandSeries, {});
        showResult(BandCodes, {});
    } else {
        const kelvane::Milli value = kelvane::bandValue(s);
        const kelvane::Markings m = kelvane::markingsOf(value, s.resistor);
        QStringList codes;
        for (const std::string* code : {&m.threeDigit, &m.fourDigit, &m.letter, &m.eia96})
            if (!code->empty())
                codes << QString::fromStdString(*code);
        showResult(BandValue, written(value));
        showResult(BandSeries, seriesText(value));
        showResult(BandCodes, codes.join(QStringLiteral(", ")));
    }
    // The kind decides how a code reads.
    CodeChange();
}

// The one place a result reaches the labels: each is named by its caption
// and value, which tells a screen reader of the change.
void TMarkings::showResult(QLabel* label, const QString& text)
{
    const auto* caption = label->parentWidget()->findChild<QLabel*>(label->objectName() + QLatin1String("Caption"));
    label->setText(text);
    label->setAccessibleName(caption->text() + QLatin1Char(' ') + text);
}
