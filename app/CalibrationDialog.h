#pragma once

#include "Calibration.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;

// Calibrate: the calibration page printed on the stock's paper, and what the
// user measured on it typed in, in millimetres or inches; Accept gives the
// correction that puts every label where it belongs on this printer.
class CCalibrationDialog : public QDialog {
    Q_OBJECT
public:
    CCalibrationDialog(const SheetLayout& layout, const QString& printerName, QWidget* parent);

    // The correction the measures give; none until they give one.
    const std::optional<PrintCorrection>& Correction() const { return m_correction; }
    // Its parts, for tests and for the dialog's own Print button.
    QPushButton* PrintButton() const { return m_print; }
    QComboBox* Unit() const { return m_unit; }
    QDoubleSpinBox* Measure(int index) const { return m_measures[index]; }

signals:
    void PrintPageRequested();

public slots:
    void accept() override;

private:
    void ShowUnit();

    SheetLayout m_layout;
    QComboBox* m_unit = nullptr;        // mm, in
    QDoubleSpinBox* m_measures[4] = {}; // left, top, across, down
    QLabel* m_markNames[2] = {};        // across, down
    QLabel* m_refusal = nullptr;
    QPushButton* m_print = nullptr;
    std::optional<PrintCorrection> m_correction;
};
