#include "BarcodeMainView.h"

#include "BarcodeSettings.h"
#include "BarcodeView.h"
#include "DesignerWindow.h"
#include "DeviceMapping.h"
#include "FieldValues.h"
#include "InputPanel.h"
#include "PlannedGrade.h"
#include "PrintLabelsDialog.h"
#include "ResourceIds.h"
#include "SettingsDialog.h"
#include "Symbologies.h"
#include "ViewScroller.h"

#include <QApplication>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QResizeEvent>
#include <QSettings>
#include <QStyle>

namespace {

// How long drawing must pause before the scan check starts: shorter than a
// user notices, longer than the gap between two keys of a typist.
constexpr int kScanCheckDelayMs = 150;

} // namespace

CBarcodeMainView::CBarcodeMainView(QWidget* parent) : QWidget(parent) {
    m_pPanel = new CInputPanel(this);
    m_pPanel->setObjectName(QString::number(ids::kInputPanelBar));
    m_pScroller = new CViewScroller(this);
    m_pBarcodeView = new CBarcodeView;
    m_pBarcodeView->setObjectName(QString::number(ids::kFirstPane));
    m_pScroller->setWidget(m_pBarcodeView);
    m_pBarcodeView->SetInputValues(m_pPanel);
    m_reflectHook.Attach(m_pPanel);
    m_reflectHook.SetTarget(m_pBarcodeView);
    // Queued: the view's size may change, which must not happen inside its paint.
    connect(m_pBarcodeView, &CBarcodeView::SymbolDrawn, this, &CBarcodeMainView::OnSymbolDrawn,
            Qt::QueuedConnection);
    // Drawing while typing stays as quick as without the check: a draw only
    // makes the running check stale, and the next one starts when drawing
    // pauses.
    m_scanDelay.setSingleShot(true);
    m_scanDelay.setInterval(kScanCheckDelayMs);
    connect(&m_scanDelay, &QTimer::timeout, this, &CBarcodeMainView::StartScanCheck);
    connect(&m_scanRunner, &CScanCheckRunner::Checked, this,
            [this](const ScanResult&, const QString& text) { OnScanChecked(text); });
    // The print preview is the output's own dialog; its showing and hiding
    // are seen on their way to it.
    qApp->installEventFilter(this);
    LayOut(width(), height());
}

// The hook is detached before the panel goes, as a member destroyed ahead of
// the children. The application's events stop coming here first: the
// children still receive some while they go.
CBarcodeMainView::~CBarcodeMainView() {
    qApp->removeEventFilter(this);
}

void CBarcodeMainView::LayOut(int width, int height) {
    // The barcode view's side and bottom borders lie just outside the host,
    // the panel's top border just above it.
    const int edgeX = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const int edgeY = edgeX;
    m_pScroller->setGeometry(-edgeX, kPanelHeight, width + 2 * edgeX,
                             std::max(0, height + 2 * edgeY - kPanelHeight));
    m_pPanel->setGeometry(0, -edgeY, width, kPanelHeight);
}

QSize CBarcodeMainView::minimumSizeHint() const {
    // Room for both scroll bars and a little of the symbol between them.
    const int viewHeight = 3 * style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return {m_pPanel->minimumSizeHint().width(), kPanelHeight + viewHeight};
}

void CBarcodeMainView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOut(event->size().width(), event->size().height());
}

void CBarcodeMainView::OnSymbolDrawn(QSize cellPixels) {
    // Tiles fill whatever area there is: nothing to scroll to.
    m_pScroller->SetContentSize(m_pBarcodeView->IsTileMode() ? QSize() : cellPixels);
    emit ZoomShown(m_pBarcodeView->Zoom());
    if (!m_bPreviewOpen) {
        m_scanRunner.Cancel();
        m_scanDelay.start();
    }
}

void CBarcodeMainView::StartScanCheck() {
    const QPaintDevice& device =
        m_bPreviewOpen ? static_cast<const QPaintDevice&>(m_pBarcodeView->Output().Printer())
                       : static_cast<const QPaintDevice&>(*m_pBarcodeView);
    // The device's real dots: a screen that doubles its pixels draws the
    // symbol on them.
    const DeviceMapping resolution = PrepareMapping(1, device, QRect());
    // On screen the symbol drawn last; for the printer the panel's values now.
    const std::optional<RenderRequest> request = m_pBarcodeView->RequestOf(
        OutputFormat::Bmp, resolution.dpiX, resolution.dpiY, !m_bPreviewOpen);
    if (!request) {
        m_scanRunner.Reset();
        OnScanChecked(QString());
        return;
    }
    m_scanCheckedFor =
        (m_bPreviewOpen
             ? tr("What a scanner reads from the symbol on the printer at %1 dpi, zoom %2")
             : tr("What a scanner reads from the symbol on the screen at %1 dpi, zoom %2"))
            .arg(resolution.dpiX)
            .arg(m_pBarcodeView->Zoom());
    ScanJob job = MakeScanJob(*request);
    if (m_bPreviewOpen) {
        job.request.barReduction = m_pBarcodeView->BarReduction(); // as the printer gets it
    }
    if (m_scanRunner.Start(job)) {
        OnScanChecked(QString()); // the field told of another symbol
    }
}

void CBarcodeMainView::OnScanChecked(const QString& text) {
    emit ScanFieldChanged(text, text.isEmpty() ? QString() : m_scanCheckedFor);
}

bool CBarcodeMainView::eventFilter(QObject* watched, QEvent* event) {
    // The preview shows the printed page: while it is open the field tells
    // what a scanner reads from the paper. Only the main window's own preview
    // prints its symbol; a sheet of labels is previewed over its own dialog.
    const QEvent::Type type = event->type();
    const auto* preview = qobject_cast<QPrintPreviewDialog*>(watched);
    if ((type == QEvent::Show || type == QEvent::Hide) && preview != nullptr &&
        preview->parentWidget() == window()) {
        const bool previewOpen = type == QEvent::Show;
        if (previewOpen != m_bPreviewOpen) {
            m_bPreviewOpen = previewOpen;
            StartScanCheck();
        }
        if (previewOpen) {
            TitlePreview(*qobject_cast<QWidget*>(watched));
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CBarcodeMainView::TitlePreview(QWidget& preview) {
    const DeviceMapping resolution = PrepareMapping(1, m_pBarcodeView->Output().Printer(), QRect());
    std::optional<RenderRequest> request =
        m_pBarcodeView->RequestOf(OutputFormat::Bmp, resolution.dpiX, resolution.dpiY, false);
    if (!request) {
        return;
    }
    request->barReduction = m_pBarcodeView->BarReduction(); // as the printer gets it
    preview.setWindowTitle(tr("Print Preview: %1").arg(PlannedGradeText(*request, 0.0)));
}

PreviewSample CBarcodeMainView::CurrentSample() const {
    PreviewSample sample;
    CSymbolDocument& document = m_pBarcodeView->Document();
    document.Update();
    const SymbolValue& symbol = document.Value();
    if (!symbol.symbology) {
        sample.text = kStartData; // no choice in the list: the start-up sample
        return sample;
    }
    sample.symbology = *symbol.symbology;
    sample.text = symbol.text;
    sample.barLength = document.DrawBarLength();
    return sample;
}

void CBarcodeMainView::ClickPanelButton(int controlId) {
    CNotifyEvent click(controlId, NotifyCode::Clicked);
    m_pBarcodeView->DispatchMessage(click);
}

void CBarcodeMainView::OnPrintLabels() {
    // The symbol's settings as the main window shows them now; the sheet
    // draws each label at true size, at the printer's resolution.
    QPrinter& printer = m_pBarcodeView->Output().Printer();
    std::optional<RenderRequest> symbol =
        m_pBarcodeView->RequestOf(OutputFormat::Bmp, printer.resolution(), printer.resolution());
    if (!symbol) {
        return;
    }
    symbol->barReduction = m_pBarcodeView->BarReduction(); // every sheet is printed
    CPrintLabelsDialog dialog(*symbol, m_pPanel->DataText(), printer, window());
    dialog.exec();
    if (dialog.DesignerWanted()) {
        CDesignerWindow::Open(*dialog.DesignerWanted(), window());
    }
}

void CBarcodeMainView::OnBarcodeSettings() {
    const std::unique_ptr<QSettings> store = OpenSettingsStore();
    const BarcodeSettings stored = ReadBarcodeSettings(*store);
    const int storedReduction = ReadBarReduction(*store);
    CSettingsDialog dialog(stored, CurrentSample(), window());
    dialog.SetBarReduction(storedReduction, m_pBarcodeView->Output().Printer().resolution());
    if (dialog.exec() != QDialog::Accepted) {
        return; // the store is not touched
    }
    WriteBarcodeSettings(*store, stored, dialog.Settings());
    WriteBarReduction(*store, storedReduction, dialog.BarReduction());
    store->sync();
    if (store->status() != QSettings::NoError) {
        const QString file = IrregularStoreFile();
        QMessageBox::warning(window(), QString::fromLatin1(kApplicationName),
                             tr("The settings could not be stored in %1.")
                                 .arg(file.isEmpty() ? store->fileName() : file));
    }
    m_pBarcodeView->Redraw(); // the document reads the settings afresh at every draw
}

bool CBarcodeMainView::OnCommand(int id) {
    switch (id) {
    case ids::kTurnLeft:
        ClickPanelButton(ids::kTurnLeftButton);
        return true;
    case ids::kTurnRight:
        ClickPanelButton(ids::kTurnRightButton);
        return true;
    case ids::kBarcodeSettings:
        OnBarcodeSettings();
        return true;
    case ids::kFilePrintLabels:
        OnPrintLabels();
        return true;
    default:
        return false;
    }
}

bool CBarcodeMainView::OnUpdateCommand(int id, CommandState& state) {
    switch (id) {
    case ids::kTurnLeft:
    case ids::kTurnRight:
    case ids::kBarcodeSettings:
        state.enabled = true;
        return true;
    case ids::kFilePrintLabels:
        // Labels take the chosen symbology's settings.
        state.enabled = SymbologyAt(m_pBarcodeView->Symbology()).has_value();
        return true;
    default:
        return false;
    }
}
