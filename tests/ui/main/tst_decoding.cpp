// Decoding by clicks: the colour and tolerance dialogs, the band-count and
// kind switches, the tolerance list, and when the refresh cycle runs.
#include "windowtest.h"

#include "platform/accessible.h"

#include <kelvane/written.h>

#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTimer>
#include <QWindow>

namespace {

using kelvane::colourOf;
using kelvane::Hue;

const char* const colourNames[]
    = {"black", "brown", "red", "orange", "yellow", "green", "blue", "violet", "gray", "white", "Gold", "Silver"};

Hue hueNamed(const QString& name)
{
    for (std::size_t i = 0; i < kelvane::hueCount; ++i)
        if (name.compare(QLatin1String(colourNames[i]), Qt::CaseInsensitive) == 0)
            return static_cast<Hue>(i);
    return Hue::Black;
}

} // namespace

class DecodingTest : public WindowTest {
    Q_OBJECT

    QString offered() const
    {
        QStringList names;
        for (const char* name : colourNames)
            if (!h.colourPanel(name)->isHidden())
                names << QString::fromLatin1(name);
        return names.join(QLatin1Char(' '));
    }

private slots:

    void dialogLayouts()
    {
        QCOMPARE(h.w.selectcolor->size(), QSize(263, 70));
        QCOMPARE(h.w.selectcolor->minimumSize(), h.w.selectcolor->maximumSize());
        QCOMPARE(h.w.selectcolor->windowTitle(), shownAs("Tselectcolor", "Select color"));
        QCOMPARE(h.w.Tolform->size(), QSize(161, 70));
        QCOMPARE(h.w.Tolform->windowTitle(), shownAs("TTolform", "Tol."));
        const struct {
            const char* name;
            const char* caption;
            int x, y, w;
            kelvane::Colour colour;
            bool shown;
        } colours[] = {
            {"black", "Black", 6, 6, 46, 0, true},
            {"brown", "Brown", 58, 6, 45, 1655956, true},
            {"red", "Red", 109, 6, 45, 255, true},
            {"orange", "Orange", 160, 6, 46, 36095, true},
            {"yellow", "Yellow", 211, 6, 46, 65535, true},
            {"green", "Green", 6, 38, 46, 32768, true},
            {"blue", "Blue", 58, 38, 45, 14090240, true},
            {"violet", "Violet", 109, 38, 45, 8388736, true},
            {"gray", "Gray", 160, 38, 46, 8421504, true},
            {"white", "White", 211, 38, 46, 16777215, true},
            {"Gold", "Gold", 211, 38, 46, 5941448, false},
            {"Silver", "Silver", 160, 38, 46, 12632256, false},
        };
        for (const auto& c : colours) {
            BandPanel* p = h.colourPanel(c.name);
            QVERIFY2(p, c.name);
            QCOMPARE(p->geometry(), QRect(c.x, c.y, c.w, 27));
            QCOMPARE(fullVariant(p->caption()), shownAs("Colour", c.caption));
            QCOMPARE(p->colourValue(), c.colour);
            QCOMPARE(!p->isHidden(), c.shown);
        }
        const struct {
            const char* name;
            int x, y, w;
        } tolerances[] = {{"Green", 6, 6, 46}, {"Brown", 58, 6, 46}, {"Red", 110, 6, 45}, {"Gold", 6, 38, 46},
            {"Silver", 58, 38, 45}, {"None", 110, 38, 46}};
        for (const auto& t : tolerances) {
            BandPanel* p = h.tolerancePanel(t.name);
            QVERIFY2(p, t.name);
            QCOMPARE(p->geometry(), QRect(t.x, t.y, t.w, 27));
            QCOMPARE(fullVariant(p->caption()), shownAs(qstrcmp(t.name, "None") ? "Colour" : "TTolform", t.name));
        }
    }

    void wholeDecodingByClicks()
    {
        const QPoint origin = h.main()->pos();
        OPEN_BAND(h, 1);
        QCOMPARE(h.w.selectcolor->windowTitle(), QStringLiteral("Ring1"));
        QCOMPARE(h.w.selectcolor->pos(), origin + QPoint(17, 30));
        QCOMPARE(h.main()->colourPick().pickcolor, kelvane::BodyColor);
        QCOMPARE(h.main()->colourPick().pickdigit, 0);
        QVERIFY(h.colourPanel("black")->isHidden());
        const int before = h.activations->count();
        PICK(h, h.colourPanel("yellow"));
        QCOMPARE(h.activations->count(), before + 1);
        QVERIFY(!h.w.selectcolor->isVisible());
        QVERIFY(!h.colourPanel("black")->isHidden());
        QCOMPARE(h.ring(1)->colourValue(), colourOf(Hue::Yellow));
        QCOMPARE(h.main()->bandState().digit1, 4);
        QCOMPARE(h.shown(), QStringLiteral("Select colors"));

        colourBand(2, "violet");
        QCOMPARE(h.main()->bandState().digit2, 7);
        QCOMPARE(h.shown(), QStringLiteral("Select colors"));

        OPEN_BAND(h, 3);
        QCOMPARE(offered(), QStringLiteral("black brown red orange yellow green blue violet Gold Silver"));
        PICK(h, h.colourPanel("red"));
        QCOMPARE(h.shown(), QStringLiteral("4,7 Kohm"));

        OPEN_BAND(h, 5);
        QCOMPARE(h.w.Tolform->pos(), origin + QPoint(136, 30));
        QCOMPARE(h.w.Tolform->windowTitle(), QStringLiteral("Tol."));
        QCOMPARE(h.main()->tolerancePick().bandcolor, kelvane::BodyColor);
        QCOMPARE(h.main()->tolerancePick().tolindex, 0);
        PICK(h, h.tolerancePanel("Gold"));
        QCOMPARE(h.ring(5)->colourValue(), colourOf(Hue::Gold));
        QCOMPARE(h.tolerance(), QStringLiteral("5%"));
        QCOMPARE(h.main()->bandState().curband, 3);
        QCOMPARE(h.shown(), QStringLiteral("4,7 Kohm"));
        QCOMPARE(h.activations->count(), before + 4);
    }

    void panelSets_data()
    {
        QTest::addColumn<int>("bandcount");
        QTest::addColumn<int>("band");
        QTest::addColumn<QString>("offered");
        const QString digits = QStringLiteral("black brown red orange yellow green blue violet gray white");
        QTest::newRow("band 1") << 4 << 1 << QStringLiteral("brown red orange yellow green blue violet gray white");
        QTest::newRow("band 2") << 4 << 2 << digits;
        QTest::newRow("band 3, four bands")
            << 4 << 3 << QStringLiteral("black brown red orange yellow green blue violet Gold Silver");
        QTest::newRow("band 3, five bands") << 5 << 3 << digits;
        QTest::newRow("band 4") << 5 << 4 << QStringLiteral("black brown red orange yellow green blue Gold Silver");
    }
    void panelSets()
    {
        QFETCH(int, bandcount);
        QFETCH(int, band);
        QFETCH(QString, offered);
        if (bandcount == 5)
            Harness::click(h.child("N5colorrings"));
        OPEN_BAND(h, band);
        QCOMPARE(this->offered(), offered);
        // Closing restores the layout's set.
        h.w.selectcolor->close();
        WAIT_UNTIL(h.main()->isActiveWindow());
        QCOMPARE(this->offered(), QStringLiteral("black brown red orange yellow green blue violet gray white"));
    }

    // A band clicked while the dialog is open for another band gets its own
    // set, never what is left of the other band's.
    void retargetedDialog()
    {
        OPEN_BAND(h, 3);
        h.w.selectcolor->move(h.w.selectcolor->pos() + QPoint(40, 40));
        Harness::click(h.ring(1));
        WAIT_UNTIL(h.w.selectcolor->isActiveWindow());
        QCOMPARE(offered(), QStringLiteral("brown red orange yellow green blue violet gray white"));
        QCOMPARE(h.w.selectcolor->windowTitle(), QStringLiteral("Ring1"));
        QCOMPARE(h.w.selectcolor->pos(), h.main()->pos() + QPoint(17, 30));
        QCOMPARE(h.main()->bandState().curband, 1);
        PICK(h, h.colourPanel("green"));
        QCOMPARE(h.ring(1)->colourValue(), colourOf(Hue::Green));
        QCOMPARE(h.ring(3)->colourValue(), kelvane::BodyColor);
    }

    void closeBoxKeepsTheBand()
    {
        colourBand(1, "yellow");
        colourBand(2, "violet");
        colourBand(3, "red");
        for (int round = 0; round < 3; ++round) {
            const int before = h.activations->count();
            OPEN_BAND(h, 2);
            QCOMPARE(h.main()->colourPick().pickcolor, colourOf(Hue::Violet));
            h.w.selectcolor->close();
            WAIT_UNTIL(h.main()->isActiveWindow());
            QCOMPARE(h.activations->count(), before + 1);
            QCOMPARE(h.ring(2)->colourValue(), colourOf(Hue::Violet));
            QCOMPARE(h.main()->bandState().digit2, 7);
            QCOMPARE(h.shown(), QStringLiteral("4,7 Kohm"));
        }
    }

    // The cycle runs once, on the press, before the band's own handler.
    void clickIntoMainWhileDialogIsOpen()
    {
        colourBand(1, "yellow");
        OPEN_BAND(h, 1);
        const int before = h.activations->count();
        int seenByHandler = -1;
        connect(h.ring(2), &BandPanel::clicked, this, [&] { seenByHandler = h.activations->count(); });
        Harness::click(h.ring(2));
        QCOMPARE(seenByHandler, before + 1);
        WAIT_UNTIL(h.w.selectcolor->isActiveWindow());
        QCOMPARE(h.activations->count(), before + 1);
        QCOMPARE(h.w.selectcolor->windowTitle(), QStringLiteral("Ring2"));

        // A click on no control: the cycle re-applies the preload, the dialog stays.
        Harness::click(h.child("GroupBox2"));
        QCOMPARE(h.activations->count(), before + 2);
        QVERIFY(h.w.selectcolor->isVisible());
        QCOMPARE(h.ring(1)->colourValue(), colourOf(Hue::Yellow));
        QCOMPARE(h.ring(2)->colourValue(), kelvane::BodyColor);
        h.w.selectcolor->activateWindow();
        WAIT_UNTIL(h.w.selectcolor->isActiveWindow());
        PICK(h, h.colourPanel("violet"));
        QCOMPARE(h.ring(2)->colourValue(), colourOf(Hue::Violet));
        QCOMPARE(h.activations->count(), before + 3);
    }

    void returningFromAnotherProgramRunsNothing()
    {
        const int before = h.activations->count();
        QWindow other; // stands for another program's window
        other.resize(50, 50);
        other.show();
        other.requestActivate();
        WAIT_COMPARE(QGuiApplication::focusWindow(), &other);
        h.main()->activateWindow();
        WAIT_UNTIL(h.main()->isActiveWindow());
        QCOMPARE(h.activations->count(), before);
    }

    void messageBoxClosingRunsNothing()
    {
        colourBand(1, "yellow");
        const int before = h.activations->count();
        h.child<QLineEdit>("Entervalue")->setText(QStringLiteral("4k7"));
        bool boxSeen = false;
        QTimer::singleShot(0, this, [&] {
            WAIT_UNTIL(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()));
            QWidget* box = QApplication::activeModalWidget();
            WAIT_UNTIL(box->isActiveWindow());
            boxSeen = true;
            box->close();
        });
        Harness::click(h.child("Calculate"));
        QVERIFY(boxSeen);
        WAIT_UNTIL(h.main()->isActiveWindow());
        QVERIFY(idle());
        QCOMPARE(h.activations->count(), before);
    }

    void bandCountSwitches()
    {
        // Gold on band 3 with four bands, then five bands.
        colourBand(1, "yellow");
        colourBand(2, "violet");
        colourBand(3, "Gold");
        QCOMPARE(h.shown(), QStringLiteral("4,7 ohm"));
        Harness::click(h.child("N5colorrings"));
        QVERIFY(!h.ring(4)->isHidden());
        QCOMPARE(h.ring(4)->colourValue(), kelvane::BodyColor);
        QCOMPARE(h.ring(3)->colourValue(), kelvane::BodyColor);
        QCOMPARE(h.main()->bandState().digit3, 1);
        QCOMPARE(h.main()->bandState().curband, 0);
        QCOMPARE(h.shown(), QStringLiteral("Select colors"));

        // Five bands complete, then "5 bands" again changes nothing.
        colourBand(3, "white");
        colourBand(4, "brown");
        QCOMPARE(h.shown(), QStringLiteral("4,79 Kohm"));
        Harness::click(h.child("N5colorrings"));
        QCOMPARE(h.ring(4)->colourValue(), colourOf(Hue::Brown));
        QCOMPARE(h.main()->bandState().curband, 4);
        QCOMPARE(h.shown(), QStringLiteral("4,79 Kohm"));

        // White third digit, then four bands: band 3 empties, band 4 keeps its
        // colour hidden until the next "5 bands" empties it.
        Harness::click(h.child("N4colorrings"));
        QCOMPARE(h.ring(3)->colourValue(), kelvane::BodyColor);
        QVERIFY(h.ring(4)->isHidden());
        QCOMPARE(h.ring(4)->colourValue(), colourOf(Hue::Brown));
        QCOMPARE(h.shown(), QStringLiteral("Select colors"));
        Harness::click(h.child("N5colorrings"));
        QCOMPARE(h.ring(4)->colourValue(), kelvane::BodyColor);

        // Violet third digit stays and becomes the multiplier.
        colourBand(3, "violet");
        Harness::click(h.child("N4colorrings"));
        QCOMPARE(h.ring(3)->colourValue(), colourOf(Hue::Violet));
        QCOMPARE(h.shown(), QStringLiteral("470 Mohm"));
    }

    // Five bands, the dialog open on a White band 3, then "4 bands": a later
    // White or Gray pick in the still open dialog must not become ×10^9.
    void switchToFourBandsWithTheDialogOpen_data()
    {
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QString>("shown");
        QTest::newRow("white") << "white"
                               << "Select colors";
        QTest::newRow("gray") << "gray"
                              << "Select colors";
        QTest::newRow("red") << "red"
                             << "9,9 Kohm";
    }
    void switchToFourBandsWithTheDialogOpen()
    {
        QFETCH(QString, colour);
        QFETCH(QString, shown);
        Harness::click(h.child("N5colorrings"));
        colourBand(1, "white");
        colourBand(2, "white");
        colourBand(3, "white");
        OPEN_BAND(h, 3);
        QCOMPARE(offered(), QStringLiteral("black brown red orange yellow green blue violet gray white"));
        Harness::click(h.child("N4colorrings")); // the cycle runs on the press as well
        QCOMPARE(h.main()->bandState().curband, 3);
        QCOMPARE(h.ring(3)->colourValue(), kelvane::BodyColor);
        QVERIFY(h.w.selectcolor->isVisible());
        h.w.selectcolor->activateWindow();
        WAIT_UNTIL(h.w.selectcolor->isActiveWindow());
        PICK(h, h.colourPanel(colour.toLatin1().constData()));
        QCOMPARE(h.shown(), shown);
        if (shown == QStringLiteral("Select colors"))
            QCOMPARE(h.ring(3)->colourValue(), kelvane::BodyColor);
    }

    void switchWithTheDialogOpenSendsThePickNowhere()
    {
        colourBand(1, "yellow");
        OPEN_BAND(h, 2);
        Harness::click(h.child("N5colorrings"));
        QCOMPARE(h.main()->bandState().curband, 0);
        h.w.selectcolor->activateWindow();
        WAIT_UNTIL(h.w.selectcolor->isActiveWindow());
        PICK(h, h.colourPanel("violet"));
        QCOMPARE(h.ring(2)->colourValue(), kelvane::BodyColor);
        QCOMPARE(h.ring(1)->colourValue(), colourOf(Hue::Yellow));
    }

    void toleranceListAndDialog()
    {
        auto* list = h.child<QComboBox>("Tolerance");
        list->setCurrentIndex(1); // as a selection by the user
        QCOMPARE(h.ring(5)->colourValue(), colourOf(Hue::Silver));
        OPEN_BAND(h, 5);
        QCOMPARE(h.main()->tolerancePick().bandcolor, colourOf(Hue::Silver));
        QCOMPARE(h.main()->tolerancePick().tolindex, 1);
        h.w.Tolform->close();
        WAIT_UNTIL(h.main()->isActiveWindow());
        QCOMPARE(h.ring(5)->colourValue(), colourOf(Hue::Silver));
        QCOMPARE(h.tolerance(), QStringLiteral("10%"));

        OPEN_BAND(h, 5);
        PICK(h, h.tolerancePanel("None"));
        QCOMPARE(h.ring(5)->colourValue(), kelvane::BodyColor);
        QCOMPARE(h.tolerance(), QStringLiteral("20%"));

        list->setCurrentIndex(5);
        QCOMPARE(h.ring(5)->colourValue(), colourOf(Hue::Green));
        // Typed text: nothing selected, the text goes at once, the colour stays.
        list->lineEdit()->setFocus();
        QTest::keyClick(list->lineEdit(), Qt::Key_End);
        QTest::keyClicks(list->lineEdit(), QStringLiteral("7"));
        QCOMPARE(list->currentIndex(), -1);
        QCOMPARE(list->currentText(), QString());
        QCOMPARE(h.main()->tolerancePick().tolindex, 255);
        QCOMPARE(h.ring(5)->colourValue(), colourOf(Hue::Green));
        OPEN_BAND(h, 5);
        QCOMPARE(h.main()->tolerancePick().tolindex, 255);
        PICK(h, h.tolerancePanel("Red"));
        QCOMPARE(h.tolerance(), QStringLiteral("2%"));
    }

    // Alt+1 .. Alt+5 open a band's dialog as a click does; inside it the keys
    // move among and pick the offered colours. Keys go where a person's go:
    // to the widget with the keyboard.
    void keyboard_data()
    {
        QTest::addColumn<int>("bandcount");
        QTest::addColumn<int>("band");
        QTest::addColumn<QString>("keys");   // after Alt+band, as a key sequence
        QTest::addColumn<QString>("colour"); // the band's colour afterwards, "" when still open
        const struct {
            const char* tag;
            int bandcount, band;
            const char* keys;
            const char* colour;
        } rows[] = {
            {"digit", 4, 1, "4", "Yellow"},
            {"digit not offered", 4, 1, "0", ""},
            {"G on a multiplier", 4, 3, "G", "Gold"},
            {"S on a multiplier", 5, 4, "S", "Silver"},
            {"9 on a multiplier", 4, 3, "9", ""},
            {"G on a digit", 4, 2, "G", ""},
            {"right from the first offered", 4, 1, "Right, Space", "Red"},
            {"left wraps", 4, 1, "Left, Return", "White"},
            {"down to the nearest", 4, 1, "Down, Return", "Blue"},
            {"down then up", 4, 1, "Down, Up, Return", "Brown"},
            {"tab twice", 4, 1, "Tab, Tab, Return", "Orange"},
            {"tab skips what is not offered", 4, 3, "Left, Return", "Gold"},
            {"backtab to silver", 4, 3, "Backtab, Backtab, Return", "Silver"},
            {"starts on the band's colour", 4, 2, "Return", "Violet"},
            {"tolerance", 4, 5, "Right, Return", "Brown"},
            {"tolerance, down", 4, 5, "Down, Space", "Gold"},
            {"tolerance by G", 4, 5, "G", "Gold"},
            {"tolerance by a digit", 4, 5, "5", "Green"},
            {"tolerance ignores a digit it does not offer", 4, 5, "7", ""},
            {"escape", 4, 2, "Escape", "Violet"},
        };
        for (const auto& r : rows)
            QTest::newRow(r.tag) << r.bandcount << r.band << QString::fromLatin1(r.keys)
                                 << QString::fromLatin1(r.colour);
    }
    void keyboard()
    {
        QFETCH(int, bandcount);
        QFETCH(int, band);
        QFETCH(QString, keys);
        QFETCH(QString, colour);
        colourBand(2, "violet");
        if (bandcount == 5)
            Harness::click(h.child("N5colorrings"));
        QWidget* dialog = band == 5 ? static_cast<QWidget*>(h.w.Tolform) : h.w.selectcolor;
        const QString title = QStringLiteral("Ring%1").arg(band);
        const int before = h.activations->count();
        auto type = [](const QKeySequence& key) {
            QWidget* to = QApplication::focusWidget();
            QVERIFY(to);
            QTest::keyClick(to, key[0].key(), key[0].keyboardModifiers());
        };
        type(QKeySequence(Qt::AltModifier | static_cast<Qt::Key>(Qt::Key_0 + band)));
        WAIT_UNTIL(dialog->isActiveWindow());
        if (band < 5)
            QCOMPARE(h.w.selectcolor->windowTitle(), title);
        // The keyboard is in the dialog, and its place shows.
        QVERIFY(qobject_cast<BandPanel*>(dialog->focusWidget()));
        QVERIFY(dialog->testAttribute(Qt::WA_KeyboardFocusChange));
        for (const QString& key : keys.split(QStringLiteral(", ")))
            type(QKeySequence::fromString(key));
        if (colour.isEmpty()) {
            QVERIFY(dialog->isVisible());
            QCOMPARE(h.activations->count(), before);
            return;
        }
        WAIT_UNTIL(h.main()->isActiveWindow());
        QCOMPARE(h.activations->count(), before + 1);
        QCOMPARE(h.ring(band)->colourValue(), colourOf(hueNamed(colour)));
    }

    // Alt+4 does nothing with four bands; a click opens the dialog without
    // showing where the keyboard is.
    void keyboardLeavesTheMouseAlone()
    {
        QTest::keyClick(h.main(), Qt::Key_4, Qt::AltModifier);
        QVERIFY(idle());
        QVERIFY(!h.w.selectcolor->isVisible());
        OPEN_BAND(h, 1);
        QVERIFY(!h.w.selectcolor->testAttribute(Qt::WA_KeyboardFocusChange));
    }

    void whatAScreenReaderHears()
    {
        auto name = [](QWidget* w) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            return a ? a->text(QAccessible::Name) : QString();
        };
        // "Band 1: Yellow", in the language of the run.
        const auto band = [](int k, const char* colour) {
            return QStringLiteral("%1: %2").arg(
                k == 5 ? shownAs("TMainform", "Tolerance band") : shownAs("TMainform", "Band %1").arg(k),
                colour ? shownAs("Colour", colour) : shownAs("BandPanel", "empty"));
        };
        QCOMPARE(name(h.ring(1)), band(1, nullptr));
        colourBand(1, "yellow");
        colourBand(2, "violet");
        // The dialog by the band it is for, each colour by what it means there.
        QCOMPARE(h.colourPanel("red")->accessibleDescription(), shownAs("Tselectcolor", "digit %1").arg(2));
        OPEN_BAND(h, 3);
        QCOMPARE(name(h.w.selectcolor), shownAs("TMainform", "Band %1").arg(3));
        QCOMPARE(
            h.colourPanel("red")->accessibleDescription(), shownAs("Tselectcolor", "multiplier \u00D7%1").arg(100));
        QCOMPARE(h.colourPanel("Silver")->accessibleDescription(),
            shownAs("Tselectcolor", "multiplier \u00D7%1")
                .arg(shownAs("Speech", "%1.%2").arg(0).arg(QStringLiteral("01"))));
        PICK(h, h.colourPanel("red"));
        QCOMPARE(name(h.ring(1)), band(1, "Yellow"));
        QCOMPARE(name(h.ring(3)), band(3, "Red"));
        QCOMPARE(name(h.ring(5)), band(5, nullptr));
        QCOMPARE(name(h.colourPanel("violet")), shownAs("Colour", "Violet"));
        QCOMPARE(name(h.w.Tolform), shownAs("TMainform", "Tolerance band"));
        QCOMPARE(h.tolerancePanel("Gold")->accessibleDescription(), QStringLiteral("\u00B15%"));
        auto* box = QAccessible::queryAccessibleInterface(h.child("GroupBox2"));
        const QString value = shownAs("Speech", "%1 kilohms").arg(shownAs("Speech", "%1.%2").arg(4).arg(7));
        QCOMPARE(box->text(QAccessible::Description), value);
        // The value as one status phrase, its labels not read on their own;
        // the pick and its result spoken once through the readout's notification.
        auto* readout = QAccessible::queryAccessibleInterface(h.child("readout"));
        QCOMPARE(readout->role(), QAccessible::StatusBar);
        QCOMPARE(readout->text(QAccessible::Name), value);
        QCOMPARE(readout->childCount(), 1);
        QAccessibleInterface* spoken = readout->child(0);
        QCOMPARE(spoken->role(), QAccessible::Notification);
        WAIT_COMPARE(spoken->text(QAccessible::Name), band(3, "Red") + QStringLiteral(". ") + value);
        auto* list = QAccessible::queryAccessibleInterface(h.child("Tolerance"));
        QCOMPARE(list->text(QAccessible::Name), shownAs("TMainform", "Tolerance"));
        QCOMPARE(list->text(QAccessible::Value), QStringLiteral("20%"));
        // Bands and colours are buttons; their press action is a click.
        for (QWidget* button : {static_cast<QWidget*>(h.ring(5)), static_cast<QWidget*>(h.tolerancePanel("Red"))}) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(button);
            QCOMPARE(a->role(), QAccessible::Button);
            QAccessibleActionInterface* actions = a->actionInterface();
            QVERIFY(actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
            if (actions)
                actions->doAction(QAccessibleActionInterface::pressAction());
            WAIT_UNTIL(button->window() == h.main() ? h.w.Tolform->isVisible() : !h.w.Tolform->isVisible());
        }
        QCOMPARE(list->text(QAccessible::Value), QStringLiteral("2%"));
        WAIT_COMPARE(spoken->text(QAccessible::Name), band(5, "Red") + QStringLiteral(". ") + value);
        h.child<QLineEdit>("Entervalue")->setText(QStringLiteral("4700"));
        h.calculate();
        QCOMPARE(name(h.child("actualvalue")), QStringLiteral("4700"));
        WAIT_COMPARE(spoken->text(QAccessible::Name),
            QStringLiteral("%1: %2, %3, %4")
                .arg(value, shownAs("Colour", "Yellow"), shownAs("Colour", "Violet"), shownAs("Colour", "Red")));
        Harness::click(h.child("N5colorrings"));
        QCOMPARE(box->text(QAccessible::Description), shownAs("Bands", "Select colors"));
        QCOMPARE(readout->text(QAccessible::Name), shownAs("Bands", "Select colors"));
        WAIT_COMPARE(spoken->text(QAccessible::Name), shownAs("Bands", "Select colors"));
        // Every control of the main window has a name.
        for (QWidget* w : h.main()->centralWidget()->findChildren<QWidget*>()) {
            if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
                continue;
            QVERIFY2(!name(w).isEmpty(), qPrintable(w->objectName()));
        }
    }

    // Values in words for a listener, the screen's symbols kept; spelled out
    // here for English and German.
    void spokenValues()
    {
        if (inTranslation() && QLocale().language() != QLocale::German)
            QSKIP("spelled out for English and German");
        const struct {
            kelvane::Milli value;
            bool resistor;
            const char *english, *german;
        } rows[] = {
            {4'700'000, true, "4.7 kilohms", "4,7 Kiloohm"},
            {1'000, true, "1 ohm", "1 Ohm"},
            {100, true, "0.1 ohms", "0,1 Ohm"},
            {999'000'000'000, true, "999 megohms", "999 Megaohm"},
            {47'000, false, "47 picofarads", "47 Pikofarad"},
            {1'000'000, false, "1 nanofarad", "1 Nanofarad"},
            {2'200'000'000, false, "2.2 microfarads", "2,2 Mikrofarad"},
        };
        for (const auto& r : rows)
            QCOMPARE(spokenValue(kelvane::display(r.value, r.resistor)),
                QString::fromUtf8(inTranslation() ? r.german : r.english));
    }

    void componentKind()
    {
        colourBand(1, "yellow");
        colourBand(2, "violet");
        colourBand(3, "red");
        auto* resistor = h.main()->findChild<QAction*>(QStringLiteral("Resistor1"));
        auto* capacitor = h.main()->findChild<QAction*>(QStringLiteral("Capasitor1"));
        capacitor->trigger();
        QCOMPARE(h.shown(), QStringLiteral("4,7 nF"));
        capacitor->trigger(); // the checked kind again: still checked, cycle reruns
        QVERIFY(capacitor->isChecked());
        QVERIFY(!resistor->isChecked());
        QCOMPARE(h.shown(), QStringLiteral("4,7 nF"));
        QCOMPARE(h.ring(3)->colourValue(), colourOf(Hue::Red));
        QCOMPARE(h.main()->bandState().curband, 0);
        resistor->trigger();
        QCOMPARE(h.shown(), QStringLiteral("4,7 Kohm"));
        QCOMPARE(h.main()->bandState().digit3, 2);
    }
};

QTEST_MAIN(DecodingTest)
#include "tst_decoding.moc"
