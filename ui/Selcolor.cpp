#include "Selcolor.h"

#include "bandpanel.h"
#include "look.h"

#include <QHideEvent>

namespace {

struct Place {
    const char* name; // the object name; the caption is the palette's name
    int left, top, width;
};

// Indexed by Hue. Gold lies on White and Silver on Gray: a multiplier band
// offers them in those places.
constexpr std::array<Place, kelvane::hueCount> places{{
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
}};

constexpr int panelHeight = 27;

} // namespace

Tselectcolor::Tselectcolor(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("selectcolor"));
    setWindowTitle(tr("Select color"));
    setFixedSize(263, 70);
    setFont(layoutFont(false));
    for (std::size_t i = 0; i < kelvane::hueCount; ++i) {
        const auto hue = static_cast<kelvane::Hue>(i);
        const kelvane::Swatch& swatch = kelvane::palette[i];
        auto* panel = new BandPanel(QString::fromLatin1(places[i].name), BandPanel::Bevel::Lowered, this);
        panel->setGeometry(places[i].left, places[i].top, places[i].width, panelHeight);
        panel->setColourValue(swatch.value);
        const QColor text = hue == kelvane::Hue::Silver ? palette().color(QPalette::WindowText)
            : swatch.lightText                          ? QColor(Qt::white)
                                                        : QColor(Qt::black);
        panel->setCaption(QString::fromLatin1(swatch.name), text);
        connect(panel, &BandPanel::clicked, this, [this, hue] { colourClick(hue); });
        panels_[i] = panel;
    }
    showPanels(kelvane::layoutPanels());
}

void Tselectcolor::showPanels(const kelvane::PanelSet& shown)
{
    for (std::size_t i = 0; i < panels_.size(); ++i)
        panels_[i]->setVisible(shown.test(i));
}

void Tselectcolor::colourClick(kelvane::Hue hue)
{
    // Stored before closing: the closing runs the main window's cycle.
    pick = kelvane::pickOf(hue);
    close();
}

void Tselectcolor::hideEvent(QHideEvent* event)
{
    // Minimising hides the dialog too, but it is still open for its band.
    if (!event->spontaneous())
        showPanels(kelvane::layoutPanels());
    QDialog::hideEvent(event);
}
