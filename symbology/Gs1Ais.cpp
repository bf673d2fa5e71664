#include "Gs1Ais.h"

#include "Gs1AisData.h"

#include <algorithm>
#include <charconv>
#include <sstream>

namespace {

std::vector<std::string> Split(std::string_view text, char separator) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(separator, start), text.size());
        pieces.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return pieces;
}

std::size_t ToSize(std::string_view digits) {
    std::size_t value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

// "N6,csum", "X..20", "[N3],iso3166".
Gs1Part ReadPart(std::string_view word) {
    std::vector<std::string> pieces = Split(word, ',');
    std::string_view format = pieces.front();
    Gs1Part part;
    if (format.starts_with('[')) {
        part.optional = true;
        format = format.substr(1, format.size() - 2);
    }
    part.set = format.front();
    format.remove_prefix(1);
    if (format.starts_with("..")) {
        part.minLength = 1;
        part.maxLength = ToSize(format.substr(2));
    } else {
        part.minLength = part.maxLength = ToSize(format);
    }
    part.checks.assign(pieces.begin() + 1, pieces.end());
    return part;
}

void ReadCodes(std::istringstream& words, const auto& take) {
    std::string code;
    while (words >> code) {
        take(code);
    }
}

Gs1AiTable ReadTable() {
    Gs1AiTable table;
    std::istringstream lines{std::string(kGs1AisText)};
    std::string line;
    while (std::getline(lines, line)) {
        const std::size_t hash = line.find('#');
        const std::size_t titleAt =
            hash == std::string::npos ? hash : line.find_first_not_of(" #", hash);
        const std::string title = titleAt == std::string::npos ? "" : line.substr(titleAt);
        std::istringstream words(line.substr(0, hash));
        std::string first;
        if (!(words >> first)) {
            continue;
        }
        if (first == "edition") {
            std::getline(words >> std::ws, table.edition);
            continue;
        }
        if (first == "country" || first == "currency") {
            auto& codes = first == "country" ? table.countries : table.currencies;
            ReadCodes(words, [&codes](const std::string& code) { codes.at(ToSize(code)) = true; });
            continue;
        }
        if (first == "alpha2") {
            ReadCodes(words, [&table](const std::string& code) { table.alpha2.push_back(code); });
            continue;
        }
        Gs1Ai row;
        row.title = title;
        std::string length;
        words >> length;
        row.fixedLength = length == "fixed";
        std::string word;
        while (words >> word) {
            if (word.starts_with("req=")) {
                std::vector<Gs1AiGroup> need;
                for (const std::string& group : Split(std::string_view(word).substr(4), ',')) {
                    need.push_back(Split(group, '+'));
                }
                row.required.push_back(std::move(need));
            } else if (word.starts_with("ex=")) {
                row.excluded = Split(std::string_view(word).substr(3), ',');
            } else {
                row.parts.push_back(ReadPart(word));
            }
        }
        // A range "3100-3105" is one row for each AI in it.
        const std::size_t dash = first.find('-');
        const std::string last = dash == std::string::npos ? first : first.substr(dash + 1);
        first = first.substr(0, dash);
        for (std::size_t ai = ToSize(first); ai <= ToSize(last); ++ai) {
            std::string name = std::to_string(ai);
            row.ai = std::string(first.size() - std::min(first.size(), name.size()), '0') + name;
            table.ais.push_back(row);
        }
    }
    std::sort(table.alpha2.begin(), table.alpha2.end());
    return table;
}

} // namespace

const Gs1AiTable& Gs1Ais() {
    static const Gs1AiTable table = ReadTable();
    return table;
}

const Gs1Ai* FindGs1Ai(std::string_view ai) {
    const std::vector<Gs1Ai>& ais = Gs1Ais().ais;
    const auto row = std::find_if(ais.begin(), ais.end(),
                                  [ai](const Gs1Ai& candidate) { return candidate.ai == ai; });
    return row == ais.end() ? nullptr : &*row;
}

bool MatchesAiPattern(std::string_view ai, std::string_view pattern) {
    if (ai.size() != pattern.size()) {
        return false;
    }
    for (std::size_t i = 0; i < ai.size(); ++i) {
        if (pattern[i] != 'n' && pattern[i] != ai[i]) {
            return false;
        }
    }
    return true;
}
