// The finder: opened by its shortcut or the menu, a value read as it is
// typed into nearest values and networks, a divider and a regulator, each
// under the conditions typed, as the command line finds them; a part sent to
// the main window's bands, the person's own parts, and leaving it.
#include "windowtest.h"

#include "platform/accessible.h"
#include "shared/partsfile.h"
#include "windows/Finder.h"
#include "wording.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

class FinderTest : public WindowTest {
    Q_OBJECT

    TFinder* open(bool byMouse = false) { return openWindow<TFinder>("Options1", "Finder1", Qt::Key_F, byMouse); }
    template <typename T = QWidget> static T* child(const TFinder* f, const char* name)
    {
        return f->findChild<T*>(QString::fromLatin1(name));
    }
    // A row as shown, its columns apart by " | ", and as a screen reader reads it.
    static QString row(const TFinder* f, const char* list, int at, bool spoken = false)
    {
        const QTreeWidgetItem* item = child<QTreeWidget>(f, list)->topLevelItem(at);
        if (!item)
            return {};
        if (spoken)
            return item->data(0, Qt::AccessibleTextRole).toString();
        QStringList columns;
        for (int c = 0; c < item->columnCount(); ++c)
            columns << item->text(c);
        return columns.join(QStringLiteral(" | "));
    }
    // The command line's first answer to the same question, as a row shows it.
    static QString firstAnswer(const char* args)
    {
        QStringList columns
            = outputOf(QStringLiteral(KELVANE_COMMAND), QString::fromLatin1(args).split(QLatin1Char(' ')))
                  .section(QLatin1Char('\n'), 0, 0)
                  .split(QLatin1Char('\t'));
        // Its columns name themselves: "R1 470 ohm", "worst case 3,2 V … 3,4 V".
        const QString worst = QString::fromUtf8(wording::worstCase), yield = QString::fromUtf8(wording::yieldOf);
        for (const QString& named : {QStringLiteral("R1 "), QStringLiteral("R2 "),
                 worst.left(worst.indexOf(QLatin1String("%1"))), yield.left(yield.indexOf(QLatin1String("%1")))})
            for (QString& c : columns)
                if (c.startsWith(named))
                    c.remove(0, named.size());
        return columns.join(QStringLiteral(" | "));
    }
    // The conditions above the pages; null for blank.
    static void setConditions(const TFinder* f, const char* const (&typed)[4])
    {
        const char* fields[] = {"LowestTemperature", "HighestTemperature", "Tempco", "Within"};
        for (std::size_t i = 0; i < std::size(typed); ++i)
            child<QLineEdit>(f, fields[i])->setText(QString::fromLatin1(typed[i]));
    }

private slots:
    void initTestCase()
    {
        prepareApplication();
        usePrivateFiles();
        QFile::remove(partsfile::path());
    }

    // Values typed as a person types them, with the parts and their number.
    void typedValues()
    {
        TFinder* f = open();
        QVERIFY(f);
        WAIT_COMPARE(QApplication::focusWidget(), child(f, "Target"));
        const struct {
            const char* typed;
            int source; // index of Source
            int parts;
            const char* status;
            const char* nearest; // the E24 row
            const char* best;
            const char* spoken;
            const char* conditions[4]{};   // temperatures, coefficient, within
            const char* command = nullptr; // the command line's for the same answers
        } rows[] = {
            {"4k7", 2, 1, "= 4,7 Kohm", "E24 | 4,7 Kohm (0 %) | 4,7 Kohm (0 %)",
                "4,7 Kohm | 4,7 Kohm | 0 % | 4,465 Kohm \u2026 4,935 Kohm | 4,465 Kohm \u2026 4,935 Kohm | \u2014",
                "4.7 kilohms: 4.7 kilohms, exact, from 4.465 kilohms to 4.935 kilohms"},
            {"4k8321", 2, 3, "= 4,8321 Kohm", "E24 | 4,7 Kohm (-2,73 %) | 5,1 Kohm (+5,54 %)",
                "240 ohm + (200 Kohm \u2225 4,7 Kohm) | 4,832 Kohm | -0,00029 % | 4,59 Kohm \u2026 5,074 Kohm"
                " | 4,59 Kohm \u2026 5,074 Kohm | \u2014",
                "240 ohms plus 200 kilohms in parallel with 4.7 kilohms: 4.832 kilohms, 0.00029 percent below, from "
                "4.59 "
                "kilohms to 5.074 kilohms"},
            {"4k85", 2, 2, "= 4,85 Kohm", "E24 | 4,7 Kohm (-3,09 %) | 5,1 Kohm (+5,15 %)",
                "12 Kohm \u2225 8,2 Kohm | 4,871 Kohm | +0,439 % | 4,628 Kohm \u2026 5,115 Kohm | 4,568 Kohm \u2026 "
                "5,181 Kohm | 76,95 % \u00B1 0,13 %",
                "12 kilohms in parallel with 8.2 kilohms: 4.871 kilohms, 0.439 percent above, from 4.628 kilohms to "
                "5.115 kilohms, at worst from 4.568 kilohms to 5.181 kilohms, yield 76.95 percent, give or take 0.13",
                {"-40", "85", nullptr, "2"}, "find 4k85 --series E24 --temp -40..85 --within 2"},
            {"1k", 2, 1, "not a temperature range", "E24 | 1 Kohm (0 %) | 1 Kohm (0 %)", "", "", {"85", "-40"}},
            {"12x", 2, 2, "not a value", "", "", ""},
            {"4990", 5, 2, "= 4,99 Kohm", "E24 | 4,7 Kohm (-5,81 %) | 5,1 Kohm (+2,2 %)",
                "4,99 Kohm | 4,99 Kohm | 0 % | 4,965 Kohm \u2026 5,015 Kohm | 4,965 Kohm \u2026 5,015 Kohm | \u2014",
                ""},
        };
        for (const auto& r : rows) {
            setConditions(f, r.conditions);
            child<QComboBox>(f, "Source")->setCurrentIndex(r.source);
            child<QSpinBox>(f, "MaxParts")->setValue(r.parts);
            child<QLineEdit>(f, "Target")->clear();
            QTest::keyClicks(child(f, "Target"), QString::fromUtf8(r.typed));
            QCOMPARE(child<QLabel>(f, "TargetStatus")->text(), QString::fromUtf8(r.status));
            QCOMPARE(row(f, "Nearest", 2), QString::fromUtf8(r.nearest));
            QCOMPARE(row(f, "Results", 0), QString::fromUtf8(r.best));
            if (*r.spoken)
                QCOMPARE(row(f, "Results", 0, true), QString::fromUtf8(r.spoken));
            if (r.command)
                QCOMPARE(row(f, "Results", 0), firstAnswer(r.command));
            // The best row, or else the status, is the window's status line.
            QCOMPARE(f->findChild<ValueReadout*>()->phrase(),
                *r.best ? row(f, "Results", 0, true) : QString::fromUtf8(r.status));
        }
        // The last row's part in the main window's bands, five of them for three digits.
        auto* results = child<QTreeWidget>(f, "Results");
        results->setCurrentItem(results->topLevelItem(0));
        Harness::click(child(f, "ShowBands"));
        QCOMPARE(h.shown(), QStringLiteral("4,99 Kohm"));
        QVERIFY(h.child<QRadioButton>("N5colorrings")->isChecked());
    }

    void divider()
    {
        TFinder* f = open();
        QVERIFY(f);
        child<QTabWidget>(f, "Pages")->setCurrentIndex(1);
        const struct {
            const char* vin;
            const char* vout;
            const char* status;
            const char* best;
            const char* circuit = "PlainDivider";
            int source = 2;
            const char* reference[3]{"0,8", "1", "0"}; // Vref, its tolerance, the pin's current
            const char* conditions[4]{};
            const char* command = nullptr;
            const char* spoken = nullptr;
        } rows[] = {
            {"5", "3,3", "R1 from the input to the output, R2 from the output to ground.",
                "470 ohm | 910 ohm | 3,297 V | -0,0878 % | 3,183 V \u2026 3,408 V | 3,183 V \u2026 3,408 V | \u2014"},
            {"5", "6", "The output must be above 0 and below the input.", ""},
            {"", "1", "A voltage is a number above 0, as 3,3.", ""},
            {"5", "3,3", "R1 from the input to the output, R2 from the output to ground.",
                "470 ohm | 910 ohm | 3,297 V | -0,0878 % | 3,183 V \u2026 3,408 V | 3,153 V \u2026 3,436 V | 61,63 % "
                "\u00B1 0,15 %",
                "PlainDivider", 2, {}, {"-40", "85", nullptr, "1"},
                "divide 5 3.3 --series E24 --temp -40..85 --within 1"},
            {"", "3,3", "R1 from the output to the pin, R2 from the pin to ground.",
                "3,57 Kohm | 1,15 Kohm | 3,283 V | -0,501 % | 3,234 V \u2026 3,334 V | 3,186 V \u2026 3,384 V"
                " | 99,74 % \u00B1 0,016 %",
                "FeedbackRegulator", 4, {"0,8", "1", ""}, {"-40", "85", "50", "2"},
                "regulator 3.3 --vref 0.8 --vref-tolerance 1 --series E96 --within 2 --temp -40..85 --tempco 50",
                "R1 3.57 kilohms, R2 1.15 kilohms: 3,283 volts, 0.501 percent below, from 3,234 to 3,334 volts,"
                " at worst from 3,186 to 3,384 volts, yield 99.74 percent, give or take 0.016"},
            {"", "5", "R1 from the output to the pin, R2 from the pin to ground.",
                "240 Kohm | 68 Kohm | 5,004 V | +0,0833 % | 4,8 V \u2026 5,211 V | 4,738 V \u2026 5,277 V | 97,76 % "
                "\u00B1 0,047 %",
                "AdjustRegulator", 2, {"1,25", "4", "50"}, {nullptr, nullptr, nullptr, "3"},
                "regulator 5 --vref 1.25 --vref-tolerance 4 --iadj 0.00005 --kind adjust --series E24 --within 3"},
            {"", "0,5", "The output must be above the reference.", "", "FeedbackRegulator"},
            {"", "5", "The reference's tolerance and the pin's current are numbers from 0, as 1.", "",
                "AdjustRegulator", 2, {"1,25", "x", "50"}},
        };
        for (const auto& r : rows) {
            setConditions(f, r.conditions);
            child<QComboBox>(f, "Source")->setCurrentIndex(r.source);
            Harness::click(child(f, r.circuit));
            const char* reference[] = {"Vref", "VrefTolerance", "PinCurrent"};
            for (std::size_t i = 0; i < std::size(r.reference); ++i)
                child<QLineEdit>(f, reference[i])->setText(QString::fromLatin1(r.reference[i]));
            child<QLineEdit>(f, "Vin")->setText(QString::fromLatin1(r.vin));
            child<QLineEdit>(f, "Vout")->setText(QString::fromLatin1(r.vout));
            QCOMPARE(child<QLabel>(f, "DividerStatus")->text(), QString::fromLatin1(r.status));
            QCOMPARE(row(f, "DividerResults", 0), QString::fromUtf8(r.best));
            if (r.command)
                QCOMPARE(row(f, "DividerResults", 0), firstAnswer(r.command));
            if (r.spoken)
                QCOMPARE(row(f, "DividerResults", 0, true), QString::fromUtf8(r.spoken));
        }
    }

    // The person's parts, edited in their dialog, kept in their file and chosen.
    void myParts()
    {
        TFinder* f = open();
        QVERIFY(f);
        child<QSpinBox>(f, "MaxParts")->setValue(2);
        child<QLineEdit>(f, "Target")->setText(QStringLiteral("3k2"));
        QString status;
        QTimer::singleShot(0, f, [&status] {
            QWidget* editor = nullptr;
            if (!waitedFor(
                    [&editor] { return (editor = QApplication::activeModalWidget()) != nullptr; }, "the parts editor"))
                return;
            editor->findChild<QPlainTextEdit*>()->setPlainText(QStringLiteral("# drawer\n1k 1%, 2k2\nx"));
            status = editor->findChild<QLabel*>(QStringLiteral("PartsStatus"))->text();
            editor->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        Harness::click(child(f, "EditParts"));
        QCOMPARE(status, QStringLiteral("Values read: 2\nNot read: line 3: not a value"));
        QCOMPARE(child<QComboBox>(f, "Source")->currentIndex(), 6);
        QFile file(partsfile::path());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("# drawer\n1k 1%, 2k2\nx"));
        file.close();
        QCOMPARE(row(f, "Results", 0),
            QStringLiteral("2,2 Kohm + 1 Kohm | 3,2 Kohm | 0 % | 3,08 Kohm \u2026 3,32 Kohm | 3,08 Kohm \u2026 3,32 "
                           "Kohm | \u2014"));
        // The lines not read below the pages, as many as their room holds; none for a series.
        const struct {
            QByteArray text;
            int source;
            const char* problems;
        } rows[] = {
            {"# drawer\n1k 1%, 2k2\nx", 6, "Not read: line 3: not a value"},
            {"\xEF\xBB\xBF"
             "1k\r\n0\r\n2k2 150%\r\n\xFF\r\n",
                6, "Not read: line 2: value out of range; line 3: tolerance out of range; line 4: not UTF-8 text"},
            {QByteArray("1k\n").repeated(2) + QByteArray("x\n").repeated(100'000), 6,
                "Not read: line 3: not a value; line 4: not a value; line 5: not a value; \u2026"},
            {"x", 2, ""},
        };
        for (const auto& r : rows) {
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(r.text);
            file.close();
            child<QComboBox>(f, "Source")->setCurrentIndex(0);
            child<QComboBox>(f, "Source")->setCurrentIndex(r.source);
            QCOMPARE(child<QLabel>(f, "PartsProblems")->text(), QString::fromUtf8(r.problems));
        }
        QFile::remove(partsfile::path());
    }

    // Escape and the close box hide it, each running the cycle once; it is
    // kept for the next opening, by the pointer or the keyboard.
    void leaving()
    {
        leaveAndReopen<TFinder>([this](bool byMouse) { return open(byMouse); }, QStringLiteral("1k"),
            [](const TFinder* w) { QCOMPARE(child<QLineEdit>(w, "Target")->text(), QStringLiteral("1k")); });
    }
};

QTEST_MAIN(FinderTest)
#include "tst_finder.moc"
