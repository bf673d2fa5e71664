#include "BookNumber.h"

#include "EanAddOn.h"
#include "IsbnRanges.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <initializer_list>
#include <vector>

namespace {

constexpr std::size_t kIsbn10Digits = 10;
constexpr std::size_t kEan13Digits = 13;
constexpr std::size_t kIssnDigits = 8;
constexpr std::size_t kIssnHalf = 4;
constexpr std::size_t kVariantDigits = 2;
constexpr std::size_t kOldIsmnDigits = 9;
constexpr int kModulus11 = 11;
constexpr int kTen = 10;

constexpr std::array<std::string_view, 3> kNames{"ISBN", "ISSN", "ISMN"};
constexpr std::string_view kIsbnPrefix = "978";
constexpr std::string_view kIssnPrefix = "977";
constexpr std::string_view kIsmnPrefix = "9790";
constexpr std::string_view kIsbnMusicPrefix = "9790"; // ISMN, not ISBN
constexpr std::string_view kDefaultVariant = "00";

std::string_view NameOf(BookForm form) {
    return kNames[static_cast<std::size_t>(form)];
}

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

// The text without a leading "ISBN", "ISSN" or "ISMN" (any case, "-10" or
// "-13" and a colon allowed after it).
std::string_view WithoutName(BookForm form, std::string_view text) {
    text = Trimmed(text);
    const std::string_view name = NameOf(form);
    if (text.size() >= name.size() && UpperCaseAscii(text.substr(0, name.size())) == name) {
        text = text.substr(name.size());
        if (text.starts_with("-10") || text.starts_with("-13")) {
            text = text.substr(3);
        }
        if (!text.empty() && text.front() == ':') {
            text = text.substr(1);
        }
    }
    return Trimmed(text);
}

// The text split at its spaces, empty parts left out.
std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    while (!text.empty()) {
        const std::size_t space = text.find(' ');
        if (space != 0) {
            words.push_back(text.substr(0, space));
        }
        text = space == std::string_view::npos ? std::string_view() : text.substr(space + 1);
    }
    return words;
}

bool IsCheckX(char c) {
    return c == 'X' || c == 'x';
}

// The digits of a number (an X counted as a digit), nothing when any other
// character but hyphens and spaces is in it; `bad` names the first such.
std::string DigitsOf(std::string_view number, bool xLast, char& bad) {
    std::string digits;
    for (std::size_t i = 0; i < number.size(); ++i) {
        const char c = number[i];
        if (IsDigit(c) || (xLast && IsCheckX(c) &&
                           number.find_first_not_of(" -", i + 1) == std::string_view::npos)) {
            digits += static_cast<char>(IsCheckX(c) ? 'X' : c);
        } else if (c != '-' && c != ' ') {
            bad = c;
            return {};
        }
    }
    return digits;
}

// The number's text and its add-on: after a "+", or a last word of 2 or 5
// digits after a number of one of the complete digit counts.
struct Parts {
    std::string_view number;
    std::string_view addOn;
    bool addOnGiven = false;
};
Parts SplitBook(std::string_view text, std::initializer_list<std::size_t> complete) {
    if (const std::size_t plus = text.find('+'); plus != std::string_view::npos) {
        return {Trimmed(text.substr(0, plus)), Trimmed(text.substr(plus + 1)), true};
    }
    const std::size_t space = text.rfind(' ');
    if (space == std::string_view::npos) {
        return {text, {}, false};
    }
    const std::string_view last = text.substr(space + 1);
    const std::string_view before = Trimmed(text.substr(0, space));
    char bad = 0;
    const std::size_t count = DigitsOf(before, true, bad).size();
    const bool whole =
        bad == 0 && std::find(complete.begin(), complete.end(), count) != complete.end();
    if (whole && AddOnRefusal(last).Empty()) {
        return {before, last, true};
    }
    return {text, {}, false};
}

char DigitChar(int value) {
    return static_cast<char>('0' + value);
}

// ISBN-10 and ISSN: weights from digits+1 down to 2, the check making the sum
// a multiple of 11 (10 written X).
char Mod11Check(std::string_view digits) {
    int sum = 0;
    int weight = static_cast<int>(digits.size()) + 1;
    for (const char c : digits) {
        sum += weight-- * (c - '0');
    }
    const int check = (kModulus11 - sum % kModulus11) % kModulus11;
    return check == kTen ? 'X' : DigitChar(check);
}

char Ean13Check(std::string_view twelve) {
    return DigitChar(ComputeCheckDigit("0" + std::string(twelve)));
}

EngineMessage WrongCheck(BookForm form, char typed, char right) {
    return {QT_TRANSLATE_NOOP("Symbology", "%1 check digit %2 is wrong: it should be %3"),
            {Literal(std::string(NameOf(form))), Literal(std::string(1, typed)),
             Literal(std::string(1, right))}};
}

EngineMessage BadCharacter(BookForm form, char bad) {
    return {QT_TRANSLATE_NOOP("Symbology",
                              "%1 takes digits, hyphens and spaces: \"%2\" is none of them"),
            {Literal(std::string(NameOf(form))), Literal(std::string(1, bad))}};
}

bool HasSeparator(std::string_view number) {
    return number.find_first_of(" -") != std::string_view::npos;
}

BookNumber ParseIsbn(std::string_view number) {
    BookNumber book;
    char bad = 0;
    const std::string digits = DigitsOf(number, true, bad);
    if (bad != 0) {
        book.why = BadCharacter(BookForm::Isbn, bad);
        return book;
    }
    const bool isbn10 = digits.size() == kIsbn10Digits;
    if (!isbn10 && (digits.size() != kEan13Digits || digits.find('X') != std::string::npos)) {
        book.why = {
            QT_TRANSLATE_NOOP("Symbology",
                              "ISBN takes 10 digits (the last may be X) or 13: \"%1\" has %2"),
            {Literal(std::string(number)), Literal(std::to_string(digits.size()))}};
        return book;
    }
    if (!isbn10 && (!(digits.starts_with(kIsbnPrefix) || digits.starts_with("979")) ||
                    digits.starts_with(kIsbnMusicPrefix))) {
        book.why = {QT_TRANSLATE_NOOP("Symbology",
                                      "ISBN-13 starts with 978 or 979 (979-0 is ISMN): \"%1\""),
                    {Literal(std::string(number))}};
        return book;
    }
    const std::string_view data(digits.data(), digits.size() - 1);
    const char right = isbn10 ? Mod11Check(data) : Ean13Check(data);
    if (digits.back() != right) {
        book.why = WrongCheck(BookForm::Isbn, digits.back(), right);
        return book;
    }
    book.digits = isbn10 ? std::string(kIsbnPrefix) + std::string(data) : std::string(data);
    const std::string isbn13 = book.digits + Ean13Check(book.digits);
    if (!HasSeparator(number)) {
        const std::string hyphenated = HyphenateIsbn(isbn13);
        book.headline = "ISBN " + (hyphenated.empty() ? isbn13 : hyphenated);
    } else if (isbn10) {
        // The typed groups, 978 before them and the new check digit in place
        // of the old one.
        const std::size_t check = number.find_last_of("0123456789xX");
        const char separator = number.find('-') != std::string_view::npos ? '-' : ' ';
        book.headline = "ISBN 978" + std::string(1, separator) +
                        std::string(number.substr(0, check)) + isbn13.back() +
                        std::string(number.substr(check + 1));
    } else {
        book.headline = "ISBN " + std::string(number);
    }
    return book;
}

BookNumber ParseIssn(Parts& parts) {
    BookNumber book;
    std::vector<std::string_view> words = Words(parts.number);
    std::string_view variant = kDefaultVariant;
    // Without a "+": the ISSN, then the add-on or the variant and the add-on.
    if (!parts.addOnGiven && words.size() >= 2) {
        parts.addOn = words.back();
        parts.addOnGiven = true;
        words.pop_back();
    }
    if (words.size() == 2) {
        variant = words.back();
        words.pop_back();
    }
    const std::string_view issn = words.empty() ? std::string_view() : words.front();
    char bad = 0;
    const std::string digits = DigitsOf(issn, true, bad);
    const std::size_t hyphen = issn.find('-');
    if (words.size() != 1 || bad != 0 || digits.size() != kIssnDigits ||
        issn.find(' ') != std::string_view::npos ||
        (hyphen != std::string_view::npos && hyphen != kIssnHalf) ||
        digits.find('X') < kIssnDigits - 1) {
        book.why = {
            QT_TRANSLATE_NOOP("Symbology",
                              "ISSN takes 8 digits (the last may be X), as 0317-8471: \"%1\""),
            {Literal(std::string(Trimmed(parts.number)))}};
        return book;
    }
    if (variant.size() != kVariantDigits || !IsAllDigits(variant)) {
        book.why = {QT_TRANSLATE_NOOP("Symbology", "ISSN sequence variant takes 2 digits: \"%1\""),
                    {Literal(std::string(variant))}};
        return book;
    }
    const std::string_view data(digits.data(), kIssnDigits - 1);
    const char right = Mod11Check(data);
    if (digits.back() != right) {
        book.why = WrongCheck(BookForm::Issn, digits.back(), right);
        return book;
    }
    book.digits = std::string(kIssnPrefix) + std::string(data) + std::string(variant);
    book.headline = "ISSN " + digits.substr(0, kIssnHalf) + '-' + digits.substr(kIssnHalf);
    return book;
}

// ISMN registrants: 3 digits from 000, 4 from 1000, 5 from 40000, 6 from
// 700000, 7 from 9000000 (the International ISMN Agency's ranges).
std::string HyphenateIsmn(const std::string& ismn) {
    constexpr std::array<std::pair<char, std::size_t>, 5> kLengths{
        {{'0', 3}, {'1', 4}, {'4', 5}, {'7', 6}, {'9', 7}}};
    const char lead = ismn[kIsmnPrefix.size()];
    std::size_t length = 0;
    for (const auto& [from, digits] : kLengths) {
        length = lead >= from ? digits : length;
    }
    const std::string_view rest = std::string_view(ismn).substr(kIsmnPrefix.size());
    return "979-0-" + std::string(rest.substr(0, length)) + '-' +
           std::string(rest.substr(length, rest.size() - length - 1)) + '-' + ismn.back();
}

BookNumber ParseIsmn(std::string_view number) {
    BookNumber book;
    const bool old = !number.empty() && (number.front() == 'M' || number.front() == 'm');
    const std::string_view body = old ? number.substr(1) : number;
    char bad = 0;
    std::string digits = DigitsOf(body, false, bad);
    if (bad != 0) {
        book.why = BadCharacter(BookForm::Ismn, bad);
        return book;
    }
    if (old ? digits.size() != kOldIsmnDigits
            : digits.size() != kEan13Digits || !digits.starts_with(kIsmnPrefix)) {
        book.why = {QT_TRANSLATE_NOOP("Symbology",
                                      "ISMN takes 13 digits from 979-0, or M and 9 digits: \"%1\""),
                    {Literal(std::string(number))}};
        return book;
    }
    digits = old ? std::string(kIsmnPrefix) + digits : digits;
    const std::string_view data(digits.data(), kEan13Digits - 1);
    const char right = Ean13Check(data);
    if (digits.back() != right) {
        book.why = WrongCheck(BookForm::Ismn, digits.back(), right);
        return book;
    }
    book.digits = std::string(data);
    book.headline = "ISMN " + (!HasSeparator(number) ? HyphenateIsmn(digits)
                               : old                 ? "979-0" + std::string(body)
                                                     : std::string(number));
    return book;
}

} // namespace

BookNumber ParseBookNumber(BookForm form, std::string_view text) {
    text = WithoutName(form, text);
    Parts parts = form == BookForm::Isbn   ? SplitBook(text, {kIsbn10Digits, kEan13Digits})
                  : form == BookForm::Ismn ? SplitBook(text, {kEan13Digits, kOldIsmnDigits})
                                           : SplitBook(text, {});
    BookNumber book = form == BookForm::Isbn   ? ParseIsbn(parts.number)
                      : form == BookForm::Ismn ? ParseIsmn(parts.number)
                                               : ParseIssn(parts);
    if (book.why.Empty() && parts.addOnGiven) {
        book.why = AddOnRefusal(parts.addOn);
        book.addOn = std::string(parts.addOn);
    }
    if (!book.why.Empty()) {
        book.digits.clear();
        book.addOn.clear();
    }
    return book;
}

CBookNumber::CBookNumber(BookForm form, std::string_view text, const BarWidths& widths)
    : CEan13("", widths) {
    BookNumber book = ParseBookNumber(form, text);
    m_strData = std::string(text);
    SetNumber(std::move(book.digits), std::move(book.addOn), std::move(book.headline));
}
