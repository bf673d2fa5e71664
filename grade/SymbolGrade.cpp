#include "SymbolGrade.h"

#include "GradeScale.h"
#include "PostnetReader.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>

namespace {

// The number of dark-light changes along a row, around the middle of its
// own darkest and lightest pixel, with some hysteresis so that noise on a
// flat stretch counts nothing. A row of nearly one shade has none.
int EdgesOf(const std::uint8_t* row, int width) {
    const auto [low, high] = std::minmax_element(row, row + width);
    const int span = *high - *low;
    if (span < 10) {
        return 0;
    }
    const int darkBelow = *low + span * 3 / 8;
    const int lightAbove = *low + span * 5 / 8;
    int edges = 0;
    bool dark = row[0] < *low + span / 2;
    for (int x = 1; x < width; ++x) {
        if (dark ? row[x] > lightAbove : row[x] < darkBelow) {
            dark = !dark;
            ++edges;
        }
    }
    return edges;
}

// The reflectance along row y, each sample the mean of the rows within
// `half` of it (a scan line a few pixels tall, as a scanner's spot is).
std::vector<double> LineAt(const GreyImage& image, int y, int half) {
    const int from = std::max(0, y - half);
    const int to = std::min(image.height - 1, y + half);
    std::vector<double> line(static_cast<std::size_t>(image.width), 0.0);
    for (int row = from; row <= to; ++row) {
        const std::uint8_t* p = image.pixels + row * image.stride;
        for (int x = 0; x < image.width; ++x) {
            line[static_cast<std::size_t>(x)] += p[x];
        }
    }
    const double scale = 100.0 / (255.0 * (to - from + 1));
    for (double& r : line) {
        r *= scale;
    }
    return line;
}

// Where the symbol lies among a line's elements (its first and one past its
// last) and what its reference decode read. The line from its first bar to
// its last is tried first; then each stretch between spaces wider than five
// narrow elements, as an add-on, a border or other print in the same rows
// stands apart from the symbol.
struct FoundSymbol {
    std::size_t first = 0;
    std::size_t end = 0;
    ReferenceDecoded decode;
};

FoundSymbol FindSymbol(const std::vector<ProfileElement>& elements) {
    FoundSymbol found;
    const auto isBar = [](const ProfileElement& e) { return e.bar; };
    const auto firstBar = std::find_if(elements.begin(), elements.end(), isBar);
    if (firstBar == elements.end()) {
        return found;
    }
    const auto fb = static_cast<std::size_t>(firstBar - elements.begin());
    const auto lb = static_cast<std::size_t>(
        std::find_if(elements.rbegin(), elements.rend(), isBar).base() - elements.begin() - 1);
    const auto decodes = [&](std::size_t first, std::size_t end) {
        std::vector<double> widths;
        for (std::size_t i = first; i < end; ++i) {
            widths.push_back(elements[i].Width());
        }
        found = {first, end, ReferenceDecode(widths)};
        return found.decode.decoded;
    };
    if (decodes(fb, lb + 1)) {
        return found;
    }
    std::vector<double> widths;
    for (std::size_t i = fb; i <= lb; ++i) {
        widths.push_back(elements[i].Width());
    }
    std::nth_element(widths.begin(),
                     widths.begin() + static_cast<std::ptrdiff_t>(widths.size() / 10),
                     widths.end());
    const double gap = 5.0 * widths[widths.size() / 10];
    std::size_t start = fb;
    for (std::size_t i = fb + 1; i <= lb + 1; ++i) {
        if (i == lb + 1 || (!elements[i].bar && elements[i].Width() > gap)) {
            const bool whole = start == fb && i == lb + 1; // tried already
            if (!whole && decodes(start, i)) {
                return found;
            }
            start = i + 1;
        }
    }
    return {};
}

void Lowest(ProfileGrade& g, double grade, const char* name) {
    if (grade < g.grade) {
        g.grade = grade;
        g.worst = name;
    }
}

// The narrow element's width in samples: the module the reference decode
// measured (the middle one of the lines), or where no line decoded the
// tenth-narrowest of the lines' elements.
double ModuleOf(const std::vector<ProfileGrade>& profiles) {
    std::vector<double> modules;
    for (const ProfileGrade& g : profiles) {
        if (g.decode.decoded) {
            modules.push_back(g.decode.module);
        }
    }
    if (modules.empty()) {
        for (const ProfileGrade& g : profiles) {
            const std::vector<double> widths = SymbolWidths(g.measures);
            modules.insert(modules.end(), widths.begin(), widths.end());
        }
        if (modules.empty()) {
            return 0.0;
        }
        std::nth_element(modules.begin(),
                         modules.begin() + static_cast<std::ptrdiff_t>(modules.size() / 10),
                         modules.end());
        return modules[modules.size() / 10];
    }
    std::nth_element(modules.begin(),
                     modules.begin() + static_cast<std::ptrdiff_t>(modules.size() / 2),
                     modules.end());
    return modules[modules.size() / 2];
}

// Postnet, told by its bars' heights rather than their widths: each bar the
// line crosses measured up and down from the line's row, as far as the image
// stays darker than the line's threshold, and read as full and half bars
// standing on a common line. Its decodability and quiet zones are not graded.
std::optional<ReferenceDecoded> DecodeByHeights(const GreyImage& image, int row,
                                                const ProfileMeasures& line) {
    const double dark = line.threshold * 255.0 / 100.0;
    std::vector<PostnetBar> bars;
    double widths = 0;
    for (const ProfileElement& e : line.elements) {
        if (!e.bar) {
            continue;
        }
        const double centre = (e.start + e.end) / 2.0;
        const int x = std::clamp(static_cast<int>(centre), 0, image.width - 1);
        const auto inked = [&](int y) { return image.pixels[y * image.stride + x] < dark; };
        if (!inked(row)) {
            return std::nullopt;
        }
        int top = row;
        while (top > 0 && inked(top - 1)) {
            --top;
        }
        int bottom = row;
        while (bottom + 1 < image.height && inked(bottom + 1)) {
            ++bottom;
        }
        bars.push_back(
            {centre, static_cast<double>(bottom + 1), static_cast<double>(bottom + 1 - top)});
        widths += e.Width();
    }
    if (bars.size() < 7) {
        return std::nullopt;
    }
    const PostnetReading reading = ReadPostnet(bars);
    if (!reading.Valid()) {
        return std::nullopt;
    }
    ReferenceDecoded d;
    d.decoded = true;
    d.symbology = "POSTNET";
    d.text = reading.digits + static_cast<char>('0' + reading.check);
    d.decodabilityGraded = false;
    d.module = widths / static_cast<double>(bars.size());
    return d;
}

} // namespace

// A round spot of the given diameter, in samples, moved along the line:
// each sample the mean under the spot. The bars run across the line, so the
// spot's mean is the line's, each sample weighted by the spot's chord there.
std::vector<double> Aperture(const std::vector<double>& line, double diameter) {
    const double radius = diameter / 2.0;
    const int reach = static_cast<int>(radius);
    if (reach < 1) {
        return line;
    }
    std::vector<double> weights;
    double total = 0;
    for (int k = -reach; k <= reach; ++k) {
        weights.push_back(std::sqrt(radius * radius - static_cast<double>(k * k)));
        total += weights.back();
    }
    const int n = static_cast<int>(line.size());
    std::vector<double> seen(line.size());
    for (int i = 0; i < n; ++i) {
        double sum = 0;
        for (std::size_t w = 0; w < weights.size(); ++w) {
            const int at = std::clamp(i + static_cast<int>(w) - reach, 0, n - 1);
            sum += weights[w] * line[static_cast<std::size_t>(at)];
        }
        seen[static_cast<std::size_t>(i)] = sum / total;
    }
    return seen;
}

ProfileGrade GradeProfile(std::span<const double> reflectance, bool symbolKnown) {
    ProfileGrade g;
    g.measures = MeasureProfile(reflectance);
    const ProfileMeasures& m = g.measures;
    g.contrastGrade = SymbolContrastGrade(m.symbolContrast);
    g.rminGrade = MinimumReflectanceGrade(m.rmin, m.rmax);
    g.edgeContrastGrade = EdgeContrastGrade(m.edgeContrastMin);
    g.modulationGrade = ModulationGrade(m.modulation);
    g.defectsGrade = DefectsGrade(m.defects);
    const FoundSymbol found = FindSymbol(m.elements);
    g.decode = found.decode;
    if (g.decode.decoded) {
        // The light on either side of the bars, as wide as the symbology asks?
        const auto lightWidth = [&](std::size_t i, bool inside) {
            return inside && !m.elements[i].bar ? m.elements[i].Width() / g.decode.module : 0.0;
        };
        g.quietLeft = lightWidth(found.first - 1, found.first > 0);
        g.quietRight = lightWidth(found.end, found.end < m.elements.size());
        // Half a module of slack for where the first edge falls in its pixel.
        const bool quiet =
            g.quietLeft >= g.decode.quietLeft - 0.5 && g.quietRight >= g.decode.quietRight - 0.5;
        g.decodeGrade = quiet ? 4.0 : 0.0;
        if (g.decode.decodabilityGraded) {
            g.decodabilityGrade = DecodabilityGrade(100.0 * g.decode.decodability);
        }
    } else if (symbolKnown) {
        g.decodeGrade = 0.0;
        g.decodabilityGrade = 0.0;
    }
    g.grade = 4.0;
    Lowest(g, g.contrastGrade, "symbol contrast");
    Lowest(g, g.rminGrade, "minimum reflectance");
    Lowest(g, g.edgeContrastGrade, "minimum edge contrast");
    Lowest(g, g.modulationGrade, "modulation");
    Lowest(g, g.defectsGrade, "defects");
    if (g.decodeGrade) {
        Lowest(g, *g.decodeGrade, g.decode.decoded ? "quiet zone" : "decode");
    }
    if (g.decodabilityGrade) {
        Lowest(g, *g.decodabilityGrade, "decodability");
    }
    return g;
}

SymbolGrade GradeImage(const GreyImage& image, const ApertureRule& aperture, bool symbolExpected) {
    SymbolGrade s;
    if (image.width < 2 || image.height < 1 || image.pixels == nullptr) {
        return s;
    }
    std::vector<int> edges(static_cast<std::size_t>(image.height));
    for (int y = 0; y < image.height; ++y) {
        edges[static_cast<std::size_t>(y)] = EdgesOf(image.pixels + y * image.stride, image.width);
    }
    // The bars: the run of rows that cross the most edges over the most rows,
    // each row about as many as the row before (a line of text may cross more
    // edges, but never the same number row after row).
    const auto steady = [&](int y) {
        const int now = edges[static_cast<std::size_t>(y)];
        const int before = edges[static_cast<std::size_t>(y - 1)];
        return std::abs(now - before) <= std::max(2, before / 20);
    };
    constexpr int kFewestEdges = 4;
    long best = 0;
    int runStart = 0;
    int runEdges = 0; // the fewest edges a row of the run crosses
    for (int y = 0; y <= image.height; ++y) {
        const bool crossing =
            y < image.height && edges[static_cast<std::size_t>(y)] >= kFewestEdges;
        if (crossing && y > runStart && steady(y)) {
            runEdges = std::min(runEdges, edges[static_cast<std::size_t>(y)]);
            continue;
        }
        if (const long score = static_cast<long>(y - runStart) * runEdges; score > best) {
            best = score;
            s.top = runStart;
            s.bottom = y;
        }
        runStart = crossing ? y : y + 1;
        runEdges = crossing ? edges[static_cast<std::size_t>(y)] : 0;
    }
    s.found = s.bottom > s.top;
    if (!s.found) {
        return s;
    }
    const int height = s.bottom - s.top;
    const int half = std::max(0, height / 40);
    for (int i = 0; i < 10; ++i) {
        s.rows.push_back(s.top + static_cast<int>(height * (0.1 + 0.8 * i / 9.0)));
    }
    std::vector<std::vector<double>> lines;
    for (const int y : s.rows) {
        lines.push_back(LineAt(image, y, half));
        s.profiles.push_back(GradeProfile(lines.back()));
    }
    // Then as a verifier's spot sees them.
    const double module = ModuleOf(s.profiles);
    const auto decoded = std::find_if(s.profiles.begin(), s.profiles.end(),
                                      [](const ProfileGrade& g) { return g.decode.decoded; });
    const double diameter =
        aperture
            ? aperture(decoded != s.profiles.end() ? decoded->decode : ReferenceDecoded{}, module)
            : 0.8 * module;
    s.aperture = diameter;
    s.profiles.clear();
    bool known = false;
    for (std::vector<double>& line : lines) {
        line = Aperture(line, diameter);
        s.profiles.push_back(GradeProfile(line));
        known = known || s.profiles.back().decode.decoded;
    }
    for (std::size_t i = 0; !known && i < lines.size(); ++i) {
        if (auto byHeights = DecodeByHeights(image, s.rows[i], s.profiles[i].measures)) {
            for (std::size_t j = i; j < lines.size(); ++j) {
                ProfileGrade& g = s.profiles[j];
                g.decode = j == i
                               ? *byHeights
                               : DecodeByHeights(image, s.rows[j], g.measures).value_or(g.decode);
                g.decodeGrade = g.decode.decoded ? std::optional(4.0) : std::nullopt;
            }
            known = true;
        }
    }
    known = known || symbolExpected;
    // A line that does not decode a symbol the others decode fails decode.
    for (std::size_t i = 0; known && i < lines.size(); ++i) {
        if (!s.profiles[i].decode.decoded) {
            s.profiles[i] = GradeProfile(lines[i], true);
        }
    }
    s.lines = std::move(lines);
    s.grade = std::accumulate(s.profiles.begin(), s.profiles.end(), 0.0,
                              [](double sum, const ProfileGrade& g) { return sum + g.grade; }) /
              static_cast<double>(s.profiles.size());
    return s;
}
