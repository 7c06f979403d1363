#include "Finder.h"

#include "platform/accessible.h"
#include "shared/direction.h"
#include "shared/look.h"
#include "shared/markingtext.h"
#include "shared/partsfile.h"
#include "wording.h"

#include <kelvane/divider.h>
#include <kelvane/encode.h>
#include <kelvane/marking.h>
#include <kelvane/nearest.h>
#include <kelvane/parts.h>
#include <kelvane/regulator.h>
#include <kelvane/spread.h>
#include <kelvane/value.h>
#include <kelvane/written.h>

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeWidget>

#include <cmath>
#include <variant>

namespace {

constexpr int clientWidth = 600;
constexpr int clientHeight = 448;

// Positions relative to the parent page (or the window).
constexpr Place places[] = {
    {"SourceCaption", 10, 10, 80, 21},
    {"Source", 94, 10, 90, 21},
    {"EditParts", 192, 9, 190, 23},
    {"TemperatureCaption", 10, 40, 80, 21},
    {"LowestTemperature", 94, 40, 40, 21},
    {"TemperatureTo", 138, 40, 20, 21},
    {"HighestTemperature", 162, 40, 40, 21},
    {"TemperatureUnit", 206, 40, 20, 21},
    {"TempcoCaption", 236, 40, 80, 21},
    {"Tempco", 320, 40, 40, 21},
    {"TempcoUnit", 364, 40, 44, 21},
    {"WithinCaption", 420, 40, 80, 21},
    {"Within", 504, 40, 40, 21},
    {"WithinUnit", 548, 40, 16, 21},
    {"Pages", 5, 68, 590, 344},
    {"TargetCaption", 8, 10, 100, 21},
    {"Target", 112, 10, 96, 21},
    {"MaxPartsCaption", 216, 10, 146, 21},
    {"MaxParts", 366, 10, 44, 21},
    {"TargetStatus", 112, 34, 460, 13},
    {"NearestCaption", 8, 52, 560, 13},
    {"Nearest", 8, 68, 570, 112},
    {"ResultsCaption", 8, 188, 560, 13},
    {"Results", 8, 204, 570, 110},
    {"PlainDivider", 8, 8, 150, 21},
    {"FeedbackRegulator", 162, 8, 200, 21},
    {"AdjustRegulator", 366, 8, 204, 21},
    {"VinCaption", 8, 34, 150, 21},
    {"Vin", 162, 34, 70, 21},
    {"VoutCaption", 296, 34, 200, 21},
    {"Vout", 500, 34, 70, 21},
    {"VrefCaption", 8, 60, 40, 21},
    {"Vref", 52, 60, 60, 21},
    {"VrefToleranceCaption", 118, 60, 14, 21},
    {"VrefTolerance", 134, 60, 40, 21},
    {"VrefToleranceUnit", 178, 60, 16, 21},
    {"PinCurrentCaption", 296, 60, 200, 21},
    {"PinCurrent", 500, 60, 70, 21},
    {"LeastTotalCaption", 8, 86, 150, 21},
    {"LeastTotal", 162, 86, 70, 21},
    {"MostTotalCaption", 296, 86, 200, 21},
    {"MostTotal", 500, 86, 70, 21},
    {"DividerStatus", 8, 112, 570, 26},
    {"DividerResultsCaption", 8, 142, 560, 13},
    {"DividerResults", 8, 158, 570, 156},
    {"PartsProblems", 8, 416, 186, 28},
    {"Copy", 316, 418, 136, 23},
    {"ShowBands", 456, 418, 140, 23},
};

// Source's items after the six series.
constexpr int myParts = 6;
constexpr std::size_t shownNetworks = 10;

QString written(kelvane::Milli v) { return QString::fromStdString(kelvane::written(v, true)); }

QString shown(kelvane::Milli v) { return leftToRight(written(v)); }

// A range is one left-to-right run, its lower end first, as a value is.
QString range(const QString& low, const QString& high) { return leftToRight(low + QStringLiteral(" \u2026 ") + high); }

QString spoken(kelvane::Milli v) { return spokenValue(kelvane::display(v, true)); }

// With the decimal comma of the shown values.
QString number(double x, int digits) { return QString::fromStdString(kelvane::writtenNumber(x, digits)); }

QString percent(double fraction) { return leftToRight(QString::fromStdString(kelvane::writtenPercent(fraction))); }

// A computed number for speech, with the decimal point of the language.
QString spokenDecimal(double x, int digits)
{
    const QString size = number(x, digits);
    const int comma = size.indexOf(QLatin1Char(','));
    return comma < 0 || size.contains(QLatin1Char('e')) ? size : spokenNumber(size.left(comma), size.mid(comma + 1));
}

QString spokenPercent(double fraction)
{
    const QString words = spokenDecimal(std::abs(fraction) * 100, 3);
    if (fraction == 0)
        return TFinder::tr("exact");
    return fraction < 0 ? TFinder::tr("%1 percent below").arg(words) : TFinder::tr("%1 percent above").arg(words);
}

QString writtenVolts(double v) { return QString::fromStdString(kelvane::writtenVolts(v)); }

QString volts(double v) { return leftToRight(writtenVolts(v)); }

// A number as typed, "-40", "3,3" or "3.3"; blank is none.
std::optional<double> typedNumber(QString text)
{
    bool ok = false;
    const double v = text.trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    return ok && std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
}

// From above 0.
std::optional<double> voltage(const QString& text)
{
    const auto v = typedNumber(text);
    return v && *v > 0 ? v : std::nullopt;
}

// From 0, blank for 0.
std::optional<double> fromZero(const QString& text)
{
    const auto v = text.trimmed().isEmpty() ? std::optional<double>(0) : typedNumber(text);
    return v && *v >= 0 ? v : std::nullopt;
}

// The conditions as typed: blank temperatures are the reference one, a blank
// coefficient each part's own, a blank tolerance no yield. Else why they are not.
std::variant<kelvane::Conditions, QString> conditionsOf(
    const QLineEdit* lowest, const QLineEdit* highest, const QLineEdit* tempco, const QLineEdit* within)
{
    const auto blank = [](const QLineEdit* e) { return e->text().trimmed().isEmpty(); };
    const auto typed = [&blank](const QLineEdit* e, double otherwise) {
        return blank(e) ? std::optional<double>(otherwise) : typedNumber(e->text());
    };
    kelvane::Conditions c;
    const auto low = typed(lowest, kelvane::referenceTemperature), high = typed(highest, kelvane::referenceTemperature);
    if (low && high)
        c.temperature = {*low, *high};
    if (!low || !high || !kelvane::usable(c))
        return TFinder::tr("not a temperature range");
    if (!blank(tempco)) {
        c.tempco = typedNumber(tempco->text());
        if (!c.tempco || !kelvane::usable(c))
            return TFinder::tr("not a coefficient");
    }
    if (!blank(within)) {
        const auto wanted = typedNumber(within->text());
        if (wanted)
            c.within = *wanted / 100;
        if (!wanted || !kelvane::usable(c))
            return TFinder::tr("not a tolerance");
    }
    return c;
}

// A yield with its standard error, as the command line writes it, or a dash
// without a wanted tolerance.
QString shownYield(const std::optional<kelvane::Estimate>& y)
{
    if (!y)
        return QStringLiteral("\u2014");
    const auto [share, error] = kelvane::writtenYield(y->yield, y->error);
    return QStringLiteral("%1 \u00B1 %2")
        .arg(leftToRight(QString::fromStdString(share)), leftToRight(QString::fromStdString(error)));
}

QString spokenYield(const std::optional<kelvane::Estimate>& y)
{
    return y ? TFinder::tr(", yield %1 percent, give or take %2")
                   .arg(spokenDecimal(y->yield * 100, 4), spokenDecimal(y->error * 100, 2))
             : QString();
}

// A network in words: its parts' values, "plus" and "in parallel with".
QString spokenNetwork(const kelvane::Network& n)
{
    QString words;
    for (const QChar c : QString::fromUtf8(kelvane::formOf(n.shape))) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('d'))
            words += spoken(n.parts[static_cast<std::size_t>(c.unicode() - 'a')]);
        else if (c == QLatin1Char('+'))
            words += TFinder::tr("plus");
        else if (c == QChar(0x2225))
            words += TFinder::tr("in parallel with");
        else if (c == QLatin1Char(' '))
            words += c;
    }
    return words;
}

// A row: its columns, the sentence a screen reader reads for it, and the parts it holds.
QTreeWidgetItem* addRow(
    QTreeWidget* list, const QStringList& columns, const QString& sentence, const std::vector<kelvane::Milli>& parts)
{
    auto* item = new QTreeWidgetItem(list, columns);
    QVariantList values;
    for (kelvane::Milli p : parts)
        if (!values.contains(QVariant::fromValue(p)))
            values << QVariant::fromValue(p);
    item->setData(0, Qt::UserRole, values);
    for (int column = 0; column < columns.size(); ++column)
        item->setData(column, Qt::AccessibleTextRole, sentence);
    return item;
}

QTreeWidget* list(const char* name, const QStringList& headers, QWidget* page)
{
    auto* l = named(new QTreeWidget(page), name);
    l->setHeaderLabels(headers);
    l->setRootIsDecorated(false);
    l->setUniformRowHeights(true);
    l->setAllColumnsShowFocus(true);
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    l->header()->setStretchLastSection(true);
    l->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return l;
}

} // namespace

TFinder::TFinder(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("Finder"));
    setWindowTitle(tr("Find values"));
    setFont(layoutFont(false));
    setLocale(numberLocale());
    setFixedSize(clientWidth, clientHeight);
    createControls();
    placeControls(this, places);
    connect(Source, qOverload<int>(&QComboBox::currentIndexChanged), this, &TFinder::SourceChange);
    connect(EditParts, &QPushButton::clicked, this, &TFinder::editPartsAsked);
    connect(Target, &QLineEdit::textChanged, this, &TFinder::TargetChange);
    connect(MaxParts, qOverload<int>(&QSpinBox::valueChanged), this, &TFinder::TargetChange);
    for (QLineEdit* e : {Vin, Vout, LeastTotal, MostTotal, Vref, VrefTolerance, PinCurrent})
        connect(e, &QLineEdit::textChanged, this, &TFinder::DividerChange);
    for (QLineEdit* e : {LowestTemperature, HighestTemperature, Tempco, Within})
        connect(e, &QLineEdit::textChanged, this, &TFinder::ConditionsChange);
    for (QRadioButton* b : {PlainDivider, FeedbackRegulator, AdjustRegulator})
        connect(b, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                CircuitChange();
        });
    for (QTreeWidget* l : {Nearest, Results})
        connect(l, &QTreeWidget::currentItemChanged, this, [this, l] { lastNetworkList_ = l; });
    connect(Pages, &QTabWidget::currentChanged, this,
        [this](int page) { page == 0 ? say(Results, TargetStatus) : say(DividerResults, DividerStatus); });
    connect(Copy, &QPushButton::clicked, this, &TFinder::CopyClick);
    connect(ShowBands, &QPushButton::clicked, this, &TFinder::ShowBandsClick);
    CircuitChange();
    SourceChange();
}

TFinder::~TFinder() = default;

void TFinder::createControls()
{
    auto label = [](const char* name, const QString& text, QWidget* parent, QWidget* buddy = nullptr) {
        auto* l = named(new QLabel(inWindowDirection(text), parent), name);
        l->setFont(layoutFont(false));
        l->setBuddy(buddy);
        return l;
    };
    Source = named(new QComboBox(this), "Source");
    for (const kelvane::SeriesTable& t : kelvane::seriesTables)
        Source->addItem(QString::fromLatin1(t.name));
    Source->addItem(tr("My parts"));
    Source->setCurrentIndex(static_cast<int>(kelvane::Series::E24));
    label("SourceCaption", tr("&Parts:"), this, Source);
    EditParts = named(new QPushButton(tr("&Edit my parts..."), this), "EditParts");

    // The conditions both searches take; blank: 25 °C only, the parts' own coefficients, no yield.
    LowestTemperature = named(new QLineEdit(QStringLiteral("25"), this), "LowestTemperature");
    label("TemperatureCaption", tr("Temper&ature:"), this, LowestTemperature);
    label("TemperatureTo", tr("to"), this);
    HighestTemperature = named(new QLineEdit(QStringLiteral("25"), this), "HighestTemperature");
    label("TemperatureUnit", leftToRight(QStringLiteral("\u00B0C")), this); // a unit, not a sentence
    Tempco = named(new QLineEdit(this), "Tempco");
    label("TempcoCaption", tr("Coefficient:"), this);
    label("TempcoUnit", tr("ppm/&K"), this, Tempco);
    Within = named(new QLineEdit(this), "Within");
    label("WithinCaption", tr("&Within ±"), this, Within);
    label("WithinUnit", QStringLiteral("%"), this);

    Pages = named(new QTabWidget(this), "Pages");
    auto* networks = named(new QWidget, "NetworkPage");
    auto* divider = named(new QWidget, "DividerPage");
    Pages->addTab(networks, tr("&Networks"));
    Pages->addTab(divider, tr("&Divider"));

    Target = named(new QLineEdit(networks), "Target");
    label("TargetCaption", tr("&Value:"), networks, Target);
    MaxParts = named(new QSpinBox(networks), "MaxParts");
    MaxParts->setRange(1, 4);
    MaxParts->setValue(2);
    label("MaxPartsCaption", tr("&Most parts:"), networks, MaxParts);
    TargetStatus = label("TargetStatus", {}, networks);
    Nearest = list("Nearest", {tr("Series"), tr("Below"), tr("Above")}, networks);
    label("NearestCaption", tr("Nea&rest standard values:"), networks, Nearest);
    Results = list("Results",
        {tr("Network"), tr("Value"), tr("Deviation"), tr("Tolerance range"), tr("Worst case"), tr("Yield")}, networks);
    label("ResultsCaption", tr("&Best networks:"), networks, Results);

    PlainDivider = named(new QRadioButton(tr("P&lain divider"), divider), "PlainDivider");
    PlainDivider->setChecked(true);
    FeedbackRegulator = named(new QRadioButton(tr("Re&gulator, feedback pin"), divider), "FeedbackRegulator");
    AdjustRegulator = named(new QRadioButton(tr("Regulator, ad&just pin"), divider), "AdjustRegulator");
    Vin = named(new QLineEdit(QStringLiteral("5"), divider), "Vin");
    label("VinCaption", tr("&Input voltage:"), divider, Vin);
    Vout = named(new QLineEdit(QStringLiteral("3,3"), divider), "Vout");
    label("VoutCaption", tr("&Output voltage:"), divider, Vout);
    LeastTotal = named(new QLineEdit(QStringLiteral("1k"), divider), "LeastTotal");
    label("LeastTotalCaption", tr("R1 + R2 &from:"), divider, LeastTotal);
    MostTotal = named(new QLineEdit(QStringLiteral("1M"), divider), "MostTotal");
    label("MostTotalCaption", tr("&to:"), divider, MostTotal);
    Vref = named(new QLineEdit(QStringLiteral("0,8"), divider), "Vref");
    label("VrefCaption", tr("Vref:"), divider, Vref);
    VrefTolerance = named(new QLineEdit(QStringLiteral("1"), divider), "VrefTolerance");
    label("VrefToleranceCaption", QStringLiteral("\u00B1"), divider, VrefTolerance);
    label("VrefToleranceUnit", QStringLiteral("%"), divider);
    PinCurrent = named(new QLineEdit(QStringLiteral("0"), divider), "PinCurrent");
    label("PinCurrentCaption", tr("Pin c&urrent, µA:"), divider, PinCurrent);
    DividerStatus = label("DividerStatus", {}, divider);
    DividerStatus->setWordWrap(true);
    DividerResults = list("DividerResults",
        {QStringLiteral("R1"), QStringLiteral("R2"), tr("Output"), tr("Deviation"), tr("Output range"),
            tr("Worst case"), tr("Yield")},
        divider);
    label("DividerResultsCaption", tr("Resistor pair&s:"), divider, DividerResults);
    for (QLabel* l : findChildren<QLabel*>())
        if (l->buddy())
            l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    // My parts' lines not read, below the pages.
    PartsProblems = label("PartsProblems", {}, this);
    PartsProblems->setWordWrap(true);
    PartsProblems->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The best row as a status line in words, spoken as it changes.
    spoken_ = named(new ValueReadout(this), "FinderSpoken");
    spoken_->setGeometry(0, 0, 0, 0);
    Copy = named(new QPushButton(tr("&Copy"), this), "Copy");
    ShowBands = named(new QPushButton(tr("S&how bands"), this), "ShowBands");
    QWidget* chain[] = {Source, EditParts, LowestTemperature, HighestTemperature, Tempco, Within, Pages, Target,
        MaxParts, Nearest, Results, PlainDivider, FeedbackRegulator, AdjustRegulator, Vin, Vout, Vref, VrefTolerance,
        PinCurrent, LeastTotal, MostTotal, DividerResults, Copy, ShowBands};
    for (std::size_t i = 1; i < std::size(chain); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    // Ctrl+C in a list copies its row, as the button does.
    auto* copy = new QAction(this);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copy, &QAction::triggered, this, &TFinder::CopyClick);
    for (QTreeWidget* l : {Nearest, Results, DividerResults})
        l->addAction(copy);
    Target->setFocus();
}

void TFinder::SourceChange()
{
    index_.reset();
    indexProblem_.clear();
    std::variant<std::vector<kelvane::Part>, kelvane::PartsError> parts;
    PartsProblems->clear();
    if (Source->currentIndex() == myParts) {
        kelvane::PartsText read = partsfile::read();
        PartsProblems->setText(partsfile::withLinesNotRead({}, read.wrong, *PartsProblems));
        parts = kelvane::listParts(std::move(read.parts), {});
    } else {
        parts = kelvane::seriesParts(
            static_cast<kelvane::Series>(Source->currentIndex()), kelvane::defaultLowest, kelvane::defaultHighest, {});
    }
    if (const auto* found = std::get_if<std::vector<kelvane::Part>>(&parts))
        index_ = std::make_unique<kelvane::PartIndex>(*found);
    else if (std::get<kelvane::PartsError>(parts) == kelvane::PartsError::TooMany)
        indexProblem_ = tr("too many parts");
    else
        indexProblem_ = tr("no parts: edit my parts");
    TargetChange();
    DividerChange();
}

void TFinder::showMyParts()
{
    if (Source->currentIndex() == myParts)
        SourceChange();
    else
        Source->setCurrentIndex(myParts);
}

void TFinder::TargetChange()
{
    Nearest->clear();
    Results->clear();
    const auto target = kelvane::parseValue(Target->text().toStdString(), true);
    const auto* value = std::get_if<kelvane::Milli>(&target);
    if (!value) {
        TargetStatus->setText(valueProblem(std::get<kelvane::ValueError>(target)));
        say(Results, TargetStatus);
        return;
    }
    const auto conditions = conditionsOf(LowestTemperature, HighestTemperature, Tempco, Within);
    const auto* usable = std::get_if<kelvane::Conditions>(&conditions);
    TargetStatus->setText(inWindowDirection(!indexProblem_.isEmpty() ? indexProblem_
            : usable                                                 ? QStringLiteral("= %1").arg(shown(*value))
                                                                     : std::get<QString>(conditions)));
    if (const auto all = kelvane::nearestValues(*value))
        for (const kelvane::Nearest& n : *all) {
            const QString name = QString::fromLatin1(kelvane::tableOf(n.series).name);
            addRow(Nearest,
                {name, QStringLiteral("%1 (%2)").arg(shown(n.below), percent(n.belowDeviation)),
                    QStringLiteral("%1 (%2)").arg(shown(n.above), percent(n.aboveDeviation))},
                tr("%1: below %2, %3; above %4, %5")
                    .arg(name, spoken(n.below), spokenPercent(n.belowDeviation), spoken(n.above),
                        spokenPercent(n.aboveDeviation)),
                {n.below, n.above});
        }
    if (!index_ || !usable) {
        say(Results, TargetStatus);
        return;
    }
    // A target of 0 has no networks.
    const auto found
        = kelvane::findNetworks(*index_, *value, static_cast<std::size_t>(MaxParts->value()), shownNetworks, *usable);
    if (const auto* networks = std::get_if<std::vector<kelvane::Network>>(&found))
        for (const kelvane::Network& n : *networks) {
            const kelvane::Milli v = kelvane::roundedValue(n.value), low = kelvane::roundedValue(n.low),
                                 high = kelvane::roundedValue(n.high), least = kelvane::roundedValue(n.worst.min),
                                 most = kelvane::roundedValue(n.worst.max);
            // The worst case is said where the conditions make it wider than the tolerance range.
            addRow(Results,
                {leftToRight(QString::fromStdString(kelvane::written(n))), shown(v), percent(n.deviation),
                    range(written(low), written(high)), range(written(least), written(most)), shownYield(n.yield)},
                tr("%1: %2, %3, from %4 to %5")
                        .arg(spokenNetwork(n), spoken(v), spokenPercent(n.deviation), spoken(low), spoken(high))
                    + (least != low || most != high ? tr(", at worst from %1 to %2").arg(spoken(least), spoken(most))
                                                    : QString())
                    + spokenYield(n.yield),
                {n.parts.begin(), n.parts.begin() + static_cast<std::ptrdiff_t>(kelvane::partCount(n.shape))});
        }
    say(Results, TargetStatus);
}

void TFinder::DividerChange()
{
    DividerResults->clear();
    const bool regulator = !PlainDivider->isChecked();
    const auto vin = voltage(Vin->text()), vout = voltage(Vout->text()), vref = voltage(Vref->text());
    const auto least = kelvane::parseValue(LeastTotal->text().toStdString(), true);
    const auto most = kelvane::parseValue(MostTotal->text().toStdString(), true);
    const auto tolerance = fromZero(VrefTolerance->text()), current = fromZero(PinCurrent->text());
    const auto conditions = conditionsOf(LowestTemperature, HighestTemperature, Tempco, Within);
    const QString badReference = tr("The reference's tolerance and the pin's current are numbers from 0, as 1.");
    QString problem = indexProblem_;
    if (!vout || (regulator ? !vref : !vin))
        problem = tr("A voltage is a number above 0, as 3,3.");
    else if (regulator && (!tolerance || !current))
        problem = badReference;
    else if (!std::holds_alternative<kelvane::Milli>(least) || !std::holds_alternative<kelvane::Milli>(most))
        problem = tr("R1 + R2 is a range of values, as 1k to 1M.");
    else if (const auto* why = std::get_if<QString>(&conditions))
        problem = *why;
    DividerStatus->setText(inWindowDirection(!problem.isEmpty() ? problem
            : regulator ? tr("R1 from the output to the pin, R2 from the pin to ground.")
                        : tr("R1 from the input to the output, R2 from the output to ground.")));
    if (!problem.isEmpty() || !index_) {
        say(DividerResults, DividerStatus);
        return;
    }
    const kelvane::Conditions& c = std::get<kelvane::Conditions>(conditions);
    const kelvane::Milli leastTotal = std::get<kelvane::Milli>(least), mostTotal = std::get<kelvane::Milli>(most);
    const auto found = regulator
        ? kelvane::findRegulators(index_->parts(),
            {FeedbackRegulator->isChecked() ? kelvane::RegulatorKind::Feedback : kelvane::RegulatorKind::Adjust,
                {*vref, *tolerance / 100, std::nullopt}, *current / 1e6, *vout, leastTotal, mostTotal, shownNetworks},
            c)
        : kelvane::findDividers(index_->parts(), {*vin, *vout, leastTotal, mostTotal, shownNetworks}, c);
    if (const auto* error = std::get_if<kelvane::DividerError>(&found)) {
        // The conditions were found usable above.
        DividerStatus->setText(inWindowDirection(*error == kelvane::DividerError::BadReference ? badReference
                : *error != kelvane::DividerError::OutOfReach ? tr("R1 + R2 is a range of values, as 1k to 1M.")
                : regulator                                   ? tr("The output must be above the reference.")
                                                              : tr("The output must be above 0 and below the input.")));
        say(DividerResults, DividerStatus);
        return;
    }
    for (const kelvane::Divider& d : std::get<std::vector<kelvane::Divider>>(found)) {
        const QString low = number(d.low, 4), high = number(d.high, 4), lowest = number(d.worst.min, 4),
                      highest = number(d.worst.max, 4);
        addRow(DividerResults,
            {shown(d.r1), shown(d.r2), volts(d.vout), percent(d.deviation),
                range(writtenVolts(d.low), writtenVolts(d.high)),
                range(writtenVolts(d.worst.min), writtenVolts(d.worst.max)), shownYield(d.yield)},
            tr("R1 %1, R2 %2: %3 volts, %4, from %5 to %6 volts")
                    .arg(spoken(d.r1), spoken(d.r2), number(d.vout, 4), spokenPercent(d.deviation), low, high)
                + (lowest != low || highest != high ? tr(", at worst from %1 to %2 volts").arg(lowest, highest)
                                                    : QString())
                + spokenYield(d.yield),
            {d.r1, d.r2});
    }
    say(DividerResults, DividerStatus);
}

void TFinder::ConditionsChange()
{
    TargetChange();
    DividerChange();
}

// The input voltage makes a plain divider's output; a regulator's comes from its reference.
void TFinder::CircuitChange()
{
    const bool regulator = !PlainDivider->isChecked();
    Vin->setEnabled(!regulator);
    for (QLineEdit* e : {Vref, VrefTolerance, PinCurrent})
        e->setEnabled(regulator);
    DividerChange();
}

void TFinder::say(const QTreeWidget* list, const QLabel* status)
{
    if (!list->isVisibleTo(this))
        return;
    const QTreeWidgetItem* best = list->topLevelItem(0);
    spoken_->setPhrase(best ? best->data(0, Qt::AccessibleTextRole).toString() : status->text());
    if (isVisible())
        spoken_->announce(spoken_->phrase());
}

QTreeWidget* TFinder::chosenList() const
{
    if (Pages->currentIndex() == 1)
        return DividerResults;
    if (Nearest->hasFocus() || Results->hasFocus())
        return Nearest->hasFocus() ? Nearest : Results;
    return lastNetworkList_ ? lastNetworkList_ : Results;
}

void TFinder::CopyClick()
{
    const QTreeWidgetItem* item = chosenList()->currentItem();
    if (!item)
        return;
    QStringList columns;
    for (int c = 0; c < item->columnCount(); ++c)
        columns << item->text(c);
    QGuiApplication::clipboard()->setText(columns.join(QLatin1Char('\t')));
}

// One part goes at once; of several, the person picks one from a menu.
void TFinder::ShowBandsClick()
{
    const QTreeWidgetItem* item = chosenList()->currentItem();
    if (!item)
        return;
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("PartsMenu"));
    for (const QVariant& part : item->data(0, Qt::UserRole).toList()) {
        const auto value = part.value<kelvane::Milli>();
        QAction* a = menu.addAction(shown(value), this, [this, value] { emit showBands(value); });
        a->setEnabled(kelvane::bandsOf(value).has_value());
    }
    if (menu.actions().size() == 1)
        menu.actions().front()->trigger();
    else
        menu.exec(ShowBands->mapToGlobal(QPoint(0, ShowBands->height())));
}
