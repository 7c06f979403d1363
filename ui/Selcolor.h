// The colour dialog for bands 1 to 4. A click on a colour stores the pick and
// closes the dialog; the main window's refresh cycle carries the pick into
// the band. The main window reads and writes pick directly. Besides the
// pointer, a digit key picks the colour with that digit, G and S Gold and Silver.
#pragma once

#include <kelvane/bands.h>

#include "colourdialog.h"

#include <array>

class BandPanel;

class Tselectcolor : public ColourDialog {
    Q_OBJECT

public:
    explicit Tselectcolor(QWidget* parent);

    kelvane::ColourPick pick;

    void showPanels(const kelvane::PanelSet& shown);

protected:
    void hideEvent(QHideEvent* event) override;
    bool pickByKey(int key) override; // 0-9 the digit's colour, G Gold, S Silver

private:
    void colourClick(kelvane::Hue hue);

    std::array<BandPanel*, kelvane::hueCount> panels_{};
};
