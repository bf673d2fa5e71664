#include "EanUpc.h"

#include "Frame.h"

#include <algorithm>
#include <cstddef>

namespace {

// Data digits kept by each symbology; the check digit is never part of them.
constexpr std::size_t kUpcADigits = 11;
constexpr std::size_t kUpcEDigits = 6;
constexpr std::size_t kEan13Digits = 12;
constexpr std::size_t kEan8Digits = 7;
// Digits drawn in each half of UPC-A and EAN-13, and of EAN-8; the right half
// ends with the check digit.
constexpr std::size_t kFullHalf = 6;
constexpr std::size_t kShortHalf = 4;
// The first digit of UPC-A and EAN-13 is printed before the start guard.
constexpr std::size_t kLeadDigit = 1;

// Reported lengths: modules times the module width, plus the lead space of the
// symbologies that print a digit before their start guard. Fixed values, not
// the drawn extent.
constexpr std::int64_t kUpcAWidthModules = 99;
constexpr std::int64_t kUpcEWidthModules = 51;
constexpr std::int64_t kEan13WidthModules = 106;
constexpr std::int64_t kEan8WidthModules = 64;

// Mils between the start of the leading digit's text and the start guard; only
// there when the text is shown.
constexpr std::int32_t kLeadSpace = 83;
// The digits start this many mils before the far end of the bars, so their
// opaque cells shorten the data bars they stand under.
constexpr std::int32_t kTextInset = 60;
// The UPC-E digits end this many mils before the end guard.
constexpr std::int32_t kUpcETextGap = 2;

constexpr std::string_view kNormalGuard = "bsb";
constexpr std::string_view kCentreGuard = "sbsbs";
constexpr std::string_view kUpcEEndGuard = "sbsbsb";
constexpr char kOdd = 'O';
// The number-system digit of UPC-E, shown before its start guard.
constexpr std::string_view kUpcENumberSystem = "0";

constexpr std::size_t kModulesPerDigit = 7;
constexpr std::size_t kUpcEParityLetters = 6;
constexpr std::size_t kEan13ParityLetters = 5;

// A row's pattern follows its digit character.
constexpr std::size_t kRowPatternStart = 1;

// Every row starts with its own digit and holds only letters of the alphabet.
constexpr bool RowsAreWellFormed(const EanTable& table, std::size_t letters,
                                 std::string_view alphabet) {
    for (std::size_t digit = 0; digit < table.size(); ++digit) {
        const std::string_view row = table[digit];
        if (row.size() != kRowPatternStart + letters || row[0] != static_cast<char>('0' + digit)) {
            return false;
        }
        for (const char c : row.substr(kRowPatternStart)) {
            if (alphabet.find(c) == std::string_view::npos) {
                return false;
            }
        }
    }
    return true;
}
static_assert(RowsAreWellFormed(kEanLeftOdd, kModulesPerDigit, "sb"));
static_assert(RowsAreWellFormed(kEanLeftEven, kModulesPerDigit, "sb"));
static_assert(RowsAreWellFormed(kEanRight, kModulesPerDigit, "sb"));
static_assert(RowsAreWellFormed(kUpcEParity, kUpcEParityLetters, "OE"));
static_assert(RowsAreWellFormed(kEan13Parity, kEan13ParityLetters, "OE"));

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The pattern of a digit in a table, without the row's own digit; empty for a
// character that is not a digit, so no row outside the ten is ever read.
std::string_view Row(const EanTable& table, char digit) {
    return IsDigit(digit) ? table[static_cast<std::size_t>(digit - '0')].substr(kRowPatternStart)
                          : std::string_view();
}

// The first digitCount characters, then "0" appended up to digitCount.
std::string FitToDigitCount(std::string_view text, std::size_t digitCount) {
    std::string fitted(text.substr(0, digitCount));
    fitted.resize(digitCount, '0');
    return fitted;
}

bool IsAllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), IsDigit);
}

char DigitChar(int value) {
    return static_cast<char>('0' + value);
}

// The check digit's text starts at the pen after the end guard moved by this
// many mils in x and y (in orientation 2 only x moves). In orientations 2 and 3
// that is 1 mil back over the last guard bar, too little to matter to a scanner.
constexpr std::array<Point, 4> kCheckTextNudge{{{1, 1}, {1, 1}, {1, 0}, {1, 1}}};

// What one symbol draws, in order: an optional digit before the start guard,
// the start guard, the left digits (each from set A or B as its parity letter
// says) and their text, then either the centre guard, the right digits (set C)
// and their text, or nothing (UPC-E), the end guard and an optional check
// digit text after it.
struct Layout {
    std::string_view leadText{};
    std::string_view leftDigits{};
    std::string_view leftParity{}; // "O" set A, any other letter set B; one per digit
    std::string_view leftText{};   // right-aligned to the end of the left digits
    std::int32_t leftTextGap = 0;
    std::string_view rightDigits{}; // empty: no centre guard and no right half
    std::string_view rightText{};   // starts at the start of the right digits
    std::string_view endGuard{};
    std::string_view trailingText{};
};

// Draws a Layout: the pen, the bar length, the orientation and the font, made
// once for the whole draw.
class SymbolWriter {
public:
    SymbolWriter(const CBarcode& barcode, Surface& surface, Point& pen, std::int32_t barLength,
                 bool showText, int orientation)
        : m_barcode(barcode), m_surface(surface), m_pen(pen), m_barLength(barLength),
          m_showText(showText), m_orientation(NormalOrientation(orientation)),
          m_font(LabelFont(orientation)) {}

    void Draw(const Layout& layout) {
        if (!layout.leadText.empty()) {
            LeadDigit(layout.leadText);
        }
        Modules(kNormalGuard);
        for (std::size_t i = 0; i < layout.leftDigits.size(); ++i) {
            const bool odd = i < layout.leftParity.size() && layout.leftParity[i] == kOdd;
            Modules(Row(odd ? kEanLeftOdd : kEanLeftEven, layout.leftDigits[i]));
        }
        TextEndingAtPen(layout.leftText, layout.leftTextGap);
        if (!layout.rightDigits.empty()) {
            Modules(kCentreGuard);
            const Point rightHalf = m_pen;
            for (const char digit : layout.rightDigits) {
                Modules(Row(kEanRight, digit));
            }
            Text(rightHalf, layout.rightText);
        }
        Modules(layout.endGuard);
        if (!layout.trailingText.empty()) {
            TrailingText(layout.trailingText);
        }
    }

private:
    void Modules(std::string_view pattern) {
        m_barcode.DrawModules(m_surface, pattern, m_pen, m_barLength, m_orientation);
    }

    // The text at its anchor: start moved back by `back` against the reading
    // direction and kTextInset short of the bars' far end in the bar direction.
    void Text(Point start, std::string_view text, std::int64_t back = 0) {
        if (!m_showText || text.empty()) {
            return;
        }
        const Point anchor =
            MoveInFrame(start, -back, std::int64_t{m_barLength} - kTextInset, m_orientation);
        m_surface.DrawText(m_font, anchor, text);
    }

    void TextEndingAtPen(std::string_view text, std::int32_t gap) {
        if (!m_showText || text.empty()) {
            return;
        }
        const std::int64_t width = m_surface.MeasureText(m_font, text).cx;
        Text(m_pen, text, width + gap);
    }

    // The leading digit sits at the pen and the start guard follows after the
    // lead space; without text there is neither.
    void LeadDigit(std::string_view text) {
        if (!m_showText) {
            return;
        }
        Text(m_pen, text);
        m_pen = MoveInFrame(m_pen, kLeadSpace, 0, m_orientation);
    }

    void TrailingText(std::string_view text) {
        const Point nudge = kCheckTextNudge[static_cast<std::size_t>(m_orientation)];
        const Point start{ClampToInt32(std::int64_t{m_pen.x} + nudge.x),
                          ClampToInt32(std::int64_t{m_pen.y} + nudge.y)};
        Text(start, text);
    }

    const CBarcode& m_barcode;
    Surface& m_surface;
    Point& m_pen;
    std::int32_t m_barLength;
    bool m_showText;
    int m_orientation;
    Font m_font;
};

std::int32_t ReportedWidth(std::int64_t modules, std::int32_t density, std::int32_t lead) {
    return ClampToInt32(modules * density + lead);
}

// The UPC-E expansion to an 11-digit UPC-A number of number system 0, chosen
// by the last data digit: "A" to "F" stand for the data digits d1 to d6, "0"
// for a zero.
constexpr std::array<std::string_view, 10> kUpcEExpansion{
    "0ABF0000CDE", "0ABF0000CDE", "0ABF0000CDE", // 0-2: 0 d1 d2 d6 0000 d3 d4 d5
    "0ABC00000DE",                               // 3: 0 d1 d2 d3 00000 d4 d5
    "0ABCD00000E",                               // 4: 0 d1 d2 d3 d4 00000 d5
    "0ABCDE0000F", "0ABCDE0000F", "0ABCDE0000F", // 5-9: 0 d1 d2 d3 d4 d5 0000 d6
    "0ABCDE0000F", "0ABCDE0000F",
};
constexpr char kFirstDataDigit = 'A';

} // namespace

int ComputeCheckDigit(std::string_view digits) {
    constexpr int kModulus = 10;
    constexpr int kHeavy = 3;
    constexpr int kLight = 1;
    int sum = 0;
    int weight = kHeavy;
    for (const char c : digits) {
        if (!IsDigit(c)) {
            return -1;
        }
        sum = (sum + weight * (c - '0')) % kModulus;
        weight = weight == kHeavy ? kLight : kHeavy;
    }
    return sum > 0 ? kModulus - sum : 0;
}

// --- UPC-A -----------------------------------------------------------------------

CUpcA::CUpcA(std::string_view text) : CBarcode(FitToDigitCount(text, kUpcADigits)) {}

int CUpcA::CheckDigit() const {
    return ComputeCheckDigit(m_strData);
}

std::int32_t CUpcA::TotalWidth() const {
    return ReportedWidth(kUpcAWidthModules, m_nDensity, kLeadSpace);
}

void CUpcA::Draw(Surface& surface, Point& origin, std::int32_t barLength, bool showText,
                 int orientation) const {
    if (!IsAllDigits(m_strData)) {
        return;
    }
    const std::string_view d = m_strData;
    // The number-system digit and the check digit are printed outside the
    // guards, so the texts of the halves leave out their bars.
    const std::string check(1, DigitChar(CheckDigit()));
    const std::string right = std::string(d.substr(kFullHalf)) + check;
    const std::string parity(kFullHalf, kOdd);
    const Layout layout{
        .leadText = d.substr(0, kLeadDigit),
        .leftDigits = d.substr(0, kFullHalf),
        .leftParity = parity,
        .leftText = d.substr(kLeadDigit, kFullHalf - kLeadDigit),
        .rightDigits = right,
        .rightText = d.substr(kFullHalf),
        .endGuard = kNormalGuard,
        .trailingText = check,
    };
    SymbolWriter(*this, surface, origin, barLength, showText, orientation).Draw(layout);
}

// --- UPC-E -----------------------------------------------------------------------

CUpcE::CUpcE(std::string_view text) : CBarcode(FitToDigitCount(text, kUpcEDigits)) {}

std::string CUpcE::Expansion() const {
    const char last = m_strData[kUpcEDigits - 1];
    if (!IsDigit(last)) {
        return {};
    }
    std::string expansion;
    for (const char c : kUpcEExpansion[static_cast<std::size_t>(last - '0')]) {
        expansion += c == '0' ? c : m_strData[static_cast<std::size_t>(c - kFirstDataDigit)];
    }
    return expansion;
}

int CUpcE::CheckDigit() const {
    return ComputeCheckDigit(Expansion());
}

std::int32_t CUpcE::TotalWidth() const {
    return ReportedWidth(kUpcEWidthModules, m_nDensity, kLeadSpace);
}

void CUpcE::Draw(Surface& surface, Point& origin, std::int32_t barLength, bool showText,
                 int orientation) const {
    if (!IsAllDigits(m_strData)) {
        return;
    }
    const int check = CheckDigit();
    const std::string checkText(1, DigitChar(check));
    const Layout layout{
        .leadText = kUpcENumberSystem,
        .leftDigits = m_strData,
        .leftParity = Row(kUpcEParity, DigitChar(check)),
        .leftText = m_strData,
        .leftTextGap = kUpcETextGap,
        .endGuard = kUpcEEndGuard,
        .trailingText = checkText,
    };
    SymbolWriter(*this, surface, origin, barLength, showText, orientation).Draw(layout);
}

// --- EAN-13 ----------------------------------------------------------------------

CEan13::CEan13(std::string_view text) : CBarcode(FitToDigitCount(text, kEan13Digits)) {}

int CEan13::CheckDigit() const {
    // A leading "0" gives the last data digit the weight 3.
    return ComputeCheckDigit("0" + m_strData);
}

std::int32_t CEan13::TotalWidth() const {
    return ReportedWidth(kEan13WidthModules, m_nDensity, kLeadSpace);
}

void CEan13::Draw(Surface& surface, Point& origin, std::int32_t barLength, bool showText,
                  int orientation) const {
    if (!IsAllDigits(m_strData)) {
        return;
    }
    const std::string_view d = m_strData;
    // The leading digit is carried by the parity of the 2nd to 7th digits; the
    // 2nd is always odd.
    const std::string parity = kOdd + std::string(Row(kEan13Parity, d[0]));
    const std::string right =
        std::string(d.substr(kLeadDigit + kFullHalf)) + DigitChar(CheckDigit());
    const Layout layout{
        .leadText = d.substr(0, kLeadDigit),
        .leftDigits = d.substr(kLeadDigit, kFullHalf),
        .leftParity = parity,
        .leftText = d.substr(kLeadDigit, kFullHalf),
        .rightDigits = right,
        .rightText = right,
        .endGuard = kNormalGuard,
    };
    SymbolWriter(*this, surface, origin, barLength, showText, orientation).Draw(layout);
}

// --- EAN-8 -----------------------------------------------------------------------

CEan8::CEan8(std::string_view text) : CBarcode(FitToDigitCount(text, kEan8Digits)) {}

int CEan8::CheckDigit() const {
    return ComputeCheckDigit(m_strData);
}

std::int32_t CEan8::TotalWidth() const {
    return ReportedWidth(kEan8WidthModules, m_nDensity, 0);
}

void CEan8::Draw(Surface& surface, Point& origin, std::int32_t barLength, bool showText,
                 int orientation) const {
    if (!IsAllDigits(m_strData)) {
        return;
    }
    const std::string_view d = m_strData;
    const std::string right = std::string(d.substr(kShortHalf)) + DigitChar(CheckDigit());
    const std::string parity(kShortHalf, kOdd);
    const Layout layout{
        .leftDigits = d.substr(0, kShortHalf),
        .leftParity = parity,
        .leftText = d.substr(0, kShortHalf),
        .rightDigits = right,
        .rightText = right,
        .endGuard = kNormalGuard,
    };
    SymbolWriter(*this, surface, origin, barLength, showText, orientation).Draw(layout);
}
