#pragma once

#include <string_view>

// The text of Gs1Ais.txt, compiled in by the build.
extern const std::string_view kGs1AisText;
