#pragma once

#include "DeviceMapping.h"
#include "SymbolPainter.h"
#include "SymbolRender.h"
#include "Symbologies.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <string>

class CInputValues;

// The symbol the window shows, as one value: every input that decides what
// the view, Save, Copy, print, the scan check and Print Labels draw.
struct SymbolValue {
    std::optional<SymbologyId> symbology = SymbologyId::Code39; // nothing: no selection
    std::string text;     // the engine's text, as the Text field's filter keeps it
    QString height;       // the Height field, as typed
    bool showText = true; // the Show Text box
    BarWidths widths;     // section "Barcode" of the settings
    int barReduction = 0; // dots off every printed bar (the settings' BarReduction)
    int zoom = kMinZoom;
    int orientation = 0; // quarter turns counter-clockwise
    bool tiled = false;
    friend bool operator==(const SymbolValue&, const SymbolValue&) = default;
};

// The document's symbol: its value, read from the input panel's fields and
// the settings in this one place, and the symbology object built from it
// once per change. Update() reads the fields and the settings again (a hand
// edit of the settings file is seen at the next draw); what the window sets
// itself (symbology, zoom, turn, tiling) is set here. Changed() follows every
// change of the value.
class CSymbolDocument : public QObject {
    Q_OBJECT

public:
    CSymbolDocument();
    ~CSymbolDocument() override;

    // The fields the text, height and Show Text are read from; not owned.
    // Without them the document has no symbol.
    void SetInputValues(CInputValues* panel) { m_pPanel = panel; }
    CInputValues* InputValues() const { return m_pPanel; }

    void SetSymbology(std::optional<SymbologyId> symbology);
    void SetZoom(int zoom);
    void SetOrientation(int orientation);
    void SetTiled(bool tiled);

    // Reads the fields and the settings; builds the symbol anew when the value
    // changed, and says so. True when it changed.
    bool Update();

    const SymbolValue& Value() const { return m_value; }
    // The symbol as built from the value; null without fields or a symbology.
    const CBarcode* Barcode() const { return m_pBarcode.get(); }
    // Its encoding (empty without a symbol).
    const Encoding& Encoded() const { return m_encoding; }
    // Why the symbology refuses the text as the symbol holds it (a GS1 check
    // digit, an ITF-14 length, a UPC-E number not in its one form), in the
    // user's language; empty when it is drawn. A short EAN or UPC number is
    // no refusal here: the symbol fills it while the user types.
    const QString& Refusal() const { return m_refusal; }
    // The bar length the symbol is drawn with: the Height field's, or the
    // symbology's own.
    std::int32_t DrawBarLength() const;
    // How the view draws it (on screen: overhanging tiles, bars as drawn).
    SymbolScene Scene() const;
    // The output library's request for the symbol in a format at a
    // resolution; nothing without a symbol.
    std::optional<RenderRequest> Request(OutputFormat format, int dpiX, int dpiY) const;

signals:
    void Changed();

private:
    void SetValue(const SymbolValue& value);

    CInputValues* m_pPanel = nullptr;
    SymbolValue m_value;
    bool m_built = false; // m_pBarcode and m_encoding follow m_value
    std::unique_ptr<CBarcode> m_pBarcode;
    Encoding m_encoding;
    QString m_refusal;
};
