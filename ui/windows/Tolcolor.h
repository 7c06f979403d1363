// The tolerance dialog for band 5. A click on a colour stores the pick and
// closes the dialog; the main window's refresh cycle colours the band and
// selects the list item.
#pragma once

#include <kelvane/bands.h>

#include "shared/colourdialog.h"

class TTolform : public ColourDialog {
    Q_OBJECT

public:
    explicit TTolform(QWidget* parent);

    kelvane::TolerancePick pick;

protected:
    BandPanel* panelOf(kelvane::Hue hue) const override;

private:
    void toleranceClick(int index);
};
