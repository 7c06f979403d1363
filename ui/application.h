// Every window is made and connected here, and nowhere else. Start-up order:
// the main window, then, hidden, the colour dialog, the tolerance dialog and
// the About box; the markings, finder and labels windows when first asked
// for. All are owned by the main window and kept until it goes. The main
// window asks for the others by its signals, with engine values; their
// picks and parts come back to it by theirs.
#pragma once

#include <memory>

class TMainform;
class Tselectcolor;
class TTolform;
class TAboutBox;

struct Windows {
    std::unique_ptr<TMainform> Mainform;
    Tselectcolor* selectcolor;
    TTolform* Tolform;
    TAboutBox* AboutBox;
};

// The application's title, look, icon and language; before any window is
// created.
void prepareApplication();

Windows createWindows();

// The windows made, the main window shown, then the message loop until the
// main window closes: the exit status.
int runWindows();
