#pragma once

#include <span>
#include <string>

// Reads a POSTNET symbol by the heights of its bars, as a mail sorter does: a
// frame bar at each end and, between them, groups of five bars with two full
// ones, valued by the weights 7 4 2 1 0 (11 stands for 0); the last group is
// the check digit, which brings the sum of all digits to a multiple of ten.
//
// The bars come measured in any unit in an upright frame: the symbol reads
// along increasing `centre` and every bar reaches from `foot`, the line all
// of them share, `height` units towards its own top. Sizes are compared with
// each other, never with fixed figures, so a bar-height image at any
// resolution reads as the symbol's own geometry does.
struct PostnetBar {
    double centre = 0; // along the reading direction
    double foot = 0;   // across it: the end every bar shares
    double height = 0;
};

struct PostnetReading {
    std::string digits; // the data digits, the check digit not included
    int check = -1;
    std::string error; // empty when the symbol read and its check digit holds

    bool Valid() const { return error.empty(); }
};

PostnetReading ReadPostnet(std::span<const PostnetBar> bars);
