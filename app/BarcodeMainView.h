#pragma once

#include "CommandRoute.h"
#include "SubclassWnd.h"

#include <QWidget>

class CBarcodeView;
class CInputPanel;

// The main window's client: the input panel as a fixed strip along the top and
// the barcode view below it. The panel's messages are reflected to the
// barcode view, which holds the panel's logic. The host itself draws nothing.
class CBarcodeMainView : public QWidget, public CCommandTarget {
    Q_OBJECT
public:
    // Height of the panel strip, in pixels.
    static constexpr int kPanelHeight = 50;

    explicit CBarcodeMainView(QWidget* parent = nullptr);
    ~CBarcodeMainView() override;

    CBarcodeView* BarcodeView() const { return m_pBarcodeView; }
    CInputPanel* InputPanel() const { return m_pPanel; }

    // Places the panel and the barcode view for a client area of the size.
    void LayOut(int width, int height);

    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState& state) override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    CBarcodeView* m_pBarcodeView = nullptr;
    CInputPanel* m_pPanel = nullptr;
    CMsgReflectHook m_reflectHook;
};
