// The labels window: which values go on labels (typed, a series over a range,
// the person's parts list, or a bill of materials' values with their
// references, from a file chosen once a session), on which sheet, from which of its labels and
// with which bands. Each change reads the fields through the engine into a
// run of parts and tells how many labels and sheets it makes, or what is
// wrong; preview, print and PDF draw that run. Each sheet's calibration is
// kept in the calibration file: shown when the sheet is chosen, stored when
// changed, and drawn on the labels and on the sheet's calibration page.
#pragma once

#include "paper/labelpages.h"
#include "shared/calibrationfile.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

class TLabels : public QDialog {
    Q_OBJECT

public:
    explicit TLabels(QWidget* parent);

    // The run the fields make, or nullopt with the reason shown.
    std::optional<LabelRun> run();
    bool savePdf(const QString& file);
    // Labels from this bill of materials, read again for each run.
    void useBom(const QString& file);

private:
    void createControls();
    void SourceChange();
    bool chooseBom();
    void BomFileClick();
    void SheetChange();
    void CalibrationChange();
    void FieldsChange();
    void PreviewClick();
    void CalibrationClick();
    void PrintClick();
    void SavePdfClick();

    QComboBox* Source = nullptr;
    QPushButton* BomFile = nullptr;
    QLineEdit* Values = nullptr;
    QComboBox* Series = nullptr;
    QLineEdit* From = nullptr;
    QLineEdit* To = nullptr;
    QComboBox* Sheet = nullptr;
    QComboBox* Bands = nullptr;
    QSpinBox* Start = nullptr;
    QPushButton* Calibration = nullptr;
    QDoubleSpinBox* OffsetX = nullptr;
    QDoubleSpinBox* OffsetY = nullptr;
    QDoubleSpinBox* ScaleX = nullptr;
    QDoubleSpinBox* ScaleY = nullptr;
    QLabel* Count = nullptr;
    QPushButton* Preview = nullptr;
    QPushButton* Print = nullptr;
    QPushButton* SavePdf = nullptr;
    calibrationfile::BySheet calibrations;
    QString bomPath; // empty until one is chosen
};
