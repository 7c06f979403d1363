// Base of the offscreen window tests: fresh windows for every test function,
// shown and active, and the clicks that colour a band.
#pragma once

#include "harness.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QObject>

class WindowTest : public QObject {
    Q_OBJECT

protected:
    Harness h;

    // A window opened by its shortcut, or by the pointer through its menu
    // item; null unless it comes up active.
    template <class Window> Window* openWindow(const char* menuName, const char* item, Qt::Key key, bool byMouse)
    {
        if (byMouse) {
            auto* menu = h.main()->findChild<QMenu*>(QString::fromLatin1(menuName));
            QMenuBar* bar = h.main()->menuBar();
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
            if (!QTest::qWaitForWindowExposed(menu))
                return nullptr;
            const QRect at = menu->actionGeometry(h.main()->findChild<QAction*>(QString::fromLatin1(item)));
            QTest::mouseClick(menu, Qt::LeftButton, {}, at.center());
        } else {
            QTest::keyClick(h.main(), key, Qt::ControlModifier);
        }
        auto* w = h.main()->findChild<Window*>();
        return w && QTest::qWaitForWindowActive(w) ? w : nullptr;
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
