// The tolerance dialog for band 5, opened with the pick the band holds. A
// click on a colour hands its pick on by tolerancePicked and closes the
// dialog; the main window's refresh cycle colours the band and selects the
// list item.
#pragma once

#include <kelvane/bands.h>

#include "shared/colourdialog.h"

class TTolform : public ColourDialog {
    Q_OBJECT

public:
    explicit TTolform(QWidget* parent);

    // Opens at a place with the keyboard on the preloaded colour.
    void openFor(kelvane::TolerancePick preload, QPoint at, bool byKeyboard);

signals:
    // A colour was clicked; the dialog closes right after.
    void tolerancePicked(kelvane::TolerancePick pick);

protected:
    BandPanel* panelOf(kelvane::Hue hue) const override;

private:
    void toleranceClick(int index);
};
