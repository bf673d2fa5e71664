#include "SymbolDocument.h"

#include "EanAddOn.h"
#include "EanUpc.h"
#include "FieldValues.h"
#include "InputValues.h"
#include "Profile.h"

#include <algorithm>

namespace {

// The settings' bar reduction as the engine's profile reader gives it.
int SettingsBarReduction() {
    const int dots = GetProfileInt("Barcode", "BarReduction", 0);
    return dots >= 0 && dots <= kMaxBarReduction ? dots : 0;
}

} // namespace

CSymbolDocument::CSymbolDocument() = default;

CSymbolDocument::~CSymbolDocument() = default;

void CSymbolDocument::SetSymbology(std::optional<SymbologyId> symbology) {
    SymbolValue value = m_value;
    value.symbology = symbology;
    SetValue(value);
}

void CSymbolDocument::SetZoom(int zoom) {
    SymbolValue value = m_value;
    value.zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    SetValue(value);
}

void CSymbolDocument::SetOrientation(int orientation) {
    SymbolValue value = m_value;
    value.orientation = NormalOrientation(orientation);
    SetValue(value);
}

void CSymbolDocument::SetTiled(bool tiled) {
    SymbolValue value = m_value;
    value.tiled = tiled;
    SetValue(value);
}

bool CSymbolDocument::Update() {
    SymbolValue value = m_value;
    if (m_pPanel != nullptr) {
        // The Text field's text as the attached filter keeps it.
        value.text = EngineText(m_pPanel->DataText());
        value.height = m_pPanel->HeightText();
        value.showText = m_pPanel->IsShowTextChecked();
    }
    value.widths = SettingsWidths();
    value.barReduction = SettingsBarReduction();
    const bool changed = value != m_value || !m_built;
    SetValue(value);
    return changed;
}

void CSymbolDocument::SetValue(const SymbolValue& value) {
    const bool rebuild = !m_built || value.symbology != m_value.symbology ||
                         value.text != m_value.text || value.widths != m_value.widths;
    const bool changed = value != m_value;
    m_value = value;
    if (rebuild && m_pPanel != nullptr) {
        m_pBarcode = m_value.symbology
                         ? CreateBarcode(*m_value.symbology, m_value.text, m_value.widths)
                         : nullptr;
        m_encoding = m_pBarcode ? m_pBarcode->Encode() : Encoding{};
        // The text as the symbol keeps it (an EAN or UPC number already
        // filled); the window shows the symbology, so the message is not led
        // by its name.
        // A retail number with a character that is no digit draws nothing
        // in a cell of its size, as it always has; a wrong add-on is named.
        const SymbologyFacts* facts = m_pBarcode ? &FactsOf(*m_value.symbology) : nullptr;
        const bool undrawable = facts != nullptr && IsEanUpc(facts->id) &&
                                !IsAllDigits(SplitAddOn(m_pBarcode->Data()).main);
        m_refusal = facts != nullptr && facts->refusal != nullptr && !undrawable
                        ? TranslatedMessage(
                              facts->refusal(m_pBarcode->Data(), m_pBarcode->Widths().codeSets))
                        : QString();
        m_built = true;
    }
    if (changed) {
        emit Changed();
    }
}

std::int32_t CSymbolDocument::DrawBarLength() const {
    const std::int32_t requested = BarLengthFromHeight(m_value.height);
    return m_value.symbology ? BarLengthOf(*m_value.symbology, requested) : requested;
}

SymbolScene CSymbolDocument::Scene() const {
    return {m_encoding, DrawBarLength(), m_value.showText, m_value.orientation, m_value.tiled};
}

std::optional<RenderRequest> CSymbolDocument::Request(OutputFormat format, int dpiX,
                                                      int dpiY) const {
    if (!m_pBarcode || !m_value.symbology || !m_refusal.isEmpty()) {
        return std::nullopt;
    }
    RenderRequest request;
    request.symbology = *m_value.symbology;
    request.text = m_value.text;
    // The cell's height follows the Height field, Postnet included: only the
    // draw itself uses Postnet's fixed bars.
    request.heightMils = BarLengthFromHeight(m_value.height);
    request.widths = m_pBarcode->Widths(); // in range, as the symbol uses them
    request.zoom = m_value.zoom;
    request.orientation = m_value.orientation;
    request.showText = m_value.showText;
    request.format = format;
    request.dpiX = dpiX;
    request.dpiY = dpiY;
    return request;
}
