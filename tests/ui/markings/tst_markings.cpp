// The markings window: opened by its shortcut or the menu, a typed code read
// as it is typed, the main window's value followed, and the ways it is left.
// What a screen reader hears of it, screenreader_test.py checks through Orca.
#include "windowtest.h"

#include "windows/Markings.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include <functional>

class MarkingsTest : public WindowTest {
    Q_OBJECT

    // By its shortcut, or by the pointer through Component > Markings....
    TMarkings* open(bool byMouse = false) { return openWindow<TMarkings>("Options1", "Markings1", Qt::Key_M, byMouse); }
    static QString text(const TMarkings* m, const char* name)
    {
        return m->findChild<QLabel*>(QString::fromLatin1(name))->text();
    }

private slots:
    // Codes typed into the entry box as a person types them; the kind follows
    // the main window's switch.
    void typedCodes()
    {
        TMarkings* m = open();
        QVERIFY(m);
        QCOMPARE(text(m, "CodeKind"), QStringLiteral("empty"));
        auto* code = m->findChild<QLineEdit*>(QStringLiteral("Code"));
        const struct {
            const char* code;
            bool capacitor;
            const char* value;
            const char* kind;
            const char* series;
            const char* range;
        } rows[] = {
            {"10R", false, "10 ohm or 1,24 ohm", "letter code or EIA-96 code, 1 %", "E6 or E96", ""},
            {"462", false, "4,6 Kohm", "3-digit code", "not standard; nearest E24: 4,3 Kohm and 4,7 Kohm", ""},
            {"0R", false, "0 ohm", "zero-ohm link", "", ""},
            {"97A", false, "", "no such EIA-96 number", "", ""},
            {"01R", false, "1 ohm", "letter code and EIA-96 code, 1 %", "E6", ""},
            {"R007", false, "0,007 ohm", "letter code", "not standard", ""},
            {"470K", false, "470 Kohm or 47 ohm", "letter code or 3-digit code, \u00B110 %", "E6 or E6",
                "42,3 ohm to 51,7 ohm"},
            {"4n7k", true, "4,7 nF", "letter code, \u00B110 %", "E6", "4,23 nF to 5,17 nF"},
            {"47J", true, "47 pF", "value in pF, \u00B15 %", "E6", "44,65 pF to 49,35 pF"},
        };
        for (const auto& r : rows) {
            if (r.capacitor)
                h.main()->findChild<QAction*>(QStringLiteral("Capasitor1"))->trigger();
            code->clear();
            QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(r.code));
            QCOMPARE(code->text(), QLatin1String(r.code));
            QCOMPARE(text(m, "CodeValue"), QString::fromUtf8(r.value));
            QCOMPARE(text(m, "CodeKind"), QString::fromUtf8(r.kind));
            QCOMPARE(text(m, "CodeSeries"), QString::fromUtf8(r.series));
            QCOMPARE(text(m, "CodeRange"), QString::fromUtf8(r.range));
        }
    }

    void followsTheMainWindow()
    {
        TMarkings* m = open();
        QVERIFY(m);
        QCOMPARE(m->objectName(), QStringLiteral("Markings"));
        QCOMPARE(m->windowTitle(), QStringLiteral("Markings"));
        QCOMPARE(m->minimumSize(), m->maximumSize());
        QWidget* main = h.main();
        auto* entry = h.child<QLineEdit>("Entervalue");
        const struct {
            std::function<void()> act;
            const char* value;
            const char* series;
            const char* codes;
            const char* range;
            const char* reversed;
        } steps[] = {
            {[] {}, "Select colors", "", "", "", ""},
            {[&] { entry->setText(QStringLiteral("4600")), h.calculate(); }, "4,6 Kohm",
                "not standard; nearest E24: 4,3 Kohm and 4,7 Kohm", "462, 4601, 4K6", "3,68 Kohm to 5,52 Kohm",
                "260 Kohm, not standard"},
            {[this] { h.child<QComboBox>("Tolerance")->setCurrentIndex(4); }, "4,6 Kohm",
                "not standard; nearest E24: 4,3 Kohm and 4,7 Kohm", "462, 4601, 4K6", "4,554 Kohm to 4,646 Kohm",
                "12 Mohm, E12; this way is not standard"},
            {[main] { QTest::keyClick(main, Qt::Key_C, Qt::ControlModifier); }, "4,6 nF",
                "not standard; nearest E24: 4,3 nF and 4,7 nF", "462, 4n6", "4,554 nF to 4,646 nF",
                "12 \u00B5F, E12; this way is not standard"},
            {[this] { Harness::click(h.child("N5colorrings")); }, "Select colors", "", "", "", ""},
            {[this] { colourBand(4, "brown"); }, "4,62 nF", "not standard; nearest E96: 4,53 nF and 4,64 nF", "4n62",
                "4,5738 nF to 4,6662 nF", "112 \u00B5F, not standard"},
            {[&] { entry->setText(QStringLiteral("47")), h.calculate(); }, "47 pF", "E6", "470, 47p, 47",
                "46,53 pF to 47,47 pF", "no value"},
        };
        for (const auto& s : steps) {
            s.act();
            for (const auto& [label, shown] : {std::pair{"BandValue", s.value}, {"BandSeries", s.series},
                     {"BandCodes", s.codes}, {"BandRange", s.range}, {"BandReversed", s.reversed}})
                QCOMPARE(text(m, label), QString::fromUtf8(shown));
        }
        // Tab reaches every result, so each can be read again.
        QStringList chain;
        for (QWidget* w = m->findChild<QWidget*>(QStringLiteral("Code")); chain.size() < 10; w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus)
                chain << w->objectName();
        QCOMPARE(chain,
            QStringList({"Code", "CodeValue", "CodeKind", "CodeSeries", "CodeRange", "BandValue", "BandSeries",
                "BandCodes", "BandRange", "BandReversed"}));
    }

    // Escape and the close box hide it, each running the cycle once; it is
    // kept, with its entry, for the next opening, by the pointer or the keyboard.
    void leaving()
    {
        leaveAndReopen<TMarkings>([this](bool byMouse) { return open(byMouse); }, QStringLiteral("4K7"),
            [](const TMarkings* w) { QCOMPARE(text(w, "CodeValue"), QStringLiteral("4,7 Kohm")); });
    }
};

QTEST_MAIN(MarkingsTest)
#include "tst_markings.moc"
