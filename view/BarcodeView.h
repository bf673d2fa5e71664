#pragma once

#include "BarcodeOutput.h"
#include "CommandRoute.h"
#include "DeviceMapping.h"
#include "Notify.h"
#include "SymbolDocument.h"
#include "SymbolPainter.h"
#include "SymbolRender.h"
#include "Symbologies.h"
#include "TextFilterSwitch.h"

#include <QImage>
#include <QWidget>

#include <memory>
#include <span>

class CInputValues;
class QPainter;
class QPaintDevice;
class COwnerDrawMenu;
class QPrinter;

// The window that shows the document's barcode. At every draw it brings the
// document up to date with the panel's values and the settings, shows the
// symbol's length in the Width display and draws it centred, or tiled over
// the whole output. One prepare + draw pair
// serves the screen, the printer, print preview and off-screen bitmaps.
//
// Panel notifications arrive through DispatchMessage (its message map);
// commands through OnCommand.
class CBarcodeView : public QWidget, public CMessageTarget, public CCommandTarget {
    Q_OBJECT

public:
    explicit CBarcodeView(QWidget* parent = nullptr);
    ~CBarcodeView() override;

    // The document whose symbol the view draws; not owned. Without one the
    // view keeps a document of its own.
    void SetDocument(CSymbolDocument* document);
    CSymbolDocument& Document() const { return *m_pDoc; }
    // The printer that Print, Print direct and Print Preview use (shared with
    // Print Setup); not owned. Without one the view keeps a printer of its own.
    void SetPrinter(QPrinter* printer) { m_output.SetPrinter(printer); }
    // The panel whose values the document reads; not owned. Without one
    // nothing is built or drawn.
    void SetInputValues(CInputValues* panel);
    // The current SymbologyId (-1 when the list has no selection).
    void SetSymbology(int symbologyId);
    int Symbology() const;
    int Zoom() const { return m_pDoc->Value().zoom; }
    int Orientation() const { return m_pDoc->Value().orientation; }
    bool IsTileMode() const { return m_pDoc->Value().tiled; }
    int BarReduction() const { return m_pDoc->Value().barReduction; }
    // The symbology object of the last draw (or update); null before the
    // first one and without a symbol.
    const CBarcode* Barcode() const { return m_pDoc->Barcode(); }
    // The output library's request for the symbol as the view shows it now
    // (the panel's values, the settings' widths, zoom and turn) in a format at
    // a resolution; nothing without a symbol. asDrawn keeps the values of the
    // last draw, should the fields have changed since.
    std::optional<RenderRequest> RequestOf(OutputFormat format, int dpiX, int dpiY,
                                           bool asDrawn = false) const;
    // The two filters of the Text field; at most one is attached to it.
    const CIntegerEdit& DigitsFilter() const { return m_filters.DigitsFilter(); }
    const CExcludeCharsEdit& AlnumFilter() const { return m_filters.AlnumFilter(); }
    // Printing, copying and saving.
    CBarcodeOutput& Output() { return m_output; }

    // The start values: Code 39, zoom 1, no barcode yet, and the panel's
    // fields and Symbology list.
    void OnInitialUpdate();
    // Invalidates the whole view, which leads to a new draw.
    void Redraw();

    // "Prepare device context": the mapping for a device at the current zoom,
    // centred on outputRect (the client area, the printable area or a bitmap).
    DeviceMapping OnPrepareDC(const QPaintDevice& device, const QRect& outputRect) const;
    // Brings the document up to date with the panel and the settings,
    // updates the Width display and draws, centred or tiled. The painter
    // works in device units.
    void OnDraw(QPainter& painter, const DeviceMapping& mapping);
    // The same for a printed page (and its preview): tiled, the page holds
    // only the cells that fit it whole, never a cut symbol; every bar is the
    // settings' bar reduction narrower, for a printer that spreads ink.
    void OnPrint(QPainter& painter, const DeviceMapping& mapping);
    // The context menu (menu 219), owner-drawn with the toolbar's images
    // beside its commands; its first popup is the one shown, and its
    // commands are raised with CommandRaised.
    std::unique_ptr<COwnerDrawMenu> BuildContextMenu();

    // What a screen reader says of the view: the symbology, the text and the
    // drawn length, as of the last draw ("Barcode: Code 39, 21898623818,
    // 2.08 inches").
    QString AccessibleNameOfDrawn() const;

    bool DispatchMessage(QEvent& message) override;
    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState& state) override;

signals:
    // After every draw on screen: the size in pixels that the symbol with its
    // tile margins takes at the current zoom (what must be visible to see it
    // whole); empty when nothing was drawn.
    void SymbolDrawn(QSize cellPixels);
    // After a draw on screen that drew a symbol: what the screen makes of its
    // sizes, for the main window's status bar.
    // The size field's text, and the advice on a symbology's published ranges
    // for its tip (empty where there are none).
    void AchievedSizeChanged(const QString& text, const QString& advice);
    // The Symbology list's selection changed: the chosen symbology's rule
    // text for the main window's status bar, empty without a selection. A
    // Height that gives no length is said instead, from the draw that finds
    // it until one that does not.
    void StatusTextChanged(const QString& text);
    // A command chosen in the context menu, for the main window's route.
    // With nothing connected the view runs the command itself.
    void CommandRaised(int id);

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // The view shows a focus frame while it has the focus; the frame follows
    // the visible part of the view when it scrolls.
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    using Handler = void (CBarcodeView::*)();
    struct NotifyEntry {
        int controlId;
        NotifyCode code;
        Handler handler;
    };
    struct CommandEntry {
        int id;
        void (*handler)(CBarcodeView&);
    };
    static std::span<const NotifyEntry> NotifyMap();
    static std::span<const CommandEntry> CommandMap();

    // Handlers of the panel and of the commands.
    void OnZoomIn();
    void OnZoomOut();
    void OnTurnLeft();
    void OnTurnRight();
    void OnTileMode();
    void OnSymbologyChanged();
    void ShowContextMenu(const QPoint& globalPos);
    void RaiseCommand(int id);

    QString StandardsAdviceOf(const DeviceMapping& mapping) const;
    // The status text: why the Height gives no length, else the rule text.
    QString StatusText() const;
    // OnDraw and OnPrint: tiles as far as the edge allows.
    void DrawSymbol(QPainter& painter, const DeviceMapping& mapping, TileEdge edge);
    // Names the view and describes it for assistive tools, after a draw.
    void UpdateAccessibleName();

    std::unique_ptr<CSymbolDocument> m_pOwnDoc;
    CSymbolDocument* m_pDoc = nullptr;
    QSize m_drawnCell;       // the last drawn symbol's tile cell, in device units
    QString m_heightRefusal; // why the last drawn Height gave no length, or ""
    QString m_symbolRefusal; // why the last drawn text was not drawn, or ""
    CTextFilterSwitch m_filters;
    CBarcodeOutput m_output{*this};
};
