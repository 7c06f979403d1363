// The finder: which parts make a value. A typed target, read as it is typed,
// goes with the chosen part set through the engine to the nearest value of
// each series and the best networks; a wanted output voltage to the best
// dividers or a regulator's best feedback pairs. The conditions typed above
// the pages (temperatures, coefficient, wanted tolerance) go with both
// searches, which give each answer its worst case and yield. The part set's
// index is made once per set and kept until another set is chosen or the
// person's parts change. A row's part goes to the main
// window by the showBands signal; My parts come from the parts file, edited
// on the editPartsAsked signal. The window keeps nothing else of its own.
#pragma once

#include <kelvane/network.h>
#include <kelvane/units.h>

#include <QDialog>

#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QTreeWidget;
class ValueReadout;

class TFinder : public QDialog {
    Q_OBJECT

public:
    explicit TFinder(QWidget* parent);
    ~TFinder() override;

    // My parts were edited: read again and chosen.
    void showMyParts();

signals:
    // A part's value, to be shown in the main window's bands.
    void showBands(kelvane::Milli value);
    // "Edit my parts..." was clicked.
    void editPartsAsked();

private:
    void createControls();
    void SourceChange();
    void TargetChange();
    void DividerChange();
    void ConditionsChange();
    void CircuitChange();
    void CopyClick();
    void ShowBandsClick();
    // The first row of a list, or else the status, said where the person is.
    void say(const QTreeWidget* list, const QLabel* status);
    // The list the buttons act on: the one whose row was chosen last on the shown page.
    QTreeWidget* chosenList() const;
    std::unique_ptr<kelvane::PartIndex> index_;
    QString indexProblem_; // why there is no index, or empty
    QTreeWidget* lastNetworkList_ = nullptr;

    QComboBox* Source = nullptr;
    QPushButton* EditParts = nullptr;
    QLabel* PartsProblems = nullptr;
    QLineEdit* LowestTemperature = nullptr;
    QLineEdit* HighestTemperature = nullptr;
    QLineEdit* Tempco = nullptr;
    QLineEdit* Within = nullptr;
    QTabWidget* Pages = nullptr;
    QLineEdit* Target = nullptr;
    QSpinBox* MaxParts = nullptr;
    QLabel* TargetStatus = nullptr;
    QTreeWidget* Nearest = nullptr;
    QTreeWidget* Results = nullptr;
    QRadioButton* PlainDivider = nullptr;
    QRadioButton* FeedbackRegulator = nullptr;
    QRadioButton* AdjustRegulator = nullptr;
    QLineEdit* Vin = nullptr;
    QLineEdit* Vout = nullptr;
    QLineEdit* LeastTotal = nullptr;
    QLineEdit* MostTotal = nullptr;
    QLineEdit* Vref = nullptr;
    QLineEdit* VrefTolerance = nullptr;
    QLineEdit* PinCurrent = nullptr;
    QLabel* DividerStatus = nullptr;
    QTreeWidget* DividerResults = nullptr;
    QPushButton* Copy = nullptr;
    QPushButton* ShowBands = nullptr;
    ValueReadout* spoken_ = nullptr;
};
