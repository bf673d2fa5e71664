#pragma once

#include "Symbologies.h"

#include "BarcodeSettings.h"

#include <QDialog>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;

// What the preview draws: the symbol the main window shows.
struct PreviewSample {
    SymbologyId symbology = SymbologyId::Code39;
    std::string text; // the engine's 8-bit data text
    std::int32_t barLength = 750;
};

// The sample at its true size (zoom 1), centred, with its label, as the
// engine draws it with the given settings. Whatever does not fit is cut off.
class CSettingsPreview : public QWidget {
    Q_OBJECT
public:
    explicit CSettingsPreview(PreviewSample sample, QWidget* parent = nullptr);
    ~CSettingsPreview() override;

    // Rebuilds the symbol with these settings and redraws.
    void SetSettings(const BarcodeSettings& settings);
    // The symbol last built; null when the sample has no symbology.
    const CBarcode* Barcode() const { return m_pBarcode.get(); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PreviewSample m_sample;
    std::unique_ptr<CBarcode> m_pBarcode;
};

// View > Barcode Settings: the narrow element's width (Density, in mils, with
// millimetres beside it), the wide-to-narrow Ratio, how Code 128 chooses its
// code sets and ITF-14's bearer bars, with a live preview. The dialog only collects the values; its
// caller stores them on OK.
class CSettingsDialog : public QDialog {
    Q_OBJECT
public:
    CSettingsDialog(const BarcodeSettings& current, PreviewSample sample,
                    QWidget* parent = nullptr);

    // The values as the dialog holds them now.
    BarcodeSettings Settings() const;

    QSpinBox* DensitySpin() const { return m_pDensity; }
    QSpinBox* RatioSpin() const { return m_pRatio; }
    QComboBox* CodeSetsBox() const { return m_pCodeSets; }
    QComboBox* BearerBarsBox() const { return m_pBearerBars; }
    QSpinBox* BarReductionSpin() const { return m_pBarReduction; }
    QCheckBox* QuietZoneMarksBox() const { return m_pQuietZoneMarks; }

    // Bar width reduction, a printer's setting: its dots and the printer's
    // resolution, at which the dialog states it in mils.
    void SetBarReduction(int dots, int printerDpi);
    int BarReduction() const;
    QString BarReductionText() const;
    CSettingsPreview* Preview() const { return m_pPreview; }
    // The texts beside the values and under the preview.
    QString DensityMillimetresText() const;
    QString WideElementText() const;
    QString LengthText() const;

private:
    void OnValuesChanged();
    // What the reduction takes off every bar, in words.
    static QString ReductionText(int dots, double mils, int printerDpi);
    // Names and descriptions for screen readers, where a label alone does not
    // say what a value does.
    void DescribeControls();

    QSpinBox* m_pDensity = nullptr;
    QSpinBox* m_pRatio = nullptr;
    QComboBox* m_pCodeSets = nullptr;   // item index = CodeSetChoice
    QComboBox* m_pBearerBars = nullptr; // item index = BearerBars
    QLabel* m_pDensityMillimetres = nullptr;
    QLabel* m_pWideElement = nullptr;
    CSettingsPreview* m_pPreview = nullptr;
    QLabel* m_pLength = nullptr;
    QSpinBox* m_pBarReduction = nullptr;
    QCheckBox* m_pQuietZoneMarks = nullptr;
    QLabel* m_pBarReductionMils = nullptr;
    int m_printerDpi = 600;
};

// Millimetres for a length in mils, as the dialog shows it: "0.254 mm".
QString MillimetresText(double mils);
