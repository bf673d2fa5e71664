#pragma once

#include "Barcode.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// Code 128: every symbol character is 11 modules (three bars, three spaces),
// the stop character 13 with its termination bar. As typed (the default), the
// data text chooses the code sets itself: the symbol starts in code set A and
// changes set only where the text holds a code-change character (bytes 195 to
// 202 carry the function values 95 to 102). Digits are packed two to a symbol
// character in code set C. In the shortest form (CodeSetChoice::Shortest) the
// encoder chooses start character, code changes and shifts itself for the
// fewest symbol characters; see ShortestPlan.
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

    // As typed: upper-cases a to z; no other byte changes (195 to 206 are
    // function characters, not letters). The shortest form keeps the text.
    explicit CCode128(std::string_view text, const BarWidths& widths = SettingsWidths());

    // What the shortest form encodes: data bytes 0 to 127 and the function
    // characters FNC1 (byte 202), FNC2 (197), FNC3 (196) and FNC4 (200 or 201,
    // applying to the next data byte). Every other byte has no value there: the
    // code-change and SHIFT bytes because the encoder chooses code sets itself.
    static bool HasShortestValue(char c);

    // A data byte's value in code set A or B (its table of symbol
    // characters); kNoValue where it has none.
    static constexpr int kNoValue = -1;
    static int ValueInSet(CodeSet set, char c);
    // Code set B for A, A for B.
    static CodeSet OtherSet(CodeSet set);

    // The first letter of a shortest-form text an FNC1 follows at once: a
    // reader takes that FNC1 for the mark of an AIM application and reports
    // nothing for it, so no symbol of the text reads as its label.
    static std::optional<char> AimMarkAfter(std::string_view text);

    // A start code set and the symbol values after the start character.
    struct Plan {
        CodeSet start = kCodeSetA;
        std::vector<int> values;
    };
    // The fewest symbol characters that a reader reads as the text (its bytes
    // with a shortest value, in order; the others are left out): a shortest
    // path over the positions of the text and the states of the encoder (the
    // three code sets, FNC4 latched or not), where each step is a data
    // character (after one FNC4 where its byte's 128 differs from the latch),
    // a digit pair, a function character, SHIFT with its shifted character, a
    // code change or a latch (FNC4 twice). However many FNC4 stand before a
    // byte, it is read as one; no code set C pair starts the symbol before an
    // FNC1, which a reader would take for an AIM mark.
    static Plan ShortestPlan(std::string_view text);

    // As typed, the width estimate the view centres on: (n + 3) x 12 modules
    // for n data characters, whatever code sets they end up in. Every character
    // counts, also the two digits of one code set C pair and a byte that draws
    // nothing, so it never falls short of the drawn width (11 modules per value
    // + 35). The shortest form reports its drawn width exactly.
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

    bool IsShortestForm() const { return m_shortest; }

protected:
    // A symbology on Code 128 whose symbol characters always take the shortest
    // form: the text is kept as given.
    struct ShortestForm {};
    CCode128(std::string_view text, const BarWidths& widths, ShortestForm);

    // The bytes the shortest form encodes (see HasShortestValue); by default
    // the data text.
    virtual std::string ShortestText() const { return m_strData; }
    // The label under the bars; by default the data text.
    virtual std::string LabelText() const { return m_strData; }

    // The start code set and values a drawing uses, in either form.
    Plan Walked() const;
    static int CheckValueOf(CodeSet start, const std::vector<int>& values);

private:
    bool m_shortest = false;
};
