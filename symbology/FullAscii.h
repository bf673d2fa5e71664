#pragma once

#include <array>
#include <string_view>

// The full ASCII encodation shared by Code 39 Extended and Code 93: each 7-bit
// code as one basic character or as a shift character followed by a letter,
// indexed by the code. This is the Code 39 table (ISO/IEC 16388, full ASCII);
// Code 93 (ANSI/AIM BC5-1995) has $ % + and / as basic characters of its own
// and uses the table below for those four codes.
inline constexpr std::array<std::string_view, 128> kFullAscii{
    "%U", "$A", "$B", "$C", "$D", "$E", "$F", "$G", // 0-7
    "$H", "$I", "$J", "$K", "$L", "$M", "$N", "$O", // 8-15
    "$P", "$Q", "$R", "$S", "$T", "$U", "$V", "$W", // 16-23
    "$X", "$Y", "$Z", "%A", "%B", "%C", "%D", "%E", // 24-31
    " ",  "/A", "/B", "/C", "/D", "/E", "/F", "/G", // 32-39
    "/H", "/I", "/J", "/K", "/L", "-",  ".",  "/O", // 40-47
    "0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  // 48-55
    "8",  "9",  "/Z", "%F", "%G", "%H", "%I", "%J", // 56-63
    "%V", "A",  "B",  "C",  "D",  "E",  "F",  "G",  // 64-71
    "H",  "I",  "J",  "K",  "L",  "M",  "N",  "O",  // 72-79
    "P",  "Q",  "R",  "S",  "T",  "U",  "V",  "W",  // 80-87
    "X",  "Y",  "Z",  "%K", "%L", "%M", "%N", "%O", // 88-95
    "%W", "+A", "+B", "+C", "+D", "+E", "+F", "+G", // 96-103
    "+H", "+I", "+J", "+K", "+L", "+M", "+N", "+O", // 104-111
    "+P", "+Q", "+R", "+S", "+T", "+U", "+V", "+W", // 112-119
    "+X", "+Y", "+Z", "%P", "%Q", "%R", "%S", "%T", // 120-127
};

// The characters that Code 93 encodes as themselves where Code 39 shifts them.
inline constexpr std::string_view kCode93OwnBasics = "$%+/";

// The full ASCII entry of a byte for Code 39 ("" for a code of 128 or above).
constexpr std::string_view FullAsciiCode39(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code < kFullAscii.size() ? kFullAscii[code] : std::string_view();
}

// The full ASCII entry of a byte for Code 93: Code 39's, except that $ % + /
// stand for themselves.
constexpr std::string_view FullAsciiCode93(char c) {
    const auto at = kCode93OwnBasics.find(c);
    return at == std::string_view::npos ? FullAsciiCode39(c) : kCode93OwnBasics.substr(at, 1);
}
