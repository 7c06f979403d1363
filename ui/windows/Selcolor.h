// The colour dialog for bands 1 to 4. A click on a colour stores the pick and
// closes the dialog; the main window's refresh cycle carries the pick into
// the band. The main window reads and writes pick directly.
#pragma once

#include <kelvane/bands.h>

#include "shared/colourdialog.h"

#include <array>

class BandPanel;

class Tselectcolor : public ColourDialog {
    Q_OBJECT

public:
    explicit Tselectcolor(QWidget* parent);

    kelvane::ColourPick pick;

    // The colours offered, each described as a digit or as a multiplier.
    void showPanels(const kelvane::PanelSet& shown, bool multiplier = false);

protected:
    void hideEvent(QHideEvent* event) override;
    BandPanel* panelOf(kelvane::Hue hue) const override { return panels_[static_cast<std::size_t>(hue)]; }

private:
    void colourClick(kelvane::Hue hue);

    std::array<BandPanel*, kelvane::hueCount> panels_{};
};
