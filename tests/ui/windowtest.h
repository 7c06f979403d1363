// Base of the offscreen window tests: fresh windows for every test function
// and every row of its data, shown and active, and the clicks that colour a
// band. Functions that only read the windows as they start share one start.
#pragma once

#include "harness.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QObject>

#include <functional>

class WindowTest : public QObject {
    Q_OBJECT

protected:
    Harness h;

    // Whether a function's rows only read the windows as they start.
    virtual bool rowsOnlyRead(const char* /*function*/) const { return false; }

    // A window opened by its shortcut, or by the pointer through its menu
    // item; null unless it comes up active.
    template <class Window> Window* openWindow(const char* menuName, const char* item, Qt::Key key, bool byMouse)
    {
        if (byMouse) {
            auto* menu = h.main()->findChild<QMenu*>(QString::fromLatin1(menuName));
            QMenuBar* bar = h.main()->menuBar();
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
            if (!waitedFor([menu] { return menu->isVisible() && menu->windowHandle()->isExposed(); }, "the menu shown"))
                return nullptr;
            const QRect at = menu->actionGeometry(h.main()->findChild<QAction*>(QString::fromLatin1(item)));
            QTest::mouseClick(menu, Qt::LeftButton, {}, at.center());
        } else {
            QTest::keyClick(h.main(), key, Qt::ControlModifier);
        }
        auto* w = h.main()->findChild<Window*>();
        return w && waitedFor([w] { return w->isActiveWindow(); }, "the window opened active") ? w : nullptr;
    }

    // Escape and the close box hide a window opened with text typed into it,
    // each running the cycle once; the window is kept for the next opening,
    // by the pointer or the keyboard, and still holds what kept checks.
    template <class Window>
    void leaveAndReopen(
        const std::function<Window*(bool)>& open, const QString& typed, const std::function<void(Window*)>& kept)
    {
        Window* first = open(true);
        QVERIFY(first);
        QTest::keyClicks(QApplication::focusWidget(), typed);
        const std::function<void()> leave[]
            = {[first] { QTest::keyClick(first, Qt::Key_Escape); }, [first] { first->close(); }};
        for (std::size_t i = 0; i < std::size(leave); ++i) {
            const int before = h.activations->count();
            leave[i]();
            QVERIFY(!first->isVisible());
            QCOMPARE(h.activations->count(), before + 1);
            WAIT_UNTIL(h.main()->isActiveWindow());
            QCOMPARE(open(i == 0), first);
            kept(first);
        }
    }

    // Colours band k by a pick in the colour dialog.
    void colourBand(int band, const char* colour)
    {
        OPEN_BAND(h, band);
        PICK(h, h.colourPanel(colour));
    }

private slots:
    void initTestCase();
    void init();
    void cleanup();
};
