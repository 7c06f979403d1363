// The main window. Band state that is not in a control (band count, digits,
// curband) lives in bands_; the band colours live in the panels, ring4's
// visibility in ring4 and the component kind in Resistor1's check mark. Every
// handler copies the controls into bands_, lets the engine apply its rule and
// copies the result back, so the rules themselves are all in the engine.
// The dialogs' picks are kept here until the cycle applies them; every other
// window is asked for by a signal and given engine values, never this window.
#pragma once

#include <kelvane/bands.h>
#include <kelvane/decode.h>
#include <kelvane/reading.h>

#include <QMainWindow>
#include <QPoint>

#include <array>
#include <optional>

class BandPanel;
class NoToolTip;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;
class QRadioButton;
class ValueReadout;

class TMainform : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainform(QWidget* parent = nullptr);

    // The band state with the colours, ring4's visibility and the kind read
    // from the controls.
    kelvane::BandState bandState() const;

    // "Band 3", "Tolerance band": a band and its dialog, for a listener.
    static QString bandName(int band);

    // The picks the cycle applies: the colour dialog's for band curband, the
    // tolerance dialog's for band 5; each preloaded as its dialog opens.
    const kelvane::ColourPick& colourPick() const { return pick_; }
    const kelvane::TolerancePick& tolerancePick() const { return tolerancePick_; }
    // A pick made in a dialog, kept for the cycle its closing runs.
    void takeColourPick(kelvane::ColourPick pick);
    void takeTolerancePick(kelvane::TolerancePick pick);

    // The refresh cycle, run when the person comes back from a dialog.
    void FormActivate();
    void calcvalue();

    // A resistor's value in the bands, as if the person had picked their
    // colours, with five bands for three significant digits; then the cycle.
    void ShowBands(kelvane::Milli part);

signals:
    // The bands, the shown value or the component kind may have changed.
    void bandsChanged(const kelvane::BandReading& bands);
    // Band 1..4's colour dialog, to open at a place under a name for a
    // listener, with the keyboard on the preloaded colour.
    void colourDialogAsked(
        int band, int bandcount, kelvane::ColourPick preload, const QString& name, QPoint at, bool byKeyboard);
    void toleranceDialogAsked(kelvane::TolerancePick preload, QPoint at, bool byKeyboard);
    // Windows to show, each from its menu item.
    void aboutAsked();
    void markingsAsked();
    void finderAsked();
    void labelsAsked();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenu();
    void createControls();
    void placeControls();
    void connectControls();

    void readBands();
    void writeBands();
    void showDisplay(const std::optional<kelvane::Display>& display);
    // The cycle; a screen reader hears the bands that changed or were picked
    // and the result, and always the result when speakAlways.
    void cycle(bool speakAlways);
    QString spokenResult() const;
    // The coloured bands up to lastBand, in order, by their names: "Yellow, Violet, Red".
    QString colourNames(int lastBand) const;

    void openBand(int band, bool byKeyboard);          // a band's dialog; nothing for a hidden band 4
    void ringClick(int band, bool byKeyboard = false); // bands 1..4: the colour dialog
    void ring5Click(bool byKeyboard = false);
    void ToleranceChange(int index);
    void N4colorringsClick(bool checked);
    void N5colorringsClick(bool checked);
    void setKind(bool resistor);
    void switchKind(bool resistor); // setKind without the cycle
    void Resistor1Click();
    void Capasitor1Click();
    void Markings1Click();
    void Finder1Click();
    void PrintLabels1Click();
    void Chart1Click();
    void CalculateClick();
    void ShowToolTips1Click();
    void Exit1Click();
    void About1Click();
    void CopyValue1Click();
    void CopyEntered1Click();
    void CopyColors1Click();
    void PB1Paint(QPainter& p);

    kelvane::BandState bands_;
    kelvane::ColourPick pick_;
    kelvane::TolerancePick tolerancePick_;
    int pickedBand_ = 0; // the band a dialog's pick went to since the last cycle; 5 the tolerance
    std::optional<kelvane::Display> display_;

    QAction* Exit1 = nullptr;
    QAction* Resistor1 = nullptr;
    QAction* Capasitor1 = nullptr;
    QAction* ShowToolTips1 = nullptr;
    QAction* About1 = nullptr;
    // The context menus' Copy of the value, the entered value and the band colours.
    QAction* CopyValue1 = nullptr;
    QAction* CopyEntered1 = nullptr;
    QAction* CopyColors1 = nullptr;

    QGroupBox* GroupBox1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QGroupBox* Tol = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    std::array<BandPanel*, 5> ring{};
    QRadioButton* N4colorrings = nullptr;
    QRadioButton* N5colorrings = nullptr;
    ValueReadout* readout = nullptr;
    QLabel* textfield = nullptr;
    QLabel* value = nullptr;
    QLabel* dot = nullptr;
    QLabel* dec = nullptr;
    QLabel* enhet = nullptr;
    QComboBox* Tolerance = nullptr;
    QLineEdit* Entervalue = nullptr;
    QRadioButton* Mohm = nullptr;
    QRadioButton* Kohm = nullptr;
    QRadioButton* ohm = nullptr;
    QCheckBox* round = nullptr;
    QPushButton* Calculate = nullptr;
    QLabel* actualvalue = nullptr;
    NoToolTip* noToolTip_ = nullptr;
};
