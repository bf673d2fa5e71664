#include "Gs1.h"

#include "Gs1Ais.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>

namespace {

constexpr char kFnc1Byte = '\xCA';
constexpr char kGroupSeparator = '\x1D';
// A GS1-128 symbol holds at most 48 data characters (AIs included).
constexpr std::size_t kMaxDataCharacters = 48;

// The characters of GS1's set of 82 (ISO/IEC 646 invariant subset).
bool IsGs1Character(char c) {
    constexpr std::string_view kOthers = "!\"%&'()*+,-./:;<=>?_";
    return IsDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
           kOthers.find(c) != std::string_view::npos;
}

// Whether a character belongs to a part's set: N digits, X the 82, Y the 39
// of company-assigned component identifiers, Z base64url.
bool InSet(char set, char c) {
    switch (set) {
    case 'N':
        return IsDigit(c);
    case 'Y':
        return IsDigit(c) || (c >= 'A' && c <= 'Z') || c == '#' || c == '-' || c == '/';
    case 'Z':
        return IsDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-' ||
               c == '_';
    default:
        return IsGs1Character(c);
    }
}

int TwoDigits(std::string_view text, std::size_t at) {
    return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

// A calendar date: YYMMDD (day 00 only where zeroDay: the month alone is
// known) or, with a four-digit year, YYYYMMDD.
bool IsDate(std::string_view date, bool zeroDay) {
    const bool longYear = date.size() == 8;
    const int year = longYear ? TwoDigits(date, 0) * 100 + TwoDigits(date, 2) : TwoDigits(date, 0);
    const std::size_t monthAt = longYear ? 4 : 2;
    const int month = TwoDigits(date, monthAt);
    const int day = TwoDigits(date, monthAt + 2);
    constexpr std::array<int, 12> kDays{31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return false;
    }
    // Two-digit years stand within a century of today, where every fourth
    // year is a leap year.
    const bool leap = year % 4 == 0 && (!longYear || year % 100 != 0 || year % 400 == 0);
    const int last = month == 2 && !leap ? 28 : kDays[static_cast<std::size_t>(month - 1)];
    return day <= last && (zeroDay || day > 0);
}

std::size_t NumberOf(std::string_view digits) {
    std::size_t value = 0;
    for (const char c : digits) {
        value = value * 10 + static_cast<std::size_t>(c - '0');
    }
    return value;
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

// An AI as the messages' patterns name it, within their own parentheses.
EngineMessage AiName(std::string_view ai) {
    return Literal(std::string(ai));
}

// Why a part's characters fail one of its checks, or nothing; a check this
// program does not know passes.
EngineMessage CheckPart(std::string_view ai, std::string_view check, std::string_view part) {
    const EngineMessage name = AiName(ai);
    const EngineMessage value = Literal(std::string(part));
    const Gs1AiTable& table = Gs1Ais();
    const bool digits = IsAllDigits(part);
    bool passes = true;
    if (check == "csum") {
        const int right = Gs1CheckDigit(part.substr(0, part.size() - 1));
        if (part.back() - '0' != right) {
            return {QT_TRANSLATE_NOOP("Symbology", "(%1) check digit %2 is wrong: it should be %3"),
                    {name, Literal(std::string(1, part.back())), Literal(std::to_string(right))}};
        }
    } else if (check == "yymmdd" || check == "yymmd0" || check == "yyyymmdd") {
        if (!IsDate(part, check == "yymmd0")) {
            return {QT_TRANSLATE_NOOP("Symbology", "(%1) %2 is no date (%3)"),
                    {name, value, Literal(check == "yyyymmdd" ? "YYYYMMDD" : "YYMMDD")}};
        }
    } else if (check == "hhmi" || check == "hh" || check == "mi" || check == "ss") {
        constexpr std::size_t kHours = 24;
        constexpr std::size_t kMinutes = 60;
        const bool hours = check.starts_with('h');
        const bool valid = NumberOf(part.substr(0, 2)) < (hours ? kHours : kMinutes) &&
                           (check != "hhmi" || NumberOf(part.substr(2)) < kMinutes);
        if (!valid) {
            std::string form(check == "mi" ? "MM" : check);
            std::transform(form.begin(), form.end(), form.begin(), [](char c) {
                return static_cast<char>(c == 'i' ? 'M' : c - ('a' - 'A'));
            });
            return {QT_TRANSLATE_NOOP("Symbology", "(%1) %2 is no time of day (%3)"),
                    {name, value, Literal(form)}};
        }
    } else if (check == "iso3166" || check == "iso3166999") {
        if (!table.countries.at(NumberOf(part)) && (check == "iso3166" || part != "999")) {
            return {QT_TRANSLATE_NOOP("Symbology", "(%1) %2 is no ISO 3166 country number"),
                    {name, value}};
        }
    } else if (check == "iso3166alpha2") {
        if (!std::binary_search(table.alpha2.begin(), table.alpha2.end(), part)) {
            return {
                QT_TRANSLATE_NOOP("Symbology", "(%1) %2 is no ISO 3166 two-letter country code"),
                {name, value}};
        }
    } else if (check == "iso4217") {
        if (!table.currencies.at(NumberOf(part))) {
            return {QT_TRANSLATE_NOOP("Symbology", "(%1) %2 is no ISO 4217 currency number"),
                    {name, value}};
        }
    } else if (check == "zero") {
        passes = part == "0";
    } else if (check == "nonzero") {
        passes = NumberOf(part) > 0;
    } else if (check == "yesno") {
        passes = part == "0" || part == "1";
    } else if (check == "hyphen") {
        passes = part == "-";
    } else if (check == "winding") {
        passes = part == "0" || part == "1" || part == "9";
    } else if (check == "iso5218") {
        passes = part == "0" || part == "1" || part == "2" || part == "9";
    } else if (check == "nozeroprefix") {
        passes = part == "0" || !part.starts_with('0');
    } else if (check == "hasnondigit") {
        passes = !digits;
    } else if (check == "pieceoftotal") {
        const std::size_t piece = NumberOf(part.substr(0, part.size() / 2));
        const std::size_t total = NumberOf(part.substr(part.size() / 2));
        passes = piece > 0 && piece <= total;
    } else if (check == "latitude" || check == "longitude") {
        constexpr std::size_t kMostLatitude = 1800000000;
        constexpr std::size_t kMostLongitude = 3600000000;
        passes = NumberOf(part) <= (check == "latitude" ? kMostLatitude : kMostLongitude);
    }
    if (!passes) {
        return {QT_TRANSLATE_NOOP("Symbology", "(%1) %2 does not pass its \"%3\" check"),
                {name, value, Literal(std::string(check))}};
    }
    return {};
}

// The data's format as GS1 writes it: "N6 [N6]", "N3 X..9".
std::string FormatOf(const Gs1Ai& rule) {
    std::string format;
    for (const Gs1Part& part : rule.parts) {
        std::string piece = std::string(1, part.set) +
                            (part.minLength == part.maxLength ? "" : "..") +
                            std::to_string(part.maxLength);
        format += (format.empty() ? "" : " ") + (part.optional ? "[" + piece + "]" : piece);
    }
    return format;
}

// Why the data of one AI is refused, or nothing.
EngineMessage CheckData(const Gs1Ai& rule, std::string_view data) {
    const EngineMessage name = AiName(rule.ai);
    // Each part takes its length from the front of the data; a variable part
    // comes last and takes the rest.
    std::size_t at = 0;
    std::vector<std::string_view> pieces;
    bool fits = true;
    for (const Gs1Part& part : rule.parts) {
        if (at == data.size() && part.optional) {
            break;
        }
        const std::size_t left = data.size() - at;
        const std::size_t length = std::min(left, part.maxLength);
        fits = fits && length >= part.minLength;
        pieces.push_back(data.substr(at, length));
        at += length;
    }
    fits = fits && at == data.size();
    for (std::size_t p = 0, i = 0; p < pieces.size(); ++p) {
        for (const char c : pieces[p]) {
            ++i;
            if (InSet(rule.parts[p].set, c)) {
                continue;
            }
            switch (rule.parts[p].set) {
            case 'N':
                return {QT_TRANSLATE_NOOP("Symbology",
                                          "(%1) takes digits only: %2 at position %3 of its data"),
                        {name, Quoted(c), Number(i)}};
            case 'Y':
                return {QT_TRANSLATE_NOOP("Symbology", "(%1): %2 at position %3 of its data is not "
                                                       "one of 0-9, A-Z, #, - and /"),
                        {name, Quoted(c), Number(i)}};
            default:
                return {QT_TRANSLATE_NOOP("Symbology", "(%1): %2 at position %3 of its data is not "
                                                       "in the GS1 character set"),
                        {name, Quoted(c), Number(i)}};
            }
        }
    }
    if (!fits) {
        const Gs1Part& only = rule.parts.front();
        if (rule.parts.size() == 1 && only.minLength == only.maxLength) {
            return {only.set == 'N'
                        ? QT_TRANSLATE_NOOP("Symbology", "(%1) takes %2 digits, not %3")
                        : QT_TRANSLATE_NOOP("Symbology", "(%1) takes %2 characters, not %3"),
                    {name, Number(only.maxLength), Number(data.size())}};
        }
        if (rule.parts.size() == 1) {
            return {QT_TRANSLATE_NOOP("Symbology", "(%1) takes %2 to %3 characters, not %4"),
                    {name, Number(only.minLength), Number(only.maxLength), Number(data.size())}};
        }
        return {QT_TRANSLATE_NOOP("Symbology", "(%1) takes its data as %2, not %3 characters"),
                {name, Literal(FormatOf(rule)), Number(data.size())}};
    }
    for (std::size_t p = 0; p < pieces.size(); ++p) {
        for (const std::string& check : rule.parts[p].checks) {
            if (EngineMessage why = CheckPart(rule.ai, check, pieces[p]); !why.Empty()) {
                return why;
            }
        }
    }
    return {};
}

bool Present(const std::vector<Gs1Element>& elements, std::string_view pattern) {
    return std::any_of(elements.begin(), elements.end(), [pattern](const Gs1Element& element) {
        return MatchesAiPattern(element.ai, pattern);
    });
}

// "(01)", "(01) + (21)", one group after the other: "(01), (03) + (21)".
std::string Groups(const std::vector<Gs1AiGroup>& need) {
    std::string text;
    for (const Gs1AiGroup& group : need) {
        text += text.empty() ? "" : ", ";
        for (std::size_t i = 0; i < group.size(); ++i) {
            text += (i == 0 ? "(" : " + (") + group[i] + ")";
        }
    }
    return text;
}

// Why the AIs may not stand together as given, or nothing: one needs another
// that is missing, or excludes one that is there, or stands twice with other
// data.
EngineMessage CheckPairs(const std::vector<Gs1Element>& elements) {
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const Gs1Element& element = elements[i];
        for (std::size_t j = 0; j < i; ++j) {
            if (elements[j].ai == element.ai && elements[j].data != element.data) {
                return {QT_TRANSLATE_NOOP("Symbology", "(%1) stands twice with other data"),
                        {AiName(element.ai)}};
            }
        }
        const Gs1Ai& rule = *FindGs1Ai(element.ai);
        for (const std::string& pattern : rule.excluded) {
            for (const Gs1Element& other : elements) {
                if (other.ai != element.ai && MatchesAiPattern(other.ai, pattern)) {
                    return {QT_TRANSLATE_NOOP("Symbology", "(%1) may not stand with (%2)"),
                            {AiName(element.ai), AiName(other.ai)}};
                }
            }
        }
        for (const std::vector<Gs1AiGroup>& need : rule.required) {
            const bool met = std::any_of(need.begin(), need.end(), [&elements](const auto& group) {
                return std::all_of(group.begin(), group.end(), [&elements](const std::string& ai) {
                    return Present(elements, ai);
                });
            });
            if (!met) {
                return {need.size() == 1
                            ? QT_TRANSLATE_NOOP("Symbology", "(%1) needs %2 with it")
                            : QT_TRANSLATE_NOOP("Symbology", "(%1) needs one of %2 with it"),
                        {AiName(element.ai), Literal(Groups(need))}};
            }
        }
    }
    return {};
}

// The data after an AI up to the next AI: "\(" and "\)" stand for
// parentheses; where it ends, or why a backslash is wrong.
struct DataRun {
    std::string data;
    std::size_t next = 0;
    EngineMessage why{};
};
DataRun ReadData(std::string_view ai, std::string_view text, std::size_t at) {
    DataRun run;
    for (; at < text.size() && text[at] != '('; ++at) {
        if (text[at] == ')') {
            run.why = {QT_TRANSLATE_NOOP("Symbology", "(%1): \")\" at position %2 of its data: "
                                                      "write a parenthesis in data as \\( or \\)"),
                       {AiName(ai), Number(run.data.size() + 1)}};
            return run;
        }
        if (text[at] == '\\') {
            if (at + 1 == text.size() || (text[at + 1] != '(' && text[at + 1] != ')')) {
                run.why = {QT_TRANSLATE_NOOP("Symbology", "the backslash at position %1 stands "
                                                          "only before a parenthesis of data"),
                           {Number(at + 1)}};
                return run;
            }
            ++at;
        }
        run.data += text[at];
    }
    run.next = at;
    return run;
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
        const Gs1Ai* rule = IsAllDigits(ai) ? FindGs1Ai(ai) : nullptr;
        if (rule == nullptr) {
            return fail({QT_TRANSLATE_NOOP("Symbology",
                                           "the \"(\" at position %1 starts no Application "
                                           "Identifier: there is no AI (%2) (write a parenthesis "
                                           "in data as \\( or \\))"),
                         {Number(at + 1), AiName(ai)}});
        }
        DataRun run = ReadData(ai, text, close + 1);
        if (!run.why.Empty()) {
            return fail(std::move(run.why));
        }
        if (run.data.empty()) {
            return fail({QT_TRANSLATE_NOOP("Symbology", "(%1) has no data"), {AiName(ai)}});
        }
        if (EngineMessage why = CheckData(*rule, run.data); !why.Empty()) {
            return fail(std::move(why));
        }
        total += ai.size() + run.data.size();
        parsed.elements.push_back({std::string(ai), std::move(run.data), rule->fixedLength});
        at = run.next;
    }
    if (EngineMessage why = CheckPairs(parsed.elements); !why.Empty()) {
        return fail(std::move(why));
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
