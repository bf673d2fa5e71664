#include "IsbnRanges.h"

#include "Barcode.h"
#include "IsbnRangesData.h"

#include <map>
#include <utility>
#include <vector>

namespace {

constexpr std::size_t kPrefixDigits = 3;
constexpr std::size_t kIsbnDigits = 13;
constexpr std::string_view kEditionMark = "# Edition: ";

// One range of element values: both ends have the element's length.
using Range = std::pair<std::string, std::string>;
// Prefix or "prefix-group" to the ranges of the element after it.
using RangeTable = std::map<std::string, std::vector<Range>, std::less<>>;

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

RangeTable ParseRanges(std::string_view text) {
    RangeTable table;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        line = Trimmed(line.substr(0, line.find('#')));
        if (line.empty()) {
            continue;
        }
        const std::size_t space = line.find(' ');
        std::vector<Range>& ranges = table[std::string(line.substr(0, space))];
        std::string_view list =
            space == std::string_view::npos ? std::string_view() : Trimmed(line.substr(space));
        while (!list.empty()) {
            const std::size_t comma = list.find(',');
            const std::string_view range = list.substr(0, comma);
            list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
            const std::size_t dash = range.find('-');
            const std::string_view first = range.substr(0, dash);
            const std::string_view last =
                dash == std::string_view::npos ? first : range.substr(dash + 1);
            if (first.size() == last.size() && IsAllDigits(first) && IsAllDigits(last)) {
                ranges.emplace_back(first, last);
            }
        }
    }
    return table;
}

const RangeTable& Ranges() {
    static const RangeTable table = ParseRanges(kIsbnRangesText);
    return table;
}

// The length of the element that starts `digits` in the ranges under key, or
// 0 when none holds it.
std::size_t ElementLength(std::string_view key, std::string_view digits) {
    const RangeTable& table = Ranges();
    const auto found = table.find(key);
    if (found == table.end()) {
        return 0;
    }
    for (const auto& [first, last] : found->second) {
        // An element leaves at least one digit to the publication.
        if (first.size() >= digits.size()) {
            continue;
        }
        const std::string_view value = digits.substr(0, first.size());
        if (value >= first && value <= last) {
            return first.size();
        }
    }
    return 0;
}

} // namespace

std::string HyphenateIsbn(std::string_view isbn13) {
    if (isbn13.size() != kIsbnDigits || !IsAllDigits(isbn13)) {
        return {};
    }
    const std::string_view prefix = isbn13.substr(0, kPrefixDigits);
    const std::string_view rest = isbn13.substr(kPrefixDigits, kIsbnDigits - kPrefixDigits - 1);
    const std::size_t groupLength = ElementLength(prefix, rest);
    if (groupLength == 0) {
        return {};
    }
    const std::string group(rest.substr(0, groupLength));
    const std::string_view after = rest.substr(groupLength);
    const std::size_t registrantLength = ElementLength(std::string(prefix) + '-' + group, after);
    if (registrantLength == 0) {
        return {};
    }
    return std::string(prefix) + '-' + group + '-' +
           std::string(after.substr(0, registrantLength)) + '-' +
           std::string(after.substr(registrantLength)) + '-' + isbn13.back();
}

std::string_view IsbnRangesEdition() {
    const std::string_view text = kIsbnRangesText;
    const std::size_t at = text.find(kEditionMark);
    if (at == std::string_view::npos) {
        return {};
    }
    const std::string_view line = text.substr(at + kEditionMark.size());
    return line.substr(0, line.find(" ("));
}
