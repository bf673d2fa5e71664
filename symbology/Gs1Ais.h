#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The table of GS1 Application Identifiers, read once from the data file
// Gs1Ais.txt that the build compiles in: every AI that exists, what its data
// holds, and which AIs it needs beside it or may not stand with.

// One part of an AI's data: a character set and a length.
struct Gs1Part {
    char set = 'N';            // N digits, X GS1's 82 characters, Y its 39, Z base64url
    std::size_t minLength = 0; // equal to maxLength for a fixed part
    std::size_t maxLength = 0;
    bool optional = false; // may be left out at the end of the data
    std::vector<std::string> checks{};
};

// AIs or patterns ("31nn": n any digit) that must stand together.
using Gs1AiGroup = std::vector<std::string>;

struct Gs1Ai {
    std::string ai;
    bool fixedLength = false; // predefined length: no FNC1 follows its data
    std::vector<Gs1Part> parts{};
    // Each need: one of its groups must stand with the AI.
    std::vector<std::vector<Gs1AiGroup>> required{};
    std::vector<std::string> excluded{};
    std::string title{};
};

struct Gs1AiTable {
    std::string edition;
    std::vector<Gs1Ai> ais;              // in the file's order, ranges spelt out one AI a row
    std::array<bool, 1000> countries{};  // ISO 3166 numbers
    std::array<bool, 1000> currencies{}; // ISO 4217 numbers
    std::vector<std::string> alpha2{};   // ISO 3166 two-letter codes, sorted
};

// The compiled-in table.
const Gs1AiTable& Gs1Ais();

// The AI's row, or null where no such AI exists.
const Gs1Ai* FindGs1Ai(std::string_view ai);

// Whether an AI matches an AI or a pattern of a req= or ex= list.
bool MatchesAiPattern(std::string_view ai, std::string_view pattern);
