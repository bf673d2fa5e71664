#include "BarcodeMainView.h"

#include "BarcodeView.h"
#include "InputPanel.h"
#include "ResourceIds.h"

#include <QResizeEvent>
#include <QStyle>

CBarcodeMainView::CBarcodeMainView(QWidget* parent) : QWidget(parent) {
    m_pPanel = new CInputPanel(this);
    m_pPanel->setObjectName(QString::number(ids::kInputPanelBar));
    m_pBarcodeView = new CBarcodeView(this);
    m_pBarcodeView->setObjectName(QString::number(ids::kFirstPane));
    m_pBarcodeView->SetInputValues(m_pPanel);
    m_reflectHook.Attach(m_pPanel);
    m_reflectHook.SetTarget(m_pBarcodeView);
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
    m_pBarcodeView->setGeometry(-edgeX, kPanelHeight, width + 2 * edgeX,
                                std::max(0, height + 2 * edgeY - kPanelHeight));
    m_pPanel->setGeometry(0, -edgeY, width, kPanelHeight);
}

void CBarcodeMainView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOut(event->size().width(), event->size().height());
}

bool CBarcodeMainView::OnCommand(int) {
    return false;
}
bool CBarcodeMainView::OnUpdateCommand(int, CommandState&) {
    return false;
}
