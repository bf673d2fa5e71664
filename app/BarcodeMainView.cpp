#include "BarcodeMainView.h"

#include "BarcodeSettings.h"
#include "BarcodeView.h"
#include "FieldValues.h"
#include "InputPanel.h"
#include "MainFrame.h"
#include "ResourceIds.h"
#include "SettingsDialog.h"
#include "Symbologies.h"
#include "ViewScroller.h"

#include <QResizeEvent>
#include <QSettings>
#include <QStyle>

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
    LayOut(width(), height());
}

// The hook is detached before the panel goes, as a member destroyed ahead of
// the children.
CBarcodeMainView::~CBarcodeMainView() = default;

void CBarcodeMainView::LayOut(int width, int height) {
    // The barcode view's side and bottom borders lie just outside the host,
    // the panel's top border just above it.
    const int edgeX = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const int edgeY = edgeX;
    m_pScroller->setGeometry(-edgeX, kPanelHeight, width + 2 * edgeX,
                             std::max(0, height + 2 * edgeY - kPanelHeight));
    m_pPanel->setGeometry(0, -edgeY, width, kPanelHeight);
}

void CBarcodeMainView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOut(event->size().width(), event->size().height());
}

void CBarcodeMainView::OnSymbolDrawn(QSize cellPixels) {
    // Tiles fill whatever area there is: nothing to scroll to.
    m_pScroller->SetContentSize(m_pBarcodeView->IsTileMode() ? QSize() : cellPixels);
    if (auto* frame = dynamic_cast<CMainFrame*>(window()); frame != nullptr) {
        frame->SetZoomIndicator(m_pBarcodeView->Zoom());
    }
}

PreviewSample CBarcodeMainView::CurrentSample() const {
    PreviewSample sample;
    const std::optional<SymbologyId> symbology = SymbologyAt(m_pBarcodeView->Symbology());
    if (!symbology) {
        sample.text = kStartData; // no choice in the list: the start-up sample
        return sample;
    }
    sample.symbology = *symbology;
    sample.text = EngineText(m_pPanel->DataText());
    sample.barLength = BarLengthOf(*symbology, BarLengthFromHeight(m_pPanel->HeightText()));
    return sample;
}

void CBarcodeMainView::ClickPanelButton(int controlId) {
    CNotifyEvent click(controlId, NotifyCode::Clicked);
    m_pBarcodeView->DispatchMessage(click);
}

void CBarcodeMainView::OnBarcodeSettings() {
    QSettings store;
    const BarcodeSettings stored = ReadBarcodeSettings(store);
    CSettingsDialog dialog(stored, CurrentSample(), window());
    if (dialog.exec() != QDialog::Accepted) {
        return; // the store is not touched
    }
    WriteBarcodeSettings(store, stored, dialog.Settings());
    store.sync();
    m_pBarcodeView->Redraw(); // every draw reads the settings afresh
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
    default:
        return false;
    }
}
