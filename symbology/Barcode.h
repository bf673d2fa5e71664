#pragma once

#include "Encoding.h"
#include "Surface.h"

#include <cstdint>
#include <string>
#include <string_view>

// The settings that size every element, read from section "Barcode".
inline constexpr int kDefaultDensity = 10; // mils per narrow element / module
inline constexpr int kDefaultRatio = 3;    // wide element = Ratio x narrow
// A stored value outside these ranges reads as its default: a narrow element
// of more than an inch or a wide element more than ten narrow ones is no
// usable symbol, and the bounds keep every length well inside 32 bits.
inline constexpr int kMinDensity = 1;
inline constexpr int kMaxDensity = 1000;
inline constexpr int kMinRatio = 1;
inline constexpr int kMaxRatio = 10;

// A stored or given Density and Ratio as a symbol uses them: either one
// outside its range is its default.
constexpr int DensityOrDefault(int density) {
    return density < kMinDensity || density > kMaxDensity ? kDefaultDensity : density;
}
constexpr int RatioOrDefault(int ratio) {
    return ratio < kMinRatio || ratio > kMaxRatio ? kDefaultRatio : ratio;
}

// Modules between an EAN/UPC symbol's end guard and its add-on (setting
// "AddOnGap"): 7 to 12, 9 by default; a value outside reads as 9.
inline constexpr int kMinAddOnGap = 7;
inline constexpr int kMaxAddOnGap = 12;
inline constexpr int kDefaultAddOnGap = 9;
constexpr int AddOnGapOrDefault(int gap) {
    return gap < kMinAddOnGap || gap > kMaxAddOnGap ? kDefaultAddOnGap : gap;
}

// How Code 128 chooses its code sets (setting "CodeSets"): as the typed
// code-change characters say, upper-casing letters (the stored default), or by
// itself for the fewest symbol characters, keeping lower case.
enum class CodeSetChoice : int { AsTyped = 0, Shortest = 1 };
// The bearer bars of ITF-14 (setting "BearerBars"): a frame around bars and
// quiet zones (the default), bars above and below only, or none.
enum class BearerBars : int { None = 0, Frame = 1, TopAndBottom = 2 };

constexpr CodeSetChoice CodeSetChoiceOrDefault(int value) {
    return value == static_cast<int>(CodeSetChoice::Shortest) ? CodeSetChoice::Shortest
                                                              : CodeSetChoice::AsTyped;
}
constexpr BearerBars BearerBarsOrDefault(int value) {
    return value == static_cast<int>(BearerBars::None)           ? BearerBars::None
           : value == static_cast<int>(BearerBars::TopAndBottom) ? BearerBars::TopAndBottom
                                                                 : BearerBars::Frame;
}

// The settings that size every element of a symbol (Density and Ratio) and
// the two that shape Code 128 and ITF-14.
struct BarWidths {
    int density = kDefaultDensity; // the narrow element (module), in mils
    int ratio = kDefaultRatio;     // wide element = ratio x narrow
    CodeSetChoice codeSets = CodeSetChoice::AsTyped;
    BearerBars bearers = BearerBars::Frame;
    // EAN-13 and EAN-8: the quiet zone marks, ">" after the bars (and "<"
    // before EAN-8's), that keep other print out of the quiet zones.
    bool quietZoneMarks = false;
    // EAN/UPC with an add-on: modules between the symbol and its add-on.
    int addOnGap = kDefaultAddOnGap;
    friend bool operator==(const BarWidths&, const BarWidths&) = default;
};

// The widths as the settings hold them now (section "Barcode": Density,
// Ratio, CodeSets, BearerBars, QuietZoneMarks, AddOnGap), through the installed profile
// reader: what a symbol built without widths of its own is drawn with.
BarWidths SettingsWidths();

// Bar width reduction for printers that spread ink (setting "BarReduction"):
// every bar of a printed page this many dots narrower, every space as many
// wider. A stored value outside 0 to this reads as 0.
inline constexpr int kMaxBarReduction = 8;

// Label font: Courier-style, 111 mils high, light weight.
inline constexpr std::int32_t kLabelFontHeight = 111;
inline constexpr std::int32_t kLabelFontWeight = 100;
inline constexpr const char* kLabelFontFace = "Courier New";

// Saturates a 64-bit length to the 32-bit range of the coordinate frame, so that
// absurd inputs (a million characters, a huge bar) never overflow.
constexpr std::int32_t ClampToInt32(std::int64_t v) {
    if (v > INT32_MAX) {
        return INT32_MAX;
    }
    if (v < INT32_MIN) {
        return INT32_MIN;
    }
    return static_cast<std::int32_t>(v);
}

// Turns the letters a-z into A-Z and leaves every other byte alone (no locale:
// Latin-1 letters above 127 are not data characters of any symbology).
std::string UpperCaseAscii(std::string_view text);

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsAllDigits(std::string_view text);

// The clear space a symbology's standard asks for on each side of its bars,
// free of any other print: modules before the first bar and after the last,
// and at least `mils` (all of it for a symbology of fixed-size bars).
struct QuietZone {
    std::int32_t before = 0;
    std::int32_t after = 0;
    std::int32_t mils = 0;
};

// The abstract symbology object: its data text after normalisation and the two
// width settings. It never changes after construction, so drawing it many times
// gives identical symbols.
class CBarcode {
public:
    virtual ~CBarcode() = default;
    CBarcode(const CBarcode&) = delete;
    CBarcode& operator=(const CBarcode&) = delete;

    // The symbol's length along the reading direction, in mils.
    virtual std::int32_t TotalWidth() const = 0;

    // The symbol as plain data: its elements in reading order and its label.
    // Empty when the text cannot be encoded at all.
    virtual Encoding Encode() const = 0;

    // Draws the symbol with its first element at origin; on return origin holds
    // the end of the symbol. orientation is the number of quarter turns
    // counter-clockwise (0 to 3).
    void Draw(Surface& surface, Point& origin, std::int32_t barLength, bool showText,
              int orientation) const;

    const std::string& Data() const { return m_strData; }
    std::int32_t Density() const { return m_nDensity; }
    std::int32_t Ratio() const { return m_nRatio; }
    // Whether the symbol has wide elements, Ratio x narrow; the symbologies of
    // modules alone (Code 93, Code 128, EAN/UPC) and Postnet have none.
    virtual bool HasRatio() const { return false; }
    // The symbology's quiet zones, which its encodings carry in mils; set once
    // by CreateBarcode from the symbology table.
    void SetQuietZone(const QuietZone& zone) { m_quietZone = zone; }
    // Every setting the symbol was built with.
    BarWidths Widths() const {
        return {m_nDensity, m_nRatio, m_codeSets, m_bearers, m_quietZoneMarks, m_addOnGap};
    }

    // The one routine that turns an encoding into surface calls: elements in
    // order from the origin, each label piece after the elements it follows.
    static void DrawEncoding(const Encoding& encoding, Surface& surface, Point& origin,
                             std::int32_t barLength, bool showText, int orientation);

    // One bar: a band of the given width starting at (x, y) in the reading
    // direction, extending length mils in the bar direction.
    static void DrawBar(Surface& surface, std::int32_t x, std::int32_t y, std::int32_t length,
                        std::int32_t width, int orientation);
    // The human-readable text, centred on the symbol just beyond the bars' far edge.
    static void DrawLabel(Surface& surface, std::int32_t x, std::int32_t y,
                          std::int32_t symbolLength, std::int32_t barLength, std::string_view text,
                          int orientation);

protected:
    // Stores the text and the widths it is drawn with (a Density or Ratio
    // outside its range is its default).
    CBarcode(std::string text, const BarWidths& widths);

    std::string m_strData;
    std::int32_t m_nDensity = kDefaultDensity;
    std::int32_t m_nRatio = kDefaultRatio;
    QuietZone m_quietZone;
    CodeSetChoice m_codeSets = CodeSetChoice::AsTyped;
    BearerBars m_bearers = BearerBars::Frame;
    bool m_quietZoneMarks = false;
    int m_addOnGap = kDefaultAddOnGap;

    // The encoding of a text that cannot be encoded at all: no elements, and
    // the symbol's reported length, which still sizes its cell.
    Encoding Unencodable() const;
    // A builder whose "n", "w" and module widths are this symbol's.
    EncodingBuilder Builder() const;
    // The label centred on the bars drawn so far, after every element.
    static void CentredLabel(EncodingBuilder& builder, std::string_view text);
};

// Font of the human-readable text for one orientation.
Font LabelFont(int orientation);

// Reduces any integer to an orientation 0 to 3.
constexpr int NormalOrientation(int orientation) {
    return ((orientation % 4) + 4) % 4;
}
