#include "CalibrationDialog.h"

#include "DeviceMapping.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr double kMilsPerMm = kMilsPerInch / 25.4;
constexpr int kInches = 1; // the unit's second choice

} // namespace

CCalibrationDialog::CCalibrationDialog(const SheetLayout& layout, const QString& printerName,
                                       QWidget* parent)
    : QDialog(parent), m_layout(layout) {
    setWindowTitle(tr("Calibrate %1").arg(printerName));
    auto* layoutBox = new QVBoxLayout(this);
    auto* steps = new QLabel(
        tr("Print the calibration page, then measure on the paper, as exactly as you can: from "
           "its left and top edges to the crosshair's lines, and from the crosshair to the "
           "last mark across and down."),
        this);
    steps->setWordWrap(true);
    layoutBox->addWidget(steps);
    m_print = new QPushButton(tr("&Print calibration page..."), this);
    layoutBox->addWidget(m_print, 0, Qt::AlignLeft);
    connect(m_print, &QPushButton::clicked, this, &CCalibrationDialog::PrintPageRequested);

    auto* form = new QFormLayout;
    m_unit = new QComboBox(this);
    m_unit->addItems({tr("mm"), tr("in")});
    auto* unitLabel = new QLabel(tr("Measured &in:"), this);
    unitLabel->setBuddy(m_unit);
    form->addRow(unitLabel, m_unit);
    const QString names[] = {tr("&Left edge to the crosshair:"), tr("&Top edge to the crosshair:"),
                             QString(), QString()};
    for (int i = 0; i < 4; ++i) {
        m_measures[i] = new QDoubleSpinBox(this);
        auto* label = new QLabel(names[i], this);
        label->setBuddy(m_measures[i]);
        if (i >= 2) {
            m_markNames[i - 2] = label;
        }
        form->addRow(label, m_measures[i]);
    }
    layoutBox->addLayout(form);
    m_refusal = new QLabel(this);
    m_refusal->setWordWrap(true);
    m_refusal->hide();
    layoutBox->addWidget(m_refusal);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CCalibrationDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layoutBox->addWidget(buttons);
    connect(m_unit, &QComboBox::currentIndexChanged, this, &CCalibrationDialog::ShowUnit);
    ShowUnit();
}

// The fields in the unit chosen, each starting at what an exact printer
// gives, and the marks named in it.
void CCalibrationDialog::ShowUnit() {
    const bool inches = m_unit->currentIndex() == kInches;
    const CalibrationMarks marks = CalibrationMarksFor(m_layout, inches);
    const double perUnit = inches ? kMilsPerInch : kMilsPerMm;
    const double nominal[] = {marks.origin, marks.origin, marks.across, marks.down};
    for (int i = 0; i < 4; ++i) {
        m_measures[i]->setDecimals(inches ? 3 : 1);
        m_measures[i]->setSingleStep(inches ? 0.01 : 0.1);
        m_measures[i]->setRange(0, 1000);
        m_measures[i]->setSuffix(inches ? tr(" in") : tr(" mm"));
        m_measures[i]->setValue(nominal[i] / perUnit);
    }
    const auto mark = [inches, perUnit](double mils) {
        return QLocale().toString(mils / perUnit, 'g', 4) + (inches ? tr(" in") : tr(" mm"));
    };
    m_markNames[0]->setText(tr("Crosshair to the %1 mark &across:").arg(mark(marks.across)));
    m_markNames[1]->setText(tr("Crosshair to the %1 mark &down:").arg(mark(marks.down)));
}

void CCalibrationDialog::accept() {
    const bool inches = m_unit->currentIndex() == kInches;
    const double perUnit = inches ? kMilsPerInch : kMilsPerMm;
    const CalibrationMeasures measured{
        m_measures[0]->value() * perUnit, m_measures[1]->value() * perUnit,
        m_measures[2]->value() * perUnit, m_measures[3]->value() * perUnit};
    m_correction = CorrectionFrom(CalibrationMarksFor(m_layout, inches), measured);
    if (!m_correction) {
        m_refusal->setText(tr("These measures would have the printer draw lengths more than "
                              "10 % long or short: measure again from the crosshair."));
        m_refusal->show();
        return;
    }
    QDialog::accept();
}
