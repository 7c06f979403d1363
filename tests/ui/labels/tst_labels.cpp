// Labels and the chart on paper. The window, opened by Ctrl+P, reads its
// fields into a run; the PDFs, written offscreen, are read back as poppler's
// pdftotext and pdftoppm read them: the sheet's size, every label's ink
// inside its published place, the bands' colours in order, the chart's rows.
#include "windowtest.h"

#include "shared/bandpanel.h"
#include "shared/calibrationfile.h"
#include "shared/partsfile.h"
#include "windows/Labels.h"

#include <kelvane/palette.h>

#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QImage>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

#include <map>
#include <set>

namespace {

constexpr int dpi = 254; // 10 pixels a millimetre

QImage rendered(const QString& pdf)
{
    // Its plain pixmap format: a compressed picture would be packed only to be unpacked.
    outputOf(QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-singlefile"), pdf, pdf});
    return QImage(pdf + QStringLiteral(".ppm")).convertToFormat(QImage::Format_RGB32);
}

QString textOf(const QString& pdf) { return outputOf(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}); }

// Whether a phrase's words stand on the page from left to right, each right
// of the one before on its line, wherever the first one is: poppler gives
// every word its place, in the order of reading it makes of them.
bool leftToRightOnPage(const QString& pdf, const QString& phrase)
{
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)</word>)re"));
    std::multimap<QString, QRectF> places; // by word: its left, its top and its width
    for (auto words
         = word.globalMatch(outputOf(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}));
         words.hasNext();) {
        const QRegularExpressionMatch m = words.next();
        places.emplace(m.captured(4),
            QRectF(m.captured(1).toDouble(), m.captured(2).toDouble(),
                m.captured(3).toDouble() - m.captured(1).toDouble(), 1));
    }
    const QStringList wanted = phrase.split(u' ');
    const auto [first, end] = places.equal_range(wanted.front());
    return std::any_of(first, end, [&](const auto& start) {
        QRectF at = start.second;
        return std::all_of(wanted.begin() + 1, wanted.end(), [&](const QString& w) {
            const auto [from, to] = places.equal_range(w);
            const auto next = std::find_if(from, to,
                [&at](const auto& p) { return std::abs(p.second.y() - at.y()) < 0.5 && p.second.x() > at.right(); });
            return next != to && (at = next->second, true);
        });
    });
}

std::optional<kelvane::Hue> hueAt(const QImage& image, int x, int y)
{
    const QColor c = image.pixelColor(x, y);
    for (std::size_t i = 0; i < kelvane::hueCount; ++i) {
        const QColor h = toQColor(kelvane::palette[i].value);
        if (std::abs(c.red() - h.red()) + std::abs(c.green() - h.green()) + std::abs(c.blue() - h.blue()) <= 6)
            return static_cast<kelvane::Hue>(i);
    }
    return std::nullopt;
}

using Hues = std::vector<kelvane::Hue>;

// The palette colours met along a line, each run of at least `least` pixels
// once; White at the ends is the paper's.
Hues runsAlong(const QImage& image, QPoint from, QPoint step, int count, int least)
{
    Hues found;
    std::optional<kelvane::Hue> current;
    int length = 0;
    for (int i = 0; i <= count; ++i, from += step) {
        const auto hue = i < count ? hueAt(image, from.x(), from.y()) : std::nullopt;
        if (hue == current) {
            ++length;
            continue;
        }
        if (current && length >= least)
            found.push_back(*current);
        current = hue;
        length = 1;
    }
    while (!found.empty() && found.back() == kelvane::Hue::White)
        found.pop_back();
    while (!found.empty() && found.front() == kelvane::Hue::White)
        found.erase(found.begin());
    return found;
}

} // namespace

class LabelsTest : public WindowTest {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    // Each sheet's page is its paper; every label's ink lies in its published
    // place, from the run's start, moved and scaled by the calibration (within
    // 0,5 mm, centred across it; a grid's frame on its edges, centred within 0,2 mm),
    // nothing outside; each label's band sets are its value's colours in order.
    void sheets_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<int>("bands");
        QTest::addColumn<bool>("codes");
        QTest::addColumn<bool>("bothSets");
        QTest::addColumn<int>("start");
        QTest::addColumn<QList<double>>("calibration"); // offsets, scales
        const QList<double> none{0, 0, 100, 100};
        QTest::newRow("A4-21, 4 bands, codes") << "A4-21" << 0 << true << true << 1 << none;
        QTest::newRow("A4-65, both, no room for codes") << "A4-65" << 2 << false << true << 1 << none;
        QTest::newRow("Letter-30, 5 bands") << "Letter-30" << 1 << true << true << 1 << none;
        QTest::newRow("Letter-80, no room for both") << "Letter-80" << 2 << false << false << 1 << none;
        QTest::newRow("A4-grid, both") << "A4-grid" << 2 << true << true << 1 << none;
        QTest::newRow("A4-grid from 5, moved")
            << "A4-grid" << 2 << true << true << 5 << QList<double>{1.5, -0.8, 100, 100};
        QTest::newRow("A4-grid from 4, scaled") << "A4-grid" << 2 << true << true << 4 << QList<double>{-2, 3, 102, 98};
    }
    void sheets()
    {
        QFETCH(QString, sheet);
        QFETCH(int, bands);
        QFETCH(bool, codes);
        QFETCH(bool, bothSets);
        QFETCH(int, start);
        QFETCH(QList<double>, calibration);
        using H = kelvane::Hue;
        // 4,7 Kohm ±5 % carries a Gold band; 499 ohm has five bands only.
        const struct {
            kelvane::Part part;
            Hues four, five;
            const char* text;
        } values[] = {
            {{4'700'000, 0.05}, {H::Yellow, H::Violet, H::Red, H::Gold},
                {H::Yellow, H::Violet, H::Black, H::Brown, H::Gold}, "4,7 Kohm"},
            {{499'000, 0}, {}, {H::Yellow, H::White, H::White, H::Black}, "499 ohm"},
            {{100, 0.1}, {H::Brown, H::Black, H::Silver, H::Silver}, {}, "0,1 ohm"},
        };
        LabelRun r{*kelvane::sheetNamed(sheet.toStdString()), static_cast<BandChoice>(bands), {}};
        for (const auto& v : values)
            r.parts.push_back({v.part, {}});
        r.start = static_cast<std::size_t>(start);
        const kelvane::Calibration c{calibration[0], calibration[1], calibration[2], calibration[3]};
        r.calibration = c;
        const QString pdf = dir.filePath(QStringLiteral("%1-%2.pdf").arg(sheet).arg(QTest::currentDataTag()));
        QVERIFY(writeLabels(r, pdf));
        const QString text = textOf(pdf);
        for (const auto& v : values) {
            QVERIFY2(text.contains(QLatin1String(v.text)), qPrintable(text));
            QVERIFY2(leftToRightOnPage(pdf, QLatin1String(v.text)), v.text);
        }
        QCOMPARE(text.contains(QLatin1String("472")), codes);
        QVERIFY(!codes || leftToRightOnPage(pdf, QStringLiteral("472 4701 4K7")));

        const kelvane::Sheet& s = kelvane::sheets[r.sheet];
        const QImage page = rendered(pdf);
        QVERIFY(std::abs(page.width() - s.pageWidth * 10) <= 5 && std::abs(page.height() - s.pageHeight * 10) <= 5);
        std::vector<QRectF> places;
        for (std::size_t i = 0; i < r.parts.size() && kelvane::placeOf(s, i, r.start).page == 0; ++i) {
            const kelvane::LabelPlace p = kelvane::placeOf(s, i, r.start);
            const double across = c.scaleX / 10, down = c.scaleY / 10; // pixels a millimetre
            const QRectF place((c.offsetX + p.x * c.scaleX / 100) * 10, (c.offsetY + p.y * c.scaleY / 100) * 10,
                p.width * across, p.height * down);
            places.push_back(place);
            QRect used;
            for (int y = static_cast<int>(place.top()); y < place.bottom(); ++y)
                for (int x = static_cast<int>(place.left()); x < place.right(); ++x)
                    if (page.pixel(x, y) != qRgb(255, 255, 255))
                        used |= QRect(x, y, 1, 1);
            const QString where = QStringLiteral("label %1: ink %2,%3 %4x%5")
                                      .arg(i)
                                      .arg(used.x())
                                      .arg(used.y())
                                      .arg(used.width())
                                      .arg(used.height());
            QVERIFY2(std::abs(QRectF(used).center().x() - place.center().x()) <= 5, qPrintable(where));
            if (s.grid)
                QVERIFY2(std::abs(used.left() - place.left()) <= 5 && std::abs(used.right() + 1 - place.right()) <= 5
                        && std::abs(used.top() - place.top()) <= 5 && std::abs(used.bottom() + 1 - place.bottom()) <= 5,
                    qPrintable(where));
            if (s.grid) {
                // The frame's inner sides, met from inside the label in its empty margin,
                // lie about the place's centre within 0,2 mm, whatever the neighbours draw.
                const auto inkFrom = [&page](QPoint at, QPoint step) {
                    while (page.rect().contains(at) && page.pixel(at) == qRgb(255, 255, 255))
                        at += step;
                    return at;
                };
                const QPoint centre = place.center().toPoint();
                const int nearTop = static_cast<int>(place.top()) + 10, nearLeft = static_cast<int>(place.left()) + 10;
                const int left = inkFrom({centre.x(), nearTop}, {-1, 0}).x();
                const int right = inkFrom({centre.x(), nearTop}, {1, 0}).x();
                const int top = inkFrom({nearLeft, centre.y()}, {0, -1}).y();
                const int bottom = inkFrom({nearLeft, centre.y()}, {0, 1}).y();
                QVERIFY2(std::abs((left + right) / 2.0 - place.center().x()) <= 2
                        && std::abs((top + bottom) / 2.0 - place.center().y()) <= 2,
                    qPrintable(QStringLiteral("label %1: frame %2..%3, %4..%5")
                                   .arg(i)
                                   .arg(left)
                                   .arg(right)
                                   .arg(top)
                                   .arg(bottom)));
            }
            // The band sets: the colour runs of at least 1 mm along the rows, as
            // many rows as a band is high at the least; a set never begins with
            // Black, as the value's text in black does.
            std::map<Hues, int> rows;
            for (int y = static_cast<int>(place.top()); y < place.bottom(); ++y) {
                const Hues seen = runsAlong(page, QPoint(static_cast<int>(place.left()) + 1, y), QPoint(1, 0),
                    static_cast<int>(place.width()) - 2, 10);
                if (seen.size() >= 3 && seen.front() != kelvane::Hue::Black)
                    ++rows[seen];
            }
            std::set<Hues> sets, wanted;
            for (const auto& [hues, count] : rows)
                if (count >= 10)
                    sets.insert(hues);
            const auto& v = values[i];
            if (!v.four.empty() && (bands != 1 || v.five.empty()))
                wanted.insert(v.four);
            if (!v.five.empty() && (bands != 0 || v.four.empty()) && (bothSets || v.four.empty()))
                wanted.insert(v.five);
            QVERIFY2(sets == wanted, qPrintable(where));
        }
        // Nothing on the paper outside the labels.
        for (int y = 0; y < page.height(); y += 2)
            for (int x = 0; x < page.width(); x += 2)
                if (page.pixel(x, y) != qRgb(255, 255, 255))
                    QVERIFY2(std::any_of(places.begin(), places.end(),
                                 [x, y](const QRectF& p) { return p.adjusted(-5, -5, 5, 5).contains(x, y); }),
                        qPrintable(QStringLiteral("ink at %1,%2").arg(x).arg(y)));
    }

    // One page, in the program's language: each colour's digit, multiplier
    // and tolerance, the swatches in the palette's order, the series' decade.
    void chart()
    {
        const QString pdf = dir.filePath(QStringLiteral("chart.pdf"));
        QVERIFY(writeChart(pdf));
        const QString text = textOf(pdf);
        for (const QString& shown : {QCoreApplication::translate("LabelPages", "Resistor color code"),
                 QCoreApplication::translate("LabelPages", "Multiplier"), colourName(kelvane::Hue::Violet),
                 QStringLiteral("\u00D7100 k"), QStringLiteral("\u00B10,25 %"), QStringLiteral("\u00D70,01"),
                 QStringLiteral("E192"), QStringLiteral("988")})
            QVERIFY2(text.contains(shown), qPrintable(shown));
        QCOMPARE(text.count(QStringLiteral("\f")), 1);
        const QImage page = rendered(pdf);
        Hues swatches, wanted;
        for (kelvane::Hue hue : runsAlong(page, QPoint(270, 450), QPoint(0, 1), 1200, 40))
            if (hue != kelvane::Hue::White) // the White swatch's inside is the paper's
                swatches.push_back(hue);
        for (std::size_t i = 0; i < kelvane::hueCount; ++i)
            if (static_cast<kelvane::Hue>(i) != kelvane::Hue::White)
                wanted.push_back(static_cast<kelvane::Hue>(i));
        QCOMPARE(swatches, wanted);
    }

    // kelvane labels, of values and of a BOM, its calibration page and kelvane
    // chart write, with no display, the pages the windows write; a BOM's
    // references are on its labels, the first that fit and the count of the others.
    void commandLine()
    {
        usePrivateFiles();
        const QString kicad = QStringLiteral(KELVANE_TEST_DATA "/kicad-cli.csv"), many = dir.filePath("many.csv");
        QFile manyFile(many);
        QVERIFY(manyFile.open(QIODevice::WriteOnly) && manyFile.write("Refs,Value\nR1-R40,4k7\nC9,1n\n") > 0);
        manyFile.close();
        TLabels window(h.main());
        const struct {
            const QString& bom;
            int sheet;
            const char* pair;
            const char* shown; // and of 40 references, the last shown and the count of the others
            const char* count;
        } boms[]
            = {{kicad, 0, "bom", "R1, R4, R5, R6 \u00D74\n", "Labels: 5, sheets: 1\nNot read: line 11: not a value"},
                {many, 2, "many", "R1, R2, (?:R\\d+, )*R(\\d+) \\+(\\d+)\n", "Labels: 2, sheets: 1"}};
        for (const auto& b : boms) {
            window.findChild<QComboBox*>(QStringLiteral("Sheet"))->setCurrentIndex(b.sheet);
            window.useBom(b.bom);
            QCOMPARE(window.findChild<QLabel*>(QStringLiteral("Count"))->text(), QLatin1String(b.count));
            const QString pdf = dir.filePath(QStringLiteral("window%1.pdf").arg(QLatin1String(b.pair)));
            QVERIFY(window.savePdf(pdf));
            const auto shown = QRegularExpression(QString::fromUtf8(b.shown)).match(textOf(pdf));
            QVERIFY2(shown.hasMatch(), qPrintable(textOf(pdf)));
            if (shown.lastCapturedIndex() == 2)
                QCOMPARE(shown.captured(1).toInt() + shown.captured(2).toInt(), 40);
        }
        // A device is never read: it would be read for ever.
        window.useBom(QStringLiteral("/dev/zero"));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("Count"))->text(), QLatin1String("/dev/zero cannot be read"));
        LabelRun r{*kelvane::sheetNamed("Letter-30"), BandChoice::Four, {{{4'700'000, 0}}, {{499'000, 0}}}, 5,
            {1.5, -0.8, 100, 100}};
        QVERIFY(writeLabels(r, dir.filePath(QStringLiteral("window.pdf"))));
        QVERIFY(writeChart(dir.filePath(QStringLiteral("windowchart.pdf"))));
        const LabelRun page{*kelvane::sheetNamed("A4-65"), BandChoice::Both, {}, 1, {1, 2, 99, 101}};
        QVERIFY(writeCalibration(page, dir.filePath(QStringLiteral("windowcalibration.pdf"))));
        QVERIFY(textOf(dir.filePath(QStringLiteral("windowcalibration.pdf"))).contains(QLatin1String("A4-65")));
        QProcess kelvane;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        kelvane.setProcessEnvironment(env);
        for (const QStringList& args :
            {QStringList{QStringLiteral("labels"), QStringLiteral("--sheet"), QStringLiteral("letter-30"),
                 QStringLiteral("--bands"), QStringLiteral("4"), QStringLiteral("--start"), QStringLiteral("5"),
                 QStringLiteral("--offset"), QStringLiteral("1.5,-0.8"), QStringLiteral("4k7"), QStringLiteral("499"),
                 QStringLiteral("-o"), dir.filePath(QStringLiteral("command.pdf"))},
                {QStringLiteral("labels"), QStringLiteral("--calibration"), QStringLiteral("--sheet"),
                    QStringLiteral("A4-65"), QStringLiteral("--offset=1,2"), QStringLiteral("--scale=99,101"),
                    QStringLiteral("-o"), dir.filePath(QStringLiteral("commandcalibration.pdf"))},
                {QStringLiteral("chart"), QStringLiteral("-o"), dir.filePath(QStringLiteral("commandchart.pdf"))},
                {QStringLiteral("labels"), QStringLiteral("--bom"), kicad, QStringLiteral("-o"),
                    dir.filePath(QStringLiteral("commandbom.pdf"))},
                {QStringLiteral("labels"), QStringLiteral("--sheet=A4-65"), QStringLiteral("--bom"), many,
                    QStringLiteral("-o"), dir.filePath(QStringLiteral("commandmany.pdf"))}}) {
            kelvane.start(QStringLiteral(KELVANE_COMMAND), args);
            QVERIFY(kelvane.waitForFinished(60'000));
            QCOMPARE(kelvane.exitCode(), 0);
        }
        for (const char* pair : {"", "chart", "calibration", "bom", "many"}) {
            const QString ours = dir.filePath(QStringLiteral("window%1.pdf").arg(QLatin1String(pair)));
            const QString theirs = dir.filePath(QStringLiteral("command%1.pdf").arg(QLatin1String(pair)));
            QCOMPARE(textOf(theirs), textOf(ours));
            QCOMPARE(rendered(theirs), rendered(ours));
        }
    }

    // Opened by Ctrl+P: typed values, a series over a range and the person's
    // parts each make a run whose count it tells, or the reason there is none.
    void window()
    {
        QTest::keyClick(h.main(), Qt::Key_P, Qt::ControlModifier);
        auto* labels = h.main()->findChild<TLabels*>();
        QVERIFY(labels);
        WAIT_UNTIL(labels->isActiveWindow());
        WAIT_COMPARE(QApplication::focusWidget(), labels->findChild<QWidget*>(QStringLiteral("Source")));
        usePrivateFiles();
        QDir().mkpath(QFileInfo(partsfile::path()).path());
        QFile parts(partsfile::path());
        QVERIFY(parts.open(QIODevice::WriteOnly));
        parts.write("4k7 1%\n100\n# a comment\n10k 2k2\n4k7 -1%\n");
        parts.close();
        auto* source = labels->findChild<QComboBox*>(QStringLiteral("Source"));
        auto* values = labels->findChild<QLineEdit*>(QStringLiteral("Values"));
        auto* to = labels->findChild<QLineEdit*>(QStringLiteral("To"));
        auto* sheet = labels->findChild<QComboBox*>(QStringLiteral("Sheet"));
        const struct {
            int source;
            const char* typed;
            const char* to;
            int sheet;
            int start;
            const char* count;
        } rows[] = {
            {0, "4k7 10k;2,2M", "1M", 0, 1, "Labels: 3, sheets: 1"},
            {0, "4k7 12x", "1M", 0, 1, "12x: not a value"},
            {0, "", "1M", 0, 1, "no values"},
            {1, "", "1M", 0, 1, "Labels: 61, sheets: 3"},
            {1, "", "1M", 0, 19, "Labels: 61, sheets: 4"},
            {1, "", "100", 2, 1, "Labels: 13, sheets: 1"},
            {1, "", "100", 2, 54, "Labels: 13, sheets: 2"},
            {1, "", "1", 2, 1, "out of range"},
            {2, "", "1", 2, 1, "Labels: 4, sheets: 1\nNot read: line 5: tolerance out of range"},
        };
        auto* start = labels->findChild<QSpinBox*>(QStringLiteral("Start"));
        for (const auto& r : rows) {
            source->setCurrentIndex(r.source);
            values->setText(QString::fromLatin1(r.typed));
            to->setText(QString::fromLatin1(r.to));
            sheet->setCurrentIndex(r.sheet);
            start->setValue(r.start);
            QCOMPARE(labels->findChild<QLabel*>(QStringLiteral("Count"))->text(), QLatin1String(r.count));
            QCOMPARE(labels->findChild<QWidget*>(QStringLiteral("SavePdf"))->isEnabled(), r.count[0] == 'L');
        }
        const QString pdf = dir.filePath(QStringLiteral("mine.pdf"));
        QVERIFY(labels->savePdf(pdf));
        QVERIFY(textOf(pdf).contains(QLatin1String("2,2 Kohm")));
        QFile::remove(partsfile::path());
        // Each sheet's calibration kept as it is changed, and shown again with its sheet.
        sheet->setCurrentIndex(0);
        labels->findChild<QDoubleSpinBox*>(QStringLiteral("OffsetY"))->setValue(-0.8);
        sheet->setCurrentIndex(2);
        labels->findChild<QDoubleSpinBox*>(QStringLiteral("ScaleX"))->setValue(101.5);
        QFile kept(calibrationfile::path());
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("A4-21 0 -0.8 100 100\nA4-65 0 0 101.5 100\n"));
        sheet->setCurrentIndex(0);
        QCOMPARE(labels->findChild<QDoubleSpinBox*>(QStringLiteral("OffsetY"))->value(), -0.8);
        QFile::remove(calibrationfile::path());
        // The previews of the labels and of Help > Color code chart..., each of one page.
        source->setCurrentIndex(0);
        values->setText(QStringLiteral("4k7 10k"));
        auto previewed = [](const std::function<void()>& open, const char* name) {
            int pages = -1;
            QTimer::singleShot(0, [&pages, name] {
                WAIT_UNTIL(QApplication::activeModalWidget());
                auto* dialog = QApplication::activeModalWidget();
                QCOMPARE(dialog->objectName(), QLatin1String(name));
                auto* preview = dialog->findChild<QPrintPreviewWidget*>();
                WAIT_UNTIL(preview->pageCount() > 0);
                pages = preview->pageCount();
                dialog->close();
            });
            open();
            return pages;
        };
        QCOMPARE(previewed([labels] { Harness::click(labels->findChild<QWidget*>(QStringLiteral("Preview"))); },
                     "LabelsPreview"),
            1);
        QCOMPARE(
            previewed([this] { h.main()->findChild<QAction*>(QStringLiteral("Chart1"))->trigger(); }, "ChartPreview"),
            1);
    }
};

QTEST_MAIN(LabelsTest)
#include "tst_labels.moc"
