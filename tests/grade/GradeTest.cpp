// The print-quality grade: the grading bands, scan lines whose parameters
// are known by construction, the reference decodes and whole images.
#include "GradeProfiles.h"
#include "GradeScale.h"
#include "PrintModel.h"
#include "SymbolGrade.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

TEST(GradeScale, BandsInterpolateAndLettersFollow) {
    const struct {
        double (*grade)(double);
        double value;
        double expected;
    } cases[] = {
        {SymbolContrastGrade, 70, 4.0}, {SymbolContrastGrade, 69, 3.0 + 14.0 / 15},
        {SymbolContrastGrade, 55, 3.0}, {SymbolContrastGrade, 47, 2.0 + 7.0 / 15},
        {SymbolContrastGrade, 20, 1.0}, {SymbolContrastGrade, 14.9, 0.0},
        {ModulationGrade, 65, 3.5},     {ModulationGrade, 30, 0.0},
        {ModulationGrade, 29.9, 0.0},   {DecodabilityGrade, 62, 4.0},
        {DecodabilityGrade, 37, 2.0},   {DecodabilityGrade, 22.5, 0.5},
        {DefectsGrade, 15, 4.0},        {DefectsGrade, 17.5, 3.5},
        {DefectsGrade, 30, 1.0},        {DefectsGrade, 30.1, 0.0},
        {EdgeContrastGrade, 15, 4.0},   {EdgeContrastGrade, 14.9, 0.0},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(c.grade(c.value), c.expected, 1e-9) << c.value;
    }
    EXPECT_EQ(MinimumReflectanceGrade(40, 80), 4.0);
    EXPECT_EQ(MinimumReflectanceGrade(40.1, 80), 0.0);
    EXPECT_EQ(std::string() + GradeLetter(3.5) + GradeLetter(3.49) + GradeLetter(1.5) +
                  GradeLetter(0.5) + GradeLetter(0.49),
              "ABCDF");
}

TEST(GradeProfile, KnownLinesGradeToTheirParameters) {
    const std::string modules = SymbolModules(SymbologyId::Code128, "Grade 38");
    const struct {
        const char* name;
        PrintLook look;
        double spot; // a dip this deep in the leading quiet zone
        double contrast, modulation, defects, grade;
        const char* worst;
    } cases[] = {
        {"clean", {}, 0, 85, 100, 0, 4.0, ""},
        {"contrast 47 %", {4, 33, 80}, 0, 47, 100, 0, 2.0 + 7.0 / 15, "symbol contrast"},
        {"bars above half the spaces", {4, 45, 80}, 0, 35, 100, 0, 0.0, "minimum reflectance"},
        {"cut quiet zone", {4, 5, 90, 3}, 0, 85, 100, 0, 0.0, "quiet zone"},
        // 20 of 85: 23.5 %.
        {"spot", {}, 20, 85, 100, 2000.0 / 85, 1.0 + (30 - 2000.0 / 85) / 5, "defects"},
        // A one-module bar keeps a fifth of the light around it: 22 %, a
        // one-module space 73 %; 51 of 85 is 60 %.
        {"blurred edges", {4, 5, 90, 12, 2}, 0, 85, 60, 0, 3.0, "modulation"},
    };
    for (const auto& c : cases) {
        std::vector<double> line = ProfileOf(modules, c.look);
        for (int i = 0; c.spot > 0 && i < c.look.samples; ++i) {
            line.at(static_cast<std::size_t>(c.look.quiet) *
                        static_cast<std::size_t>(c.look.samples) / 2 +
                    static_cast<std::size_t>(i)) -= c.spot;
        }
        const ProfileGrade g = GradeProfile(line);
        EXPECT_NEAR(g.measures.symbolContrast, c.contrast, 1e-9) << c.name;
        EXPECT_NEAR(g.measures.modulation, c.modulation, 1e-9) << c.name;
        EXPECT_NEAR(g.measures.defects, c.defects, 1e-9) << c.name;
        EXPECT_NEAR(g.grade, c.grade, 1e-9) << c.name;
        EXPECT_EQ(g.worst, c.worst) << c.name;
        EXPECT_TRUE(g.decode.decoded) << c.name;
    }
}

TEST(GradeProfile, FindsTheSymbolBesideOtherPrint) {
    const std::string code128 = SymbolModules(SymbologyId::Code128, "38");
    const struct {
        std::string modules;
        const char* text;
        double grade;
    } cases[] = {
        // An add-on 9 modules after the main symbol: its trailing quiet zone.
        {SymbolModules(SymbologyId::Issn, "0317-8471 05"), "9770317847001", 4.0},
        // A border 11 modules before the symbol, a mark 6 modules after it.
        {"bbb" + std::string(11, 's') + code128, "38", 4.0},
        {code128 + std::string(6, 's') + "bb", "38", 0.0},
    };
    for (const auto& c : cases) {
        const ProfileGrade g = GradeProfile(ProfileOf(c.modules, {}));
        EXPECT_EQ(g.decode.text, c.text);
        EXPECT_EQ(g.grade, c.grade) << c.text << g.worst;
    }
}

// Every symbology's reference decode reads our symbols forwards and
// backwards, the two-width ones at Ratio 2 and 3. Where decodability is
// graded, bars a fifth of a module wider leave every edge-to-similar-edge sum
// as it was, and one edge moved by a fifth leaves 0.3 of 0.5.
TEST(ReferenceDecode, ReadsOurSymbolsBothWays) {
    const struct {
        SymbologyId id;
        const char* text;
        const char* symbology;
        const char* decoded;
        bool graded; // decodability
    } cases[] = {
        {SymbologyId::Code128, "Grade 38", "Code 128", "GRADE 38", true},
        {SymbologyId::Code128, "123456", "Code 128", "123456", true},
        {SymbologyId::Code93, "Code 93", "Code 93", "Code 93", true},
        {SymbologyId::Ean13, "400638133393", "EAN-13", "4006381333931", true},
        {SymbologyId::UpcA, "21898623818", "UPC-A", "218986238182", true},
        {SymbologyId::Ean8, "9638507", "EAN-8", "96385074", true},
        {SymbologyId::UpcE, "123456", "UPC-E", "01234565", true},
        {SymbologyId::Code39, "CODE-39", "Code 39", "CODE-39", false},
        {SymbologyId::Code39Mod43, "CODE39", "Code 39", "CODE39W", false},
        {SymbologyId::Interleaved25, "123456", "Interleaved 2 of 5", "123456", false},
    };
    for (const auto& c : cases) {
        for (const int ratio : {2, 3}) {
            SCOPED_TRACE(std::string(c.text) + ", ratio " + std::to_string(ratio));
            const std::vector<int> runs = RunsOf(SymbolModules(c.id, c.text, ratio));
            std::vector<double> widths(runs.begin(), runs.end());
            for (const bool backwards : {false, true}) {
                const ReferenceDecoded d = ReferenceDecode(widths);
                EXPECT_TRUE(d.decoded) << backwards;
                EXPECT_EQ(d.symbology, c.symbology);
                EXPECT_EQ(d.text, c.decoded);
                EXPECT_EQ(d.decodabilityGraded, c.graded);
                EXPECT_NEAR(c.graded ? d.decodability : d.module, 1.0, 1e-9);
                std::reverse(widths.begin(), widths.end());
            }
            if (!c.graded) {
                continue;
            }
            std::vector<double> spread = widths;
            for (std::size_t i = 0; i < spread.size(); ++i) {
                spread[i] += i % 2 == 0 ? 0.2 : -0.2;
            }
            EXPECT_NEAR(ReferenceDecode(spread).decodability, 1.0, 1e-9);
            widths[4] += 0.2;
            widths[5] -= 0.2;
            EXPECT_NEAR(ReferenceDecode(widths).decodability, 0.6, 1e-9);
        }
    }
    EXPECT_FALSE(ReferenceDecode(std::vector<double>{1, 1, 1}).decoded);
}

TEST(GradeImage, FindsTheBarsAndGradesTenLines) {
    const std::string modules = SymbolModules(SymbologyId::Code128, "Grade 38");
    const struct {
        PrintLook look;
        char letter;
    } cases[] = {
        {{}, 'A'},
        {{4, 33, 80}, 'C'},
        {{4, 45, 80}, 'F'},
        {{4, 5, 90, 3}, 'F'},
        {{4, 5, 90, 12, 2}, 'C'},
        // Bars half a module wider: the narrow spaces lose contrast under
        // the spot, but edge to similar edge nothing else.
        {{4, 5, 90, 12, 0, 2}, 'A'},
    };
    for (const auto& c : cases) {
        // White above and below the bars, and a line of "text" beneath them.
        const std::vector<double> line = ProfileOf(modules, c.look);
        std::vector<std::uint8_t> pixels(line.size() * 20, 255);
        const std::vector<std::uint8_t> bars = ImageRows(line, 100);
        pixels.insert(pixels.end(), bars.begin(), bars.end());
        for (std::size_t row = 0; row < 6; ++row) {
            for (std::size_t x = 0; x < line.size(); ++x) {
                pixels.push_back(x % (3 + row) == 0 ? 0 : 255);
            }
        }
        const GreyImage image{static_cast<int>(line.size()),
                              static_cast<int>(pixels.size() / line.size()), pixels.data(),
                              static_cast<std::ptrdiff_t>(line.size())};
        const SymbolGrade s = GradeImage(image);
        ASSERT_TRUE(s.found);
        EXPECT_EQ(s.top, 20);
        EXPECT_EQ(s.bottom, 120);
        EXPECT_EQ(s.profiles.size(), 10U);
        EXPECT_EQ(GradeLetter(s.grade), c.letter) << s.grade;
        EXPECT_TRUE(&c == cases || s.grade < 4.0) << "below the clean symbol";
    }
}

TEST(PrintModel, GainAndBlurLowerTheGradeAndBarReductionRestoresIt) {
    // Code 128 of 10-mil modules at 300 dpi: 3 dots a module, 1 dot 3.3 mils.
    const std::string modules = SymbolModules(SymbologyId::Code128, "Grade 38");
    const struct {
        double gain, aperture; // mils; aperture 0: the reference one, 5 mils
        int reduction;         // dots
        double grade;
        const char* worst;
    } cases[] = {
        {0, 0, 0, 4.0, ""},
        // Edge to similar edge a spread measures nothing: the 5-mil spot
        // sees the narrow spaces whole until they close up.
        {5, 0, 0, 4.0, ""},
        {7, 0, 0, 0.0, "decode"},
        {7, 0, 1, 4.0, ""},
        // A wider spot (a blurred print) no longer sees the narrowed spaces'
        // paper.
        {3, 10, 0, 4.0, ""},
        {5, 10, 0, 3.0 + (62.3 - 60) / 10, "modulation"},
        {5, 15, 0, 0.0, "defects"},
        {5, 15, 1, 2.667, "modulation"},
        {7, 10, 0, 0.0, "defects"},
        {7, 10, 1, 4.0, ""},
    };
    for (const auto& c : cases) {
        int width = 0;
        const std::vector<std::uint8_t> dots = DotRows(modules, 3, c.reduction, 40, width);
        const SymbolGrade s =
            GradePrint({width, 40, dots.data(), width}, {300, c.gain, c.aperture});
        ASSERT_EQ(s.profiles.size(), 10U);
        EXPECT_NEAR(s.grade, c.grade, 0.01) << c.gain << " " << c.aperture << " " << c.reduction;
        EXPECT_EQ(s.profiles[4].worst, c.worst) << c.gain << " " << c.aperture;
    }
    // The reference apertures by narrow element, and EAN/UPC's own.
    EXPECT_EQ(ReferenceApertureMils(4, false), 3.0);
    EXPECT_EQ(ReferenceApertureMils(7.2, false), 5.0);
    EXPECT_EQ(ReferenceApertureMils(13.1, false), 10.0);
    EXPECT_EQ(ReferenceApertureMils(25.1, false), 20.0);
    EXPECT_EQ(ReferenceApertureMils(13, true), 6.0);
}

} // namespace
