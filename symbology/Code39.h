#pragma once

#include "Barcode.h"

#include <string>
#include <string_view>

// Code 39: every character is nine elements (three of them wide) followed by a
// narrow inter-character gap, framed by the start/stop character "*".
class CCode39 : public CBarcode {
public:
    explicit CCode39(std::string_view text, const BarWidths& widths = SettingsWidths());

    std::int32_t TotalWidth() const override;
    Encoding Encode() const override;
    bool HasRatio() const override { return true; }
    // The ten-element pattern (gap included) of one character, or "" if the
    // character has none.
    virtual std::string CharPattern(char c) const;

    // Value of a character in the mod-43 sum (0 for a character without one),
    // and the character of a value 0 to 42.
    static int CheckValue(char c);
    static char CheckCharacter(int value);

protected:
    explicit CCode39(const BarWidths& widths) : CBarcode(std::string(), widths) {}
    // Width of one Code 39 character, its gap included: (3R + 7) x N mils.
    std::int64_t CharacterWidth() const;
    // Adds the elements of one data character.
    virtual void EncodeCharacter(EncodingBuilder& builder, char c) const;
    // Start, each data character as EncodeCharacter adds it, the check characters
    // (plain Code 39), stop, and the label centred on TotalWidth.
    Encoding EncodeFramed(std::string_view checkCharacters, std::string_view label) const;
};

// Code 39 Extended: the full 7-bit ASCII set, each character as one or two
// Code 39 characters. The text is kept as typed (lower case stays lower case).
class CCode39Ext : public CCode39 {
public:
    explicit CCode39Ext(std::string_view text, const BarWidths& widths = SettingsWidths());

    std::int32_t TotalWidth() const override;
    // The patterns of the one or two Code 39 characters that encode c; "" for a
    // code of 128 or above.
    std::string CharPattern(char c) const override;

    // The Code 39 characters that encode c ("" for a code of 128 or above).
    static std::string_view FullAsciiEncoding(char c);

protected:
    void EncodeCharacter(EncodingBuilder& builder, char c) const override;
};

// Code 39 with a modulo-43 check character before the stop character.
class CCode39Mod43 : public CCode39 {
public:
    explicit CCode39Mod43(std::string_view text, const BarWidths& widths = SettingsWidths());

    std::int32_t TotalWidth() const override;
    Encoding Encode() const override;

    char CheckChar() const;
    // The text, two blanks and the check character in parentheses.
    std::string LabelText() const;
};
