// The colour dialog for bands 1 to 4, opened for a band with the pick the
// band holds. A click on a colour hands its pick on by colourPicked and
// closes the dialog; the main window's refresh cycle carries the pick into
// the band.
#pragma once

#include <kelvane/bands.h>

#include "shared/colourdialog.h"

#include <array>

class BandPanel;

class Tselectcolor : public ColourDialog {
    Q_OBJECT

public:
    explicit Tselectcolor(QWidget* parent);

    // Opens at a place for band 1..4 of bandcount, named for a listener and
    // offering the band's colours, with the keyboard on the preloaded one.
    void openFor(int band, int bandcount, kelvane::ColourPick preload, const QString& name, QPoint at, bool byKeyboard);

signals:
    // A colour was clicked; the dialog closes right after.
    void colourPicked(kelvane::ColourPick pick);

protected:
    void hideEvent(QHideEvent* event) override;
    BandPanel* panelOf(kelvane::Hue hue) const override { return panels_[static_cast<std::size_t>(hue)]; }

private:
    // The colours offered, each described as a digit or as a multiplier.
    void showPanels(const kelvane::PanelSet& shown, bool multiplier = false);
    void colourClick(kelvane::Hue hue);

    std::array<BandPanel*, kelvane::hueCount> panels_{};
};
