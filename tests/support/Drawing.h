#pragma once

#include "Barcode.h"
#include "RecordingSurface.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A symbol drawn onto a recorder from the origin (0, 0), and where it ended.
struct Drawn {
    RecordingSurface surface;
    Point end{0, 0};
};

inline Drawn DrawAt(const CBarcode& barcode, int orientation, bool showText = true,
                    std::int32_t barLength = 750) {
    Drawn drawn;
    barcode.Draw(drawn.surface, drawn.end, barLength, showText, orientation);
    return drawn;
}

// A symbol drawn in orientation 0 from the origin, read back as one letter per
// module: "b" where a bar lies, "s" elsewhere, up to its end. Every bar must be
// a whole number of modules starting on a module boundary.
inline std::string ModulesOf(const Drawn& drawn, std::int32_t module) {
    std::string modules(static_cast<std::size_t>(drawn.end.x / module), 's');
    for (const RecordedLine& line : drawn.surface.lines) {
        EXPECT_EQ(line.width % module, 0) << "a bar of part of a module";
        const std::int32_t left = line.from.x - line.width / 2;
        EXPECT_EQ(left % module, 0) << "a bar off the module grid";
        const std::int32_t first = left / module;
        for (std::int32_t m = first; m < first + line.width / module; ++m) {
            modules.at(static_cast<std::size_t>(m)) = 'b';
        }
    }
    return modules;
}

// The widths of the runs of equal letters in a module pattern, in modules.
inline std::vector<int> RunsOf(std::string_view modules) {
    std::vector<int> runs;
    for (std::size_t i = 0; i < modules.size(); ++i) {
        if (i == 0 || modules[i] != modules[i - 1]) {
            runs.push_back(0);
        }
        ++runs.back();
    }
    return runs;
}
