// Thousands of random user actions on the real windows, with what must always
// hold checked after each one. A failure names its seed and the shortest
// action list found that still fails; randomSequences:n replays seed n.
#include "harness.h"
#include "testbands.h"

#include <kelvane/encode.h>

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <random>
#include <string>
#include <vector>

namespace {

using kelvane::colourOf;
using kelvane::Hue;

enum class Kind {
    ClickBand,     // a: band 1..5
    PickColour,    // a: which of the shown colours
    CloseColour,   // the colour dialog's close box
    PickTolerance, // a: panel 0..5
    CloseTolerance,
    ClickMain,  // into the main window, on no control
    BandCount,  // a: 4 or 5
    Kind,       // a: 0 Ctrl+R, 1 Ctrl+C, 2 menu resistor, 3 menu capacitor
    ListSelect, // a: 0..5
    ListType,   // types a character into the list
    Calculate,  // a: unit 0..2, b: entry index or value, c: toggle round
    About,      // a: 0 open, 1 OK, 2 close box
};

struct Action {
    Kind kind;
    int a = 0;
    std::int64_t b = 0;
    bool c = false;
};

const char* const badEntries[] = {"", "abc", "4,7", "4.7", "47 ", "4k7", "0", "-5", "2147483648", "$FFFFFFFF",
    "99999999999", "one past the unit's largest"};
constexpr int badCount = static_cast<int>(std::size(badEntries));

std::string describe(const Action& x)
{
    const char* names[]
        = {"click band", "pick colour", "close colour dialog", "pick tolerance", "close tolerance dialog", "click main",
            "band count", "kind", "select list item", "type into list", "calculate", "about"};
    return std::string(names[static_cast<int>(x.kind)]) + " " + std::to_string(x.a) + " " + std::to_string(x.b)
        + (x.c ? " +round" : "");
}

std::vector<Action> actionsFor(unsigned seed, int count)
{
    std::mt19937 rng(seed);
    auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    std::vector<Action> list;
    for (int i = 0; i < count; ++i) {
        Action x{static_cast<Kind>(pick(0, 11))};
        switch (x.kind) {
        case Kind::ClickBand: x.a = pick(1, 5); break;
        case Kind::PickColour: x.a = pick(0, 11); break;
        case Kind::PickTolerance: x.a = pick(0, 5); break;
        case Kind::BandCount: x.a = pick(4, 5); break;
        case Kind::Kind: x.a = pick(0, 3); break;
        case Kind::ListSelect: x.a = pick(0, 5); break;
        case Kind::About: x.a = pick(0, 2); break;
        case Kind::Calculate:
            x.a = pick(0, 2);
            x.c = pick(0, 3) == 0;
            if (pick(0, 3) == 0) {
                x.b = -1 - pick(0, badCount - 1);
            } else {
                const std::int64_t largest = kelvane::limitOf(static_cast<kelvane::Unit>(x.a)).largest;
                // Log-uniform over the unit's range.
                const double e = std::uniform_real_distribution<double>(0.0, std::log10(double(largest)))(rng);
                x.b = std::clamp<std::int64_t>(static_cast<std::int64_t>(std::pow(10.0, e)), 1, largest);
            }
            break;
        default: break;
        }
        list.push_back(x);
    }
    return list;
}

} // namespace

class RandomTest : public QObject {
    Q_OBJECT

    Harness h;

    // As a window manager does, a click on a window activates it first.
    static void activate(QWidget* window)
    {
        window->activateWindow();
        (void)waitedFor([window] { return window->isActiveWindow(); }, "the clicked window active");
    }

    // Acts as a person would; rejected tells what a Calculate run did wrong.
    void act(const Action& x, std::string& rejected)
    {
        TMainform* m = h.main();
        switch (x.kind) {
        case Kind::ClickBand:
            if (x.a != 4 || !h.ring(4)->isHidden())
                Harness::click(h.ring(x.a));
            break;
        case Kind::PickColour: {
            if (!h.w.selectcolor->isVisible())
                break;
            std::vector<BandPanel*> shown;
            for (auto* p : h.w.selectcolor->findChildren<BandPanel*>())
                if (!p->isHidden())
                    shown.push_back(p);
            activate(h.w.selectcolor);
            Harness::click(shown[static_cast<std::size_t>(x.a) % shown.size()]);
            break;
        }
        case Kind::CloseColour:
            if (h.w.selectcolor->isVisible()) {
                activate(h.w.selectcolor);
                h.w.selectcolor->close();
            }
            break;
        case Kind::PickTolerance:
            if (h.w.Tolform->isVisible()) {
                activate(h.w.Tolform);
                Harness::click(h.w.Tolform->findChildren<BandPanel*>().at(x.a));
            }
            break;
        case Kind::CloseTolerance:
            if (h.w.Tolform->isVisible()) {
                activate(h.w.Tolform);
                h.w.Tolform->close();
            }
            break;
        case Kind::ClickMain: Harness::click(h.child("GroupBox2")); break;
        case Kind::BandCount: Harness::click(h.child(x.a == 4 ? "N4colorrings" : "N5colorrings")); break;
        case Kind::Kind:
            if (x.a < 2) {
                if (m->isActiveWindow())
                    QTest::keyClick(m, x.a == 0 ? Qt::Key_R : Qt::Key_C, Qt::ControlModifier);
            } else {
                m->findChild<QAction*>(QString::fromLatin1(x.a == 2 ? "Resistor1" : "Capasitor1"))->trigger();
            }
            break;
        case Kind::ListSelect: h.child<QComboBox>("Tolerance")->setCurrentIndex(x.a); break;
        case Kind::ListType: QTest::keyClicks(h.child<QComboBox>("Tolerance")->lineEdit(), QStringLiteral("3")); break;
        case Kind::Calculate: {
            if (!m->isActiveWindow())
                activate(m);
            Harness::click(h.child(x.a == 0 ? "ohm" : x.a == 1 ? "Kohm" : "Mohm"));
            if (x.c)
                Harness::click(h.child("round"));
            QString entry = x.b < 0 ? QString::fromLatin1(badEntries[-x.b - 1]) : QString::number(x.b);
            if (x.b == -badCount)
                entry = QString::number(kelvane::limitOf(static_cast<kelvane::Unit>(x.a)).largest + 1);
            h.child<QLineEdit>("Entervalue")->setText(entry);
            const kelvane::BandState before = m->bandState();
            const QString shownBefore = h.shown();
            const QString actualBefore = h.child<QLabel>("actualvalue")->text();
            const BoxSeen box = h.calculate();
            if (box.shown != (x.b < 0))
                rejected = box.shown ? "a good entry was refused" : "a bad entry was taken";
            else if (box.shown
                && (m->bandState().ring != before.ring || h.shown() != shownBefore
                    || h.child<QLabel>("actualvalue")->text() != actualBefore || m->bandState().digit1 != before.digit1
                    || m->bandState().digit2 != before.digit2 || m->bandState().digit3 != before.digit3
                    || m->bandState().digit4 != before.digit4))
                rejected = "a rejected entry changed the window";
            break;
        }
        case Kind::About:
            if (x.a == 0) {
                m->findChild<QAction*>(QStringLiteral("About1"))->trigger();
            } else if (h.w.AboutBox->isVisible()) {
                activate(h.w.AboutBox);
                if (x.a == 1)
                    Harness::click(h.w.AboutBox->findChild<QPushButton*>(QStringLiteral("BitBtn1")));
                else
                    h.w.AboutBox->close();
            }
            break;
        }
        QCoreApplication::processEvents();
    }

    // What must always hold; "" when it does.
    std::string broken()
    {
        const kelvane::BandState s = h.main()->bandState();
        if (s.colour(1) == colourOf(Hue::Black))
            return "band 1 is Black";
        if (s.bandcount == 5 && (s.colour(3) == colourOf(Hue::Gold) || s.colour(3) == colourOf(Hue::Silver)))
            return "a Gold or Silver third digit";
        if (s.bandcount == 4 && (s.colour(3) == colourOf(Hue::White) || s.colour(3) == colourOf(Hue::Gray)))
            return "a White or Gray 4-band multiplier";
        if (s.ring4Shown != (s.bandcount == 5))
            return "band 4 shown with 4 bands or hidden with 5";
        const bool complete = kelvane::isSet(s.colour(1)) && kelvane::isSet(s.colour(2)) && kelvane::isSet(s.colour(3))
            && (s.bandcount == 4 || kelvane::isSet(s.colour(4)));
        const QString shown = h.shown();
        if ((shown == QStringLiteral("Select colors")) == complete)
            return "\"Select colors\" does not match the bands: " + shown.toStdString();
        if (complete) {
            std::vector<Hue> hues;
            for (int band = 1; band <= s.bandcount - 1; ++band) {
                const auto hue = kelvane::hueOf(s.colour(band));
                if (!hue)
                    return "band " + std::to_string(band) + " has no palette colour";
                hues.push_back(*hue);
            }
            const std::int64_t value = hues.size() == 3 ? testbands::hundredths({hues[0], hues[1], hues[2]})
                                                        : testbands::hundredths({hues[0], hues[1], hues[2], hues[3]});
            const std::string expected = testbands::expectedText(value, s.resistor);
            if (shown.toStdString() != expected)
                return "shows " + shown.toStdString() + " for bands worth " + expected;
        }
        // The cycle once more changes nothing.
        h.main()->FormActivate();
        const kelvane::BandState again = h.main()->bandState();
        if (again.ring != s.ring || again.digit1 != s.digit1 || again.digit2 != s.digit2 || h.shown() != shown)
            return "running the cycle again changed the window";
        return {};
    }

    // Runs a list on fresh windows; the index of the failing action, or -1.
    int run(const std::vector<Action>& list, std::string& why)
    {
        h.start();
        (void)waitedFor([this] { return h.main()->isActiveWindow(); }, "the main window active");
        int failed = -1;
        for (std::size_t i = 0; i < list.size() && failed < 0; ++i) {
            act(list[i], why);
            if (why.empty())
                why = broken();
            if (!why.empty())
                failed = static_cast<int>(i);
        }
        h.stop();
        return failed;
    }

    // Drops chunks of actions while the list still fails.
    std::vector<Action> shrink(std::vector<Action> list)
    {
        for (std::size_t chunk = list.size() / 2; chunk >= 1; chunk /= 2) {
            for (std::size_t start = 0; start + chunk <= list.size();) {
                std::vector<Action> shorter(list.begin(), list.begin() + static_cast<std::ptrdiff_t>(start));
                shorter.insert(shorter.end(), list.begin() + static_cast<std::ptrdiff_t>(start + chunk), list.end());
                std::string why;
                const int failed = run(shorter, why);
                if (failed >= 0)
                    list.assign(shorter.begin(), shorter.begin() + failed + 1);
                else
                    start += chunk;
            }
        }
        return list;
    }

private slots:
    void initTestCase() { prepareApplication(); }

    void randomSequences_data()
    {
        QTest::addColumn<unsigned>("seed");
        for (unsigned seed = 1; seed <= 8; ++seed)
            QTest::addRow("%u", seed) << seed;
    }

    void randomSequences()
    {
        QFETCH(unsigned, seed);
        const std::vector<Action> list = actionsFor(seed, 2500);
        std::string why;
        const int failed = run(list, why);
        if (failed < 0)
            return;
        const std::vector<Action> shortest = shrink(std::vector<Action>(list.begin(), list.begin() + failed + 1));
        std::string report = "seed " + std::to_string(seed) + ", action " + std::to_string(failed) + ": " + why
            + "\nshortest list that fails (" + std::to_string(shortest.size()) + " actions):";
        for (const Action& x : shortest)
            report += "\n  " + describe(x);
        QFAIL(report.c_str());
    }
};

QTEST_MAIN(RandomTest)
#include "tst_random.moc"
