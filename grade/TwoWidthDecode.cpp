#include "TwoWidthDecode.h"

#include "Code39.h"
#include "Interleaved25.h"

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <vector>

namespace {

// "n" and "w" for the elements at `at`, `step` apart, `count` of them: the
// `wide` widest are wide. Nothing when a wide one is less than 1.5 times a
// narrow one (no two widths to tell apart).
std::optional<std::string> WideNarrow(std::span<const double> w, std::size_t at, std::size_t step,
                                      std::size_t count, std::size_t wide) {
    std::vector<double> sorted;
    for (std::size_t i = 0; i < count; ++i) {
        sorted.push_back(w[at + i * step]);
    }
    std::sort(sorted.begin(), sorted.end());
    const double narrowest = sorted[count - wide - 1];
    const double widest = sorted[count - wide];
    if (widest < 1.5 * narrowest) {
        return std::nullopt;
    }
    const double threshold = (narrowest + widest) / 2.0;
    std::string pattern;
    for (std::size_t i = 0; i < count; ++i) {
        pattern += w[at + i * step] > threshold ? 'w' : 'n';
    }
    return pattern;
}

} // namespace

std::optional<ReferenceDecoded> DecodeCode39(std::span<const double> w) {
    if (w.size() < 19 || (w.size() + 1) % 10 != 0) {
        return std::nullopt;
    }
    static const std::map<std::string, char> table = [] {
        std::map<std::string, char> rows;
        const CCode39 code("0");
        for (const char c : std::string_view("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%*")) {
            rows[code.CharPattern(c).substr(0, 9)] = c;
        }
        return rows;
    }();
    std::string text;
    std::string pattern;
    for (std::size_t at = 0; at < w.size(); at += 10) {
        const std::optional<std::string> character = WideNarrow(w, at, 1, 9, 3);
        const auto row = character ? table.find(*character) : table.end();
        if (row == table.end()) {
            return std::nullopt;
        }
        text += row->second;
        pattern += *character;
    }
    if (text.size() < 2 || text.front() != '*' || text.back() != '*' ||
        text.find('*', 1) != text.size() - 1) {
        return std::nullopt;
    }
    // The module: the mean narrow element of the characters (the gaps are free).
    double narrowSum = 0;
    for (std::size_t at = 0; at < w.size(); at += 10) {
        for (std::size_t i = 0; i < 9; ++i) {
            narrowSum += pattern[at / 10 * 9 + i] == 'n' ? w[at + i] : 0.0;
        }
    }
    ReferenceDecoded d;
    d.decoded = true;
    d.symbology = "Code 39";
    d.text = text.substr(1, text.size() - 2);
    d.decodabilityGraded = false;
    d.module = narrowSum / (6.0 * static_cast<double>(text.size()));
    d.quietLeft = d.quietRight = 10;
    return d;
}

std::optional<ReferenceDecoded> DecodeInterleaved25(std::span<const double> w) {
    if (w.size() < 17 || (w.size() - 7) % 10 != 0) {
        return std::nullopt;
    }
    static const std::map<std::string, char> digits = [] {
        std::map<std::string, char> rows;
        for (char c = '0'; c <= '9'; ++c) {
            const std::string pair = CInterleaved25::PairPattern(c, '0');
            std::string bars;
            for (std::size_t i = 0; i < pair.size(); i += 2) {
                bars += pair[i];
            }
            rows[bars] = c;
        }
        return rows;
    }();
    std::string text;
    for (std::size_t at = 4; at + 3 < w.size(); at += 10) {
        for (const std::size_t first : {at, at + 1}) {
            const std::optional<std::string> digit = WideNarrow(w, first, 2, 5, 2);
            const auto row = digit ? digits.find(*digit) : digits.end();
            if (row == digits.end()) {
                return std::nullopt;
            }
            text += row->second;
        }
    }
    // Start and stop against the pairs' own narrow and wide widths.
    const std::span<const double> pairs = w.subspan(4, w.size() - 7);
    const auto [low, high] = std::minmax_element(pairs.begin(), pairs.end());
    const double threshold = (*low + *high) / 2.0;
    const std::array<double, 7> ends{
        w[0], w[1], w[2], w[3], w[w.size() - 3], w[w.size() - 2], w[w.size() - 1]};
    const std::array<bool, 7> wide{false, false, false, false, true, false, false};
    for (std::size_t i = 0; i < ends.size(); ++i) {
        if ((ends[i] > threshold) != wide[i]) {
            return std::nullopt;
        }
    }
    double narrow = 0;
    int narrowCount = 0;
    for (const double e : w) {
        if (e < threshold) {
            narrow += e;
            ++narrowCount;
        }
    }
    ReferenceDecoded d;
    d.decoded = true;
    d.symbology = "Interleaved 2 of 5";
    d.text = text;
    d.decodabilityGraded = false;
    d.module = narrow / narrowCount;
    d.quietLeft = d.quietRight = 10;
    return d;
}
