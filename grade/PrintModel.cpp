#include "PrintModel.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr double kMilsPerMm = 1000.0 / 25.4;

// Each column's ink runs grown (or shrunk) by `rows` rows at either end.
std::vector<std::uint8_t> SpreadDown(std::vector<std::uint8_t> ink, int width, int height,
                                     int rows) {
    if (rows == 0) {
        return ink;
    }
    const bool grow = rows > 0;
    const int reach = std::abs(rows);
    std::vector<std::uint8_t> out(ink.size());
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            // Growing: inked when any dot within reach is; shrinking: only
            // when every dot within reach is (paper beyond the image).
            bool inked = !grow;
            for (int k = y - reach; k <= y + reach; ++k) {
                const bool dot =
                    k >= 0 && k < height && ink[static_cast<std::size_t>(k) * width + x] != 0;
                inked = grow ? inked || dot : inked && dot;
            }
            out[static_cast<std::size_t>(y) * width + x] = inked ? 1 : 0;
        }
    }
    return out;
}

// Adds the share of each sample the span [from, to) covers, in samples.
void Cover(std::vector<double>& cover, double from, double to) {
    const auto last = static_cast<double>(cover.size());
    from = std::clamp(from, 0.0, last);
    to = std::clamp(to, 0.0, last);
    for (auto i = static_cast<std::size_t>(from); static_cast<double>(i) < to; ++i) {
        const double left = std::max(from, static_cast<double>(i));
        const double right = std::min(to, static_cast<double>(i + 1));
        cover[i] += right - left;
    }
}

bool IsEanUpc(const std::string& symbology) {
    return symbology == "EAN-13" || symbology == "EAN-8" || symbology == "UPC-A" ||
           symbology == "UPC-E";
}

} // namespace

double ReferenceApertureMils(double moduleMils, bool eanUpc) {
    if (eanUpc) {
        return 6.0;
    }
    const double mm = moduleMils / kMilsPerMm;
    return mm < 0.180 ? 3.0 : mm < 0.330 ? 5.0 : mm < 0.635 ? 10.0 : 20.0;
}

int SamplesPerDot(int dpi) {
    return std::max(1, static_cast<int>(std::ceil(1000.0 / std::max(dpi, 1))));
}

PrintedImage PrintDots(const GreyImage& dots, const PrintModel& model) {
    PrintedImage printed;
    if (dots.width < 1 || dots.height < 1 || dots.pixels == nullptr || model.dpi < 1) {
        return printed;
    }
    const int w = dots.width;
    const int h = dots.height;
    const double gainDots = model.gainMils * model.dpi / 1000.0;
    printed.samplesPerDot = SamplesPerDot(model.dpi);
    const int s = printed.samplesPerDot;
    printed.width = w * s;
    printed.height = h;
    std::vector<std::uint8_t> ink(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            ink[static_cast<std::size_t>(y) * w + x] = dots.pixels[y * dots.stride + x] < 128;
        }
    }
    ink = SpreadDown(std::move(ink), w, h, static_cast<int>(std::lround(gainDots / 2.0)));
    const double paper = 255.0 * model.substrate;
    const double dark = 255.0 * model.ink;
    printed.pixels.reserve(static_cast<std::size_t>(printed.width) * static_cast<std::size_t>(h));
    std::vector<double> cover(static_cast<std::size_t>(printed.width));
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* row = ink.data() + static_cast<std::ptrdiff_t>(y) * w;
        // A row inked as the one above prints as it did: most of a symbol's.
        if (y > 0 && std::equal(row, row + w, row - w)) {
            const std::size_t at = printed.pixels.size();
            const auto rowWidth = static_cast<std::size_t>(printed.width);
            printed.pixels.resize(at + rowWidth);
            std::copy_n(printed.pixels.begin() + static_cast<std::ptrdiff_t>(at - rowWidth),
                        rowWidth, printed.pixels.begin() + static_cast<std::ptrdiff_t>(at));
            continue;
        }
        std::fill(cover.begin(), cover.end(), 0.0);
        // Each run widened by half the gain on either side; runs that meet
        // merge, runs that shrink to nothing vanish.
        bool open = false;
        double runFrom = 0;
        double runTo = 0;
        for (int x = 0; x < w;) {
            if (row[x] == 0) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < w && row[x] != 0) {
                ++x;
            }
            const double from = (start - gainDots / 2.0) * s;
            const double to = (x + gainDots / 2.0) * s;
            if (to <= from) {
                continue;
            }
            if (open && from <= runTo) {
                runTo = std::max(runTo, to);
                continue;
            }
            if (open) {
                Cover(cover, runFrom, runTo);
            }
            open = true;
            runFrom = from;
            runTo = to;
        }
        if (open) {
            Cover(cover, runFrom, runTo);
        }
        for (const double c : cover) {
            const double share = std::min(c, 1.0);
            printed.pixels.push_back(
                static_cast<std::uint8_t>(std::lround(paper + (dark - paper) * share)));
        }
    }
    return printed;
}

SymbolGrade GradePrint(const GreyImage& dots, const PrintModel& model) {
    const PrintedImage printed = PrintDots(dots, model);
    const double samplesPerMil = printed.samplesPerDot * model.dpi / 1000.0;
    return GradeImage(
        printed.View(),
        [&](const ReferenceDecoded& decode, double module) {
            const double mils =
                model.apertureMils > 0 ? model.apertureMils
                : model.moduleMils > 0
                    ? ReferenceApertureMils(model.moduleMils, model.eanUpc)
                    : ReferenceApertureMils(module / samplesPerMil, IsEanUpc(decode.symbology));
            return mils * samplesPerMil;
        },
        model.decodable);
}
