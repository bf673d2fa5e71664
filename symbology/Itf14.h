#pragma once

#include "Barcode.h"
#include "EngineMessage.h"

#include <string>
#include <string_view>

// ITF-14: the fourteen digits of a GTIN-14 (thirteen and the GS1 check digit)
// in Interleaved 2 of 5, with quiet zones of ten modules and bearer bars of
// 5 modules, as the BearerBars setting chooses them: a frame around bars
// and quiet zones, bars above and below only, or none. The bearer bars lie
// inside the bar length; the data bars are that much shorter.
class CItf14 : public CBarcode {
public:
    // Thirteen digits get their check digit; fourteen keep theirs when it is
    // right. Anything else is no ITF-14 data and draws nothing.
    explicit CItf14(std::string_view text, const BarWidths& widths = SettingsWidths());

    // Why the text is no ITF-14 data, or "" (the right check digit named).
    static std::string Refusal(std::string_view text);
    static EngineMessage RefusalMessage(std::string_view text);

    // The exact drawn length, quiet zones and frame included.
    std::int32_t TotalWidth() const override;
    Encoding Encode() const override;
    bool HasRatio() const override { return true; }

private:
    std::int32_t BearerWidth() const;
    bool m_valid = false;
};
