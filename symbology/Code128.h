#pragma once

#include "Barcode.h"

#include <cstdint>
#include <string_view>
#include <vector>

// Code 128: every symbol character is 11 modules (three bars, three spaces),
// the stop character 13 with its termination bar. The data text chooses the
// code sets itself: the symbol starts in code set A and changes set only where
// the text holds a code-change character (bytes 195 to 202 carry the function
// values 95 to 102). Digits are packed two to a symbol character in code set C.
class CCode128 : public CBarcode {
public:
    // The three code sets, as stored in the start code set field.
    enum CodeSet : std::int32_t { kCodeSetA = 0, kCodeSetB = 1, kCodeSetC = 2 };

    // Symbol values with a meaning of their own.
    static constexpr int kShift = 98;
    static constexpr int kCodeC = 99;
    static constexpr int kCodeB = 100; // FNC4 in code set B
    static constexpr int kCodeA = 101; // FNC4 in code set A
    static constexpr int kFnc1 = 102;
    static constexpr int kStartA = 103; // START B and START C follow it
    static constexpr int kStop = 106;
    static constexpr int kCheckModulus = 103;

    // Upper-cases a to z; no other byte changes (195 to 206 are function
    // characters, not letters).
    explicit CCode128(std::string_view text);

    // The width estimate the view centres on: (n + 3) x 12 modules for n data
    // characters, whatever code sets they end up in. Every character counts,
    // also the two digits of one code set C pair and a byte that draws nothing,
    // so it never falls short of the drawn width (11 modules per value + 35).
    std::int32_t TotalWidth() const override;
    Encoding Encode() const override;
    // The module pattern ("b" bar, "s" space) of a symbol value 0 to 106, or ""
    // for any other value.
    virtual std::string_view CharPattern(int value) const;

    // The values the data walk emits, in drawing order (start, check and stop
    // not included). Drawing and the check character both use this one walk.
    std::vector<int> SymbolValues() const;
    // The check character: start value plus every emitted value times its
    // position (from 1), modulo 103.
    int CheckValue() const;

private:
    int StartValue() const { return kStartA + m_nStartCodeSet; }
    int CheckValueOf(const std::vector<int>& values) const;

    // Always code set A; every walk starts afresh from it, so repeated drawings
    // are identical.
    std::int32_t m_nStartCodeSet = kCodeSetA;
};
