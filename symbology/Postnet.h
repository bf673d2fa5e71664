#pragma once

#include "Barcode.h"

#include <string>
#include <string_view>

// POSTNET: every digit is five bars, two of them full and three half height,
// followed by a modulo-10 check digit and framed by a full bar at each end. The
// bars have a fixed size of their own: Density and Ratio play no part, and no
// human-readable text is drawn.
class CPostnet : public CBarcode {
public:
    explicit CPostnet(std::string_view text, const BarWidths& widths = SettingsWidths());

    // One bar pitch per bar: 47 x (5n + 7) mils for n digits, the gap after the
    // closing frame bar included; characters other than digits draw no bars and
    // are not counted, so this is the exact drawn length.
    std::int32_t TotalWidth() const override;
    // Bars of their own lengths, whatever the bar length drawn with: full bars
    // are the symbology's fixed bar length, half bars 50 mils, both ending on the
    // line one full bar from the origin line. No label.
    Encoding Encode() const override;
    // The bars of a digit, "1" full and "0" half; "" for any other character,
    // which then draws nothing, moves nothing and adds nothing to the check digit.
    virtual std::string CharPattern(char c) const;

    int CheckDigit() const;

private:
    // Adds a run of "1"/"0" bars, each followed by its gap.
    void AddBars(EncodingBuilder& builder, std::string_view pattern) const;

    // The fixed geometry of the symbology, in mils.
    std::int32_t m_nBarWidth = 20;      // every bar
    std::int32_t m_nBarGap = 27;        // space between neighbouring bars
    std::int32_t m_nFullBarHeight;      // a "1"
    std::int32_t m_nHalfBarHeight = 50; // a "0"
};
