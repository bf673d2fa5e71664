#pragma once

#include <functional>
#include <string_view>

// Reads one integer of the application's settings store. The engine declares the
// hook; the application installs a reader backed by its settings, tests their own.
using ProfileReader =
    std::function<int(std::string_view section, std::string_view key, int defaultValue)>;

// Installs the reader used by every later construction of a barcode; an empty
// reader makes every read yield its default.
void SetProfileReader(ProfileReader reader);

int GetProfileInt(std::string_view section, std::string_view key, int defaultValue);
