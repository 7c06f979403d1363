#include "windowtest.h"

void WindowTest::initTestCase() { prepareApplication(); }

void WindowTest::init()
{
    if (h.main() && keptFor_ == QTest::currentTestFunction())
        return;
    h.stop(); // windows kept for another function's rows
    h.start();
    QVERIFY(QTest::qWaitForWindowActive(h.main()));
}

void WindowTest::cleanup()
{
    keptFor_ = rowsOnlyRead(QTest::currentTestFunction()) && !QTest::currentTestFailed()
        ? QByteArray(QTest::currentTestFunction())
        : QByteArray();
    if (keptFor_.isEmpty())
        h.stop();
}
