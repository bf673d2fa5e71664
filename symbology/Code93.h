#pragma once

#include "Barcode.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// Code 93: every symbol character is 9 modules (three bars, three spaces). The
// whole 7-bit ASCII set is encoded: the 43 basic characters stand for
// themselves, every other code is a shift character followed by a letter.
// Two check characters, C and K, precede the stop character. The text is kept
// as typed (lower case is encoded as shift pairs).
class CCode93 : public CBarcode {
public:
    static constexpr int kStartStop = 47;
    static constexpr int kStopWithTerminationBar = 48;
    static constexpr int kCheckModulus = 47;

    struct CheckCharacters {
        int c;
        int k;
    };

    explicit CCode93(std::string_view text, const BarWidths& widths = SettingsWidths());

    // Start, data, C and K at 9 modules each and the 10-module stop: the exact
    // drawn length.
    std::int32_t TotalWidth() const override;
    Encoding Encode() const override;

    // The module pattern ("b" bar, "s" space) of a value 0 to 48, "" otherwise.
    static std::string_view Pattern(int value);
    // The one or two symbol values that encode c; none for a code above 127.
    static std::span<const int> FullAsciiValues(char c);

    // The data symbol characters in drawing order (start, checks, stop excluded).
    std::vector<int> SymbolValues() const;
    CheckCharacters Checks() const;
    static CheckCharacters ChecksOf(const std::vector<int>& values);
};
