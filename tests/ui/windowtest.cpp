#include "windowtest.h"

void WindowTest::initTestCase() { prepareApplication(); }

void WindowTest::init()
{
    h.start();
    QVERIFY(QTest::qWaitForWindowActive(h.main()));
}

void WindowTest::cleanup() { h.stop(); }
