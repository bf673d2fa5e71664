#pragma once

#include "CommandRoute.h"
#include "ScanCheckRunner.h"
#include "SubclassWnd.h"

#include <QTimer>
#include <QWidget>

class CBarcodeView;
class CInputPanel;
class CViewScroller;
struct PreviewSample;

// The main window's client: the input panel as a fixed strip along the top and
// the barcode view below it, in a frame that scrolls it when the symbol at its
// zoom is larger than the window. The panel's messages are reflected to the
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
    // The scrolling frame the barcode view lies in.
    CViewScroller* ViewScroller() const { return m_pScroller; }

    // The panel whole, and a strip of the barcode view under it.
    QSize minimumSizeHint() const override;

    // Places the panel and the barcode view for a client area of the size.
    void LayOut(int width, int height);

    // The symbol the main window shows, for the settings preview.
    PreviewSample CurrentSample() const;

    // Reads the drawn symbol back off the user-interface thread; its result
    // is reported with ScanFieldChanged.
    CScanCheckRunner& ScanRunner() { return m_scanRunner; }
    // Starts the scan check of the symbol as now drawn, for the output it is
    // seen on: the screen, or the printer while its preview is open. After a
    // draw it starts by itself once drawing pauses.
    void StartScanCheck();

    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState& state) override;

signals:
    // After each draw: the zoom the barcode view draws at, for the main
    // window's status bar.
    void ZoomShown(int zoom);
    // What a scanner reads from the symbol, empty while a check runs or when
    // there is nothing to check; the tip names the output it was checked
    // for, and is empty with an empty text.
    void ScanFieldChanged(const QString& text, const QString& tip);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // After each draw: the view scrolls outside tile mode when the symbol
    // needs more room than it has, and the zoom is reported.
    void OnSymbolDrawn(QSize cellPixels);
    // Turning from the keyboard does what the panel's button does.
    void ClickPanelButton(int controlId);
    void OnBarcodeSettings();
    // File > Print Labels: the symbol's settings on label stock.
    void OnPrintLabels();
    void OnScanChecked(const QString& text);
    // The print preview's title tells the planned print's grade at the
    // printer's resolution, its bars as the printer gets them, no spread
    // assumed.
    void TitlePreview(QWidget& preview);

    CBarcodeView* m_pBarcodeView = nullptr;
    CInputPanel* m_pPanel = nullptr;
    CViewScroller* m_pScroller = nullptr;
    CMsgReflectHook m_reflectHook;
    CScanCheckRunner m_scanRunner;
    QTimer m_scanDelay; // a pause in drawing, after which the check starts
    bool m_bPreviewOpen = false;
    QString m_scanCheckedFor; // the output and resolution of the running check
};
