// The markings window: a typed SMD or capacitor code, and the main window's
// bands, each with its value, its standard series and the range its
// tolerance gives; the bands also with their codes and their reading from
// the other end. It is given the bands' reading, an engine value, with every
// change; each change of either runs them through the engine and writes the
// labels.
#pragma once

#include <kelvane/reading.h>

#include <QDialog>

class QLabel;
class QLineEdit;
class ValueReadout;

class TMarkings : public QDialog {
    Q_OBJECT

public:
    explicit TMarkings(QWidget* parent);

    // The main window's bands, after any change of them, of its value or of
    // the component kind.
    void showBands(const kelvane::BandReading& bands);

private:
    void createControls();
    void CodeChange();
    void showResult(QLabel* label, const QString& text);

    kelvane::BandReading bands_;
    QLineEdit* Code = nullptr;
    QLabel* CodeValue = nullptr;
    QLabel* CodeKind = nullptr;
    QLabel* CodeSeries = nullptr;
    QLabel* CodeRange = nullptr;
    QLabel* BandValue = nullptr;
    QLabel* BandSeries = nullptr;
    QLabel* BandCodes = nullptr;
    QLabel* BandRange = nullptr;
    QLabel* BandReversed = nullptr;
    ValueReadout* spoken_ = nullptr;
};
