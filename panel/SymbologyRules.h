#pragma once

#include "Factory.h"

#include <array>
#include <string_view>

// Which filter guards the Text field for a symbology.
enum class TextFilter {
    Alphanumeric, // free text without a set of excluded characters
    Digits,       // the digits 0 to 9 up to a limit, no sign
};

// What choosing a symbology does to the Text field and the status bar.
struct SymbologyRule {
    SymbologyId id;
    TextFilter filter;
    // Digits: the most digits the field takes. Alphanumeric: unused (0).
    int digitLimit;
    // Alphanumeric: the characters refused; empty refuses nothing.
    std::u16string_view excluded;
    // Shown in the status bar while the symbology is chosen.
    std::string_view ruleText;
};

// Characters that Code 39, Code 93 and Code 39 with its check character
// refuse in the Text field: < > " ' { } [ ] and backslash.
inline constexpr std::u16string_view kCode39Excluded = u"<>\"'{}[]\\";
// The set the Text field refuses from start-up until a symbology is chosen:
// % ' * " + ? > < : and backslash.
inline constexpr std::u16string_view kStartUpExcluded = u"%'*\"+?><:\\";
// The digits filter's limit from start-up until a symbology sets one.
inline constexpr int kStartUpDigitLimit = 9;

// The longest POSTNET data: ZIP code, ZIP+4 and the delivery point (5+4+2).
inline constexpr int kPostnetDigitLimit = 11;
// Interleaved 2 of 5 takes any number of digit pairs: as many digits as a
// line edit holds by default.
inline constexpr int kInterleavedDigitLimit = 32767;

inline constexpr std::string_view kCode39RuleText =
    "Alphanumeric characters(A-Z, 0-9, +-/%$*SPACE)";
inline constexpr std::string_view kAnyTextRuleText = "Any alphanumeric characters.";
inline constexpr std::string_view kDigitsRuleText = "Numeric character ( 0~9) only.";

// One row per symbology, in SymbologyId order. The EAN and UPC limits are
// their data digits, the check digit not counted.
inline constexpr std::array<SymbologyRule, kSymbologyCount> kSymbologyRules{{
    {SymbologyId::Code39, TextFilter::Alphanumeric, 0, kCode39Excluded, kCode39RuleText},
    {SymbologyId::Code93, TextFilter::Alphanumeric, 0, kCode39Excluded, kCode39RuleText},
    {SymbologyId::Code128, TextFilter::Alphanumeric, 0, u"", kAnyTextRuleText},
    {SymbologyId::Interleaved25, TextFilter::Digits, kInterleavedDigitLimit, u"", kDigitsRuleText},
    {SymbologyId::Code39Extended, TextFilter::Alphanumeric, 0, u"", kAnyTextRuleText},
    {SymbologyId::Code39Mod43, TextFilter::Alphanumeric, 0, kCode39Excluded, kCode39RuleText},
    {SymbologyId::Postnet, TextFilter::Digits, kPostnetDigitLimit, u"", kDigitsRuleText},
    {SymbologyId::UpcA, TextFilter::Digits, 11, u"", kDigitsRuleText},
    {SymbologyId::UpcE, TextFilter::Digits, 6, u"", kDigitsRuleText},
    {SymbologyId::Ean13, TextFilter::Digits, 12, u"", kDigitsRuleText},
    {SymbologyId::Ean8, TextFilter::Digits, 7, u"", kDigitsRuleText},
}};

constexpr bool RulesFollowSymbologyOrder() {
    for (std::size_t i = 0; i < kSymbologyRules.size(); ++i) {
        if (static_cast<std::size_t>(kSymbologyRules[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(RulesFollowSymbologyOrder(), "row i of the rules is SymbologyId i");

// The rule of a SymbologyId; null for -1 (no selection) or any other id.
constexpr const SymbologyRule* RuleFor(int symbologyId) {
    if (symbologyId < 0 || symbologyId >= kSymbologyCount) {
        return nullptr;
    }
    return &kSymbologyRules[static_cast<std::size_t>(symbologyId)];
}
