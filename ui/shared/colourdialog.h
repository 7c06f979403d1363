// What the two colour dialogs share: a fixed window of colour panels in two
// rows, for the keyboard as well as the pointer. The panels that are shown
// are the colours offered; arrows and Tab move among them in reading order
// (Up and Down to the nearest one in the other row), Space or Enter picks
// the focused one, a digit key the colour with that digit, G Gold and S
// Silver, Escape closes without a pick. Each colour's description says what
// it means where it is offered, for a screen reader.
#pragma once

#include <kelvane/palette.h>

#include <QDialog>

#include <vector>

class BandPanel;

// Where a colour panel lies; its height is the dialog's row height.
struct PanelPlace {
    const char* name; // the object name
    int left, top, width;
};
class QKeyEvent;

class ColourDialog : public QDialog {
    Q_OBJECT

public:
protected:
    ColourDialog(const QString& name, const QString& title, int width, QWidget* parent);

    // Puts the keyboard on the shown panel of this colour, else on the first
    // one shown; its focus frame shows when the dialog was opened by a key.
    void focusColour(kelvane::Colour colour, bool byKeyboard);

    // A panel at its layout place; call in the panels' order of meaning.
    BandPanel* addPanel(const PanelPlace& place);
    // Once all are added: Tab goes in reading order.
    void finishPanels();

    // The panel of a colour, if the dialog has one.
    virtual BandPanel* panelOf(kelvane::Hue hue) const = 0;

    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool pickByKey(int key);
    bool handleKey(const QKeyEvent* event);
    void moveTo(BandPanel* panel);
    std::vector<BandPanel*> shownInReadingOrder() const;

    std::vector<BandPanel*> readingOrder_; // reading order after finishPanels()
};
