// What the two colour dialogs share: a fixed window of colour panels in two
// rows, for the keyboard as well as the pointer. The panels that are shown
// are the colours offered; arrows and Tab move among them in reading order
// (Up and Down to the nearest one in the other row), Space or Enter picks
// the focused one, Escape closes without a pick. A subclass may add keys of
// its own (the colour dialog's digits).
#pragma once

#include <kelvane/palette.h>

#include <QDialog>

#include <vector>

class BandPanel;
class QKeyEvent;

class ColourDialog : public QDialog {
    Q_OBJECT

public:
    // Puts the keyboard on the shown panel of this colour, else on the first
    // one shown; its focus frame shows when the dialog was opened by a key.
    void focusColour(kelvane::Colour colour, bool byKeyboard);

protected:
    ColourDialog(const QString& name, const QString& title, int width, QWidget* parent);

    // A panel at its layout place; call in the panels' order of meaning.
    BandPanel* addPanel(const char* name, int left, int top, int width);
    // Once all are added: Tab goes in reading order.
    void finishPanels();

    // A key of the subclass's own; true when it took it.
    virtual bool pickByKey(int key);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool handleKey(const QKeyEvent* event);
    void moveTo(BandPanel* panel);
    std::vector<BandPanel*> shownInReadingOrder() const;

    std::vector<BandPanel*> readingOrder_; // reading order after finishPanels()
};
