#include "Code39.h"

#include "FullAscii.h"

#include <array>
#include <cstddef>

namespace {

struct Code39Char {
    char character;
    const char* pattern; // bar, space, ... , bar, then the narrow gap
};

// The Code 39 character set (ISO/IEC 16388, table of symbol characters), in the
// order of the mod-43 check values 0 to 42, then the start/stop character.
// Nine elements per character, exactly three of them wide, plus the "n" gap.
constexpr std::array<Code39Char, 44> kCode39Table{{
    {'0', "nnnwwnwnnn"}, {'1', "wnnwnnnnwn"}, {'2', "nnwwnnnnwn"}, {'3', "wnwwnnnnnn"},
    {'4', "nnnwwnnnwn"}, {'5', "wnnwwnnnnn"}, {'6', "nnwwwnnnnn"}, {'7', "nnnwnnwnwn"},
    {'8', "wnnwnnwnnn"}, {'9', "nnwwnnwnnn"}, {'A', "wnnnnwnnwn"}, {'B', "nnwnnwnnwn"},
    {'C', "wnwnnwnnnn"}, {'D', "nnnnwwnnwn"}, {'E', "wnnnwwnnnn"}, {'F', "nnwnwwnnnn"},
    {'G', "nnnnnwwnwn"}, {'H', "wnnnnwwnnn"}, {'I', "nnwnnwwnnn"}, {'J', "nnnnwwwnnn"},
    {'K', "wnnnnnnwwn"}, {'L', "nnwnnnnwwn"}, {'M', "wnwnnnnwnn"}, {'N', "nnnnwnnwwn"},
    {'O', "wnnnwnnwnn"}, {'P', "nnwnwnnwnn"}, {'Q', "nnnnnnwwwn"}, {'R', "wnnnnnwwnn"},
    {'S', "nnwnnnwwnn"}, {'T', "nnnnwnwwnn"}, {'U', "wwnnnnnnwn"}, {'V', "nwwnnnnnwn"},
    {'W', "wwwnnnnnnn"}, {'X', "nwnnwnnnwn"}, {'Y', "wwnnwnnnnn"}, {'Z', "nwwnwnnnnn"},
    {'-', "nwnnnnwnwn"}, {'.', "wwnnnnwnnn"}, {' ', "nwwnnnwnnn"}, {'$', "nwnwnwnnnn"},
    {'/', "nwnwnnnwnn"}, {'+', "nwnnnwnwnn"}, {'%', "nnnwnwnwnn"}, {'*', "nwnnwnwnnn"},
}};
constexpr std::size_t kCheckModulus = 43; // the first 43 rows carry check values
constexpr char kStartStop = '*';

// Row of each byte in kCode39Table, or -1.
constexpr std::array<signed char, 256> MakeRowIndex() {
    std::array<signed char, 256> index{};
    for (auto& row : index) {
        row = -1;
    }
    for (std::size_t i = 0; i < kCode39Table.size(); ++i) {
        index[static_cast<unsigned char>(kCode39Table[i].character)] = static_cast<signed char>(i);
    }
    return index;
}
constexpr std::array<signed char, 256> kRowIndex = MakeRowIndex();

int RowOf(char c) {
    return kRowIndex[static_cast<unsigned char>(c)];
}

// The ten elements of a Code 39 character, or none.
std::string_view PatternOf(char c) {
    const int row = RowOf(c);
    return row < 0 ? std::string_view() : kCode39Table[static_cast<std::size_t>(row)].pattern;
}

} // namespace

CCode39::CCode39(std::string_view text, const BarWidths& widths)
    : CBarcode(UpperCaseAscii(text), widths) {}

std::int64_t CCode39::CharacterWidth() const {
    return (3 * std::int64_t{m_nRatio} + 7) * m_nDensity;
}

std::string CCode39::CharPattern(char c) const {
    return std::string(PatternOf(c));
}

void CCode39::EncodeCharacter(EncodingBuilder& builder, char c) const {
    builder.Elements(PatternOf(c));
}

int CCode39::CheckValue(char c) {
    const int row = RowOf(c);
    return row < 0 || row >= static_cast<int>(kCheckModulus) ? 0 : row;
}

char CCode39::CheckCharacter(int value) {
    const int m = static_cast<int>(kCheckModulus);
    return kCode39Table[static_cast<std::size_t>(((value % m) + m) % m)].character;
}

std::int32_t CCode39::TotalWidth() const {
    return ClampToInt32(CharacterWidth() * (static_cast<std::int64_t>(m_strData.size()) + 2));
}

Encoding CCode39::Encode() const {
    return EncodeFramed({}, m_strData);
}

Encoding CCode39::EncodeFramed(std::string_view checkCharacters, std::string_view label) const {
    const std::string_view startStop = PatternOf(kStartStop);
    EncodingBuilder builder = Builder();
    // Ten elements per character; Code 39 Extended may take two characters.
    constexpr std::size_t kElementsPerCharacter = 10;
    builder.Reserve(kElementsPerCharacter * (2 * m_strData.size() + checkCharacters.size() + 2));
    builder.Elements(startStop);
    for (const char c : m_strData) {
        EncodeCharacter(builder, c);
    }
    for (const char c : checkCharacters) {
        builder.Elements(PatternOf(c));
    }
    builder.Elements(startStop);
    const std::int32_t totalWidth = TotalWidth();
    CentredLabel(builder, label);
    return builder.Finish(totalWidth);
}

// --- Code 39 Extended ---------------------------------------------------------

CCode39Ext::CCode39Ext(std::string_view text, const BarWidths& widths) : CCode39(widths) {
    m_strData = std::string(text);
}

std::string_view CCode39Ext::FullAsciiEncoding(char c) {
    return FullAsciiCode39(c);
}

void CCode39Ext::EncodeCharacter(EncodingBuilder& builder, char c) const {
    for (const char code39 : FullAsciiEncoding(c)) {
        builder.Elements(PatternOf(code39));
    }
}

std::string CCode39Ext::CharPattern(char c) const {
    std::string pattern;
    for (const char code39 : FullAsciiEncoding(c)) {
        pattern += CCode39::CharPattern(code39);
    }
    return pattern;
}

std::int32_t CCode39Ext::TotalWidth() const {
    std::int64_t characters = 2;
    for (const char c : m_strData) {
        characters += static_cast<std::int64_t>(FullAsciiEncoding(c).size());
    }
    return ClampToInt32(CharacterWidth() * characters);
}

// --- Code 39 with mod-43 check character ---------------------------------------

CCode39Mod43::CCode39Mod43(std::string_view text, const BarWidths& widths)
    : CCode39(text, widths) {}

char CCode39Mod43::CheckChar() const {
    int sum = 0;
    for (const char c : m_strData) {
        // Kept reduced so that any length of text sums without overflow.
        sum = (sum + CheckValue(c)) % static_cast<int>(kCheckModulus);
    }
    return CheckCharacter(sum);
}

std::string CCode39Mod43::LabelText() const {
    return m_strData + "  (" + CheckChar() + ")";
}

std::int32_t CCode39Mod43::TotalWidth() const {
    return ClampToInt32(CharacterWidth() * (static_cast<std::int64_t>(m_strData.size()) + 3));
}

Encoding CCode39Mod43::Encode() const {
    return EncodeFramed(std::string(1, CheckChar()), LabelText());
}
