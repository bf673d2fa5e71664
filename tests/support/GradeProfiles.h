#pragma once

#include "Drawing.h"
#include "Symbologies.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The modules of one of our symbols ("b" and "s", from its first bar to its
// last), as the engine draws it at 10 mils and the ratio.
inline std::string SymbolModules(SymbologyId id, std::string_view text, int ratio = 3) {
    const BarWidths widths{10, ratio};
    const auto barcode = CreateBarcode(id, text, widths);
    std::string modules = ModulesOf(DrawAt(*barcode, 0, false), widths.density);
    modules.erase(0, modules.find('b'));
    modules.erase(modules.rfind('b') + 1);
    return modules;
}

// How a line across a printed symbol looks: samples per module, the bars'
// and spaces' reflectance in percent, the light on either side in modules,
// a blur (a running mean over 2 x blur + 1 samples) and the samples every
// bar spreads into the space after it.
struct PrintLook {
    int samples = 4;
    double bar = 5;
    double space = 90;
    int quiet = 12;
    int blur = 0;
    int gain = 0;
};

inline std::vector<double> ProfileOf(std::string_view modules, const PrintLook& look) {
    const std::string line = std::string(static_cast<std::size_t>(look.quiet), 's') +
                             std::string(modules) +
                             std::string(static_cast<std::size_t>(look.quiet), 's');
    std::vector<double> r;
    for (const char module : line) {
        r.insert(r.end(), static_cast<std::size_t>(look.samples),
                 module == 'b' ? look.bar : look.space);
    }
    for (std::size_t i = r.size() - 1; look.gain > 0 && i > 0; --i) {
        if (r[i - 1] == look.bar && r[i] == look.space) {
            std::fill_n(r.begin() + static_cast<std::ptrdiff_t>(i), look.gain, look.bar);
        }
    }
    if (look.blur == 0) {
        return r;
    }
    std::vector<double> blurred(r.size());
    const int n = static_cast<int>(r.size());
    for (int i = 0; i < n; ++i) {
        double sum = 0;
        for (int k = i - look.blur; k <= i + look.blur; ++k) {
            sum += r[static_cast<std::size_t>(std::clamp(k, 0, n - 1))];
        }
        blurred[static_cast<std::size_t>(i)] = sum / (2 * look.blur + 1);
    }
    return blurred;
}

// A profile as the rows of a grey image, `rows` high, 0 black to 255 white.
inline std::vector<std::uint8_t> ImageRows(const std::vector<double>& profile, int rows) {
    std::vector<std::uint8_t> pixels;
    for (int y = 0; y < rows; ++y) {
        for (const double r : profile) {
            pixels.push_back(static_cast<std::uint8_t>(std::lround(r * 255.0 / 100.0)));
        }
    }
    return pixels;
}

// A symbol's modules as a printer's dots (0 ink, 255 paper), `rows` high with
// 12 modules of paper on either side: each module `dots` wide, every bar
// `reduction` dots narrower and the space after it as much wider.
inline std::vector<std::uint8_t> DotRows(std::string_view modules, int dots, int reduction,
                                         int rows, int& width) {
    std::vector<std::uint8_t> row(12 * static_cast<std::size_t>(dots), 255);
    bool bar = true;
    for (const int run : RunsOf(modules)) {
        const int cut = bar ? reduction : -reduction;
        row.insert(row.end(), static_cast<std::size_t>(std::max(0, run * dots - cut)),
                   bar ? 0 : 255);
        bar = !bar;
    }
    row.insert(row.end(), 12 * static_cast<std::size_t>(dots), 255);
    width = static_cast<int>(row.size());
    std::vector<std::uint8_t> pixels;
    for (int y = 0; y < rows; ++y) {
        pixels.insert(pixels.end(), row.begin(), row.end());
    }
    return pixels;
}
