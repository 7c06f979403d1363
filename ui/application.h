// Start-up order: the main window, then, hidden, the colour dialog, the
// tolerance dialog and the About box, all owned by the main window and kept
// until it goes.
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
