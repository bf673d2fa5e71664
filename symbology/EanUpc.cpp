#include "EanUpc.h"

#include "EanAddOn.h"

#include <algorithm>
#include <cstddef>

namespace {

// How far the quiet zone marks stand from the guard bars.
constexpr int kQuietMarkModules = 7;

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
// Mils between a text above the bars and the bars below it.
constexpr std::int32_t kTopTextGap = 20;
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

char DigitChar(int value) {
    return static_cast<char>('0' + value);
}

// The data digits a symbology keeps (its Text field's digit limit).
std::size_t DataDigits(SymbologyId id) {
    return static_cast<std::size_t>(FactsOf(id).digitLimit);
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

bool IsEanUpc(SymbologyId id) {
    return id == SymbologyId::UpcA || id == SymbologyId::UpcE || id == SymbologyId::Ean13 ||
           id == SymbologyId::Ean8;
}

std::string CompressToUpcE(std::string_view upcA) {
    constexpr std::size_t kUpcADigits = 11;
    if (upcA.size() != kUpcADigits || upcA[0] != '0' || !IsAllDigits(upcA)) {
        return {};
    }
    // Manufacturer number m1..m5, item number p1..p5: the four compressions,
    // tried in order so that each number gets the one form readers expand.
    const std::string_view m = upcA.substr(1, 5);
    const std::string_view p = upcA.substr(6, 5);
    const std::string_view mTail = m.substr(2);
    if ((mTail == "000" || mTail == "100" || mTail == "200") && p.starts_with("00")) {
        return std::string(m.substr(0, 2)) + std::string(p.substr(2)) + m[2];
    }
    if (m.ends_with("00") && p.starts_with("000")) {
        return std::string(m.substr(0, 3)) + std::string(p.substr(3)) + '3';
    }
    if (m.ends_with('0') && p.starts_with("0000")) {
        return std::string(m.substr(0, 4)) + p[4] + '4';
    }
    if (p.starts_with("0000") && p[4] >= '5') {
        return std::string(m) + p[4];
    }
    return {};
}

namespace {

// The check digit the symbology adds to its data digits.
int CheckDigitOf(SymbologyId id, std::string_view data) {
    switch (id) {
    case SymbologyId::UpcE:
        return CUpcE(data).CheckDigit();
    case SymbologyId::Ean13:
        return CEan13(data).CheckDigit();
    default:
        return ComputeCheckDigit(data); // UPC-A and EAN-8 weigh from the first digit
    }
}

} // namespace

EngineMessage EanUpcRefusal(SymbologyId id, std::string_view text) {
    const NumberWithAddOn number = SplitAddOn(text);
    if (number.separated) {
        if (EngineMessage why = AddOnRefusal(number.addOn); !why.Empty()) {
            return why;
        }
    }
    const std::string_view digits = number.main;
    const std::size_t count = DataDigits(id);
    const std::string_view name = FactsOf(id).name;
    if (!IsAllDigits(digits) || (digits.size() != count && digits.size() != count + 1)) {
        return {QT_TRANSLATE_NOOP("Symbology",
                                  "%1 takes %2 digits, or %3 with its check digit; \"%4\" has %5"),
                {Literal(std::string(name)), Literal(std::to_string(count)),
                 Literal(std::to_string(count + 1)), Literal(std::string(digits)),
                 Literal(std::to_string(digits.size()))}};
    }
    const std::string_view data = digits.substr(0, count);
    const std::string expansion = id == SymbologyId::UpcE ? CUpcE(data).Expansion() : "";
    const int right = CheckDigitOf(id, data);
    if (digits.size() == count + 1 && digits.back() - '0' != right) {
        return {QT_TRANSLATE_NOOP("Symbology", "%1 check digit %2 is wrong: it should be %3"),
                {Literal(std::string(name)), Literal(std::string(1, digits.back())),
                 Literal(std::to_string(right))}};
    }
    if (id == SymbologyId::UpcE) {
        const std::string canonical = CompressToUpcE(expansion);
        if (canonical != data) {
            return {QT_TRANSLATE_NOOP("Symbology",
                                      "UPC E %1 stands for UPC-A %2, whose UPC-E form is %3"),
                    {Literal(std::string(data)), Literal(expansion + DigitChar(right)),
                     Literal(canonical)}};
        }
    }
    return {};
}

// --- The shared walk --------------------------------------------------------------

CEanUpc::CEanUpc(SymbologyId id, std::string_view text, const BarWidths& widths,
                 std::int64_t widthModules, bool leadDigit)
    : CBarcode(std::string(), widths), m_widthModules(widthModules),
      m_leadSpace(leadDigit ? kLeadSpace : 0), m_id(id) {
    const NumberWithAddOn number = SplitAddOn(text);
    m_digits = FitToDigitCount(number.main, DataDigits(id));
    m_addOn = number.addOn;
    m_addOnGiven = number.separated;
    m_strData = m_addOnGiven ? m_digits + ' ' + m_addOn : m_digits;
}

void CEanUpc::SetNumber(std::string digits, std::string addOn, std::string headline) {
    m_addOnGiven = !addOn.empty();
    m_digits = digits.empty() ? std::string(1, '?') : std::move(digits);
    m_addOn = std::move(addOn);
    m_headline = std::move(headline);
}

bool CEanUpc::AddOnDrawable() const {
    return !m_addOnGiven || AddOnRefusal(m_addOn).Empty();
}

std::int32_t CEanUpc::TotalWidth() const {
    const std::int64_t addOn =
        m_addOnGiven && AddOnDrawable() ? m_addOnGap + AddOnModules(m_addOn.size()) : 0;
    return ClampToInt32((m_widthModules + addOn) * m_nDensity + m_leadSpace);
}

Encoding CEanUpc::Encode() const {
    if (!IsAllDigits(m_digits) || !AddOnDrawable()) {
        return Unencodable();
    }
    const DigitGroups groups = Groups();
    // Texts are placed from the origin; with the label shown the start guard
    // follows the leading digit after the lead space.
    const std::int32_t lead = groups.leadText.empty() ? 0 : kLeadSpace;
    EncodingBuilder builder = Builder();
    if (!m_addOn.empty()) {
        builder.QuietZone(m_quietZone.before, kAddOnQuietModules, m_quietZone.mils);
    }
    // A line above the bars (a book's number) in a font narrow enough to
    // span the main symbol, Courier's advance being 0.6 of its height; the
    // bars start below it.
    const auto spanModules = static_cast<std::int64_t>(
        kNormalGuard.size() + groups.endGuard.size() +
        (groups.rightDigits.empty() ? 0 : kCentreGuard.size()) +
        kModulesPerDigit * (groups.leftDigits.size() + groups.rightDigits.size()));
    const std::int64_t span = lead + spanModules * m_nDensity;
    const auto headline = static_cast<std::int64_t>(m_headline.size());
    const std::int32_t headlineHeight =
        headline == 0
            ? 0
            : ClampToInt32(std::min<std::int64_t>(kLabelFontHeight, span * 5 / (3 * headline)));
    const std::int32_t barsLift = headline == 0 ? 0 : headlineHeight + kTopTextGap;
    builder.TopLabel(m_headline, 0, span, headlineHeight);
    builder.BarShape(-barsLift, barsLift);
    // At most four elements per digit, plus the guards; at most four texts.
    constexpr std::size_t kGuardElements = 11;
    constexpr std::size_t kLabelPieces = 6;
    builder.Reserve(4 * (groups.leftDigits.size() + groups.rightDigits.size()) + kGuardElements,
                    kLabelPieces);
    builder.Label(groups.leadText, 0, LabelAlign::Start, kTextInset);
    builder.Modules(kNormalGuard);
    for (std::size_t i = 0; i < groups.leftDigits.size(); ++i) {
        const bool odd = i < groups.leftParity.size() && groups.leftParity[i] == kOdd;
        builder.Modules(Row(odd ? kEanLeftOdd : kEanLeftEven, groups.leftDigits[i]));
    }
    builder.Label(groups.leftText, lead + builder.Position() - groups.leftTextGap, LabelAlign::End,
                  kTextInset);
    if (!groups.rightDigits.empty()) {
        builder.Modules(kCentreGuard);
        const std::int64_t rightHalf = lead + builder.Position();
        for (const char digit : groups.rightDigits) {
            builder.Modules(Row(kEanRight, digit));
        }
        builder.Label(groups.rightText, rightHalf, LabelAlign::Start, kTextInset);
    }
    builder.Modules(groups.endGuard);
    builder.BarShape(0, 0);
    builder.Label(groups.trailingText, lead + builder.Position(), LabelAlign::Start, kTextInset, 0,
                  true);
    // The add-on's bars start below its digits and end where the main data
    // bars' digits begin.
    const std::int32_t addOnLift = std::max(barsLift, kLabelFontHeight + kTopTextGap);
    AppendAddOn(builder, m_addOn, m_addOnGap, lead, addOnLift, kTextInset);
    if (m_quietZoneMarks && (m_id == SymbologyId::Ean13 || m_id == SymbologyId::Ean8)) {
        // The marks stand at the quiet zones' outer edges, seven modules from
        // the guard bars (five from an add-on), on the digits' line.
        const std::int64_t quiet =
            std::int64_t{m_addOn.empty() ? kQuietMarkModules : kAddOnQuietModules} * m_nDensity;
        builder.Label(">", lead + builder.Position() + quiet, LabelAlign::End, kTextInset);
        if (m_id == SymbologyId::Ean8) {
            builder.Label("<", lead - quiet, LabelAlign::Start, kTextInset);
        }
    }
    return builder.Finish(TotalWidth(), lead);
}

// --- UPC-A -----------------------------------------------------------------------

CUpcA::CUpcA(std::string_view text, const BarWidths& widths)
    : CEanUpc(SymbologyId::UpcA, text, widths, kUpcAWidthModules, true) {}

int CUpcA::CheckDigit() const {
    return ComputeCheckDigit(m_digits);
}

CEanUpc::DigitGroups CUpcA::Groups() const {
    const std::string_view d = m_digits;
    // The number-system digit and the check digit are printed outside the
    // guards, so the texts of the halves leave out their bars.
    const std::string check(1, DigitChar(CheckDigit()));
    return {
        .leadText = std::string(d.substr(0, kLeadDigit)),
        .leftDigits = std::string(d.substr(0, kFullHalf)),
        .leftParity = std::string(kFullHalf, kOdd),
        .leftText = std::string(d.substr(kLeadDigit, kFullHalf - kLeadDigit)),
        .rightDigits = std::string(d.substr(kFullHalf)) + check,
        .rightText = std::string(d.substr(kFullHalf)),
        .endGuard = kNormalGuard,
        .trailingText = check,
    };
}

// --- UPC-E -----------------------------------------------------------------------

CUpcE::CUpcE(std::string_view text, const BarWidths& widths)
    : CEanUpc(SymbologyId::UpcE, text, widths, kUpcEWidthModules, true) {}

std::string CUpcE::Expansion() const {
    const char last = m_digits.back();
    if (!IsDigit(last)) {
        return {};
    }
    std::string expansion;
    for (const char c : kUpcEExpansion[static_cast<std::size_t>(last - '0')]) {
        expansion += c == '0' ? c : m_digits[static_cast<std::size_t>(c - kFirstDataDigit)];
    }
    return expansion;
}

int CUpcE::CheckDigit() const {
    return ComputeCheckDigit(Expansion());
}

CEanUpc::DigitGroups CUpcE::Groups() const {
    const char check = DigitChar(CheckDigit());
    return {
        .leadText = std::string(kUpcENumberSystem),
        .leftDigits = m_digits,
        .leftParity = std::string(Row(kUpcEParity, check)),
        .leftText = m_digits,
        .leftTextGap = kUpcETextGap,
        .endGuard = kUpcEEndGuard,
        .trailingText = std::string(1, check),
    };
}

// --- EAN-13 ----------------------------------------------------------------------

CEan13::CEan13(std::string_view text, const BarWidths& widths)
    : CEanUpc(SymbologyId::Ean13, text, widths, kEan13WidthModules, true) {}

int CEan13::CheckDigit() const {
    // A leading "0" gives the last data digit the weight 3.
    return ComputeCheckDigit("0" + m_digits);
}

CEanUpc::DigitGroups CEan13::Groups() const {
    const std::string_view d = m_digits;
    // The leading digit is carried by the parity of the 2nd to 7th digits; the
    // 2nd is always odd.
    const std::string right =
        std::string(d.substr(kLeadDigit + kFullHalf)) + DigitChar(CheckDigit());
    return {
        .leadText = std::string(d.substr(0, kLeadDigit)),
        .leftDigits = std::string(d.substr(kLeadDigit, kFullHalf)),
        .leftParity = kOdd + std::string(Row(kEan13Parity, d[0])),
        .leftText = std::string(d.substr(kLeadDigit, kFullHalf)),
        .rightDigits = right,
        .rightText = right,
        .endGuard = kNormalGuard,
    };
}

// --- EAN-8 -----------------------------------------------------------------------

CEan8::CEan8(std::string_view text, const BarWidths& widths)
    : CEanUpc(SymbologyId::Ean8, text, widths, kEan8WidthModules, false) {}

int CEan8::CheckDigit() const {
    return ComputeCheckDigit(m_digits);
}

CEanUpc::DigitGroups CEan8::Groups() const {
    const std::string_view d = m_digits;
    const std::string right = std::string(d.substr(kShortHalf)) + DigitChar(CheckDigit());
    return {
        .leftDigits = std::string(d.substr(0, kShortHalf)),
        .leftParity = std::string(kShortHalf, kOdd),
        .leftText = std::string(d.substr(0, kShortHalf)),
        .rightDigits = right,
        .rightText = right,
        .endGuard = kNormalGuard,
    };
}
