#pragma once

#include "Barcode.h"
#include "DeviceMapping.h"
#include "ExcludeCharsEdit.h"
#include "Notify.h"
#include "NumericEdit.h"
#include "SymbologyRules.h"

#include <QImage>
#include <QWidget>

#include <memory>
#include <span>

class CInputValues;
class QPainter;
class QPaintDevice;
class QMenu;
class QPrinter;

inline constexpr int kMinZoom = 1;
inline constexpr int kMaxZoom = 8;

// The window that shows the barcode. At every draw it reads the panel's values,
// builds a fresh symbology object, shows its length in the Width display and
// draws it centred, or tiled over the whole output. One prepare + draw pair
// serves the screen, the printer, print preview and off-screen bitmaps.
//
// Panel notifications arrive through DispatchMessage (its message map);
// commands through OnCommand.
class CBarcodeView : public QWidget, public CMessageTarget, public CCommandTarget {
    Q_OBJECT

public:
    explicit CBarcodeView(QWidget* parent = nullptr);
    ~CBarcodeView() override;

    // The printer that Print, Print direct and Print Preview use (shared with
    // Print Setup); not owned. Without one the view keeps a printer of its own.
    void SetPrinter(QPrinter* printer) { m_pPrinter = printer; }
    // The panel whose values the draw reads; not owned. Without one the draw
    // builds and draws nothing.
    void SetInputValues(CInputValues* panel) { m_pPanel = panel; }
    // The current SymbologyId (-1 when the list has no selection). Takes effect
    // at the next draw.
    void SetSymbology(int symbologyId) { m_nSymbology = symbologyId; }
    int Symbology() const { return m_nSymbology; }
    int Zoom() const { return m_nZoom; }
    int Orientation() const { return m_nOrientation; }
    bool IsTileMode() const { return m_bTileMode; }
    // The symbology object built by the last draw; null before the first one.
    const CBarcode* Barcode() const { return m_pBarcode.get(); }
    // The two filters of the Text field; at most one is attached to it.
    const CIntegerEdit& DigitsFilter() const { return m_editDigits; }
    const CExcludeCharsEdit& AlnumFilter() const { return m_editAlnum; }

    // The start values: Code 39, zoom 1, no barcode yet, and the panel's
    // fields and Symbology list.
    void OnInitialUpdate();
    // Invalidates the whole view, which leads to a new draw.
    void Redraw();

    // "Prepare device context": the mapping for a device at the current zoom,
    // centred on outputRect (the client area, the printable area or a bitmap).
    DeviceMapping OnPrepareDC(const QPaintDevice& device, const QRect& outputRect) const;
    // Reads the panel, rebuilds the barcode, updates the Width display and
    // draws, centred or tiled. The painter works in device units.
    void OnDraw(QPainter& painter, const DeviceMapping& mapping);

    // Prints exactly one page: the barcode centred on the printable area at
    // its physical size times the zoom, or the area tiled from its top-left
    // corner. False if the printer could not be opened.
    bool PrintPage(QPrinter& printer);
    // Renders the view off screen onto a white bitmap of the given size and
    // resolution, exactly as it would draw on screen (for copy and save).
    // A null image when the size or the resolution is unusable.
    QImage RenderToImage(int dpiX, int dpiY, const QSize& pixelSize);

    // The monochrome bitmap that Copy and Save take out of the program: the
    // barcode as the view draws it, at the screen's resolution times the zoom,
    // in a cell with the tile margins; for Copy in tile mode the whole client
    // area. Null before the first draw, or when it would be too large.
    QImage RenderBitmap(bool wholeViewInTileMode);
    // Writes the bitmap as a BMP file; the old file stays untouched unless the
    // whole new one was written. On failure, error says why.
    static bool SaveBitmap(const QImage& bitmap, const QString& path, QString* error);
    // The context menu (menu 219) with the toolbar's images beside its
    // commands; its commands go along the main window's route.
    std::unique_ptr<QMenu> BuildContextMenu();

    bool DispatchMessage(QEvent& message) override;
    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState& state) override;

signals:
    // After every draw on screen: the size in pixels that the symbol with its
    // tile margins takes at the current zoom (what must be visible to see it
    // whole); empty when nothing was drawn.
    void SymbolDrawn(QSize cellPixels);

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    using Handler = void (CBarcodeView::*)();
    struct NotifyEntry {
        int controlId;
        NotifyCode code;
        Handler handler;
    };
    struct CommandEntry {
        int id;
        Handler handler;
    };
    static std::span<const NotifyEntry> NotifyMap();
    static std::span<const CommandEntry> CommandMap();

    // Handlers of the panel and of the commands.
    void OnZoomIn();
    void OnZoomOut();
    void OnTurnLeft();
    void OnTurnRight();
    void OnShowText();
    void OnTileMode();
    void OnFieldLeft();
    void OnFieldEntered();
    void OnSymbologyChanged();
    // The chosen symbology's filter, with its setting, guards the Text field.
    void ApplyInputRule(const SymbologyRule& rule);
    // Swaps the filters on the Text field unless the chosen one is there
    // already, and writes the text back through it.
    void AttachTextFilter(CFilterEdit& chosen, CFilterEdit& other, const QString& text);
    // The main window's status text, when the view lives in one that has it.
    void ShowStatusText(const QString& text);
    void OnFilePrint();
    void OnFilePrintDirect();
    void OnFilePrintPreview();
    void OnEditCopy();
    void OnFileSave();
    void ShowContextMenu(const QPoint& globalPos);
    void RaiseCommand(int id);
    QPrinter& Printer();

    // The bar length the draw uses: from the Height field, 125 for Postnet.
    std::int32_t DrawBarLength() const;
    void DrawCentred(QPainter& painter, const DeviceMapping& mapping, std::int32_t barLength,
                     bool showText) const;
    void DrawTiled(QPainter& painter, const DeviceMapping& mapping, std::int32_t barLength,
                   bool showText) const;
    void DrawSymbol(QPainter& painter, const QTransform& milsToDevice, std::int32_t barLength,
                    bool showText) const;
    // The last drawn symbol's tile cell in device units of the mapping.
    QSize DrawnCellSize(const DeviceMapping& mapping) const;

    std::unique_ptr<CBarcode> m_pBarcode;
    CInputValues* m_pPanel = nullptr;
    QPrinter* m_pPrinter = nullptr;
    std::unique_ptr<QPrinter> m_pOwnPrinter; // made when no printer is shared
    int m_nZoom = kMinZoom;
    int m_nSymbology = 0;
    int m_nOrientation = 0;
    bool m_bTileMode = false;
    // The Text field's filters: digits up to a limit, without a sign; and free
    // text refusing a set of characters (the start-up set until a choice).
    CIntegerEdit m_editDigits{-kStartUpDigitLimit};
    CExcludeCharsEdit m_editAlnum{
        0, QString::fromUtf16(kStartUpExcluded.data(), kStartUpExcluded.size())};
};
