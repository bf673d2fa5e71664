#pragma once

#include "EngineMessage.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

class EncodingBuilder;

// The two- and five-digit add-ons of EAN-13, UPC-A, UPC-E and EAN-8: a price
// or an issue number printed as a small symbol of its own to the right of the
// main one, read together with it.

// Clear modules after an add-on.
inline constexpr std::int32_t kAddOnQuietModules = 5;

// A number as typed: the main digits, then a space or "+" and the add-on.
struct NumberWithAddOn {
    std::string_view main;
    std::string_view addOn; // empty when none is given
    bool separated = false; // a space or "+" follows the main number
};
NumberWithAddOn SplitAddOn(std::string_view text);

// Why an add-on of that text cannot be drawn, or nothing: 2 or 5 digits.
EngineMessage AddOnRefusal(std::string_view addOn);

// The parity letters ("O" number set A, "E" set B) of a valid add-on: EAN-2
// by its value modulo 4, EAN-5 by its weighted check (3, 9, 3, 9, 3).
std::string AddOnParity(std::string_view addOn);

// Modules of an add-on of `digits` digits, gap not counted.
std::int64_t AddOnModules(std::size_t digits);

// The add-on drawn after the gap: its start pattern, then each digit from
// set A or B, a separator between two digits; its bars start `lift` mils
// below the origin line and end `bottom` mils short of the bar length, its
// digits centred above them. `lead` is the label's lead space.
void AppendAddOn(EncodingBuilder& builder, std::string_view addOn, int gapModules,
                 std::int32_t lead, std::int32_t lift, std::int32_t bottom);
