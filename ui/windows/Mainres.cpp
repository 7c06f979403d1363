#include "Mainres.h"

#include "paper/labelpages.h"
#include "platform/accessible.h"
#include "shared/bandpanel.h"
#include "shared/direction.h"
#include "shared/look.h"
#include "wording.h"

#include <kelvane/config.h>
#include <kelvane/encode.h>

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <variant>

namespace {

constexpr int clientWidth = 291;
constexpr int clientHeight = 245;

// Positions relative to the parent group box (or the client area). The bands
// are the drawn component's, band 1 at its left in every language.
constexpr Place places[] = {
    {"GroupBox1", 5, 4, 281, 89},
    {"bandCount", 0, 0, 281, 89}, // holds the two switches, over the whole box, under the bands
    {"PB1", 91, 8, 173, 65},
    {"ring1", 136, 32, 8, 25, "PB1"},
    {"ring2", 152, 32, 8, 25, "PB1"},
    {"ring3", 168, 32, 8, 25, "PB1"},
    {"ring4", 184, 32, 8, 25, "PB1"},
    {"ring5", 208, 32, 8, 25, "PB1"},
    {"N4colorrings", 24, 24, 65, 17},
    {"N5colorrings", 24, 48, 65, 17},
    {"GroupBox2", 5, 94, 161, 57},
    {"readout", 0, 0, 161, 57}, // holds the value labels, over the whole box
    {"textfield", 16, 24, 129, 13},
    {"value", 31, 24, 58, 13},
    {"dec", 93, 24, 20, 13},
    {"enhet", 107, 24, 46, 13},
    {"dot", 88, 24, autoWidth, 13},
    {"Tol", 172, 94, 114, 57},
    {"Tolerance", 24, 24, 65, 21},
    {"GroupBox3", 5, 152, 281, 89},
    {"Entervalue", 16, 24, 73, 21},
    {"Mohm", 96, 24, 60, 17},
    {"Kohm", 96, 40, 60, 17},
    {"ohm", 96, 56, 60, 17},
    {"round", 168, 24, 97, 17},
    {"Calculate", 168, 48, 97, 25},
    {"Bevel1", 16, 54, 73, 17},
    {"actualvalue", 17, 57, 71, 13},
};

// "\r" breaks a tooltip into lines; the texts are translated when shown.
constexpr struct {
    const char* name;
    const char* text;
} toolTips[] = {
    {"GroupBox1", QT_TRANSLATE_NOOP("TMainform", "Click on band to \rselect color")},
    {"ring1", QT_TRANSLATE_NOOP("TMainform", "Band 1")},
    {"ring2", QT_TRANSLATE_NOOP("TMainform", "Band 2")},
    {"ring3", QT_TRANSLATE_NOOP("TMainform", "Band 3")},
    {"ring4", QT_TRANSLATE_NOOP("TMainform", "Band 4")},
    {"ring5", QT_TRANSLATE_NOOP("TMainform", "Tolerance")},
    {"N4colorrings", QT_TRANSLATE_NOOP("TMainform", "Set number of\rcolorbands to 4")},
    {"N5colorrings", QT_TRANSLATE_NOOP("TMainform", "Set number of\rcolorbands to 5")},
    {"GroupBox2", QT_TRANSLATE_NOOP("TMainform", "Display component value")},
    {"Tolerance", QT_TRANSLATE_NOOP("TMainform", "Select / display\r component tolerance")},
    {"Entervalue", QT_TRANSLATE_NOOP("TMainform", "Enter component value")},
    {"Mohm", QT_TRANSLATE_NOOP("TMainform", "Select to multiply entered value\rwith 1 M (1.000.000)")},
    {"Kohm", QT_TRANSLATE_NOOP("TMainform", "Select to multiply entered \rvalue with 1 K (1000)")},
    {"ohm", QT_TRANSLATE_NOOP("TMainform", "Select to multiply entered\r value with 1")},
    {"round",
        QT_TRANSLATE_NOOP(
            "TMainform", "Select to round componentvalue\rto nearest standard value. De select\rto always round up.")},
    {"Calculate", QT_TRANSLATE_NOOP("TMainform", "Click to calculate \rcolorcode")},
    {"actualvalue", QT_TRANSLATE_NOOP("TMainform", "Display entered value\rwith right multiplier")},
};

// The unit choice's captions are the engine's unit names, the same in every
// language; the quantity is translated. Indexed by the kind, resistor 1.
constexpr const char* quantities[2]
    = {QT_TRANSLATE_NOOP("TMainform", "Capacitance"), QT_TRANSLATE_NOOP("TMainform", "Resistance")};

QString unitCaption(bool resistor, kelvane::Unit unit) { return QString::fromUtf8(kelvane::unitName(resistor, unit)); }

// A right click on any of the widgets offers the action.
void offer(QAction* action, std::initializer_list<QWidget*> widgets)
{
    for (QWidget* widget : widgets) {
        widget->setContextMenuPolicy(Qt::ActionsContextMenu);
        widget->addAction(action);
    }
}

void copy(const QString& text) { QGuiApplication::clipboard()->setText(text); }

template <typename W> W* regular(W* widget)
{
    widget->setFont(layoutFont(false));
    return widget;
}

} // namespace

TMainform::TMainform(QWidget* parent)
    : QMainWindow(parent)
    , noToolTip_(new NoToolTip(this))
{
    setObjectName(QStringLiteral("Mainform"));
    setWindowTitle(QStringLiteral("Kelvane v%1").arg(QStringLiteral(KELVANE_VERSION)));
    setFont(layoutFont(false));
    bands_.bandcount = 4;
    createMenu();
    createControls();
    placeControls();
    connectControls();
    setFixedSize(clientWidth, clientHeight + menuBar()->sizeHint().height());
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
}

QString TMainform::bandName(int band) { return band == 5 ? tr("Tolerance band") : tr("Band %1").arg(band); }

void TMainform::takeColourPick(kelvane::ColourPick pick)
{
    pick_ = pick;
    pickedBand_ = bands_.curband;
}

void TMainform::takeTolerancePick(kelvane::TolerancePick pick)
{
    tolerancePick_ = pick;
    pickedBand_ = 5;
}

void TMainform::createMenu()
{
    auto* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    auto menu = [bar](const char* name, const QString& title) { return named(bar->addMenu(title), name); };

    QMenu* file = menu("File1", tr("&File"));
    auto* labels = named(file->addAction(tr("&Print labels..."), this, &TMainform::PrintLabels1Click), "PrintLabels1");
    labels->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    named(file->addSeparator(), "N2");
    Exit1 = named(file->addAction(tr("E&xit"), this, &TMainform::Exit1Click), "Exit1");

    QMenu* component = menu("Options1", tr("&Component"));
    Resistor1 = named(component->addAction(tr("&Resistor"), this, &TMainform::Resistor1Click), "Resistor1");
    Resistor1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    Resistor1->setCheckable(true);
    Resistor1->setChecked(true);
    Capasitor1 = named(component->addAction(tr("&Capasitor"), this, &TMainform::Capasitor1Click), "Capasitor1");
    Capasitor1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    Capasitor1->setCheckable(true);
    auto* markings = named(component->addAction(tr("&Markings..."), this, &TMainform::Markings1Click), "Markings1");
    markings->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    auto* finder = named(component->addAction(tr("&Find values..."), this, &TMainform::Finder1Click), "Finder1");
    finder->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));

    QMenu* help = menu("Help1", tr("&Help"));
    ShowToolTips1 = named(help->addAction(tr("&Show ToolTips"), this, &TMainform::ShowToolTips1Click), "ShowToolTips1");
    ShowToolTips1->setCheckable(true);
    named(help->addAction(tr("Color code &chart..."), this, &TMainform::Chart1Click), "Chart1");
    named(help->addSeparator(), "N1");
    About1 = named(help->addAction(tr("&About..."), this, &TMainform::About1Click), "About1");

    // Offered in the context menus once there is something to copy; the value
    // also by Ctrl+Shift+C anywhere in the window (Ctrl+C is the capacitor's).
    auto copyAction = [this](const char* name, void (TMainform::*handler)()) {
        auto* action = named(new QAction(tr("&Copy"), this), name);
        action->setEnabled(false);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    CopyValue1 = copyAction("CopyValue1", &TMainform::CopyValue1Click);
    CopyValue1->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    addAction(CopyValue1);
    CopyEntered1 = copyAction("CopyEntered1", &TMainform::CopyEntered1Click);
    CopyColors1 = copyAction("CopyColors1", &TMainform::CopyColors1Click);

    // Alt+1 to Alt+5 open a band's dialog as a click on the band does.
    for (int band = 1; band <= 5; ++band) {
        auto* key = named(new QAction(this), QStringLiteral("band%1").arg(band).toLatin1().constData());
        key->setShortcut(QKeyCombination(Qt::AltModifier, static_cast<Qt::Key>(Qt::Key_0 + band)));
        connect(key, &QAction::triggered, this, [this, band] { openBand(band, true); });
        addAction(key);
    }
}

void TMainform::createControls()
{
    auto* client = named(new QWidget(this), "client");
    client->setFixedSize(clientWidth, clientHeight);
    setCentralWidget(client);

    // Creation order is stacking order: the bands lie over the drawing, and
    // the value labels stack as textfield, value, dec, enhet, dot.
    GroupBox1 = groupBox("GroupBox1", tr("Color code"), client);
    // Not the group box's own children: a screen reader would name the group
    // for each switch again, after the group box itself.
    auto* bandCount = named(new QWidget(GroupBox1), "bandCount");
    auto* PB1 = named(new PaintBox(GroupBox1), "PB1");
    PB1->setAccessibleName(tr("Drawn component"));
    connect(PB1, &PaintBox::paint, this, &TMainform::PB1Paint);
    PB1->installEventFilter(noToolTip_);
    for (int band = 1; band <= 5; ++band) {
        auto* panel = new BandPanel(QStringLiteral("ring%1").arg(band), BandPanel::Bevel::Raised, GroupBox1);
        panel->setBandLabel(bandName(band));
        ring[static_cast<std::size_t>(band - 1)] = panel;
    }
    ring[3]->hide();
    N4colorrings = regular(named(new QRadioButton(tr("4 bands"), bandCount), "N4colorrings"));
    N4colorrings->setChecked(true);
    N5colorrings = regular(named(new QRadioButton(tr("5 bands"), bandCount), "N5colorrings"));

    GroupBox2 = groupBox("GroupBox2", tr(quantities[1]), client);
    readout = named(new ValueReadout(GroupBox2), "readout");
    auto label = [this](const char* name, Qt::Alignment alignment) {
        auto* l = named(new QLabel(readout), name);
        l->setAlignment(alignment | Qt::AlignVCenter);
        l->installEventFilter(noToolTip_);
        return l;
    };
    textfield = label("textfield", Qt::AlignHCenter);
    textfield->setText(QCoreApplication::translate(wording::bandsContext, wording::selectColors));
    value = label("value", Qt::AlignRight);
    dec = label("dec", Qt::AlignLeft);
    enhet = label("enhet", Qt::AlignLeft);
    dot = label("dot", Qt::AlignLeft);
    dot->setText(QStringLiteral(","));
    // The value's four labels read as one value left to right, "4,7 Kohm",
    // where they stand in every language: right of the box's middle, under
    // its title, which a language written from the right puts at the right.
    readout->setLayoutDirection(Qt::LeftToRight);

    Tol = groupBox("Tol", tr("Tolerance"), client);
    Tolerance = named(new QComboBox(Tol), "Tolerance");
    Tolerance->setAccessibleName(tr("Tolerance")); // first: it decides the interface a screen reader gets
    Tolerance->setEditable(true);
    Tolerance->setInsertPolicy(QComboBox::NoInsert);
    Tolerance->setCompleter(nullptr);
    for (const auto& item : kelvane::toleranceList)
        Tolerance->addItem(QString::fromLatin1(item.text));
    Tolerance->setCurrentIndex(-1);

    GroupBox3 = groupBox("GroupBox3", tr("Enter value"), client);
    Entervalue = named(new QLineEdit(GroupBox3), "Entervalue");
    Entervalue->setAccessibleName(tr("Component value"));
    Mohm = regular(named(new QRadioButton(unitCaption(true, kelvane::Unit::Mega), GroupBox3), "Mohm"));
    Kohm = regular(named(new QRadioButton(unitCaption(true, kelvane::Unit::Kilo), GroupBox3), "Kohm"));
    ohm = regular(named(new QRadioButton(unitCaption(true, kelvane::Unit::One), GroupBox3), "ohm"));
    ohm->setChecked(true);
    round = regular(named(new QCheckBox(tr("round to nearest"), GroupBox3), "round"));
    round->setChecked(true);
    Calculate = regular(named(new QPushButton(tr("Calculate"), GroupBox3), "Calculate"));
    auto* bevel = named(new QFrame(GroupBox3), "Bevel1");
    bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    actualvalue = regular(named(new QLabel(GroupBox3), "actualvalue"));
    actualvalue->setAlignment(Qt::AlignCenter);
    // Read by its value once there is one, then described by what it is; the
    // bevel around it is only its frame.
    actualvalue->setAccessibleName(tr("Entered value with multiplier"));

    offer(CopyValue1, {readout});
    offer(CopyEntered1, {bevel, actualvalue});
    offer(CopyColors1, {PB1, ring[0], ring[1], ring[2], ring[3], ring[4]});

    // Tab order: the bands take no focus; then the group boxes in the order
    // Color code, Tolerance, Enter value.
    QWidget* chain[] = {N4colorrings, N5colorrings, Tolerance, Entervalue, Mohm, Kohm, ohm, round,
        GroupBox3->findChild<QPushButton*>(QStringLiteral("Calculate"))};
    for (std::size_t i = 1; i < std::size(chain); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    N4colorrings->setFocus();
}

void TMainform::placeControls() { ::placeControls(this, places); }

void TMainform::connectControls()
{
    for (int band = 1; band <= 4; ++band)
        connect(ring[static_cast<std::size_t>(band - 1)], &BandPanel::clicked, this, [this, band] { ringClick(band); });
    connect(ring[4], &BandPanel::clicked, this, [this] { ring5Click(); });
    connect(N4colorrings, &QRadioButton::toggled, this, &TMainform::N4colorringsClick);
    connect(N5colorrings, &QRadioButton::toggled, this, &TMainform::N5colorringsClick);
    connect(Tolerance, &QComboBox::currentIndexChanged, this, &TMainform::ToleranceChange);
    // Typed text leaves no item selected.
    connect(Tolerance->lineEdit(), &QLineEdit::textEdited, this, [this] { ToleranceChange(-1); });
    connect(Calculate, &QPushButton::clicked, this, &TMainform::CalculateClick);
    connect(Entervalue, &QLineEdit::returnPressed, this, &TMainform::CalculateClick);
}

kelvane::BandState TMainform::bandState() const
{
    kelvane::BandState s = bands_;
    for (int band = 1; band <= 5; ++band)
        s.colour(band) = ring[static_cast<std::size_t>(band - 1)]->colourValue();
    s.ring4Shown = !ring[3]->isHidden();
    s.resistor = Resistor1->isChecked();
    return s;
}

void TMainform::readBands() { bands_ = bandState(); }

void TMainform::writeBands()
{
    for (int band = 1; band <= 5; ++band)
        ring[static_cast<std::size_t>(band - 1)]->setColourValue(bands_.colour(band));
    ring[3]->setHidden(!bands_.ring4Shown);
}

void TMainform::showDisplay(const std::optional<kelvane::Display>& display)
{
    display_ = display;
    GroupBox2->setAccessibleDescription(spokenResult());
    readout->setPhrase(spokenResult());
    CopyValue1->setEnabled(display.has_value());
    CopyColors1->setEnabled(display.has_value());
    if (!display) {
        textfield->show();
        for (QLabel* l : {enhet, dec, dot, value})
            l->hide();
        emit bandsChanged(kelvane::readingOf(bandState()));
        return;
    }
    value->setText(QString::fromStdString(display->value));
    dot->setText(QString::fromStdString(display->dot));
    dot->resize(dot->sizeHint().width(), dot->height());
    dec->setText(QString::fromStdString(display->dec));
    enhet->setText(QString::fromStdString(display->enhet));
    textfield->hide();
    for (QLabel* l : {dec, enhet, value, dot})
        l->show();
    emit bandsChanged(kelvane::readingOf(bandState()));
}

// Read as one phrase in words, "4.7 kilohms", not as the four labels.
QString TMainform::spokenResult() const { return display_ ? spokenValue(*display_) : textfield->text(); }

void TMainform::calcvalue()
{
    readBands();
    const kelvane::Display display = kelvane::calcvalue(bands_);
    showDisplay(display);
}

void TMainform::FormActivate() { cycle(false); }

void TMainform::cycle(bool speakAlways)
{
    readBands();
    const kelvane::BandState before = bands_;
    const QString resultBefore = spokenResult();
    const auto display = kelvane::refresh(bands_, pick_, tolerancePick_);
    writeBands();
    {
        const QSignalBlocker quiet(Tolerance);
        Tolerance->setCurrentIndex(kelvane::toleranceListIndex(tolerancePick_));
    }
    showDisplay(display);

    QStringList spoken;
    for (int band = 1; band <= 5; ++band)
        if (band == pickedBand_ || bands_.colour(band) != before.colour(band))
            spoken << ring[static_cast<std::size_t>(band - 1)]->accessibleName();
    pickedBand_ = 0;
    if (speakAlways || !spoken.isEmpty() || spokenResult() != resultBefore)
        readout->announce((spoken << spokenResult()).join(QStringLiteral(". ")));
}

void TMainform::openBand(int band, bool byKeyboard)
{
    if (band == 5)
        ring5Click(byKeyboard);
    else if (!ring[static_cast<std::size_t>(band - 1)]->isHidden())
        ringClick(band, byKeyboard);
}

void TMainform::ringClick(int band, bool byKeyboard)
{
    readBands();
    bands_.curband = static_cast<std::uint8_t>(band);
    const kelvane::ColourPick preload = kelvane::preload(bands_, band);
    emit colourDialogAsked(band, bands_.bandcount, preload, bandName(band), pos() + QPoint(17, 30), byKeyboard);
    pick_ = preload;
}

void TMainform::ring5Click(bool byKeyboard)
{
    const kelvane::TolerancePick preload = kelvane::preloadTolerance(ring[4]->colourValue(), Tolerance->currentIndex());
    emit toleranceDialogAsked(preload, pos() + QPoint(136, 30), byKeyboard);
    tolerancePick_ = preload;
}

void TMainform::ToleranceChange(int index)
{
    kelvane::toleranceChange(tolerancePick_, index);
    cycle(true);
}

void TMainform::N4colorringsClick(bool checked)
{
    if (!checked)
        return;
    readBands();
    kelvane::switchToFourBands(bands_, pick_);
    writeBands();
    cycle(true);
}

void TMainform::N5colorringsClick(bool checked)
{
    if (!checked)
        return;
    readBands();
    kelvane::switchToFiveBands(bands_);
    writeBands();
    cycle(true);
}

void TMainform::setKind(bool resistor)
{
    switchKind(resistor);
    cycle(true);
}

void TMainform::switchKind(bool resistor)
{
    Resistor1->setChecked(resistor);
    Capasitor1->setChecked(!resistor);
    Mohm->setText(unitCaption(resistor, kelvane::Unit::Mega));
    Kohm->setText(unitCaption(resistor, kelvane::Unit::Kilo));
    ohm->setText(unitCaption(resistor, kelvane::Unit::One));
    GroupBox2->setTitle(tr(quantities[resistor]));
    readBands();
    kelvane::switchKind(bands_, resistor);
}

void TMainform::Resistor1Click() { setKind(true); }

void TMainform::Capasitor1Click() { setKind(false); }

void TMainform::CalculateClick()
{
    const kelvane::Unit unit = Mohm->isChecked() ? kelvane::Unit::Mega
        : Kohm->isChecked()                      ? kelvane::Unit::Kilo
                                                 : kelvane::Unit::One;
    const auto result = kelvane::encode(Entervalue->text().toStdString(), unit,
        round->isChecked() ? kelvane::Rounding::Nearest : kelvane::Rounding::Up, bands_.bandcount);
    const auto* encoding = std::get_if<kelvane::Encoding>(&result);
    if (!encoding) {
        QMessageBox box(QMessageBox::NoIcon, tr("Error converting componentvalue"),
            valuesLeftToRight(tr(wording::entryError)), QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("EntryError"));
        box.exec();
        return;
    }
    actualvalue->setText(QString::fromStdString(encoding->actualvalue));
    actualvalue->setAccessibleDescription(tr("Entered value with multiplier"));
    actualvalue->setAccessibleName(actualvalue->text());
    CopyEntered1->setEnabled(true);
    readBands();
    kelvane::applyEncoding(bands_, *encoding);
    writeBands();
    calcvalue();
    // The value, then the colours that carry it.
    readout->announce(QStringLiteral("%1: %2").arg(spokenResult(), colourNames(bands_.bandcount - 1)));
}

void TMainform::ShowToolTips1Click()
{
    const bool on = ShowToolTips1->isChecked();
    for (const auto& tip : toolTips) {
        const QString text = on ? tr(tip.text).replace(QLatin1Char('\r'), QLatin1Char('\n')) : QString();
        findChild<QWidget*>(QString::fromLatin1(tip.name))->setToolTip(text);
    }
}

void TMainform::Exit1Click() { QCoreApplication::quit(); }

void TMainform::About1Click() { emit aboutAsked(); }

void TMainform::Markings1Click() { emit markingsAsked(); }

void TMainform::PrintLabels1Click() { emit labelsAsked(); }

void TMainform::Chart1Click()
{
    QPrinter printer(QPrinter::HighResolution);
    prepareChart(printer);
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("ChartPreview"));
    preview.setWindowTitle(tr("Color code chart"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [](QPrinter* p) { printChart(*p); });
    preview.exec();
}

void TMainform::Finder1Click() { emit finderAsked(); }

void TMainform::ShowBands(kelvane::Milli part)
{
    const auto bands = kelvane::bandsOf(part);
    if (!bands)
        return;
    if (!Resistor1->isChecked())
        switchKind(true);
    {
        const QSignalBlocker quiet4(N4colorrings), quiet5(N5colorrings);
        (bands->bandcount == 5 ? N5colorrings : N4colorrings)->setChecked(true);
    }
    readBands();
    bands_.bandcount = bands->bandcount;
    bands_.ring4Shown = bands->bandcount == 5;
    kelvane::applyEncoding(bands_, bands->encoding);
    writeBands();
    cycle(true);
}

// As shown, "4,7 Kohm": the readout's phrase is the spoken one.
void TMainform::CopyValue1Click() { copy(value->text() + dot->text() + dec->text() + enhet->text()); }

void TMainform::CopyEntered1Click() { copy(actualvalue->text()); }

// The coloured bands in order, named in the program's language.
void TMainform::CopyColors1Click() { copy(colourNames(5)); }

QString TMainform::colourNames(int lastBand) const
{
    QStringList names;
    for (int band = 1; band <= lastBand; ++band) {
        const BandPanel* panel = ring[static_cast<std::size_t>(band - 1)];
        if (const auto hue = kelvane::hueOf(panel->colourValue()); hue && !panel->isHidden())
            names << colourName(*hue);
    }
    return names.join(QStringLiteral(", "));
}

void TMainform::closeEvent(QCloseEvent* event)
{
    event->accept();
    QCoreApplication::quit();
}

void TMainform::PB1Paint(QPainter& p)
{
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(GroupBox1->palette().window());
    p.drawLine(10, 36, 33, 36);
    // The outline's pen is centred on x 33..136 and y 23..49.
    p.drawRect(QRectF(33, 23, 103, 26));
    p.drawLine(137, 36, 160, 36);
    p.fillRect(QRect(QPoint(34, 24), QPoint(134, 47)), toQColor(kelvane::BodyColor));
}
