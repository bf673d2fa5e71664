#include "ReferenceDecode.h"

#include "Code128.h"
#include "Code93.h"
#include "EanUpc.h"
#include "TwoWidthDecode.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numeric>
#include <optional>
#include <vector>

namespace {

// Runs of a module pattern ("b" and "s"), in modules.
std::vector<int> Runs(std::string_view pattern) {
    std::vector<int> runs;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (i == 0 || pattern[i] != pattern[i - 1]) {
            runs.push_back(0);
        }
        ++runs.back();
    }
    return runs;
}

// One edge-to-similar-edge measurement in modules of a character of n
// modules measuring `total`: its whole number of modules (from 2) and the
// margin it leaves to the nearer threshold, in modules (0.5 at best).
struct Similar {
    int modules;
    double margin;
};

Similar Measure(double e, double total, int n) {
    const double inModules = e * n / total;
    const int modules = static_cast<int>(std::floor(inModules + 0.5));
    return {modules, 0.5 - std::abs(inModules - modules)};
}

// A symbology of three bars and three spaces per character: the four
// edge-to-similar-edge sums of a character's first six elements as the key,
// its value and the modules of its three bars.
struct SimilarRow {
    int value;
    int barModules;
};
using SimilarTable = std::map<std::array<int, 4>, SimilarRow>;

template <typename PatternOf> SimilarTable MakeSimilarTable(int values, PatternOf patternOf) {
    SimilarTable rows;
    for (int value = 0; value < values; ++value) {
        const std::vector<int> r = Runs(patternOf(value));
        rows[{r[0] + r[1], r[1] + r[2], r[2] + r[3], r[3] + r[4]}] = {value, r[0] + r[2] + r[4]};
    }
    return rows;
}

// Reads `count` characters of six elements and n modules each from the
// start of w; `worst` keeps the narrowest margin. Nothing where a sum falls
// outside 2 to 7 modules or matches no character.
std::optional<std::vector<SimilarRow>> ReadSimilar(std::span<const double> w, std::size_t count,
                                                   int n, const SimilarTable& table,
                                                   double& worst) {
    std::vector<SimilarRow> rows;
    for (std::size_t c = 0; c < count; ++c) {
        const std::span<const double> e = w.subspan(c * 6, 6);
        const double total = std::accumulate(e.begin(), e.end(), 0.0);
        std::array<int, 4> key{};
        for (std::size_t i = 0; i < 4; ++i) {
            const Similar s = Measure(e[i] + e[i + 1], total, n);
            if (s.modules < 2 || s.modules > 7) {
                return std::nullopt;
            }
            key[i] = s.modules;
            worst = std::min(worst, s.margin);
        }
        const auto row = table.find(key);
        if (row == table.end()) {
            return std::nullopt;
        }
        rows.push_back(row->second);
    }
    return rows;
}

constexpr int kStartA = 103;
constexpr int kStop = 106;

// The data characters of Code 128 values: sets A, B and C with their code
// changes and shift; function characters leave nothing.
std::string Code128Text(int start, std::span<const int> values) {
    int set = start - kStartA; // 0 A, 1 B, 2 C
    std::string text;
    bool shifted = false;
    for (const int v : values) {
        const int now = shifted ? 1 - set : set;
        shifted = false;
        if (now == 2) {
            if (v < 100) {
                text += static_cast<char>('0' + v / 10);
                text += static_cast<char>('0' + v % 10);
            } else if (v == 100 || v == 101) {
                set = v == 100 ? 1 : 0;
            }
            continue;
        }
        if (v < 96) {
            text += static_cast<char>(now == 1 ? v + 32 : (v < 64 ? v + 32 : v - 64));
        } else if (v == 98) {
            shifted = true;
        } else if (v == 99) {
            set = 2;
        } else if ((v == 100 && now == 0) || (v == 101 && now == 1)) {
            set = v == 100 ? 1 : 0;
        }
    }
    return text;
}

std::optional<ReferenceDecoded> DecodeCode128(std::span<const double> w) {
    if (w.size() < 19 || (w.size() - 7) % 6 != 0) {
        return std::nullopt;
    }
    static const SimilarTable table =
        MakeSimilarTable(kStop + 1, [code = CCode128("0")](int v) { return code.CharPattern(v); });
    const std::size_t characters = (w.size() - 7) / 6 + 1; // the stop's first six elements too
    double worst = 0.5;
    const auto rows = ReadSimilar(w, characters, 11, table, worst);
    if (!rows) {
        return std::nullopt;
    }
    std::vector<int> values;
    for (std::size_t c = 0; c < characters; ++c) {
        // The bars' sum catches a one-module edge error the sums of pairs miss.
        const std::span<const double> e = w.subspan(c * 6, 6);
        const double total = std::accumulate(e.begin(), e.end(), 0.0);
        const double bars = (e[0] + e[2] + e[4]) * 11.0 / total;
        if (std::abs(bars - (*rows)[c].barModules) >= 1.75) {
            return std::nullopt;
        }
        values.push_back((*rows)[c].value);
    }
    const int start = values.front();
    if (start < kStartA || start > kStartA + 2 || values.back() != kStop) {
        return std::nullopt;
    }
    const std::span<const int> data(values.begin() + 1, values.end() - 2);
    int sum = start;
    for (std::size_t i = 0; i < data.size(); ++i) {
        sum += static_cast<int>(i + 1) * data[i];
    }
    if (sum % 103 != values[values.size() - 2]) {
        return std::nullopt;
    }
    ReferenceDecoded d;
    d.decoded = true;
    d.symbology = "Code 128";
    d.text = Code128Text(start, data);
    d.module =
        std::accumulate(w.begin(), w.end(), 0.0) / (11.0 * static_cast<double>(characters) + 2);
    d.decodability = worst / 0.5;
    d.quietLeft = d.quietRight = 10;
    return d;
}

// Code 93: start, data, the check characters C and K and the stop, nine
// modules each, and the termination bar.
std::optional<ReferenceDecoded> DecodeCode93(std::span<const double> w) {
    if (w.size() < 25 || (w.size() - 1) % 6 != 0) {
        return std::nullopt;
    }
    static const SimilarTable table =
        MakeSimilarTable(CCode93::kStartStop + 1, [](int v) { return CCode93::Pattern(v); });
    const std::size_t characters = (w.size() - 1) / 6;
    double worst = 0.5;
    const auto rows = ReadSimilar(w, characters, 9, table, worst);
    if (!rows || rows->front().value != CCode93::kStartStop ||
        rows->back().value != CCode93::kStartStop) {
        return std::nullopt;
    }
    std::vector<int> data;
    for (std::size_t c = 1; c + 3 < characters; ++c) {
        data.push_back((*rows)[c].value);
    }
    const CCode93::CheckCharacters checks = CCode93::ChecksOf(data);
    if ((*rows)[characters - 3].value != checks.c || (*rows)[characters - 2].value != checks.k) {
        return std::nullopt;
    }
    // The text: each code's one or two values, as the encoder gives them.
    std::map<std::vector<int>, char> codes;
    for (int code = 0; code < 128; ++code) {
        const std::span<const int> v = CCode93::FullAsciiValues(static_cast<char>(code));
        codes[std::vector<int>(v.begin(), v.end())] = static_cast<char>(code);
    }
    ReferenceDecoded d;
    for (std::size_t i = 0; i < data.size(); ++i) {
        const bool shift = data[i] >= 43 && i + 1 < data.size();
        const std::vector<int> key =
            shift ? std::vector<int>{data[i], data[i + 1]} : std::vector<int>{data[i]};
        if (const auto code = codes.find(key); code != codes.end()) {
            d.text += code->second;
        }
        i += shift ? 1 : 0;
    }
    d.decoded = true;
    d.symbology = "Code 93";
    d.decodability = worst / 0.5;
    d.module =
        std::accumulate(w.begin(), w.end(), 0.0) / (9.0 * static_cast<double>(characters) + 1);
    d.quietLeft = d.quietRight = 10;
    return d;
}

// EAN and UPC: one digit of seven modules, four elements. The digits 1 and 7
// (and 2 and 8) measure alike edge to similar edge; their bars tell them
// apart.
struct EanDigit {
    int digit;
    char set; // 'A' odd, 'B' even, 'C' right
};

std::optional<EanDigit> DecodeEanDigit(std::span<const double> e, bool right, double& worst) {
    const double total = std::accumulate(e.begin(), e.end(), 0.0);
    const Similar t1 = Measure(e[0] + e[1], total, 7);
    const Similar t2 = Measure(e[1] + e[2], total, 7);
    const double bars = (right ? e[0] + e[2] : e[1] + e[3]) * 7.0 / total;
    std::optional<EanDigit> found;
    double nearest = 1e9;
    const auto look = [&](const EanTable& table, char set) {
        for (int digit = 0; digit < 10; ++digit) {
            const std::vector<int> r = Runs(table[static_cast<std::size_t>(digit)].substr(1));
            if (r[0] + r[1] != t1.modules || r[1] + r[2] != t2.modules) {
                continue;
            }
            const int barModules = right ? r[0] + r[2] : r[1] + r[3];
            const double off = std::abs(bars - barModules);
            if (off < nearest) {
                nearest = off;
                found = EanDigit{digit, set};
            }
        }
    };
    if (right) {
        look(kEanRight, 'C');
    } else {
        look(kEanLeftOdd, 'A');
        look(kEanLeftEven, 'B');
    }
    if (found) {
        worst = std::min({worst, t1.margin, t2.margin});
    }
    return found;
}

// Whether the guard elements from `at` on are one module each (between half
// a module and one and a half) of a symbol `modules` wide.
bool OneModuleGuards(std::span<const double> w, std::size_t at, std::size_t count, double modules) {
    const double module = std::accumulate(w.begin(), w.end(), 0.0) / modules;
    return std::all_of(w.begin() + static_cast<std::ptrdiff_t>(at),
                       w.begin() + static_cast<std::ptrdiff_t>(at + count),
                       [module](double e) { return e > 0.5 * module && e < 1.5 * module; });
}

std::optional<ReferenceDecoded> DecodeEan(std::span<const double> w) {
    const std::size_t half = w.size() == 59 ? 6 : w.size() == 43 ? 4 : 0;
    const double modules = half == 6 ? 95.0 : 67.0;
    if (half == 0 || !OneModuleGuards(w, 0, 3, modules) ||
        !OneModuleGuards(w, 3 + 4 * half, 5, modules) ||
        !OneModuleGuards(w, w.size() - 3, 3, modules)) {
        return std::nullopt;
    }
    double worst = 0.5;
    std::string digits;
    std::string sets;
    for (std::size_t d = 0; d < 2 * half; ++d) {
        const bool right = d >= half;
        const std::size_t at = 3 + 4 * d + (right ? 5 : 0);
        const std::optional<EanDigit> digit = DecodeEanDigit(w.subspan(at, 4), right, worst);
        if (!digit) {
            return std::nullopt;
        }
        digits += static_cast<char>('0' + digit->digit);
        sets += digit->set;
    }
    ReferenceDecoded d;
    if (half == 6) {
        // The leading digit is in the parity of the left half.
        const auto lead = std::find_if(kEan13Parity.begin(), kEan13Parity.end(), [&](auto row) {
            std::string parity(row.substr(1));
            std::replace(parity.begin(), parity.end(), 'O', 'A');
            std::replace(parity.begin(), parity.end(), 'E', 'B');
            return sets.substr(1, 5) == parity && sets[0] == 'A';
        });
        if (lead == kEan13Parity.end()) {
            return std::nullopt;
        }
        digits.insert(digits.begin(), (*lead)[0]);
        d.symbology = digits[0] == '0' ? "UPC-A" : "EAN-13";
        d.quietLeft = digits[0] == '0' ? 9 : 11;
        d.quietRight = digits[0] == '0' ? 9 : 7;
    } else {
        if (sets.substr(0, 4) != "AAAA") {
            return std::nullopt;
        }
        d.symbology = "EAN-8";
        d.quietLeft = d.quietRight = 7;
    }
    // Weights 3, 1, 3, ... from the digit before the check digit.
    const std::string payload = digits.substr(0, digits.size() - 1);
    if (ComputeCheckDigit(half == 6 ? "0" + payload : payload) != digits.back() - '0') {
        return std::nullopt;
    }
    d.decoded = true;
    d.text = d.symbology == "UPC-A" ? digits.substr(1) : digits;
    d.decodability = worst / 0.5;
    d.module = std::accumulate(w.begin(), w.end(), 0.0) / modules;
    return d;
}

// UPC-E: six digits of the left-hand sets after the start guard, and the
// six-element end guard. The parity of the six gives the number system (0
// or its mirror, 1) and the check digit; nothing else checks them.
std::optional<ReferenceDecoded> DecodeUpcE(std::span<const double> w) {
    if (w.size() != 33 || !OneModuleGuards(w, 0, 3, 51) || !OneModuleGuards(w, 27, 6, 51)) {
        return std::nullopt;
    }
    double worst = 0.5;
    std::string digits;
    std::string parity;
    for (std::size_t d = 0; d < 6; ++d) {
        const std::optional<EanDigit> digit = DecodeEanDigit(w.subspan(3 + 4 * d, 4), false, worst);
        if (!digit) {
            return std::nullopt;
        }
        digits += static_cast<char>('0' + digit->digit);
        parity += digit->set == 'A' ? 'O' : 'E';
    }
    std::string mirrored = parity;
    std::replace(mirrored.begin(), mirrored.end(), 'O', 'e');
    std::replace(mirrored.begin(), mirrored.end(), 'E', 'O');
    std::replace(mirrored.begin(), mirrored.end(), 'e', 'E');
    for (const auto& row : kUpcEParity) {
        for (const char system : {'0', '1'}) {
            if (row.substr(1) == (system == '0' ? parity : mirrored)) {
                ReferenceDecoded d;
                d.decoded = true;
                d.symbology = "UPC-E";
                d.text = system + digits + row[0];
                d.decodability = worst / 0.5;
                d.module = std::accumulate(w.begin(), w.end(), 0.0) / 51.0;
                d.quietLeft = 9;
                d.quietRight = 7;
                return d;
            }
        }
    }
    return std::nullopt;
}

} // namespace

ReferenceDecoded ReferenceDecode(std::span<const double> widths) {
    const std::vector<double> backwards(widths.rbegin(), widths.rend());
    for (const std::span<const double> w : {widths, std::span<const double>(backwards)}) {
        if (auto d = DecodeCode128(w)) {
            return *d;
        }
        if (auto d = DecodeCode93(w)) {
            return *d;
        }
        if (auto d = DecodeEan(w)) {
            return *d;
        }
        if (auto d = DecodeUpcE(w)) {
            return *d;
        }
        if (auto d = DecodeCode39(w)) {
            return *d;
        }
        if (auto d = DecodeInterleaved25(w)) {
            return *d;
        }
    }
    return {};
}
