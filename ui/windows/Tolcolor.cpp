#include "Tolcolor.h"

#include "shared/bandpanel.h"
#include "shared/look.h"

namespace {

// The caption is the colour's name.
struct TolerancePanel {
    PanelPlace place;
    int index; // tolerance list index
};

constexpr TolerancePanel places[] = {
    {{"Green", 6, 6, 46}, 5},
    {{"Brown", 58, 6, 46}, 4},
    {{"Red", 110, 6, 45}, 3},
    {{"Gold", 6, 38, 46}, 2},
    {{"Silver", 58, 38, 45}, 1},
    {{"None", 110, 38, 46}, 0},
};

} // namespace

TTolform::TTolform(QWidget* parent)
    : ColourDialog(QStringLiteral("Tolform"), tr("Tol."), 161, parent)
{
    for (const TolerancePanel& p : places) {
        BandPanel* panel = addPanel(p.place);
        const kelvane::Colour colour = kelvane::toleranceList[static_cast<std::size_t>(p.index)].colour;
        const auto hue = kelvane::hueOf(colour);
        // "None" stands on the ordinary panel face, not on the body colour it picks.
        if (hue)
            panel->setColourValue(colour);
        else
            panel->setColor(palette().color(QPalette::Button));
        const bool light = hue && kelvane::palette[static_cast<std::size_t>(*hue)].lightText;
        panel->setCaption(hue ? colourCaption(*hue) : tr("None"), light ? Qt::white : Qt::black);
        panel->setAccessibleDescription(
            QStringLiteral("\u00B1%1")
                .arg(QString::fromLatin1(kelvane::toleranceList[static_cast<std::size_t>(p.index)].text)));
        const int index = p.index;
        connect(panel, &BandPanel::clicked, this, [this, index] { toleranceClick(index); });
    }
    finishPanels();
}

BandPanel* TTolform::panelOf(kelvane::Hue hue) const
{
    for (BandPanel* panel : findChildren<BandPanel*>())
        if (panel->colourValue() == kelvane::colourOf(hue))
            return panel;
    return nullptr;
}

void TTolform::openFor(kelvane::TolerancePick preload, QPoint at, bool byKeyboard)
{
    move(at);
    presentWindow(this);
    focusColour(preload.bandcolor, byKeyboard);
}

void TTolform::toleranceClick(int index)
{
    // Handed on before closing: the closing runs the main window's cycle.
    emit tolerancePicked(kelvane::tolerancePick(index));
    close();
}
