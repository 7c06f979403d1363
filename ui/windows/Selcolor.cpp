#include "Selcolor.h"

#include "platform/accessible.h"
#include "shared/bandpanel.h"
#include "shared/look.h"

#include <QHideEvent>

namespace {

// Indexed by Hue; the caption is the colour's name. Gold lies on White and
// Silver on Gray: a multiplier band offers them in those places.
constexpr auto places = kelvane::indexedBy<kelvane::Hue, PanelPlace>({
    {"black", 6, 6, 46},
    {"brown", 58, 6, 45},
    {"red", 109, 6, 45},
    {"orange", 160, 6, 46},
    {"yellow", 211, 6, 46},
    {"green", 6, 38, 46},
    {"blue", 58, 38, 45},
    {"violet", 109, 38, 45},
    {"gray", 160, 38, 46},
    {"white", 211, 38, 46},
    {"Gold", 211, 38, 46},
    {"Silver", 160, 38, 46},
});

} // namespace

Tselectcolor::Tselectcolor(QWidget* parent)
    : ColourDialog(QStringLiteral("selectcolor"), tr("Select color"), 263, parent)
{
    for (std::size_t i = 0; i < kelvane::hueCount; ++i) {
        const auto hue = static_cast<kelvane::Hue>(i);
        const kelvane::Swatch& swatch = kelvane::palette[i];
        BandPanel* panel = addPanel(places[i]);
        panel->setColourValue(swatch.value);
        const QColor text = hue == kelvane::Hue::Silver ? palette().color(QPalette::WindowText)
            : swatch.lightText                          ? QColor(Qt::white)
                                                        : QColor(Qt::black);
        panel->setCaption(colourCaption(hue), text);
        connect(panel, &BandPanel::clicked, this, [this, hue] { colourClick(hue); });
        panels_[i] = panel;
    }
    finishPanels();
    showPanels(kelvane::layoutPanels());
}

void Tselectcolor::showPanels(const kelvane::PanelSet& shown, bool multiplier)
{
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        const auto hue = static_cast<kelvane::Hue>(i);
        panels_[i]->setVisible(shown.test(i));
        const int exponent = kelvane::exponentOf(hue);
        // ×1000 rather than ×10³: the number a listener knows from the value.
        const QString factor = exponent >= 0
            ? QStringLiteral("1") + QString(exponent, QLatin1Char('0'))
            : spokenNumber(QStringLiteral("0"), QString(-exponent - 1, QLatin1Char('0')) + QLatin1Char('1'));
        const QString meaning
            = multiplier ? tr("multiplier ×%1").arg(factor) : tr("digit %1").arg(kelvane::valueOf(hue));
        if (panels_[i]->accessibleDescription() != meaning) // each change is one more event for a screen reader
            panels_[i]->setAccessibleDescription(meaning);
    }
}

void Tselectcolor::openFor(
    int band, int bandcount, kelvane::ColourPick preload, const QString& name, QPoint at, bool byKeyboard)
{
    showPanels(kelvane::panelsFor(band, bandcount), kelvane::isMultiplierBand(band, bandcount));
    move(at);
    // Named for a listener before it shows; its title is the layout's "Ring1".
    setAccessibleName(name);
    presentWindow(this);
    setWindowTitle(QStringLiteral("Ring%1").arg(band));
    focusColour(preload.pickcolor, byKeyboard);
}

void Tselectcolor::colourClick(kelvane::Hue hue)
{
    // Handed on before closing: the closing runs the main window's cycle.
    emit colourPicked(kelvane::pickOf(hue));
    close();
}

void Tselectcolor::hideEvent(QHideEvent* event)
{
    // Minimising hides the dialog too, but it is still open for its band.
    if (!event->spontaneous())
        showPanels(kelvane::layoutPanels());
    QDialog::hideEvent(event);
}
