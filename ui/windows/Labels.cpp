#include "Labels.h"

#include "shared/direction.h"
#include "shared/look.h"
#include "shared/markingtext.h"
#include "shared/partsfile.h"
#include "wording.h"

#include <kelvane/bom.h>
#include <kelvane/marking.h>
#include <kelvane/parts.h>
#include <kelvane/value.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {

constexpr int clientWidth = 320;
constexpr int clientHeight = 334;

// Positions relative to the parent group box (or the window).
constexpr Place places[] = {
    {"ValuesBox", 5, 4, 310, 130},
    {"SourceCaption", 16, 22, 70, 21},
    {"Source", 90, 22, 110, 21},
    {"BomFile", 204, 21, 98, 23},
    {"ValuesCaption", 16, 48, 70, 21},
    {"Values", 90, 48, 212, 21},
    {"SeriesCaption", 16, 74, 70, 21},
    {"Series", 90, 74, 70, 21},
    {"FromCaption", 16, 100, 70, 21},
    {"From", 90, 100, 70, 21},
    {"ToCaption", 166, 100, 50, 21},
    {"To", 218, 100, 84, 21},
    {"PaperBox", 5, 138, 310, 130},
    {"SheetCaption", 16, 22, 70, 21},
    {"Sheet", 90, 22, 76, 21},
    {"BandsCaption", 170, 22, 54, 21},
    {"Bands", 226, 22, 76, 21},
    {"StartCaption", 16, 48, 84, 21},
    {"Start", 104, 48, 62, 21},
    {"Calibration", 170, 47, 132, 23},
    {"OffsetCaption", 16, 74, 84, 21},
    {"OffsetX", 104, 74, 96, 21},
    {"OffsetY", 206, 74, 96, 21},
    {"ScaleCaption", 16, 100, 84, 21},
    {"ScaleX", 104, 100, 96, 21},
    {"ScaleY", 206, 100, 96, 21},
    {"Count", 10, 272, 300, 26},
    {"Preview", 5, 304, 100, 25},
    {"Print", 110, 304, 100, 25},
    {"SavePdf", 215, 304, 100, 25},
};

enum SourceItem { typed, series, myParts, bomFile };

} // namespace

TLabels::TLabels(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("Labels"));
    setWindowTitle(tr("Labels"));
    setFont(layoutFont(false));
    setLocale(numberLocale());
    setFixedSize(clientWidth, clientHeight);
    createControls();
    placeControls(this, places);
    connect(Source, &QComboBox::currentIndexChanged, this, &TLabels::SourceChange);
    connect(BomFile, &QPushButton::clicked, this, &TLabels::BomFileClick);
    for (QLineEdit* e : {Values, From, To})
        connect(e, &QLineEdit::textChanged, this, &TLabels::FieldsChange);
    // The sheet's calibration shown before the run is read with it.
    connect(Sheet, &QComboBox::currentIndexChanged, this, &TLabels::SheetChange);
    for (QComboBox* c : {Series, Sheet, Bands})
        connect(c, &QComboBox::currentIndexChanged, this, &TLabels::FieldsChange);
    connect(Start, &QSpinBox::valueChanged, this, &TLabels::FieldsChange);
    for (QDoubleSpinBox* d : {OffsetX, OffsetY, ScaleX, ScaleY})
        connect(d, &QDoubleSpinBox::valueChanged, this, &TLabels::CalibrationChange);
    connect(Calibration, &QPushButton::clicked, this, &TLabels::CalibrationClick);
    connect(Preview, &QPushButton::clicked, this, &TLabels::PreviewClick);
    connect(Print, &QPushButton::clicked, this, &TLabels::PrintClick);
    connect(SavePdf, &QPushButton::clicked, this, &TLabels::SavePdfClick);
    calibrations = calibrationfile::read().bySheet;
    SheetChange();
    SourceChange();
}

void TLabels::createControls()
{
    auto* valuesBox = groupBox("ValuesBox", tr("Values"), this);
    auto* paperBox = groupBox("PaperBox", tr("Paper"), this);
    auto field = [](auto* widget, const char* name, const char* caption, const QString& text, QWidget* box) {
        auto* l = named(new QLabel(text, box), caption);
        l->setFont(layoutFont(false));
        l->setBuddy(named(widget, name));
        widget->setFont(layoutFont(false));
        return widget;
    };
    Source = field(new QComboBox(valuesBox), "Source", "SourceCaption", tr("&Take:"), valuesBox);
    Source->addItems({tr("Typed values"), tr("A series"), tr("My parts"), tr("A BOM")});
    BomFile = named(new QPushButton(tr("BO&M file..."), valuesBox), "BomFile");
    BomFile->setFont(layoutFont(false));
    Values = field(new QLineEdit(valuesBox), "Values", "ValuesCaption", tr("&Values:"), valuesBox);
    Values->setPlaceholderText(QStringLiteral("4k7 10k 2,2M"));
    Series = field(new QComboBox(valuesBox), "Series", "SeriesCaption", tr("&Series:"), valuesBox);
    for (const kelvane::SeriesTable& s : kelvane::seriesTables)
        Series->addItem(QString::fromLatin1(s.name));
    Series->setCurrentIndex(static_cast<int>(kelvane::Series::E12));
    From = field(new QLineEdit(QStringLiteral("10"), valuesBox), "From", "FromCaption", tr("&From:"), valuesBox);
    To = field(new QLineEdit(QStringLiteral("1M"), valuesBox), "To", "ToCaption", tr("T&o:"), valuesBox);
    Sheet = field(new QComboBox(paperBox), "Sheet", "SheetCaption", tr("S&heet:"), paperBox);
    for (const kelvane::Sheet& s : kelvane::sheets)
        Sheet->addItem(QString::fromLatin1(s.name));
    Bands = field(new QComboBox(paperBox), "Bands", "BandsCaption", tr("&Bands:"), paperBox);
    Bands->addItems({QStringLiteral("4"), QStringLiteral("5"), tr("4 and 5")});
    Bands->setCurrentIndex(static_cast<int>(BandChoice::Both));
    Start = field(new QSpinBox(paperBox), "Start", "StartCaption", tr("Start at &label:"), paperBox);
    auto millimetres = [&](const char* name, const QString& spoken) {
        auto* d = named(new QDoubleSpinBox(paperBox), name);
        d->setFont(layoutFont(false));
        d->setRange(-kelvane::largestOffset, kelvane::largestOffset);
        d->setSingleStep(0.1);
        d->setSuffix(QStringLiteral(" mm"));
        d->setAccessibleName(spoken);
        return d;
    };
    auto percent = [&](const char* name, const QString& spoken) {
        auto* d = named(new QDoubleSpinBox(paperBox), name);
        d->setFont(layoutFont(false));
        d->setRange(kelvane::smallestScale, kelvane::largestScale);
        d->setSingleStep(0.1);
        d->setSuffix(QStringLiteral(" %"));
        d->setAccessibleName(spoken);
        return d;
    };
    OffsetX = field(millimetres("OffsetX", tr("Offset across")), "OffsetX", "OffsetCaption", tr("Offs&et:"), paperBox);
    OffsetY = millimetres("OffsetY", tr("Offset down"));
    ScaleX = field(percent("ScaleX", tr("Scale across")), "ScaleX", "ScaleCaption", tr("S&cale:"), paperBox);
    ScaleY = percent("ScaleY", tr("Scale down"));
    Count = named(new QLabel(this), "Count");
    Count->setWordWrap(true);
    Count->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Count->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Count->setFocusPolicy(Qt::StrongFocus);
    auto button = [this](const char* name, const QString& text) {
        auto* b = named(new QPushButton(text, this), name);
        b->setFont(layoutFont(false));
        return b;
    };
    Preview = button("Preview", tr("P&review..."));
    Print = button("Print", tr("&Print..."));
    SavePdf = button("SavePdf", tr("Save as P&DF..."));
    Calibration = named(new QPushButton(tr("Calibration pa&ge..."), paperBox), "Calibration");
    Calibration->setFont(layoutFont(false));
    Preview->setDefault(true);
    QWidget* chain[] = {Source, BomFile, Values, Series, From, To, Sheet, Bands, Start, Calibration, OffsetX, OffsetY,
        ScaleX, ScaleY, Count, Preview, Print, SavePdf};
    for (std::size_t i = 1; i < std::size(chain); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    Source->setFocus();
}

void TLabels::SourceChange()
{
    const int source = Source->currentIndex();
    // A bill of materials is asked for the first time it is taken.
    if (source == bomFile && bomPath.isEmpty())
        chooseBom();
    Values->setEnabled(source == typed);
    for (QWidget* w : {static_cast<QWidget*>(Series), static_cast<QWidget*>(From), static_cast<QWidget*>(To)})
        w->setEnabled(source == series);
    FieldsChange();
}

// The file the person picks, remembered for the session; false where they pick none.
bool TLabels::chooseBom()
{
    const QString file = QFileDialog::getOpenFileName(
        this, tr("Labels from a BOM"), bomPath, tr("Bills of materials (*.csv *.tsv *.txt);;All files (*)"));
    if (file.isEmpty())
        return false;
    bomPath = file;
    BomFile->setToolTip(QDir::toNativeSeparators(file));
    return true;
}

void TLabels::BomFileClick()
{
    if (chooseBom())
        useBom(bomPath);
}

void TLabels::useBom(const QString& file)
{
    bomPath = file;
    BomFile->setToolTip(QDir::toNativeSeparators(file));
    if (Source->currentIndex() == bomFile)
        FieldsChange();
    else
        Source->setCurrentIndex(bomFile);
}

void TLabels::SheetChange()
{
    const auto sheet = static_cast<std::size_t>(Sheet->currentIndex());
    const kelvane::Calibration& c = calibrations[sheet];
    const QSignalBlocker blockers[] = {QSignalBlocker(Start), QSignalBlocker(OffsetX), QSignalBlocker(OffsetY),
        QSignalBlocker(ScaleX), QSignalBlocker(ScaleY)};
    Start->setRange(1, static_cast<int>(kelvane::labelsPerPage(kelvane::sheets[sheet])));
    OffsetX->setValue(c.offsetX);
    OffsetY->setValue(c.offsetY);
    ScaleX->setValue(c.scaleX);
    ScaleY->setValue(c.scaleY);
}

void TLabels::CalibrationChange()
{
    calibrations[static_cast<std::size_t>(Sheet->currentIndex())]
        = {OffsetX->value(), OffsetY->value(), ScaleX->value(), ScaleY->value()};
    calibrationfile::save(calibrations);
    FieldsChange();
}

std::optional<LabelRun> TLabels::run()
{
    LabelRun r;
    r.sheet = static_cast<std::size_t>(Sheet->currentIndex());
    r.bands = static_cast<BandChoice>(Bands->currentIndex());
    r.start = static_cast<std::size_t>(Start->value());
    r.calibration = calibrations[r.sheet];
    QString problem;
    // A typed value, or the reason it is none.
    auto valueOf = [&problem](const QString& text) -> std::optional<kelvane::Milli> {
        const auto parsed = kelvane::parseValue(text.toStdString(), true);
        if (const auto* v = std::get_if<kelvane::Milli>(&parsed); v && *v > 0 && *v < kelvane::markedLimit)
            return *v;
        const bool notValue = std::holds_alternative<kelvane::ValueError>(parsed)
            && std::get<kelvane::ValueError>(parsed) != kelvane::ValueError::OutOfRange;
        problem = QStringLiteral("%1: %2").arg(
            text, valueProblem(notValue ? kelvane::ValueError::NotAValue : kelvane::ValueError::OutOfRange));
        return std::nullopt;
    };
    std::variant<std::vector<kelvane::Part>, kelvane::PartsError> parts = kelvane::PartsError::Empty;
    std::vector<kelvane::PartsLineProblem> notRead;
    std::vector<kelvane::BomLineProblem> bomNotRead;
    switch (Source->currentIndex()) {
    case typed: {
        std::vector<kelvane::Part> typedParts;
        for (const QString& word :
            Values->text().split(QRegularExpression(QStringLiteral("[\\s;]+")), Qt::SkipEmptyParts)) {
            const auto v = valueOf(word);
            if (!v)
                break;
            typedParts.push_back({*v, 0});
        }
        parts = typedParts;
        break;
    }
    case series: {
        const auto from = valueOf(From->text().trimmed());
        const auto to = from ? valueOf(To->text().trimmed()) : std::nullopt;
        if (to)
            parts = kelvane::seriesParts(static_cast<kelvane::Series>(Series->currentIndex()), *from, *to, {});
        break;
    }
    case myParts: {
        kelvane::PartsText read = partsfile::read();
        notRead = std::move(read.wrong);
        parts = kelvane::listParts(std::move(read.parts), {});
        break;
    }
    default: {
        QFile file(bomPath);
        const QString name = QDir::toNativeSeparators(bomPath);
        // Read again at each change: only a plain file of a list's size, never a device or a pipe.
        const QFileInfo info(bomPath);
        const bool readable = info.isFile() && static_cast<std::size_t>(info.size()) <= kelvane::mostListBytes;
        if (bomPath.isEmpty() || !readable || !file.open(QIODevice::ReadOnly)) {
            problem = bomPath.isEmpty() ? tr("no BOM file chosen") : tr("%1 cannot be read").arg(name);
            break;
        }
        auto read = kelvane::readBom(file.readAll().toStdString());
        if (const auto* error = std::get_if<kelvane::BomError>(&read)) {
            problem = QCoreApplication::translate(wording::valuesContext, wording::textOf(wording::bomErrors, *error))
                          .arg(name);
            break;
        }
        kelvane::Bom& bom = std::get<kelvane::Bom>(read);
        bomNotRead = std::move(bom.unread);
        r.parts = labelParts(bom);
    }
    }
    if (problem.isEmpty() && r.parts.empty()) {
        if (const auto* found = std::get_if<std::vector<kelvane::Part>>(&parts); found && !found->empty()) {
            r.parts = labelParts(*found);
        } else {
            const auto error = found ? kelvane::PartsError::Empty : std::get<kelvane::PartsError>(parts);
            problem = error == kelvane::PartsError::Empty ? tr("no values")
                : error == kelvane::PartsError::TooMany   ? tr("too many values")
                                                          : valueProblem(kelvane::ValueError::OutOfRange);
        }
    }
    for (QPushButton* b : {Preview, Print, SavePdf})
        b->setEnabled(problem.isEmpty());
    // Only one source has lines not read.
    const auto withLinesNotRead = [&](const QString& text) {
        return bomNotRead.empty() ? partsfile::withLinesNotRead(text, notRead, *Count)
                                  : partsfile::withLinesNotRead(text, bomNotRead, *Count);
    };
    if (!problem.isEmpty()) {
        Count->setText(inWindowDirection(withLinesNotRead(problem)));
        Count->setAccessibleName(Count->text());
        return std::nullopt;
    }
    const auto labels = static_cast<int>(r.parts.size());
    const auto pages
        = static_cast<int>(kelvane::placeOf(kelvane::sheets[r.sheet], r.parts.size() - 1, r.start).page + 1);
    Count->setText(inWindowDirection(withLinesNotRead(tr("Labels: %1, sheets: %2").arg(labels).arg(pages))));
    Count->setAccessibleName(Count->text());
    return r;
}

void TLabels::FieldsChange() { run(); }

bool TLabels::savePdf(const QString& file)
{
    const auto r = run();
    return r && writeLabels(*r, file);
}

void TLabels::PreviewClick()
{
    const auto r = run();
    if (!r)
        return;
    QPrinter printer(QPrinter::HighResolution);
    prepareLabels(printer, *r);
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("LabelsPreview"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
        [&r](QPrinter* p) { printLabels(*p, *r, UsedLabels::Crossed); });
    preview.exec();
}

// Previewed, to be printed from there on plain paper, or to a PDF file.
void TLabels::CalibrationClick()
{
    LabelRun r;
    r.sheet = static_cast<std::size_t>(Sheet->currentIndex());
    r.calibration = calibrations[r.sheet];
    QPrinter printer(QPrinter::HighResolution);
    prepareLabels(printer, r);
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("CalibrationPreview"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&r](QPrinter* p) { printCalibration(*p, r); });
    preview.exec();
}

void TLabels::PrintClick()
{
    const auto r = run();
    if (!r)
        return;
    QPrinter printer(QPrinter::HighResolution);
    prepareLabels(printer, *r);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted && !printLabels(printer, *r, UsedLabels::Blank)) {
        const QString file = printer.outputFileName();
        Count->setText(inWindowDirection(QCoreApplication::translate(wording::paperContext, wording::cannotBeWritten)
                                             .arg(file.isEmpty() ? printer.printerName() : file)));
        Count->setAccessibleName(Count->text());
    }
}

void TLabels::SavePdfClick()
{
    const QString file = QFileDialog::getSaveFileName(
        this, tr("Save labels as PDF"), QStringLiteral("labels.pdf"), tr("PDF files (*.pdf)"));
    if (!file.isEmpty() && !savePdf(file)) {
        Count->setText(
            inWindowDirection(QCoreApplication::translate(wording::paperContext, wording::cannotBeWritten).arg(file)));
        Count->setAccessibleName(Count->text());
    }
}
