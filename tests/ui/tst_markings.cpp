// The markings window: opened by its shortcut, a typed code read as it is
// typed, the main window's value followed, what a screen reader is told, and
// the ways it is left.
#include "windowtest.h"

#include "Markings.h"

#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>
#include <functional>

class MarkingsTest : public WindowTest {
    Q_OBJECT

    // By its shortcut, or by the pointer through Component > Markings....
    TMarkings* open(bool byMouse = false)
    {
        if (byMouse) {
            auto* item = h.main()->findChild<QAction*>(QStringLiteral("Markings1"));
            QMenuBar* bar = h.main()->menuBar();
            const auto titles = bar->actions();
            QAction* component = *std::find_if(
                titles.begin(), titles.end(), [item](QAction* t) { return t->menu()->actions().contains(item); });
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(component).center());
            QMenu* menu = component->menu();
            if (!QTest::qWaitForWindowExposed(menu))
                return nullptr;
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
        } else {
            QTest::keyClick(h.main(), Qt::Key_M, Qt::ControlModifier);
        }
        auto* m = h.main()->findChild<TMarkings*>();
        return m && QTest::qWaitForWindowActive(m) ? m : nullptr;
    }
    static QString text(const TMarkings* m, const char* name)
    {
        return m->findChild<QLabel*>(QString::fromLatin1(name))->text();
    }

private slots:
    void typedCodes_data()
    {
        QTest::addColumn<bool>("capacitor");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("series");
        const struct {
            const char* code;
            bool capacitor;
            const char* value;
            const char* kind;
            const char* series;
        } rows[] = {
            {"4k7", false, "4,7 Kohm", "letter code", "E6"},
            {"10R", false, "10 ohm or 1,24 ohm", "letter code or EIA-96 code, 1 %", "E6 or E96"},
            {"462", false, "4,6 Kohm", "3-digit code", "not standard; nearest E24: 4,3 Kohm and 4,7 Kohm"},
            {"4022", false, "40,2 Kohm", "4-digit code", "E48"},
            {"4n7k", true, "4,7 nF", "letter code, \u00B110 %", "E6"},
            {"0R", false, "0 ohm", "zero-ohm link", ""},
            {"97A", false, "", "no such EIA-96 number", ""},
            {"4K7", true, "", "not a marking", ""},
        };
        for (const auto& r : rows)
            QTest::newRow(r.code) << r.capacitor << QString::fromUtf8(r.value) << QString::fromUtf8(r.kind)
                                  << QString::fromUtf8(r.series);
    }
    void typedCodes()
    {
        QFETCH(bool, capacitor);
        QFETCH(QString, value);
        QFETCH(QString, kind);
        QFETCH(QString, series);
        if (capacitor)
            QTest::keyClick(h.main(), Qt::Key_C, Qt::ControlModifier);
        TMarkings* m = open();
        QVERIFY(m);
        QCOMPARE(text(m, "CodeKind"), QStringLiteral("empty"));
        // Typed into whatever has the keyboard: the entry box.
        QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(QTest::currentDataTag()));
        QCOMPARE(m->findChild<QLineEdit*>(QStringLiteral("Code"))->text(), QTest::currentDataTag());
        QCOMPARE(text(m, "CodeValue"), value);
        QCOMPARE(text(m, "CodeKind"), kind);
        QCOMPARE(text(m, "CodeSeries"), series);
        // Each result is read with its caption.
        const auto heard = [m](const char* name) {
            return QAccessible::queryAccessibleInterface(m->findChild<QLabel*>(QString::fromLatin1(name)))
                ->text(QAccessible::Name);
        };
        QCOMPARE(heard("CodeValue"), QStringLiteral("Value: ") + value);
        QCOMPARE(heard("CodeKind"), QStringLiteral("Kind: ") + kind);
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
            const char* step;
            std::function<void()> act;
            const char* value;
            const char* series;
            const char* codes;
        } steps[] = {
            {"start", [] {}, "Select colors", "", ""},
            {"calculate", [&] { entry->setText(QStringLiteral("4600")), h.calculate(); }, "4,6 Kohm",
                "not standard; nearest E24: 4,3 Kohm and 4,7 Kohm", "462, 4601, 4K6"},
            {"capacitor", [main] { QTest::keyClick(main, Qt::Key_C, Qt::ControlModifier); }, "4,6 nF",
                "not standard; nearest E24: 4,3 nF and 4,7 nF", "462, 4n6"},
            {"5 bands", [this] { Harness::click(h.child("N5colorrings")); }, "Select colors", "", ""},
            {"band 4", [this] { colourBand(4, "brown"); }, "4,62 nF", "not standard; nearest E96: 4,53 nF and 4,64 nF",
                "4n62"},
        };
        for (const auto& s : steps) {
            s.act();
            QCOMPARE(text(m, "BandValue"), QLatin1String(s.value));
            QCOMPARE(text(m, "BandSeries"), QLatin1String(s.series));
            QCOMPARE(text(m, "BandCodes"), QLatin1String(s.codes));
        }
        // Tab reaches every result, so each can be read again.
        QStringList chain;
        for (QWidget* w = m->findChild<QWidget*>(QStringLiteral("Code")); chain.size() < 7; w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus)
                chain << w->objectName();
        QCOMPARE(chain,
            QStringList({"Code", "CodeValue", "CodeKind", "CodeSeries", "BandValue", "BandSeries", "BandCodes"}));
    }

    // Escape and the close box hide it, each running the cycle once; it is
    // kept, with its entry, for the next opening, by the pointer or the keyboard.
    void leaving()
    {
        TMarkings* first = open(true);
        QVERIFY(first);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("4K7"));
        const std::function<void()> leave[]
            = {[first] { QTest::keyClick(first, Qt::Key_Escape); }, [first] { first->close(); }};
        for (std::size_t i = 0; i < std::size(leave); ++i) {
            const int before = h.activations->count();
            leave[i]();
            QVERIFY(!first->isVisible());
            QCOMPARE(h.activations->count(), before + 1);
            QTRY_VERIFY(h.main()->isActiveWindow());
            QCOMPARE(open(i == 0), first);
            QCOMPARE(text(first, "CodeValue"), QStringLiteral("4,7 Kohm"));
        }
    }
};

QTEST_MAIN(MarkingsTest)
#include "tst_markings.moc"
