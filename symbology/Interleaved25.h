#pragma once

#include "Barcode.h"

#include <string>
#include <string_view>

// Interleaved 2 of 5: digits in pairs, the first of each pair in the bars and
// the second in the spaces, five elements per digit with two of them wide,
// between a narrow start "nnnn" and the stop "wnn". No check digit.
class CInterleaved25 : public CBarcode {
public:
    // An odd number of characters gets a "0" in front, so every digit has a partner.
    explicit CInterleaved25(std::string_view text, const BarWidths& widths = SettingsWidths());

    // ((2R + 3) x n + R + 6) x N mils: the exact drawn length.
    std::int32_t TotalWidth() const override;
    // Draws nothing at all if a data character is not a digit.
    Encoding Encode() const override;
    bool HasRatio() const override { return true; }

    // The ten elements of a digit pair: the digits' elements taken in turn, the
    // first digit's as bars and the second's as spaces; "" if either is not a digit.
    static std::string PairPattern(char first, char second);
};
