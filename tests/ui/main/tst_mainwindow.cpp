// The main window as it starts: state, layout, fonts, menu, tooltips and the
// drawn component.
#include "windowtest.h"

#include "language.h"
#include "shared/partsfile.h"
#include "windows/Finder.h"
#include "windows/Labels.h"
#include "windows/Markings.h"

#include <kelvane/decode.h>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QByteArrayList>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QGroupBox>
#include <QHelpEvent>
#include <QImage>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTextLayout>
#include <QToolTip>
#include <QTreeWidget>

#include <map>
#include <set>
#include <string>

class MainWindowTest : public WindowTest {
    Q_OBJECT

    // A label's text within its box, wrapped where the label wraps.
    static bool fits(const QLabel* label)
    {
        const QRect room(0, 0, label->width(), 1000);
        const QRect need
            = QFontMetrics(label->font()).boundingRect(room, label->wordWrap() ? Qt::TextWordWrap : 0, label->text());
        return need.width() <= label->width() && need.height() <= label->height();
    }

    // A text drawn whole: no glyph missing in the font's faces or in those
    // the system falls back to.
    static void drawnWhole(const QString& text, const QFont& font)
    {
        QTextLayout layout(text, font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        for (const QGlyphRun& run : layout.glyphRuns())
            QVERIFY2(!run.glyphIndexes().contains(0), qPrintable(text));
    }

    // Each value or code in a text, a number with its letters and unit, and
    // a range of two, reads left to right whole in the widget's direction:
    // every place in it right of the one before.
    static void runsLeftToRight(const QString& text, const QWidget* widget)
    {
        static const QRegularExpression run(
            QStringLiteral("(%1)(\\x{2069}? \\x{2026} \\x{2066}?(%1))?")
                .arg(QStringLiteral(
                    "[\\x{B1}\\x{D7}]?[0-9][0-9A-Za-z]*(,[0-9]+)?( ?(%|(ohm|Kohm|Mohm|pF|nF|\\x{B5}F|V)\\b))?")));
        QTextLayout layout(text, widget->font());
        QTextOption option;
        option.setTextDirection(widget->layoutDirection());
        layout.setTextOption(option);
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        for (auto runs = run.globalMatch(text); runs.hasNext();) {
            const QRegularExpressionMatch m = runs.next();
            for (int i = m.capturedStart() + 1; i + 1 < m.capturedEnd(); ++i)
                QVERIFY2(
                    line.cursorToX(i) < line.cursorToX(i + 1), qPrintable(m.captured() + QLatin1String(" in ") + text));
        }
    }

    // Every label, group box title and button caption (with its indicator)
    // of a window within its box, drawn whole and its values left to right;
    // labels in the layout's face.
    static void allFit(const QWidget* window)
    {
        for (auto* label : window->findChildren<QLabel*>()) {
            QVERIFY2(fits(label), qPrintable(label->text()));
            drawnWhole(label->text(), label->font());
            runsLeftToRight(label->text(), label);
            // A label's text takes its direction, and its side, from its first
            // letter: one set to a side reads from the window's.
            if (!(label->alignment() & Qt::AlignHCenter) && !label->text().isEmpty())
                QVERIFY2(label->text().isRightToLeft() == label->isRightToLeft(), qPrintable(label->text()));
            QCOMPARE(QFontInfo(label->font()).family(), QStringLiteral("Liberation Sans Narrow"));
        }
        for (auto* box : window->findChildren<QGroupBox*>()) {
            QVERIFY2(QFontMetrics(box->font()).horizontalAdvance(box->title()) + 16 <= box->width(),
                qPrintable(box->title()));
            drawnWhole(box->title(), box->font());
            runsLeftToRight(box->title(), box);
        }
        // Numbers in the digits 0 to 9, as the program writes its values.
        for (auto* field : window->findChildren<QAbstractSpinBox*>())
            QVERIFY2(
                !field->text().contains(QRegularExpression(QStringLiteral("[\\x{660}-\\x{669}\\x{6F0}-\\x{6F9}]"))),
                qPrintable(field->text()));
        for (auto* button : window->findChildren<QAbstractButton*>()) {
            if (button->text().isEmpty()) // a tab bar's hidden arrows
                continue;
            QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->text()));
            drawnWhole(button->text(), button->font());
            runsLeftToRight(button->text(), button);
        }
    }

    bool rowsOnlyRead(const char* function) const override
    {
        return QByteArrayList{"geometry", "captionsAndFonts", "menu", "drawing"}.contains(function);
    }

private slots:

    void startState()
    {
        TMainform* m = h.main();
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Kelvane"));
        QCOMPARE(m->objectName(), QStringLiteral("Mainform"));
        QCOMPARE(m->windowTitle(), QStringLiteral("Kelvane v2.11"));
        const kelvane::BandState s = m->bandState();
        QCOMPARE(s.bandcount, 4);
        QCOMPARE(s.curband, 0);
        for (int band = 1; band <= 5; ++band)
            QCOMPARE(s.colour(band), kelvane::BodyColor);
        QCOMPARE(s.digit1 + s.digit2 + s.digit3 + s.digit4, 0);
        QVERIFY(h.ring(4)->isHidden());
        QVERIFY(s.resistor);
        QVERIFY(h.child<QRadioButton>("N4colorrings")->isChecked());
        QVERIFY(h.child<QRadioButton>("ohm")->isChecked());
        QVERIFY(h.child<QCheckBox>("round")->isChecked());
        QVERIFY(h.child<QLineEdit>("Entervalue")->text().isEmpty());
        QVERIFY(!m->findChild<QAction*>(QStringLiteral("ShowToolTips1"))->isChecked());
        QVERIFY(h.ring(1)->toolTip().isEmpty());
        // The first activation has run the cycle.
        QCOMPARE(h.activations->count(), 1);
        QCOMPARE(h.shown(), shownAs("Bands", "Select colors"));
        // In a translated run the program's catalogue is loaded, and Qt's
        // where Qt has one (none for Georgian, Swedish, Bokmål); in an English
        // one neither is.
        QCOMPARE(shownAs("TMainform", "Calculate") != QLatin1String("Calculate"), inTranslation());
        const bool qtHasOne = QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath)
            + QStringLiteral("/qtbase_%1.qm").arg(catalogueFor(QLocale(QLocale().uiLanguages().value(0)))));
        QCOMPARE(shownAs("QLineEdit", "&Copy") != QLatin1String("&Copy"), inTranslation() && qtHasOne);
        // Qt's catalogue of a language written from the right turns the windows so.
        QCOMPARE(QGuiApplication::isRightToLeft(),
            QLocale(QLocale().uiLanguages().value(0)).textDirection() == Qt::RightToLeft);
        QCOMPARE(m->isRightToLeft(), QGuiApplication::isRightToLeft());
        for (const char* name : {"value", "dot", "dec", "enhet"})
            QVERIFY2(h.child(name)->isHidden(), name);
        QCOMPARE(h.tolerance(), QStringLiteral("20%"));
        // The other windows exist, hidden.
        for (QWidget* window : {static_cast<QWidget*>(h.w.selectcolor), static_cast<QWidget*>(h.w.Tolform),
                 static_cast<QWidget*>(h.w.AboutBox)})
            QVERIFY(!window->isVisible());
        QCOMPARE(h.w.selectcolor->objectName(), QStringLiteral("selectcolor"));
        QCOMPARE(h.w.Tolform->objectName(), QStringLiteral("Tolform"));
        QCOMPARE(h.w.AboutBox->objectName(), QStringLiteral("AboutBox"));
    }

    void clientArea()
    {
        TMainform* m = h.main();
        QCOMPARE(m->centralWidget()->size(), QSize(291, 245));
        QCOMPARE(m->centralWidget()->y(), m->menuBar()->height());
        QCOMPARE(m->minimumSize(), m->maximumSize());
        QCOMPARE(m->height(), 245 + m->menuBar()->height());
    }

    // Read from the right, a control stands at the mirrored place of its
    // layout's in its parent, but for the drawn component's bands, which keep
    // their places on the mirrored drawing, band 1 at its left, and the value's
    // labels, which read as one value left to right where they stand.
    void geometry_data()
    {
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<int>("mirroredX");
        struct Row {
            const char* name;
            const char* parent;
            int x, y, w, h; // -1: not fixed by the layout
        };
        const Row rows[] = {
            {"GroupBox1", "client", 5, 4, 281, 89},
            {"PB1", "GroupBox1", 91, 8, 173, 65},
            {"ring1", "GroupBox1", 136, 32, 8, 25},
            {"ring2", "GroupBox1", 152, 32, 8, 25},
            {"ring3", "GroupBox1", 168, 32, 8, 25},
            {"ring4", "GroupBox1", 184, 32, 8, 25},
            {"ring5", "GroupBox1", 208, 32, 8, 25},
            {"N4colorrings", "GroupBox1", 24, 24, 65, 17},
            {"N5colorrings", "GroupBox1", 24, 48, 65, 17},
            {"GroupBox2", "client", 5, 94, 161, 57},
            {"textfield", "GroupBox2", 16, 24, 129, 13},
            {"value", "GroupBox2", 31, 24, 58, 13},
            {"dot", "GroupBox2", 88, 24, -1, 13},
            {"dec", "GroupBox2", 93, 24, 20, 13},
            {"enhet", "GroupBox2", 107, 24, 46, 13},
            {"Tol", "client", 172, 94, 114, 57},
            {"Tolerance", "Tol", 24, 24, 65, -1},
            {"GroupBox3", "client", 5, 152, 281, 89},
            {"Entervalue", "GroupBox3", 16, 24, 73, 21},
            {"Mohm", "GroupBox3", 96, 24, 60, 17},
            {"Kohm", "GroupBox3", 96, 40, 60, 17},
            {"ohm", "GroupBox3", 96, 56, 60, 17},
            {"round", "GroupBox3", 168, 24, 97, 17},
            {"Calculate", "GroupBox3", 168, 48, 97, 25},
            {"Bevel1", "GroupBox3", 16, 54, 73, 17},
            {"actualvalue", "GroupBox3", 17, 57, 71, 13},
        };
        const std::map<std::string, int> widths{
            {"client", 291}, {"GroupBox1", 281}, {"GroupBox2", 161}, {"Tol", 114}, {"GroupBox3", 281}};
        const auto mirrored = [&widths](const Row& r) { return widths.at(r.parent) - r.x - r.w; };
        const Row& drawing = rows[1];
        for (const auto& r : rows) {
            const std::string name = r.name;
            const int x = name.rfind("ring", 0) == 0 ? mirrored(drawing) + r.x - drawing.x
                : std::set<std::string>{"value", "dot", "dec", "enhet", "textfield"}.count(name) ? r.x
                                                                                                 : mirrored(r);
            QTest::newRow(r.name) << QString::fromLatin1(r.parent) << QRect(r.x, r.y, r.w, r.h)
                                  << (QGuiApplication::isRightToLeft() ? x : r.x);
        }
    }
    void geometry()
    {
        QFETCH(QString, parent);
        QFETCH(QRect, rect);
        QFETCH(int, mirroredX);
        QWidget* w = h.child(QTest::currentDataTag());
        QVERIFY(w);
        // The value labels stand in the readout and the switches in their own
        // holder, each covering its group box exactly, for a screen reader.
        QWidget* in = w->parentWidget();
        if (in->objectName() == QLatin1String("readout") || in->objectName() == QLatin1String("bandCount")) {
            QCOMPARE(in->geometry(), in->parentWidget()->rect());
            in = in->parentWidget();
        }
        QCOMPARE(in->objectName(), parent);
        QCOMPARE(w->x(), mirroredX);
        QCOMPARE(w->y(), rect.y());
        if (rect.width() >= 0)
            QCOMPARE(w->width(), rect.width());
        if (rect.height() >= 0)
            QCOMPARE(w->height(), rect.height());
    }

    void captionsAndFonts_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("bold");
        const struct {
            const char* name;
            const char* caption;
            bool bold;
            const char* context = "TMainform"; // the bands' texts are shared with the markings window
        } rows[] = {
            {"GroupBox1", "Color code", true},
            {"GroupBox2", "Resistance", true},
            {"Tol", "Tolerance", true},
            {"GroupBox3", "Enter value", true},
            {"N4colorrings", "4 bands", false},
            {"N5colorrings", "5 bands", false},
            {"Mohm", "Mohm", false},
            {"Kohm", "Kohm", false},
            {"ohm", "ohm", false},
            {"round", "round to nearest", false},
            {"Calculate", "Calculate", false},
            {"textfield", "Select colors", true, "Bands"},
            {"actualvalue", "", false},
            {"Entervalue", "", true},
            {"Tolerance", "", true},
            {"value", "", true},
            {"enhet", "", true},
            {"ring1", "", true},
            {"File1", "", false},
            {"Help1", "", false},
        };
        for (const auto& r : rows)
            QTest::newRow(r.name) << shownAs(r.context, r.caption) << r.bold;
    }
    void captionsAndFonts()
    {
        QFETCH(QString, caption);
        QFETCH(bool, bold);
        QWidget* w = h.child(QTest::currentDataTag());
        if (auto* box = qobject_cast<QGroupBox*>(w))
            QCOMPARE(box->title(), caption);
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            QCOMPARE(button->text(), caption);
        else if (auto* label = qobject_cast<QLabel*>(w); label && !caption.isEmpty())
            QCOMPARE(label->text(), caption);
        QCOMPARE(w->font().bold(), bold);
        QCOMPARE(w->font().pixelSize(), 11);
        // The faces are really there, not substitutes: the layout's, and the
        // one that carries the language's script where it lacks it.
        QCOMPARE(QFontInfo(w->font()).family(), QStringLiteral("Liberation Sans Narrow"));
        for (const QString& face : w->font().families())
            QVERIFY2(QFontDatabase::hasFamily(face), qPrintable(face));
    }

    // Unchecked radio buttons stand in the chain but Tab skips them: arrows
    // move within a group.
    void tabOrder()
    {
        const QStringList expected{
            "N4colorrings", "N5colorrings", "Tolerance", "Entervalue", "Mohm", "Kohm", "ohm", "round", "Calculate"};
        QWidget* w = h.child("N4colorrings");
        QStringList chain;
        for (int i = 0; i < expected.size(); ++i) {
            chain << w->objectName();
            do
                w = w->nextInFocusChain();
            while (w->focusPolicy() == Qt::NoFocus || w->objectName().isEmpty());
        }
        QCOMPARE(chain, expected);
        for (int band = 1; band <= 5; ++band)
            QCOMPARE(h.ring(band)->focusPolicy(), Qt::NoFocus);
    }

    void menu_data()
    {
        const auto tr = [](const char* english) { return shownAs("TMainform", english); };
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::addColumn<bool>("checkable");
        QTest::addColumn<bool>("checked");
        QTest::newRow("PrintLabels1") << tr("&File") << tr("&Print labels...") << QKeySequence(QStringLiteral("Ctrl+P"))
                                      << false << false;
        QTest::newRow("N2") << tr("&File") << QString() << QKeySequence() << false << false;
        QTest::newRow("Exit1") << tr("&File") << tr("E&xit") << QKeySequence() << false << false;
        QTest::newRow("Resistor1") << tr("&Component") << tr("&Resistor") << QKeySequence(QStringLiteral("Ctrl+R"))
                                   << true << true;
        QTest::newRow("Capasitor1") << tr("&Component") << tr("&Capasitor") << QKeySequence(QStringLiteral("Ctrl+C"))
                                    << true << false;
        QTest::newRow("Markings1") << tr("&Component") << tr("&Markings...") << QKeySequence(QStringLiteral("Ctrl+M"))
                                   << false << false;
        QTest::newRow("Finder1") << tr("&Component") << tr("&Find values...") << QKeySequence(QStringLiteral("Ctrl+F"))
                                 << false << false;
        QTest::newRow("ShowToolTips1") << tr("&Help") << tr("&Show ToolTips") << QKeySequence() << true << false;
        QTest::newRow("Chart1") << tr("&Help") << tr("Color code &chart...") << QKeySequence() << false << false;
        QTest::newRow("N1") << tr("&Help") << QString() << QKeySequence() << false << false;
        QTest::newRow("About1") << tr("&Help") << tr("&About...") << QKeySequence() << false << false;
    }
    void menu()
    {
        QFETCH(QString, menu);
        QFETCH(QString, text);
        QFETCH(QKeySequence, shortcut);
        QFETCH(bool, checkable);
        QFETCH(bool, checked);
        auto* action = h.main()->findChild<QAction*>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(action);
        QMenu* owner = nullptr;
        for (QAction* top : h.main()->menuBar()->actions())
            if (top->menu() && top->menu()->actions().contains(action))
                owner = top->menu();
        QVERIFY(owner);
        QCOMPARE(owner->title(), menu);
        QCOMPARE(action->text(), text);
        QCOMPARE(action->isSeparator(), text.isEmpty());
        QCOMPARE(action->shortcut(), shortcut);
        QCOMPARE(action->isCheckable(), checkable);
        QCOMPARE(action->isChecked(), checked);
    }

    void toolTips()
    {
        const struct {
            const char* name;
            const char* tip;
        } rows[] = {
            {"GroupBox1", "Click on band to \rselect color"},
            {"ring1", "Band 1"},
            {"ring2", "Band 2"},
            {"ring3", "Band 3"},
            {"ring4", "Band 4"},
            {"ring5", "Tolerance"},
            {"N4colorrings", "Set number of\rcolorbands to 4"},
            {"N5colorrings", "Set number of\rcolorbands to 5"},
            {"GroupBox2", "Display component value"},
            {"Tolerance", "Select / display\r component tolerance"},
            {"Entervalue", "Enter component value"},
            {"Mohm", "Select to multiply entered value\rwith 1 M (1.000.000)"},
            {"Kohm", "Select to multiply entered \rvalue with 1 K (1000)"},
            {"ohm", "Select to multiply entered\r value with 1"},
            {"round", "Select to round componentvalue\rto nearest standard value. De select\rto always round up."},
            {"Calculate", "Click to calculate \rcolorcode"},
            {"actualvalue", "Display entered value\rwith right multiplier"},
        };
        auto* item = h.main()->findChild<QAction*>(QStringLiteral("ShowToolTips1"));
        auto tipShownOn = [](QWidget* w) {
            QToolTip::hideText();
            if (!waitedFor([] { return !QToolTip::isVisible(); }, "the last tip to go"))
                return QStringLiteral("(a tip stays up)");
            const QPoint at = w->rect().center();
            QHelpEvent event(QEvent::ToolTip, at, w->mapToGlobal(at));
            QCoreApplication::sendEvent(w, &event);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        for (int round = 0; round < 4; ++round) {
            item->trigger();
            const bool on = round % 2 == 0;
            QCOMPARE(item->isChecked(), on);
            for (const auto& r : rows) {
                QWidget* w = h.child(r.name);
                const QString tip = shownAs("TMainform", r.tip).replace(QLatin1Char('\r'), QLatin1Char('\n'));
                QCOMPARE(w->toolTip(), on ? tip : QString());
            }
            QCOMPARE(tipShownOn(h.ring(1)), on ? shownAs("TMainform", "Band 1") : QString());
            // Neither the drawing nor the value labels show a tip, not even their parent's.
            for (const char* name : {"PB1", "textfield", "value", "dot", "dec", "enhet"})
                QCOMPARE(tipShownOn(h.child(name)), QString());
        }
        QToolTip::hideText();
        // Tips, like menus, are in the layout's face.
        QCOMPARE(QFontInfo(QToolTip::font()).family(), QStringLiteral("Liberation Sans Narrow"));
        QCOMPARE(QToolTip::font().pixelSize(), 11);
    }

    void drawing_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("body"); // BodyColor, else black
        QTest::newRow("body left") << QPoint(40, 30) << true;
        QTest::newRow("body right") << QPoint(130, 45) << true;
        QTest::newRow("body top") << QPoint(80, 24) << true;
        QTest::newRow("body bottom") << QPoint(80, 47) << true;
        QTest::newRow("outline left") << QPoint(33, 36) << false;
        QTest::newRow("outline right") << QPoint(136, 30) << false;
        QTest::newRow("outline top") << QPoint(80, 23) << false;
        QTest::newRow("outline bottom") << QPoint(80, 49) << false;
        QTest::newRow("left lead") << QPoint(20, 36) << false;
        QTest::newRow("right lead") << QPoint(150, 36) << false;
    }
    void drawing()
    {
        QFETCH(QPoint, at);
        QFETCH(bool, body);
        QWidget* pb1 = h.child("PB1");
        const QImage image = pb1->grab().toImage();
        QCOMPARE(image.size(), QSize(173, 65));
        const QColor expected = body ? toQColor(kelvane::BodyColor) : QColor(Qt::black);
        QCOMPARE(image.pixelColor(at), expected);
        // Around the drawing the paint area keeps the face colour.
        const QColor face = pb1->palette().color(QPalette::Window);
        for (const QPoint& p : {QPoint(5, 36), QPoint(80, 10), QPoint(20, 45), QPoint(165, 36), QPoint(80, 60)})
            QCOMPARE(image.pixelColor(p), face);
    }

    // Every value text the decoder can produce stands on one line in its box.
    void valueTextsFit()
    {
        std::set<std::string> values, decs, enhets;
        for (bool resistor : {true, false})
            for (int a = 1; a <= 9; ++a)
                for (int b = 0; b <= 9; ++b)
                    for (int c = 0; c <= 9; ++c)
                        for (int m = 0; m < static_cast<int>(kelvane::hueCount); ++m)
                            for (int bandcount : {4, 5}) {
                                kelvane::BandState s;
                                s.bandcount = static_cast<std::uint8_t>(bandcount);
                                s.resistor = resistor;
                                s.digit1 = static_cast<std::uint8_t>(a);
                                s.digit2 = static_cast<std::uint8_t>(b);
                                s.digit3 = static_cast<std::uint8_t>(c);
                                const auto hue = static_cast<kelvane::Hue>(m);
                                s.colour(bandcount - 1) = kelvane::colourOf(hue);
                                s.digit(bandcount - 1) = kelvane::valueOf(hue);
                                const kelvane::Display d = kelvane::calcvalue(s);
                                values.insert(d.value);
                                decs.insert(d.dec);
                                enhets.insert(d.enhet);
                            }
        QVERIFY(enhets.size() == 6);
        auto fits = [this](const char* name, const std::set<std::string>& texts) {
            auto* label = h.child<QLabel>(name);
            const QFontMetrics metrics(label->font());
            QVERIFY(metrics.height() <= label->height());
            for (const std::string& t : texts) {
                const QString text = QString::fromStdString(t);
                QVERIFY2(metrics.horizontalAdvance(text) <= label->width(), qPrintable(text));
            }
        };
        fits("value", values);
        fits("dec", decs);
        fits("enhet", enhets);
        // The comma's own box ends where the decimals begin.
        auto* dot = h.child<QLabel>("dot");
        QVERIFY(dot->x() + QFontMetrics(dot->font()).horizontalAdvance(QLatin1Char(',')) <= h.child("dec")->x());
        fits("textfield", {shownAs("Bands", "Select colors").toStdString()});
        fits("actualvalue", {"990000000"});
    }

    void captionsFit()
    {
        // Both kinds' unit captions.
        for (bool capacitor : {false, true}) {
            if (capacitor)
                h.main()->findChild<QAction*>(QStringLiteral("Capasitor1"))->trigger();
            allFit(h.main());
        }
        auto* list = h.child<QComboBox>("Tolerance");
        QVERIFY(list->sizeHint().width() <= list->width());
        // The colours' names inside the dialogs' panels, clear of the focus frame.
        for (QWidget* dialog : {static_cast<QWidget*>(h.w.selectcolor), static_cast<QWidget*>(h.w.Tolform)})
            for (auto* panel : dialog->findChildren<BandPanel*>()) {
                const QRect room = panel->rect().adjusted(4, 0, -4, 0); // the variant drawn
                QVERIFY2(QFontMetrics(panel->font()).boundingRect(room, Qt::AlignCenter, panel->caption()).width()
                        <= room.width(),
                    qPrintable(panel->caption()));
                for (const QString& variant : panel->caption().split(QChar(0x9C)))
                    drawnWhole(variant, panel->font());
            }
        allFit(h.w.AboutBox);
    }

    // The markings window's captions and results, with the longest texts of
    // each kind of result: two readings, a tolerance and its range, an
    // error, the neighbours of a value in no series; the bands 111 ohm ±0,5 %,
    // from the other end 5,01 Kohm, standard this way only.
    void markingsFit_data()
    {
        QTest::addColumn<bool>("capacitor");
        for (const char* code :
            {"49R", "10R", "01Z", "9996", "4K7X", "97A", "0R", "R01", "10RF", "R47C", "470K", "01R"})
            QTest::newRow(code) << false;
        for (const char* code : {"4n7Z", "109C", "2u2", "463K", "47J"})
            QTest::newRow(code) << true;
    }
    void markingsFit()
    {
        QFETCH(bool, capacitor);
        Harness::click(h.child("N5colorrings"));
        h.child<QComboBox>("Tolerance")->setCurrentIndex(5);
        h.child<QLineEdit>("Entervalue")->setText(QStringLiteral("111"));
        h.calculate();
        if (capacitor)
            h.main()->findChild<QAction*>(QStringLiteral("Capasitor1"))->trigger();
        h.main()->findChild<QAction*>(QStringLiteral("Markings1"))->trigger();
        auto* markings = h.main()->findChild<TMarkings*>();
        markings->findChild<QLineEdit*>(QStringLiteral("Code"))->setText(QString::fromLatin1(QTest::currentDataTag()));
        for (const char* result : {"CodeKind", "BandRange", "BandReversed"})
            QVERIFY(!markings->findChild<QLabel*>(QString::fromLatin1(result))->text().isEmpty());
        allFit(markings);
        // Selected and copied, as it reads: without the marks that keep its values in order.
        auto* range = markings->findChild<QLabel*>(QStringLiteral("BandRange"));
        WAIT_UNTIL(markings->isActiveWindow());
        range->setFocus();
        range->setSelection(0, static_cast<int>(range->text().size()));
        QTest::keyClick(range, Qt::Key_C, Qt::ControlModifier);
        if (!capacitor)
            QCOMPARE(QGuiApplication::clipboard()->text(),
                QCoreApplication::translate("Codes", "%1 to %2").arg("110,445 ohm", "111,555 ohm"));
    }

    // The finder's captions and states, each with its longest texts: a value
    // and none, a divider and each reason for none, no parts of one's own, a
    // regulator's answers and their conditions, and each reason for none.
    void finderFit_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("vin");
        QTest::addColumn<QString>("vout");
        QTest::addColumn<QByteArray>("parts");
        QTest::addColumn<QStringList>("more"); // a circuit clicked, then other fields as Name=text
        QTest::newRow("found") << 5 << "4k8321"
                               << "5"
                               << "3,3" << QByteArray() << QStringList();
        QTest::newRow("not a value") << 2 << "12x"
                                     << "5"
                                     << "6" << QByteArray() << QStringList();
        QTest::newRow("no parts") << 6 << "1k"
                                  << ""
                                  << "1" << QByteArray() << QStringList();
        QTest::newRow("lines not read") << 6 << "1k"
                                        << "5"
                                        << "3,3" << QByteArray("4k7\n12x\n0\n1k 150%\n\xff\n10k 1%\n1e400\n")
                                        << QStringList();
        QTest::newRow("regulator") << 4 << "4k8321"
                                   << "5"
                                   << "3,3" << QByteArray() << QStringList{"FeedbackRegulator"};
        QTest::newRow("not a reference nor temperatures")
            << 4 << "1k"
            << "5"
            << "3,3" << QByteArray() << QStringList{"AdjustRegulator", "PinCurrent=x", "LowestTemperature=x"};
    }
    void finderFit()
    {
        QFETCH(int, source);
        QFETCH(QString, target);
        QFETCH(QString, vin);
        QFETCH(QString, vout);
        QFETCH(QByteArray, parts);
        QFETCH(QStringList, more);
        usePrivateFiles();
        QFile::remove(partsfile::path());
        if (!parts.isEmpty()) {
            QDir().mkpath(QFileInfo(partsfile::path()).path());
            QFile file(partsfile::path());
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(parts) == parts.size());
        }
        h.main()->findChild<QAction*>(QStringLiteral("Finder1"))->trigger();
        auto* finder = h.main()->findChild<TFinder*>();
        finder->findChild<QComboBox*>(QStringLiteral("Source"))->setCurrentIndex(source);
        finder->findChild<QLineEdit*>(QStringLiteral("Target"))->setText(target);
        finder->findChild<QLineEdit*>(QStringLiteral("Vin"))->setText(vin);
        finder->findChild<QLineEdit*>(QStringLiteral("Vout"))->setText(vout);
        for (const QString& field : more) {
            const QString name = field.section(QLatin1Char('='), 0, 0);
            if (auto* circuit = finder->findChild<QRadioButton*>(name))
                circuit->click();
            else
                finder->findChild<QLineEdit*>(name)->setText(field.section(QLatin1Char('='), 1));
        }
        QVERIFY(!finder->findChild<QLabel*>(QStringLiteral("TargetStatus"))->text().isEmpty());
        QCOMPARE(finder->findChild<QLabel*>(QStringLiteral("PartsProblems"))->text().isEmpty(), parts.isEmpty());
        allFit(finder);
        for (auto* list : finder->findChildren<QTreeWidget*>())
            for (int c = 0; c < list->columnCount(); ++c) {
                drawnWhole(list->headerItem()->text(c), list->font());
                for (int row = 0; row < list->topLevelItemCount(); ++row)
                    runsLeftToRight(list->topLevelItem(row)->text(c), list);
            }
    }

    // The labels window with each source's longest texts: a count, a value
    // that is none, the reason for no values.
    void labelsFit_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("typed");
        QTest::newRow("count") << 1 << "";
        QTest::newRow("not a value") << 0 << "4k7 12x";
        QTest::newRow("no values") << 0 << "";
    }
    void labelsFit()
    {
        QFETCH(int, source);
        QFETCH(QString, typed);
        h.main()->findChild<QAction*>(QStringLiteral("PrintLabels1"))->trigger();
        auto* labels = h.main()->findChild<TLabels*>();
        labels->findChild<QComboBox*>(QStringLiteral("Source"))->setCurrentIndex(source);
        labels->findChild<QLineEdit*>(QStringLiteral("Values"))->setText(typed);
        QVERIFY(!labels->findChild<QLabel*>(QStringLiteral("Count"))->text().isEmpty());
        allFit(labels);
    }

    // The dialogs' colour buttons keep their colour inside their frame at the
    // run's scale (QT_SCALE_FACTOR): coming from beside a button, right or
    // below, the first pixel that is not the dialog's face is the frame's light edge.
    void colourButtonsAtScale()
    {
        for (QWidget* dialog : {static_cast<QWidget*>(h.w.selectcolor), static_cast<QWidget*>(h.w.Tolform)}) {
            const QImage image = dialog->grab().toImage();
            const qreal scale = image.devicePixelRatio();
            const QColor face = dialog->palette().color(QPalette::Window);
            for (auto* panel : dialog->findChildren<BandPanel*>()) {
                if (panel->isHidden())
                    continue;
                const QPoint centre = panel->mapTo(dialog, panel->rect().center()) * scale;
                const QPoint beyond = panel->mapTo(dialog, QPoint(panel->width(), panel->height())) * scale;
                for (QPoint at : {QPoint(beyond.x() + 1, centre.y()), QPoint(centre.x(), beyond.y() + 1)}) {
                    const QPoint inward = at.x() > centre.x() ? QPoint(-1, 0) : QPoint(0, -1);
                    while (image.pixelColor(at) == face)
                        at += inward;
                    QVERIFY2(image.pixelColor(at) == panel->palette().color(QPalette::Light),
                        qPrintable(QStringLiteral("%1 at %2,%3").arg(panel->objectName()).arg(at.x()).arg(at.y())));
                }
            }
        }
    }

    // Alt and a letter are never ambiguous: mnemonics are unique among the
    // menu bar's titles with the window's controls, and within each menu.
    // (That every menu text has one, in every language, the menu rows and the
    // translations test see to.)
    void mnemonicsAreUnique()
    {
        QList<QStringList> scopes{{}}; // the window's, then each menu's
        for (QAction* title : h.main()->menuBar()->actions()) {
            scopes[0] << title->text();
            QStringList items;
            for (QAction* item : title->menu()->actions())
                items << item->text();
            scopes << items;
        }
        for (auto* button : h.main()->findChildren<QAbstractButton*>())
            scopes[0] << button->text();
        for (auto* box : h.main()->findChildren<QGroupBox*>())
            scopes[0] << box->title();
        // The finder's and the labels window's captions and buttons, and the finder's pages.
        h.main()->findChild<QAction*>(QStringLiteral("Finder1"))->trigger();
        h.main()->findChild<QAction*>(QStringLiteral("PrintLabels1"))->trigger();
        for (const QWidget* window : {static_cast<QWidget*>(h.main()->findChild<TFinder*>()),
                 static_cast<QWidget*>(h.main()->findChild<TLabels*>())}) {
            QStringList inWindow;
            for (auto* label : window->findChildren<QLabel*>())
                inWindow << label->text();
            for (auto* button : window->findChildren<QAbstractButton*>())
                inWindow << button->text();
            if (const auto* pages = window->findChild<QTabWidget*>())
                for (int i = 0; i < pages->count(); ++i)
                    inWindow << pages->tabText(i);
            scopes << inWindow;
        }
        for (const QStringList& texts : scopes) {
            QSet<QChar> seen;
            for (const QString& text : texts) {
                const int at = text.indexOf(QLatin1Char('&'));
                if (at < 0 || at + 1 >= text.size())
                    continue;
                const QChar key = text.at(at + 1).toLower();
                QVERIFY2(!seen.contains(key), qPrintable(text));
                seen.insert(key);
            }
        }
    }

    // Copy from a widget's context menu by its Alt key, or with Ctrl+Shift+C
    // from the focused widget; "" when nothing may be copied.
    void copying_data()
    {
        QTest::addColumn<QString>("at");
        QTest::addColumn<bool>("byMenu");
        QTest::addColumn<bool>("decoded"); // 4700 ohm calculated, 5 % picked
        QTest::addColumn<QString>("copied");
        QStringList colours;
        for (const char* colour : {"Yellow", "Violet", "Red", "Gold"})
            colours << shownAs("Colour", colour);
        const QString bands = colours.join(QStringLiteral(", "));
        QTest::newRow("value, Select colors") << "textfield" << true << false << "";
        QTest::newRow("value") << "value" << true << true << "4,7 Kohm";
        QTest::newRow("entered value, none") << "actualvalue" << true << false << "";
        QTest::newRow("entered value") << "actualvalue" << true << true << "4700";
        QTest::newRow("drawing, no colours") << "PB1" << true << false << "";
        QTest::newRow("drawing") << "PB1" << true << true << bands;
        QTest::newRow("band") << "ring5" << true << true << bands;
        QTest::newRow("keys, Select colors") << "N4colorrings" << false << false << "";
        QTest::newRow("keys in the entry box") << "Entervalue" << false << true << "4,7 Kohm";
        QTest::newRow("keys in the tolerance list") << "Tolerance" << false << true << "4,7 Kohm";
    }
    void copying()
    {
        QFETCH(QString, at);
        QFETCH(bool, byMenu);
        QFETCH(bool, decoded);
        QFETCH(QString, copied);
        if (decoded) {
            h.child<QLineEdit>("Entervalue")->setText(QStringLiteral("4700"));
            QVERIFY(!h.calculate().shown);
            auto* tolerance = h.child<QComboBox>("Tolerance");
            tolerance->setCurrentIndex(tolerance->findText(QStringLiteral("5%")));
        }
        QWidget* w = h.child(at.toLatin1());
        const QString untouched = QStringLiteral("untouched");
        QGuiApplication::clipboard()->setText(untouched);
        if (byMenu) {
            QStringList offered;
            QTimer::singleShot(0, w, [&offered] { // inside the menu's own loop
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                if (!menu)
                    return;
                for (QAction* item : menu->actions())
                    offered << item->text();
                const QString text = offered.value(0);
                // The item's letter in any script: Qt names a letter's key by its capital.
                const QChar letter = text.at(text.indexOf(QLatin1Char('&')) + 1);
                QTest::sendKeyEvent(
                    QTest::Click, menu, static_cast<Qt::Key>(letter.toUpper().unicode()), letter.toLower(), {});
                if (menu->isVisible()) // a greyed item takes no key
                    QTest::keyClick(menu, Qt::Key_Escape);
            });
            QContextMenuEvent event(QContextMenuEvent::Mouse, w->rect().center(), w->mapToGlobal(w->rect().center()));
            QCoreApplication::sendEvent(w, &event);
            QCOMPARE(offered, QStringList{shownAs("TMainform", "&Copy")});
        } else {
            w->setFocus();
            QTest::keyClick(w, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        }
        QCOMPARE(QGuiApplication::clipboard()->text(), copied.isEmpty() ? untouched : copied);
        QVERIFY(h.main()->bandState().resistor); // Ctrl+C is not met on the way
    }

    // The catalogue each language finds (the package test sees that each is there).
    void catalogues()
    {
        for (const auto& [locale, catalogue] : {std::pair{"de_AT", "de"}, {"no", "nb"}, {"nn_NO", "nn"},
                 {"pt_PT", "pt_BR"}, {"zh_HK", "zh_TW"}, {"zh_SG", "zh_CN"}})
            QCOMPARE(catalogueFor(QLocale(QString::fromLatin1(locale))), QString::fromLatin1(catalogue));
    }

    void kindByShortcuts()
    {
        TMainform* m = h.main();
        QTest::keyClick(m, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(m->findChild<QAction*>(QStringLiteral("Capasitor1"))->isChecked());
        QVERIFY(!m->bandState().resistor);
        QCOMPARE(h.child<QGroupBox>("GroupBox2")->title(), shownAs("TMainform", "Capacitance"));
        QCOMPARE(h.child<QAbstractButton>("Mohm")->text(), QStringLiteral("\u00B5F"));
        QCOMPARE(h.child<QAbstractButton>("Kohm")->text(), QStringLiteral("nF"));
        QCOMPARE(h.child<QAbstractButton>("ohm")->text(), QStringLiteral("pF"));
        // The unit tooltips keep their wording.
        m->findChild<QAction*>(QStringLiteral("ShowToolTips1"))->trigger();
        QCOMPARE(h.child("ohm")->toolTip(),
            shownAs("TMainform", "Select to multiply entered\r value with 1")
                .replace(QLatin1Char('\r'), QLatin1Char('\n')));
        QTest::keyClick(m, Qt::Key_R, Qt::ControlModifier);
        QVERIFY(m->bandState().resistor);
        QVERIFY(!m->findChild<QAction*>(QStringLiteral("Capasitor1"))->isChecked());
        QCOMPARE(h.child<QGroupBox>("GroupBox2")->title(), shownAs("TMainform", "Resistance"));
        QCOMPARE(h.child<QAbstractButton>("Mohm")->text(), QStringLiteral("Mohm"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
