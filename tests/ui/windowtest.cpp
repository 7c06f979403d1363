#include "windowtest.h"

void WindowTest::initTestCase() { prepareApplication(); }

// Windows are kept only after a passing row that read them, so they are
// still as they started.
void WindowTest::init()
{
    if (h.main() && rowsOnlyRead(QTest::currentTestFunction()))
        return;
    h.stop(); // windows kept by a function that only read them
    h.start();
    WAIT_UNTIL(h.main()->isActiveWindow());
}

void WindowTest::cleanup()
{
    if (!rowsOnlyRead(QTest::currentTestFunction()) || QTest::currentTestFailed())
        h.stop();
}
