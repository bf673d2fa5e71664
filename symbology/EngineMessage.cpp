#include "EngineMessage.h"

#include <cstddef>
#include <utility>

std::string EngineMessage::English() const {
    if (pattern.empty()) {
        return literal;
    }
    std::vector<std::string> filled;
    filled.reserve(arguments.size());
    for (const EngineMessage& argument : arguments) {
        filled.push_back(argument.English());
    }
    return FillPattern(pattern, filled);
}

EngineMessage Literal(std::string text) {
    return {{}, {}, std::move(text)};
}

std::string FillPattern(std::string_view pattern, const std::vector<std::string>& arguments) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool marker = pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
                            pattern[i + 1] <= '9';
        const auto index = marker ? static_cast<std::size_t>(pattern[i + 1] - '1') : 0;
        if (marker && index < arguments.size()) {
            out += arguments[index];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}
