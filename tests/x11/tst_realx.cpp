// Decoding by real pointer clicks on an X server, with the activation coming
// from the window manager (run under openbox) or from the program itself
// (run with none). Clicks go through the XTEST extension, as a person's do.
// With KELVANE_SCREENSHOT set, the decoded window, as the server shows it, is
// saved there: the README's picture.
#include "../ui/harness.h"

#include <QImage>
#include <QMenuBar>
#include <QPixmap>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>

namespace {

QString run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(10000);
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

} // namespace

class RealXTest : public QObject {
    Q_OBJECT

    Harness h;

    static void xclick(QWidget* w)
    {
        const QPoint at = w->mapToGlobal(w->rect().center());
        run(QStringLiteral("xdotool"),
            {QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(at.x()), QString::number(at.y()),
                QStringLiteral("click"), QStringLiteral("1")});
    }

    // Clicks band k, waits for the dialog, clicks a colour in it.
    void pickFor(int band, BandPanel* colour)
    {
        QWidget* dialog = band == 5 ? static_cast<QWidget*>(h.w.Tolform) : h.w.selectcolor;
        xclick(h.ring(band));
        QTRY_VERIFY_WITH_TIMEOUT(dialog->isVisible() && dialog->isActiveWindow(), 10000);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        const int before = h.activations->count();
        xclick(colour);
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->isVisible() && h.main()->isActiveWindow(), 10000);
        QTest::qWait(200); // time for a second, wrong, cycle to show up
        QCOMPARE(h.activations->count(), before + 1);
    }

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        prepareApplication();
        h.start();
        QVERIFY(QTest::qWaitForWindowExposed(h.main()));
        QTRY_VERIFY_WITH_TIMEOUT(h.main()->isActiveWindow(), 10000);
    }
    void cleanupTestCase() { h.stop(); }

    void titleAndClientAreaOnTheServer()
    {
        const QString id = QString::number(h.main()->winId());
        QCOMPARE(run(QStringLiteral("xprop"), {QStringLiteral("-id"), id, QStringLiteral("WM_NAME")}).trimmed(),
            QStringLiteral("WM_NAME(STRING) = \"Kelvane v2.11\""));
        const QString info = run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id});
        const auto number = [&info](const char* key) {
            return QRegularExpression(QStringLiteral("%1:\\s+(\\d+)").arg(QLatin1String(key)))
                .match(info)
                .captured(1)
                .toInt();
        };
        QCOMPARE(number("Width"), 291);
        QCOMPARE(number("Height"), 245 + h.main()->menuBar()->height());
        QCOMPARE(h.tolerance(), QStringLiteral("20%"));
        QCOMPARE(h.shown(), QStringLiteral("Select colors"));
        QCOMPARE(h.activations->count(), 1);
    }

    void wholeDecoding()
    {
        pickFor(1, h.colourPanel("yellow"));
        QCOMPARE(h.w.selectcolor->windowTitle(), QStringLiteral("Ring1"));
        QCOMPARE(h.w.selectcolor->pos(), h.main()->pos() + QPoint(17, 30));
        QCOMPARE(h.ring(1)->colourValue(), kelvane::colourOf(kelvane::Hue::Yellow));
        QCOMPARE(h.shown(), QStringLiteral("Select colors"));
        pickFor(2, h.colourPanel("violet"));
        QCOMPARE(h.shown(), QStringLiteral("Select colors"));
        pickFor(3, h.colourPanel("red"));
        QCOMPARE(h.shown(), QStringLiteral("4,7 Kohm"));
        pickFor(5, h.tolerancePanel("Gold"));
        QCOMPARE(h.w.Tolform->pos(), h.main()->pos() + QPoint(136, 30));
        QCOMPARE(h.tolerance(), QStringLiteral("5%"));
        QCOMPARE(h.ring(5)->colourValue(), kelvane::colourOf(kelvane::Hue::Gold));
        QCOMPARE(h.shown(), QStringLiteral("4,7 Kohm"));
    }

    // What the X server shows of the decoded window: each band in its colour.
    void screenshotOfTheDecodedWindow()
    {
        QTest::qWait(100); // the last repaint reaches the server
        const QImage shot = h.main()->screen()->grabWindow(h.main()->winId()).toImage();
        QCOMPARE(shot.size(), h.main()->size());
        const struct {
            int band;
            kelvane::Hue hue;
        } bands[]
            = {{1, kelvane::Hue::Yellow}, {2, kelvane::Hue::Violet}, {3, kelvane::Hue::Red}, {5, kelvane::Hue::Gold}};
        for (const auto& b : bands) {
            const QPoint at = h.ring(b.band)->mapTo(h.main(), h.ring(b.band)->rect().center());
            QCOMPARE(shot.pixelColor(at), toQColor(kelvane::colourOf(b.hue)));
        }
        const QString path = qEnvironmentVariable("KELVANE_SCREENSHOT");
        if (!path.isEmpty())
            QVERIFY(shot.save(path, "PNG"));
    }

    // A click into the main window while the dialog is active: one cycle.
    void clickIntoMainWhileDialogIsActive()
    {
        xclick(h.ring(2));
        QTRY_VERIFY_WITH_TIMEOUT(h.w.selectcolor->isActiveWindow(), 10000);
        const int before = h.activations->count();
        xclick(h.child("GroupBox2"));
        QTRY_VERIFY_WITH_TIMEOUT(h.main()->isActiveWindow(), 10000);
        QTest::qWait(200);
        QCOMPARE(h.activations->count(), before + 1);
        QVERIFY(h.w.selectcolor->isVisible());
        QCOMPARE(h.shown(), QStringLiteral("4,7 Kohm"));
        h.w.selectcolor->close();
        QTRY_VERIFY_WITH_TIMEOUT(h.main()->isActiveWindow(), 10000);
    }
};

QTEST_MAIN(RealXTest)
#include "tst_realx.moc"
