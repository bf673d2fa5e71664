#pragma once

#include <string_view>

// The text of IsbnRanges.txt, compiled in by the build.
extern const std::string_view kIsbnRangesText;
