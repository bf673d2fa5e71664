// quillmark-render --grade: images of every kind graded, and the reason when
// nothing could be.
#include "GradeRun.h"
#include "GradeProfiles.h"
#include "PlannedGrade.h"
#include "Runner.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct Graded {
    int status = -1;
    std::string out;
    std::string errors;
};

Graded Grade(const QString& path) {
    char* out = nullptr;
    char* errors = nullptr;
    std::size_t outSize = 0;
    std::size_t errorsSize = 0;
    std::FILE* outStream = open_memstream(&out, &outSize);
    std::FILE* errorsStream = open_memstream(&errors, &errorsSize);
    Graded graded;
    graded.status = RunGrade(path, outStream, errorsStream);
    std::fclose(outStream);
    std::fclose(errorsStream);
    graded.out.assign(out, outSize);
    graded.errors.assign(errors, errorsSize);
    std::free(out);
    std::free(errors);
    return graded;
}

// A line across a Code 128 symbol, 60 rows of it between white margins.
QImage SymbolImage(const PrintLook& look) {
    const std::vector<double> line = ProfileOf(SymbolModules(SymbologyId::Code128, "38"), look);
    const std::vector<std::uint8_t> rows = ImageRows(line, 60);
    const int width = static_cast<int>(line.size());
    QImage image(width, 80, QImage::Format_Grayscale8);
    image.fill(255);
    for (int y = 0; y < 60; ++y) {
        std::copy_n(rows.begin() + static_cast<std::ptrdiff_t>(y) * width, width,
                    image.scanLine(y + 10));
    }
    return image;
}

std::string LastLine(const std::string& text) {
    const std::size_t end = text.find_last_not_of('\n');
    return text.substr(text.rfind('\n', end) + 1, end - text.rfind('\n', end));
}

TEST(GradeRun, GradesImagesOfEveryKind) {
    QTemporaryDir folder;
    RenderOptions tool;
    tool.text = QStringLiteral("Quillmark 38");
    tool.symbology = SymbologyId::Code128;
    tool.output = folder.filePath(QStringLiteral("tool.png"));
    tool.dpi = 600;
    tool.density = 10;
    tool.ratio = 3;
    ASSERT_EQ(RunRender(tool, LabelSource{}, stderr), 0);
    const struct {
        const char* name;
        QImage image;
        const char* last;
    } cases[] = {
        {"tool.png", {}, "grade A (4.0)"},
        {"mono.bmp", SymbolImage({}).convertToFormat(QImage::Format_Mono), "grade A (4.0)"},
        {"colour.png", SymbolImage({4, 33, 80}).convertToFormat(QImage::Format_RGB32),
         "grade C (2.4)"},
        {"pale-bars.png", SymbolImage({4, 45, 80}), "grade F (0.0)"},
        {"cut.png", SymbolImage({4, 5, 90, 3}), "grade F (0.0)"},
        {"blurred.png", SymbolImage({4, 5, 90, 12, 2}), "grade C (1.7)"},
    };
    for (const auto& c : cases) {
        const QString path = folder.filePath(QString::fromLatin1(c.name));
        ASSERT_TRUE(c.image.isNull() || c.image.save(path)) << c.name;
        const Graded graded = Grade(path);
        EXPECT_EQ(graded.status, 0) << c.name << graded.errors;
        EXPECT_EQ(LastLine(graded.out), c.last) << c.name << graded.out;
        EXPECT_NE(graded.out.find("line 10 at row"), std::string::npos) << c.name;
    }
}

TEST(GradeRun, SaysWhyNothingWasGraded) {
    QTemporaryDir folder;
    QImage blank(200, 50, QImage::Format_Grayscale8);
    blank.fill(255);
    const QString blankPath = folder.filePath(QStringLiteral("blank.png"));
    ASSERT_TRUE(blank.save(blankPath));
    const struct {
        QString path;
        const char* reason;
    } cases[] = {
        {folder.filePath(QStringLiteral("missing.png")), "cannot read the image"},
        {blankPath, "no bars found in"},
    };
    for (const auto& c : cases) {
        const Graded graded = Grade(c.path);
        EXPECT_EQ(graded.status, 1);
        EXPECT_TRUE(graded.out.empty());
        EXPECT_NE(graded.errors.find(c.reason), std::string::npos) << graded.errors;
    }
}

// --grade-print: the planned print at 300 dpi of 10-mil modules; the gain
// closes the narrow spaces, a dot of bar reduction opens them again.
TEST(GradeRun, PlannedPrintNamesTheParameterAtFault) {
    const struct {
        SymbologyId id;
        double gain;
        int reduction;
        const char* text;
    } cases[] = {
        {SymbologyId::Code128, 0, 0, "bars as drawn, 5-mil aperture: grade A (4.0)"},
        {SymbologyId::Code128, 7, 0,
         "bars 7 mils wider, 5-mil aperture: grade F (0.0), held "
         "down by decode"},
        {SymbologyId::Code128, 7, 1, "bars 7 mils wider, 5-mil aperture: grade A (4.0)"},
        {SymbologyId::Ean13, -1.5, 0, "bars 1.5 mils narrower, 6-mil aperture: grade A (4.0)"},
        // Decoded by its bars' heights, or it would fail decode.
        {SymbologyId::Postnet, 0, 0, "bars as drawn, 10-mil aperture: grade A (4.0)"},
    };
    for (const auto& c : cases) {
        RenderRequest request;
        request.symbology = c.id;
        request.text = c.id == SymbologyId::Ean13     ? "400638133393"
                       : c.id == SymbologyId::Postnet ? "12345"
                                                      : "Grade 38";
        request.widths = {10, 3};
        request.barReduction = c.reduction;
        EXPECT_EQ(PlannedGradeText(request, c.gain).toStdString(),
                  std::string("planned print at 300 dpi, ") + c.text);
    }
}

} // namespace
