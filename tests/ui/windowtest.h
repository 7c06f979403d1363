// Base of the offscreen window tests: fresh windows for every test function,
// shown and active, and the clicks that colour a band.
#pragma once

#include "harness.h"

#include <QObject>

class WindowTest : public QObject {
    Q_OBJECT

protected:
    Harness h;

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
