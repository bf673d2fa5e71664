#pragma once

#include <string>

// Code 128's function characters as the data text carries them (bytes 195 to
// 202 stand for the values 95 to 102).
inline const std::string kUs = "\xC3";    // 195: US in code set A
inline const std::string kFnc3 = "\xC4";  // 196
inline const std::string kFnc2 = "\xC5";  // 197
inline const std::string kShift = "\xC6"; // 198
inline const std::string kCodeC = "\xC7"; // 199
inline const std::string kCodeB = "\xC8"; // 200: FNC4 in code set B
inline const std::string kCodeA = "\xC9"; // 201: FNC4 in code set A
inline const std::string kFnc1 = "\xCA";  // 202
