#pragma once

#include "Barcode.h"
#include "Symbologies.h"

#include <array>
#include <string>
#include <string_view>

// The retail numeric symbologies UPC-A, UPC-E, EAN-13 and EAN-8. Each keeps a
// fixed number of data digits (cut or zero-filled on construction), adds a
// modulo-10 check digit and encodes guard patterns and seven-module digits.

// One table of the EAN/UPC standard: ten rows indexed by digit value, each
// beginning with the digit character itself, followed by the pattern ("s"/"b"
// modules of a number set, or "O"/"E" parity letters).
using EanTable = std::array<std::string_view, 10>;

// Number set A (left half, odd parity), one row per digit: seven modules.
inline constexpr EanTable kEanLeftOdd{
    "0sssbbsb", "1ssbbssb", "2ssbssbb", "3sbbbbsb", "4sbsssbb",
    "5sbbsssb", "6sbsbbbb", "7sbbbsbb", "8sbbsbbb", "9sssbsbb",
};
// Number set B (left half, even parity): seven modules.
inline constexpr EanTable kEanLeftEven{
    "0sbssbbb", "1sbbssbb", "2ssbbsbb", "3sbssssb", "4ssbbbsb",
    "5sbbbssb", "6ssssbsb", "7ssbsssb", "8sssbssb", "9ssbsbbb",
};
// Number set C (right half): seven modules.
inline constexpr EanTable kEanRight{
    "0bbbssbs", "1bbssbbs", "2bbsbbss", "3bssssbs", "4bsbbbss",
    "5bssbbbs", "6bsbssss", "7bsssbss", "8bssbsss", "9bbbsbss",
};
// UPC-E number system 0: the parity of the six digits, chosen by the check digit.
inline constexpr EanTable kUpcEParity{
    "0EEEOOO", "1EEOEOO", "2EEOOEO", "3EEOOOE", "4EOEEOO",
    "5EOOEEO", "6EOOOEE", "7EOEOEO", "8EOEOOE", "9EOOEOE",
};
// EAN-13: the parity of the 3rd to 7th digits, chosen by the leading digit (the
// 2nd digit is always odd, so its letter is left out).
inline constexpr EanTable kEan13Parity{
    "0OOOOO", "1OEOEE", "2OEEOE", "3OEEEO", "4EOOEE",
    "5EEOOE", "6EEEOO", "7EOEOE", "8EOEEO", "9EEOEO",
};

// The modulo-10 check digit of the standard: weights 3, 1, 3, ... from the first
// character. Returns 0 to 9, 0 for an empty string and -1 if a character is not
// a decimal digit.
int ComputeCheckDigit(std::string_view digits);

// Whether the symbology is one of the four retail numeric ones.
bool IsEanUpc(SymbologyId id);

// Why a text of digits is no whole number of the retail symbology, or nothing:
// it must hold exactly the data digits, or those and their right check digit;
// a UPC-E number must be the one compressed form of its UPC-A number. A space
// or "+" and an add-on of 2 or 5 digits may follow.
EngineMessage EanUpcRefusal(SymbologyId id, std::string_view text);

// The canonical UPC-E data digits of an 11-digit UPC-A number of number system
// 0, or "" where the number has no UPC-E form.
std::string CompressToUpcE(std::string_view upcA);

// The shared walk of the four: a leading digit before the start guard, the
// start guard, the left digits (each from set A or B as its parity letter
// says), then either the centre guard and the right digits (set C) or nothing
// (UPC-E), the end guard, and a check digit after it; the digits' texts are
// placed group by group under the bars they stand for.
//
// Each class encodes nothing at all when a data character is not a decimal
// digit: the tables have no row for it, and a partial symbol would scan as
// other data or not at all.
class CEanUpc : public CBarcode {
public:
    // Modules times the module width, plus the lead space of the symbologies
    // that print a digit before their start guard: a fixed value, not the
    // drawn extent.
    std::int32_t TotalWidth() const override;
    Encoding Encode() const override;
    // The modulo-10 check digit of the data digits (-1 if one is not a digit).
    virtual int CheckDigit() const = 0;
    // The main number's data digits (zero-filled), its add-on ("" for none)
    // and the line printed above the bars ("" for none).
    const std::string& Digits() const { return m_digits; }
    const std::string& AddOn() const { return m_addOn; }
    const std::string& Headline() const { return m_headline; }

protected:
    // Keeps the symbology's number of data digits: the first ones of the text,
    // zero-filled at the end; a space or "+" after them leads the add-on. The
    // data text is the digits and " " and the add-on.
    CEanUpc(SymbologyId id, std::string_view text, const BarWidths& widths,
            std::int64_t widthModules, bool leadDigit);
    // A number typed in a form of its own (ISBN, ISSN, ISMN): the symbol
    // draws these digits, add-on and line above; the data text stays as typed.
    // Empty digits draw nothing.
    void SetNumber(std::string digits, std::string addOn, std::string headline);

    std::string m_digits;

    // What one symbol draws, in order, as digit strings and their texts.
    struct DigitGroups {
        std::string leadText{};
        std::string leftDigits{};
        std::string leftParity{}; // "O" set A, any other letter set B; one per digit
        std::string leftText{};   // right-aligned to the end of the left digits
        std::int32_t leftTextGap = 0;
        std::string rightDigits{}; // empty: no centre guard and no right half
        std::string rightText{};   // starts at the start of the right digits
        std::string_view endGuard{};
        std::string trailingText{};
    };
    virtual DigitGroups Groups() const = 0;

private:
    // Whether the add-on, if one was given, is 2 or 5 digits.
    bool AddOnDrawable() const;

    std::string m_addOn;
    bool m_addOnGiven = false;
    std::string m_headline;
    std::int64_t m_widthModules;
    std::int32_t m_leadSpace;
    SymbologyId m_id;
};

class CUpcA : public CEanUpc {
public:
    explicit CUpcA(std::string_view text, const BarWidths& widths = SettingsWidths());
    int CheckDigit() const override;

protected:
    DigitGroups Groups() const override;
};

class CUpcE : public CEanUpc {
public:
    explicit CUpcE(std::string_view text, const BarWidths& widths = SettingsWidths());
    // The 11-digit UPC-A number (number system 0) the six digits stand for; empty
    // when the last data character is not a digit.
    std::string Expansion() const;
    int CheckDigit() const override;

protected:
    DigitGroups Groups() const override;
};

class CEan13 : public CEanUpc {
public:
    explicit CEan13(std::string_view text, const BarWidths& widths = SettingsWidths());
    int CheckDigit() const override;

protected:
    DigitGroups Groups() const override;
};

class CEan8 : public CEanUpc {
public:
    explicit CEan8(std::string_view text, const BarWidths& widths = SettingsWidths());
    int CheckDigit() const override;

protected:
    DigitGroups Groups() const override;
};
