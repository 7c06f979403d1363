// The markings window: a typed SMD or capacitor code, and the main window's
// current value, each with its value, its standard series and its codes. It
// keeps no state of its own: every change reads the entry box and the main
// window's band state, runs them through the engine and writes the labels.
#pragma once

#include <kelvane/decode.h>

#include <QDialog>

class QLabel;
class QLineEdit;
class TMainform;
class ValueReadout;

class TMarkings : public QDialog {
    Q_OBJECT

public:
    explicit TMarkings(TMainform* mainform);

    // The main window's value or component kind changed.
    void MainformChange();

private:
    void createControls();
    void CodeChange();
    bool resistor() const;
    QString written(kelvane::Milli value) const;
    QString seriesText(kelvane::Milli value) const;
    void showResult(QLabel* label, const QString& text);

    TMainform* mainform_;
    QLineEdit* Code = nullptr;
    QLabel* CodeValue = nullptr;
    QLabel* CodeKind = nullptr;
    QLabel* CodeSeries = nullptr;
    QLabel* BandValue = nullptr;
    QLabel* BandSeries = nullptr;
    QLabel* BandCodes = nullptr;
    ValueReadout* spoken_ = nullptr;
};
