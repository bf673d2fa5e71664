#include "SettingsDialog.h"

#include "DeviceMapping.h"
#include "FieldValues.h"
#include "Placement.h"
#include "SymbolPainter.h"
#include "Symbologies.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr double kMillimetresPerMil = 0.0254;
// The preview shows a symbol of about this size whole; longer ones are cut.
constexpr int kPreviewWidthMils = 4000;
constexpr int kPreviewHeightMils = 1300;

} // namespace

QString MillimetresText(double mils) {
    return QCoreApplication::translate("CSettingsDialog", "%1 mm")
        .arg(mils * kMillimetresPerMil, 0, 'f', 3);
}

CSettingsPreview::CSettingsPreview(PreviewSample sample, QWidget* parent)
    : QWidget(parent), m_sample(std::move(sample)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

CSettingsPreview::~CSettingsPreview() = default;

void CSettingsPreview::SetSettings(const BarcodeSettings& settings) {
    // The values not yet saved, for this symbol alone.
    m_pBarcode = CreateBarcode(m_sample.symbology, m_sample.text, settings);
    update();
}

QSize CSettingsPreview::sizeHint() const {
    return {logicalDpiX() * kPreviewWidthMils / kMilsPerInch,
            logicalDpiY() * kPreviewHeightMils / kMilsPerInch};
}

void CSettingsPreview::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!m_pBarcode) {
        return;
    }
    // True size: zoom 1 on this screen, the bar area centred as in the view.
    const DeviceMapping mapping = PrepareMapping(1, logicalDpiX(), logicalDpiY(), rect());
    PaintSymbol(painter, mapping,
                SymbolScene{m_pBarcode->Encode(), m_sample.barLength, true, 0, false});
}

CSettingsDialog::CSettingsDialog(const BarcodeSettings& current, PreviewSample sample,
                                 QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Barcode Settings"));

    m_pDensity = new QSpinBox(this);
    m_pDensity->setRange(kMinDensity, kMaxDensity);
    m_pDensity->setSuffix(tr(" mils"));
    m_pDensity->setValue(current.density);
    m_pDensityMillimetres = new QLabel(this);
    m_pRatio = new QSpinBox(this);
    m_pRatio->setRange(kMinRatio, kMaxRatio);
    m_pRatio->setSuffix(QStringLiteral(" : 1"));
    m_pRatio->setValue(current.ratio);
    m_pWideElement = new QLabel(this);

    auto* densityRow = new QHBoxLayout;
    densityRow->addWidget(m_pDensity);
    densityRow->addWidget(m_pDensityMillimetres, 1);
    auto* ratioRow = new QHBoxLayout;
    ratioRow->addWidget(m_pRatio);
    ratioRow->addWidget(m_pWideElement, 1);
    auto* densityLabel = new QLabel(tr("&Density (narrow bar):"), this);
    densityLabel->setBuddy(m_pDensity);
    auto* ratioLabel = new QLabel(tr("&Ratio (wide to narrow):"), this);
    ratioLabel->setBuddy(m_pRatio);
    // Item i of each box is the setting's value i.
    m_pCodeSets = new QComboBox(this);
    m_pCodeSets->addItems({tr("As typed (upper case)"), tr("Shortest (keeps lower case)")});
    m_pCodeSets->setCurrentIndex(static_cast<int>(current.codeSets));
    m_pBearerBars = new QComboBox(this);
    m_pBearerBars->addItems({tr("None"), tr("Frame"), tr("Top and bottom")});
    m_pBearerBars->setCurrentIndex(static_cast<int>(current.bearers));
    auto* codeSetsLabel = new QLabel(tr("Code 128 &code sets:"), this);
    codeSetsLabel->setBuddy(m_pCodeSets);
    auto* bearerLabel = new QLabel(tr("ITF-14 &bearer bars:"), this);
    bearerLabel->setBuddy(m_pBearerBars);
    auto* form = new QFormLayout;
    form->addRow(densityLabel, densityRow);
    form->addRow(ratioLabel, ratioRow);
    form->addRow(codeSetsLabel, m_pCodeSets);
    form->addRow(bearerLabel, m_pBearerBars);
    m_pQuietZoneMarks = new QCheckBox(tr("EAN quiet zone &marks (< and >)"), this);
    m_pQuietZoneMarks->setChecked(current.quietZoneMarks);
    form->addRow(QString(), m_pQuietZoneMarks);
    connect(m_pQuietZoneMarks, &QCheckBox::toggled, this, &CSettingsDialog::OnValuesChanged);
    // Printers that spread ink print bars wider than drawn: the reduction
    // takes whole dots off every printed bar and gives them to the spaces.
    m_pBarReduction = new QSpinBox(this);
    m_pBarReduction->setRange(0, kMaxBarReduction);
    m_pBarReduction->setSuffix(tr(" dots"));
    m_pBarReductionMils = new QLabel(this);
    constexpr double kWidestMils = 88.8; // eight dots at 90 dpi
    constexpr int kWidestDpi = 4800;
    // As wide as its longest text from the start: the dialog keeps its width
    // as the reduction changes.
    m_pBarReductionMils->setMinimumWidth(
        std::max(m_pBarReductionMils->fontMetrics().horizontalAdvance(ReductionText(0, 0, 1)),
                 m_pBarReductionMils->fontMetrics().horizontalAdvance(
                     ReductionText(kMaxBarReduction, kWidestMils, kWidestDpi))));
    auto* reductionRow = new QHBoxLayout;
    reductionRow->addWidget(m_pBarReduction);
    reductionRow->addWidget(m_pBarReductionMils, 1);
    auto* reductionLabel = new QLabel(tr("Printed bar &width reduction:"), this);
    reductionLabel->setBuddy(m_pBarReduction);
    form->addRow(reductionLabel, reductionRow);
    connect(m_pBarReduction, &QSpinBox::valueChanged, this,
            [this] { SetBarReduction(m_pBarReduction->value(), m_printerDpi); });
    SetBarReduction(0, m_printerDpi);

    auto* previewBox = new QGroupBox(tr("Preview at actual size"), this);
    m_pPreview = new CSettingsPreview(std::move(sample), previewBox);
    m_pLength = new QLabel(previewBox);
    auto* previewLayout = new QVBoxLayout(previewBox);
    previewLayout->addWidget(m_pPreview, 1);
    previewLayout->addWidget(m_pLength);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(previewBox, 1);
    layout->addWidget(buttons);

    connect(m_pDensity, &QSpinBox::valueChanged, this, &CSettingsDialog::OnValuesChanged);
    connect(m_pRatio, &QSpinBox::valueChanged, this, &CSettingsDialog::OnValuesChanged);
    connect(m_pCodeSets, &QComboBox::currentIndexChanged, this, &CSettingsDialog::OnValuesChanged);
    connect(m_pBearerBars, &QComboBox::currentIndexChanged, this,
            &CSettingsDialog::OnValuesChanged);
    OnValuesChanged();
    DescribeControls();
}

void CSettingsDialog::DescribeControls() {
    m_pDensity->setAccessibleDescription(
        tr("The narrow bar's width in mils; every bar and space is a multiple of it"));
    m_pRatio->setAccessibleDescription(tr("How many times wider a wide bar is than a narrow one"));
    // A drop-down list is otherwise named by its current choice.
    m_pCodeSets->setAccessibleName(tr("Code 128 code sets"));
    m_pCodeSets->setAccessibleDescription(
        tr("As typed keeps Code 128 in upper case; shortest keeps lower case and uses the "
           "fewest symbol characters"));
    m_pBearerBars->setAccessibleName(tr("ITF-14 bearer bars"));
    m_pBearerBars->setAccessibleDescription(tr("The bars around an ITF-14 symbol"));
    m_pQuietZoneMarks->setAccessibleDescription(
        tr("Prints > and < at the ends of the EAN quiet zones"));
    m_pBarReduction->setAccessibleDescription(
        tr("Printer dots taken off every printed bar, for printers that spread ink"));
    m_pPreview->setAccessibleName(tr("Preview at actual size"));
    m_pPreview->setAccessibleDescription(tr("The main window's symbol with these settings"));
}

BarcodeSettings CSettingsDialog::Settings() const {
    return {m_pDensity->value(), m_pRatio->value(),
            CodeSetChoiceOrDefault(m_pCodeSets->currentIndex()),
            BearerBarsOrDefault(m_pBearerBars->currentIndex()), m_pQuietZoneMarks->isChecked()};
}

void CSettingsDialog::OnValuesChanged() {
    const BarcodeSettings settings = Settings();
    m_pDensityMillimetres->setText(QStringLiteral("= ") + MillimetresText(settings.density));
    const int wide = settings.density * settings.ratio;
    m_pWideElement->setText(tr("wide bar %1 mils = %2").arg(wide).arg(MillimetresText(wide)));
    m_pPreview->SetSettings(settings);
    const CBarcode* barcode = m_pPreview->Barcode();
    const std::int32_t length =
        barcode == nullptr ? 0 : ClampToInt32(barcode->Encode().SymbolLength());
    m_pLength->setText(barcode == nullptr ? QString()
                                          : tr("Symbol length: %1 inches = %2")
                                                .arg(length / double{kMilsPerInch}, 0, 'f', 2)
                                                .arg(MillimetresText(length)));
}

void CSettingsDialog::SetBarReduction(int dots, int printerDpi) {
    m_printerDpi = printerDpi > 0 ? printerDpi : m_printerDpi;
    {
        const QSignalBlocker quiet(m_pBarReduction);
        m_pBarReduction->setValue(dots);
    }
    const int value = m_pBarReduction->value();
    m_pBarReduction->setSuffix(value == 1 ? tr(" dot") : tr(" dots"));
    m_pBarReductionMils->setText(
        ReductionText(value, value * double{kMilsPerInch} / m_printerDpi, m_printerDpi));
}

QString CSettingsDialog::ReductionText(int dots, double mils, int printerDpi) {
    return dots == 0 ? tr("none: bars print as drawn")
                     : tr("= %1 mils off every bar at the printer's %2 dpi")
                           .arg(MessageNumber(mils, 1))
                           .arg(printerDpi);
}

int CSettingsDialog::BarReduction() const {
    return m_pBarReduction->value();
}

QString CSettingsDialog::BarReductionText() const {
    return m_pBarReductionMils->text();
}

QString CSettingsDialog::DensityMillimetresText() const {
    return m_pDensityMillimetres->text();
}
QString CSettingsDialog::WideElementText() const {
    return m_pWideElement->text();
}
QString CSettingsDialog::LengthText() const {
    return m_pLength->text();
}
