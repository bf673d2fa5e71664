#pragma once

#include "Profile.h"

#include <string_view>

// Installs the Density and Ratio settings for one scope; every other value
// reads as its default, and no settings are installed afterwards.
class ScopedWidths {
public:
    ScopedWidths(int density, int ratio) {
        SetProfileReader([density, ratio](std::string_view, std::string_view key, int def) {
            return key == "Density" ? density : key == "Ratio" ? ratio : def;
        });
    }
    ~ScopedWidths() { SetProfileReader({}); }
    ScopedWidths(const ScopedWidths&) = delete;
    ScopedWidths& operator=(const ScopedWidths&) = delete;
};
