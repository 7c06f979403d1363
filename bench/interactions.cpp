// Time of one whole decoding interaction (band click, pick, refresh cycle,
// repaint) and of one Calculate, on the real windows, offscreen.
#include "application.h"
#include "shared/bandpanel.h"
#include "windows/Mainres.h"
#include "windows/Selcolor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cstdio>

namespace {

void click(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    prepareApplication();
    const Windows w = createWindows();
    TMainform* m = w.Mainform.get();
    m->show();
    if (!QTest::qWaitForWindowActive(m))
        return 1;
    auto* ring2 = m->findChild<BandPanel*>(QStringLiteral("ring2"));
    const char* colours[] = {"red", "violet"};
    constexpr int rounds = 500;

    QElapsedTimer t;
    t.start();
    for (int i = 0; i < rounds; ++i) {
        click(ring2);
        (void)QTest::qWaitFor([&] { return w.selectcolor->isActiveWindow(); }, 1000);
        click(w.selectcolor->findChild<BandPanel*>(QString::fromLatin1(colours[i % 2])));
        (void)QTest::qWaitFor([&] { return m->isActiveWindow(); }, 1000);
        m->repaint();
    }
    const double decoding = static_cast<double>(t.nsecsElapsed()) / rounds / 1e6;

    auto* entry = m->findChild<QLineEdit*>(QStringLiteral("Entervalue"));
    auto* calculate = m->findChild<QPushButton*>(QStringLiteral("Calculate"));
    t.restart();
    for (int i = 0; i < rounds; ++i) {
        entry->setText(QString::number(1000 + 37 * i));
        click(calculate);
        m->repaint();
    }
    const double encoding = static_cast<double>(t.nsecsElapsed()) / rounds / 1e6;
    std::printf("decoding interaction  %.3f ms\ncalculate             %.3f ms\n", decoding, encoding);
    return 0;
}
