// The colour dialog for bands 1 to 4. A click on a colour stores the pick and
// closes the dialog; the main window's refresh cycle carries the pick into
// the band. The main window reads and writes pick directly.
#pragma once

#include <kelvane/bands.h>

#include <QDialog>

#include <array>

class BandPanel;

class Tselectcolor : public QDialog {
    Q_OBJECT

public:
    explicit Tselectcolor(QWidget* parent);

    kelvane::ColourPick pick;

    void showPanels(const kelvane::PanelSet& shown);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void colourClick(kelvane::Hue hue);

    std::array<BandPanel*, kelvane::hueCount> panels_{};
};
