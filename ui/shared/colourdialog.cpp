#include "colourdialog.h"

#include "shared/bandpanel.h"
#include "shared/look.h"

#include <QKeyEvent>

#include <algorithm>
#include <cstdlib>

namespace {
constexpr int panelHeight = 27;
}

ColourDialog::ColourDialog(const QString& name, const QString& title, int width, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(name);
    setWindowTitle(title);
    setFixedSize(width, 70);
    setFont(layoutFont(false));
}

BandPanel* ColourDialog::addPanel(const PanelPlace& place)
{
    auto* panel = new BandPanel(QString::fromLatin1(place.name), BandPanel::Bevel::Lowered, this);
    panel->setGeometry(place.left, place.top, place.width, panelHeight);
    panel->setFocusPolicy(Qt::TabFocus);
    panel->installEventFilter(this);
    readingOrder_.push_back(panel);
    return panel;
}

void ColourDialog::finishPanels()
{
    // Panels sharing a place (Gold on White, Silver on Gray) keep their order.
    std::stable_sort(readingOrder_.begin(), readingOrder_.end(), [](const BandPanel* a, const BandPanel* b) {
        return std::make_pair(a->y(), a->x()) < std::make_pair(b->y(), b->x());
    });
    for (std::size_t i = 1; i < readingOrder_.size(); ++i)
        setTabOrder(readingOrder_[i - 1], readingOrder_[i]);
}

std::vector<BandPanel*> ColourDialog::shownInReadingOrder() const
{
    std::vector<BandPanel*> shown;
    std::copy_if(readingOrder_.begin(), readingOrder_.end(), std::back_inserter(shown),
        [](const BandPanel* p) { return !p->isHidden(); });
    return shown;
}

void ColourDialog::focusColour(kelvane::Colour colour, bool byKeyboard)
{
    const auto shown = shownInReadingOrder();
    if (shown.empty())
        return;
    const auto it
        = std::find_if(shown.begin(), shown.end(), [colour](const BandPanel* p) { return p->colourValue() == colour; });
    setAttribute(Qt::WA_KeyboardFocusChange, byKeyboard);
    (it == shown.end() ? shown.front() : *it)->setFocus(Qt::OtherFocusReason);
}

void ColourDialog::moveTo(BandPanel* panel)
{
    setAttribute(Qt::WA_KeyboardFocusChange, true);
    panel->setFocus(Qt::TabFocusReason);
    update(); // the old place loses its frame, the new one gets it
}

bool ColourDialog::pickByKey(int key)
{
    const auto hue = key < 0x80 ? kelvane::hueOfKey(static_cast<char>(key)) : std::nullopt;
    if (!hue)
        return false;
    BandPanel* panel = panelOf(*hue);
    if (panel && !panel->isHidden())
        panel->click();
    return true; // a colour not offered: nothing happens
}

bool ColourDialog::handleKey(const QKeyEvent* event)
{
    const auto shown = shownInReadingOrder();
    if (shown.empty())
        return false;
    const auto at = std::find(shown.begin(), shown.end(), focusWidget());
    BandPanel* current = at == shown.end() ? nullptr : *at;
    const auto index = static_cast<std::ptrdiff_t>(at - shown.begin());
    const auto count = static_cast<std::ptrdiff_t>(shown.size());
    auto step = [&](std::ptrdiff_t by) {
        moveTo(current ? shown[static_cast<std::size_t>((index + by + count) % count)] : shown.front());
    };
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Tab: step(1); return true;
    case Qt::Key_Left:
    case Qt::Key_Backtab: step(-1); return true;
    case Qt::Key_Up:
    case Qt::Key_Down: {
        if (!current) {
            step(0);
            return true;
        }
        // The nearest panel of the other row, if there is one that way.
        BandPanel* best = nullptr;
        const int centre = current->geometry().center().x();
        for (BandPanel* p : shown) {
            const bool thatWay = event->key() == Qt::Key_Up ? p->y() < current->y() : p->y() > current->y();
            if (thatWay
                && (!best
                    || std::abs(p->geometry().center().x() - centre)
                        < std::abs(best->geometry().center().x() - centre)))
                best = p;
        }
        if (best)
            moveTo(best);
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (current)
            current->click();
        return true;
    default: return pickByKey(event->key());
    }
}

bool ColourDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress
        && !(static_cast<QKeyEvent*>(event)->modifiers() & ~Qt::ShiftModifier & ~Qt::KeypadModifier))
        return handleKey(static_cast<QKeyEvent*>(event));
    return QDialog::eventFilter(watched, event);
}

void ColourDialog::keyPressEvent(QKeyEvent* event)
{
    if (!handleKey(event))
        QDialog::keyPressEvent(event);
}
