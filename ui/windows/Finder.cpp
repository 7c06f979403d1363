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
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeWidget>

#include <cmath>
#include <variant>

namespace {

constexpr int clientWidth = 480;
constexpr int clientHeight = 420;

// Positions relative to the parent page (or the window).
constexpr Place places[] = {
    {"SourceCaption", 10, 10, 80, 21},
    {"Source", 94, 10, 90, 21},
    {"EditParts", 192, 9, 190, 23},
    {"Pages", 5, 40, 470, 344},
    {"TargetCaption", 8, 10, 100, 21},
    {"Target", 112, 10, 96, 21},
    {"MaxPartsCaption", 216, 10, 146, 21},
    {"MaxParts", 366, 10, 44, 21},
    {"TargetStatus", 112, 34, 340, 13},
    {"NearestCaption", 8, 52, 440, 13},
    {"Nearest", 8, 68, 450, 112},
    {"ResultsCaption", 8, 188, 440, 13},
    {"Results", 8, 204, 450, 110},
    {"VinCaption", 8, 10, 130, 21},
    {"Vin", 142, 10, 70, 21},
    {"VoutCaption", 222, 10, 150, 21},
    {"Vout", 376, 10, 70, 21},
    {"LeastTotalCaption", 8, 38, 130, 21},
    {"LeastTotal", 142, 38, 70, 21},
    {"MostTotalCaption", 222, 38, 150, 21},
    {"MostTotal", 376, 38, 70, 21},
    {"DividerStatus", 8, 64, 450, 26},
    {"DividerResultsCaption", 8, 94, 440, 13},
    {"DividerResults", 8, 110, 450, 204},
    {"PartsProblems", 8, 388, 186, 28},
    {"Copy", 200, 390, 130, 23},
    {"ShowBands", 335, 390, 140, 23},
};

// Source's items after the six series.
constexpr int myParts = 6;
constexpr std::size_t shownNetworks = 10;

QString shown(kelvane::Milli v) { return leftToRight(QString::fromStdString(kelvane::written(v, true))); }

QString spoken(kelvane::Milli v) { return spokenValue(kelvane::display(v, true)); }

// With the decimal comma of the shown values.
QString number(double x, int digits) { return QString::fromStdString(kelvane::writtenNumber(x, digits)); }

QString percent(double fraction) { return leftToRight(QString::fromStdString(kelvane::writtenPercent(fraction))); }

QString spokenPercent(double fraction)
{
    const QString size = number(std::abs(fraction) * 100, 3);
    const int comma = size.indexOf(QLatin1Char(','));
    const QString words
        = comma < 0 || size.contains(QLatin1Char('e')) ? size : spokenNumber(size.left(comma), size.mid(comma + 1));
    if (fraction == 0)
        return TFinder::tr("exact");
    return fraction < 0 ? TFinder::tr("%1 percent below").arg(words) : TFinder::tr("%1 percent above").arg(words);
}

QString volts(double v) { return leftToRight(number(v, 4) + QStringLiteral(" V")); }

// "3,3" or "3.3", from above 0.
std::optional<double> voltage(QString text)
{
    bool ok = false;
    const double v = text.trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    return ok && v > 0 && std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
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
    for (QLineEdit* e : {Vin, Vout, LeastTotal, MostTotal})
        connect(e, &QLineEdit::textChanged, this, &TFinder::DividerChange);
    for (QTreeWidget* l : {Nearest, Results})
        connect(l, &QTreeWidget::currentItemChanged, this, [this, l] { lastNetworkList_ = l; });
    connect(Pages, &QTabWidget::currentChanged, this,
        [this](int page) { page == 0 ? say(Results, TargetStatus) : say(DividerResults, DividerStatus); });
    connect(Copy, &QPushButton::clicked, this, &TFinder::CopyClick);
    connect(ShowBands, &QPushButton::clicked, this, &TFinder::ShowBandsClick);
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
    Results = list("Results", {tr("Network"), tr("Value"), tr("Deviation"), tr("Tolerance range")}, networks);
    label("ResultsCaption", tr("&Best networks:"), networks, Results);

    Vin = named(new QLineEdit(QStringLiteral("5"), divider), "Vin");
    label("VinCaption", tr("&Input voltage:"), divider, Vin);
    Vout = named(new QLineEdit(QStringLiteral("3,3"), divider), "Vout");
    label("VoutCaption", tr("&Output voltage:"), divider, Vout);
    LeastTotal = named(new QLineEdit(QStringLiteral("1k"), divider), "LeastTotal");
    label("LeastTotalCaption", tr("R1 + R2 &from:"), divider, LeastTotal);
    MostTotal = named(new QLineEdit(QStringLiteral("1M"), divider), "MostTotal");
    label("MostTotalCaption", tr("&to:"), divider, MostTotal);
    DividerStatus = label("DividerStatus", {}, divider);
    DividerStatus->setWordWrap(true);
    DividerResults = list("DividerResults",
        {QStringLiteral("R1"), QStringLiteral("R2"), tr("Output"), tr("Deviation"), tr("Output range")}, divider);
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
    QWidget* chain[] = {Source, EditParts, Pages, Target, MaxParts, Nearest, Results, Vin, Vout, LeastTotal, MostTotal,
        DividerResults, Copy, ShowBands};
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
    TargetStatus->setText(
        inWindowDirection(indexProblem_.isEmpty() ? QStringLiteral("= %1").arg(shown(*value)) : indexProblem_));
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
    if (!index_) {
        say(Results, TargetStatus);
        return;
    }
    // A target of 0 has no networks.
    const auto found
        = kelvane::findNetworks(*index_, *value, static_cast<std::size_t>(MaxParts->value()), shownNetworks);
    if (const auto* networks = std::get_if<std::vector<kelvane::Network>>(&found))
        for (const kelvane::Network& n : *networks) {
            const kelvane::Milli v = kelvane::roundedValue(n.value), low = kelvane::roundedValue(n.low),
                                 high = kelvane::roundedValue(n.high);
            addRow(Results,
                {leftToRight(QString::fromStdString(kelvane::written(n))), shown(v), percent(n.deviation),
                    QStringLiteral("%1 \u2026 %2").arg(shown(low), shown(high))},
                tr("%1: %2, %3, from %4 to %5")
                    .arg(spokenNetwork(n), spoken(v), spokenPercent(n.deviation), spoken(low), spoken(high)),
                {n.parts.begin(), n.parts.begin() + static_cast<std::ptrdiff_t>(kelvane::partCount(n.shape))});
        }
    say(Results, TargetStatus);
}

void TFinder::DividerChange()
{
    DividerResults->clear();
    const auto vin = voltage(Vin->text()), vout = voltage(Vout->text());
    const auto least = kelvane::parseValue(LeastTotal->text().toStdString(), true);
    const auto most = kelvane::parseValue(MostTotal->text().toStdString(), true);
    QString problem = indexProblem_;
    if (!vin || !vout)
        problem = tr("A voltage is a number above 0, as 3,3.");
    else if (!std::holds_alternative<kelvane::Milli>(least) || !std::holds_alternative<kelvane::Milli>(most))
        problem = tr("R1 + R2 is a range of values, as 1k to 1M.");
    DividerStatus->setText(inWindowDirection(
        problem.isEmpty() ? tr("R1 from the input to the output, R2 from the output to ground.") : problem));
    if (!problem.isEmpty() || !index_) {
        say(DividerResults, DividerStatus);
        return;
    }
    const auto found = kelvane::findDividers(
        index_->parts(), {*vin, *vout, std::get<kelvane::Milli>(least), std::get<kelvane::Milli>(most), shownNetworks});
    if (const auto* error = std::get_if<kelvane::DividerError>(&found)) {
        DividerStatus->setText(inWindowDirection(*error == kelvane::DividerError::OutOfReach
                ? tr("The output must be above 0 and below the input.")
                : tr("R1 + R2 is a range of values, as 1k to 1M.")));
        say(DividerResults, DividerStatus);
        return;
    }
    for (const kelvane::Divider& d : std::get<std::vector<kelvane::Divider>>(found))
        addRow(DividerResults,
            {shown(d.r1), shown(d.r2), volts(d.vout), percent(d.deviation),
                QStringLiteral("%1 \u2026 %2").arg(volts(d.low), volts(d.high))},
            tr("R1 %1, R2 %2: %3 volts, %4, from %5 to %6 volts")
                .arg(spoken(d.r1), spoken(d.r2), number(d.vout, 4), spokenPercent(d.deviation), number(d.low, 4),
                    number(d.high, 4)),
            {d.r1, d.r2});
    say(DividerResults, DividerStatus);
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
