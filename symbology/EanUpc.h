#pragma once

#include "Barcode.h"

#include <array>
#include <string>
#include <string_view>

// The retail numeric symbologies UPC-A, UPC-E, EAN-13 and EAN-8. Each keeps a
// fixed number of data digits (cut or zero-filled on construction), adds a
// modulo-10 check digit and draws guard patterns and seven-module digits with
// DrawModules. The human-readable digits are placed group by group under the
// bars they stand for.

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

// Each class draws nothing at all when a data character is not a decimal digit:
// the tables have no row for it, and a partial symbol would scan as other data
// or not at all.
class CUpcA : public CBarcode {
public:
    explicit CUpcA(std::string_view text);
    std::int32_t TotalWidth() const override;
    void Draw(Surface& surface, Point& origin, std::int32_t barLength, bool showText,
              int orientation) const override;
    int CheckDigit() const;
};

class CUpcE : public CBarcode {
public:
    explicit CUpcE(std::string_view text);
    std::int32_t TotalWidth() const override;
    void Draw(Surface& surface, Point& origin, std::int32_t barLength, bool showText,
              int orientation) const override;
    // The 11-digit UPC-A number (number system 0) the six digits stand for; empty
    // when the last data character is not a digit.
    std::string Expansion() const;
    int CheckDigit() const;
};

class CEan13 : public CBarcode {
public:
    explicit CEan13(std::string_view text);
    std::int32_t TotalWidth() const override;
    void Draw(Surface& surface, Point& origin, std::int32_t barLength, bool showText,
              int orientation) const override;
    int CheckDigit() const;
};

class CEan8 : public CBarcode {
public:
    explicit CEan8(std::string_view text);
    std::int32_t TotalWidth() const override;
    void Draw(Surface& surface, Point& origin, std::int32_t barLength, bool showText,
              int orientation) const override;
    int CheckDigit() const;
};
