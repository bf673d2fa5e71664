#include "Gs1.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>

namespace {

constexpr char kFnc1Byte = '\xCA';
constexpr char kGroupSeparator = '\x1D';
// A GS1-128 symbol holds at most 48 data characters (AIs included).
constexpr std::size_t kMaxDataCharacters = 48;

enum class Content { Digits, Characters, Date, CheckDigits, CountryThenCharacters };

// One row of the AI table: the AI (a 4-digit prefix for the measures 310x to
// 369x), the shortest and longest data, and what the data holds.
struct AiRule {
    std::string_view ai;
    std::size_t minLength;
    std::size_t maxLength;
    Content content;
};

constexpr std::array<AiRule, 22> kAiRules{{
    {"00", 18, 18, Content::CheckDigits},           // SSCC
    {"01", 14, 14, Content::CheckDigits},           // GTIN
    {"02", 14, 14, Content::CheckDigits},           // GTIN of contained trade items
    {"10", 1, 20, Content::Characters},             // batch or lot
    {"11", 6, 6, Content::Date},                    // production date
    {"13", 6, 6, Content::Date},                    // packaging date
    {"15", 6, 6, Content::Date},                    // best before
    {"17", 6, 6, Content::Date},                    // expiration
    {"20", 2, 2, Content::Digits},                  // variant
    {"21", 1, 20, Content::Characters},             // serial number
    {"30", 1, 8, Content::Digits},                  // variable count
    {"37", 1, 8, Content::Digits},                  // count of trade items
    {"400", 1, 30, Content::Characters},            // customer's order number
    {"401", 1, 30, Content::Characters},            // consignment number
    {"410", 13, 13, Content::CheckDigits},          // ship to, GLN
    {"411", 13, 13, Content::CheckDigits},          // bill to
    {"412", 13, 13, Content::CheckDigits},          // purchased from
    {"413", 13, 13, Content::CheckDigits},          // ship for
    {"414", 13, 13, Content::CheckDigits},          // physical location
    {"420", 1, 20, Content::Characters},            // ship-to postal code
    {"421", 4, 12, Content::CountryThenCharacters}, // country code and postal code
    {"3", 6, 6, Content::Digits},                   // 3100 to 3699: trade measures
}};

// The AIs whose first two digits give a predefined length: no FNC1 ends them.
constexpr std::array<std::string_view, 16> kPredefinedLength{
    "00", "01", "02", "03", "04", "11", "12", "13", "14", "15", "16", "17", "18", "19", "20", "31"};

bool HasPredefinedLength(std::string_view ai) {
    const std::string_view prefix = ai.substr(0, 2);
    return std::find(kPredefinedLength.begin(), kPredefinedLength.end(), prefix) !=
               kPredefinedLength.end() ||
           (prefix >= "31" && prefix <= "36") || prefix == "41";
}

// The GS1 character set (ISO/IEC 646 invariant subset): 82 characters.
bool IsGs1Character(char c) {
    constexpr std::string_view kOthers = "!\"%&'()*+,-./:;<=>?_";
    return IsDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
           kOthers.find(c) != std::string_view::npos;
}

const AiRule* RuleOf(std::string_view ai) {
    if (ai.size() == 4 && ai >= "3100" && ai <= "3699" && IsAllDigits(ai)) {
        return &kAiRules.back();
    }
    for (const AiRule& rule : kAiRules) {
        if (rule.ai == ai && ai.size() < 4) {
            return &rule;
        }
    }
    return nullptr;
}

bool IsDate(std::string_view yymmdd) {
    const int year = (yymmdd[0] - '0') * 10 + (yymmdd[1] - '0');
    const int month = (yymmdd[2] - '0') * 10 + (yymmdd[3] - '0');
    const int day = (yymmdd[4] - '0') * 10 + (yymmdd[5] - '0');
    constexpr std::array<int, 12> kDays{31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return false;
    }
    const int last = month == 2 && year % 4 != 0 ? 28 : kDays[static_cast<std::size_t>(month - 1)];
    return day <= last; // day 00: only the month is known
}

// A character of the data as a message names it: in quotes, or as its byte.
EngineMessage Quoted(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte >= 0x7F) {
        constexpr std::string_view kHex = "0123456789ABCDEF";
        return {QT_TRANSLATE_NOOP("Symbology", "byte 0x%1"),
                {Literal(std::string{kHex[byte >> 4], kHex[byte & 0xF]})}};
    }
    return Literal(std::string("\"") + c + "\"");
}

EngineMessage Number(std::size_t n) {
    return Literal(std::to_string(n));
}

// Why the data of one AI is refused, or nothing.
EngineMessage CheckData(const AiRule& rule, std::string_view ai, std::string_view data) {
    const EngineMessage name = Literal(std::string(ai));
    const bool digitsOnly = rule.content != Content::Characters;
    for (std::size_t i = 0; i < data.size(); ++i) {
        const bool countryDigit = rule.content == Content::CountryThenCharacters && i < 3;
        const bool bracket = data[i] == '(' || data[i] == ')';
        if ((digitsOnly && rule.content != Content::CountryThenCharacters) || countryDigit) {
            if (!IsDigit(data[i])) {
                return {
                    countryDigit
                        ? QT_TRANSLATE_NOOP("Symbology", "(%1) takes digits only in its country "
                                                         "code: %2 at position %3 of its data")
                        : QT_TRANSLATE_NOOP("Symbology", "(%1) takes digits only: %2 at position "
                                                         "%3 of its data"),
                    {name, Quoted(data[i]), Number(i + 1)}};
            }
        } else if (!IsGs1Character(data[i]) || bracket) {
            return {bracket ? QT_TRANSLATE_NOOP("Symbology",
                                                "(%1): %2 at position %3 of its data is not in "
                                                "the GS1 character set as typed here")
                            : QT_TRANSLATE_NOOP("Symbology",
                                                "(%1): %2 at position %3 of its data is not in "
                                                "the GS1 character set"),
                    {name, Quoted(data[i]), Number(i + 1)}};
        }
    }
    if (data.size() < rule.minLength || data.size() > rule.maxLength) {
        if (rule.minLength == rule.maxLength) {
            return {QT_TRANSLATE_NOOP("Symbology", "(%1) takes %2 digits, not %3"),
                    {name, Number(rule.minLength), Number(data.size())}};
        }
        return {QT_TRANSLATE_NOOP("Symbology", "(%1) takes %2 to %3 characters, not %4"),
                {name, Number(rule.minLength), Number(rule.maxLength), Number(data.size())}};
    }
    if (rule.content == Content::Date && !IsDate(data)) {
        return {QT_TRANSLATE_NOOP("Symbology", "(%1) %2 is no date (YYMMDD)"),
                {name, Literal(std::string(data))}};
    }
    if (rule.content == Content::CheckDigits) {
        const int right = Gs1CheckDigit(data.substr(0, data.size() - 1));
        if (data.back() - '0' != right) {
            return {QT_TRANSLATE_NOOP("Symbology", "(%1) check digit %2 is wrong: it should be %3"),
                    {name, Literal(std::string(1, data.back())), Literal(std::to_string(right))}};
        }
    }
    return {};
}

} // namespace

int Gs1CheckDigit(std::string_view digits) {
    int sum = 0;
    int weight = 3;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        sum += weight * (*it - '0');
        weight = 4 - weight;
    }
    return (10 - sum % 10) % 10;
}

Gs1Data ParseGs1(std::string_view text) {
    Gs1Data parsed;
    const auto fail = [&parsed](EngineMessage why) {
        parsed.elements.clear();
        parsed.error = why.English();
        parsed.why = std::move(why);
        return parsed;
    };
    if (text.empty() || text[0] != '(') {
        return fail({QT_TRANSLATE_NOOP("Symbology", "GS1-128 data starts with an Application "
                                                    "Identifier in parentheses, such as (01)")});
    }
    std::size_t total = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t close = text.find(')', at);
        if (close == std::string_view::npos) {
            return fail({QT_TRANSLATE_NOOP("Symbology", "the \"(\" at position %1 is never closed"),
                         {Number(at + 1)}});
        }
        const std::string_view ai = text.substr(at + 1, close - at - 1);
        const std::size_t next = std::min(text.find('(', close), text.size());
        const std::string_view data = text.substr(close + 1, next - close - 1);
        const AiRule* rule = IsAllDigits(ai) ? RuleOf(ai) : nullptr;
        if (rule == nullptr) {
            return fail(
                {QT_TRANSLATE_NOOP("Symbology", "(%1) is no Application Identifier known here"),
                 {Literal(std::string(ai))}});
        }
        if (data.empty()) {
            return fail(
                {QT_TRANSLATE_NOOP("Symbology", "(%1) has no data"), {Literal(std::string(ai))}});
        }
        if (EngineMessage why = CheckData(*rule, ai, data); !why.Empty()) {
            return fail(std::move(why));
        }
        parsed.elements.push_back({std::string(ai), std::string(data), HasPredefinedLength(ai)});
        total += ai.size() + data.size();
        at = next;
    }
    if (total > kMaxDataCharacters) {
        return fail({QT_TRANSLATE_NOOP("Symbology", "the data is %1 characters long; a GS1-128 "
                                                    "symbol holds at most %2"),
                     {Number(total), Number(kMaxDataCharacters)}});
    }
    return parsed;
}

std::string Gs1ElementString(const std::vector<Gs1Element>& elements) {
    std::string out;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        out += elements[i].ai + elements[i].data;
        if (!elements[i].fixedLength && i + 1 < elements.size()) {
            out += kGroupSeparator;
        }
    }
    return out;
}

CGs1128::CGs1128(std::string_view text, const BarWidths& widths)
    : CCode128(text, widths, ShortestForm{}), m_parsed(ParseGs1(text)) {}

std::string CGs1128::ShortestText() const {
    if (!Valid()) {
        return {};
    }
    std::string text = Gs1ElementString(m_parsed.elements);
    std::replace(text.begin(), text.end(), kGroupSeparator, kFnc1Byte);
    return kFnc1Byte + text;
}

std::string CGs1128::LabelText() const {
    std::string label;
    for (const Gs1Element& element : m_parsed.elements) {
        label += "(" + element.ai + ")" + element.data;
    }
    return label;
}

Encoding CGs1128::Encode() const {
    return Valid() ? CCode128::Encode() : Unencodable();
}
