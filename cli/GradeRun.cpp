#include "GradeRun.h"

#include "GradeText.h"
#include "SymbolGrade.h"

#include <QCoreApplication>
#include <QImageReader>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

// The tool's exit statuses: graded, and nothing graded (as a failed entry).
constexpr int kGraded = 0;
constexpr int kNotGraded = 1;

void Print(std::FILE* out, const QString& line) {
    std::fprintf(out, "%s\n", line.toLocal8Bit().constData());
}

} // namespace

QCommandLineOption GradeOption() {
    return {QStringLiteral("grade"),
            QCoreApplication::translate(
                "RenderOptions",
                "Grades the print quality of the symbol in an image (PNG or BMP, a module "
                "at least 3 pixels wide), scan line by scan line; an estimate, not a "
                "calibrated verifier's grade."),
            QStringLiteral("image")};
}

QCommandLineOption GradePrintOption() {
    return {QStringLiteral("grade-print"),
            QCoreApplication::translate(
                "GradeRun",
                "With --verify: grades each symbol as the printer is to print it, at --dpi with "
                "--bar-reduction, its bars spread by this many mils (%1 to %2; negative: "
                "narrower), measured with the reference aperture for its narrow element; "
                "names the parameter at fault.")
                .arg(kMinPrintGainMils)
                .arg(kMaxPrintGainMils),
            QStringLiteral("mils")};
}

bool TakeGradePrint(const QCommandLineParser& parser, bool verify, std::optional<double>& gain,
                    QString* error) {
    const QString name = QStringLiteral("grade-print");
    if (!parser.isSet(name)) {
        return true;
    }
    bool number = false;
    const QString value = parser.value(name);
    const double mils = value.toDouble(&number);
    if (!number || !std::isfinite(mils) || mils < kMinPrintGainMils || mils > kMaxPrintGainMils) {
        *error = QCoreApplication::translate(
                     "GradeRun", "--grade-print takes a gain in mils from %1 to %2, not \"%3\"")
                     .arg(kMinPrintGainMils)
                     .arg(kMaxPrintGainMils)
                     .arg(value);
        return false;
    }
    if (!verify) {
        *error = QCoreApplication::translate(
            "GradeRun", "--grade-print grades the symbols --verify reads back: give --verify");
        return false;
    }
    for (const QString& whole : {QStringLiteral("sheet"), QStringLiteral("design")}) {
        if (parser.isSet(whole)) {
            *error = QCoreApplication::translate(
                         "GradeRun", "--grade-print grades a file's one symbol: not with --%1")
                         .arg(whole);
            return false;
        }
    }
    gain = mils;
    return true;
}

int RunGrade(const QString& path, std::FILE* out, std::FILE* errors) {
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) {
        Print(errors,
              QStringLiteral("quillmark-render: ") +
                  QCoreApplication::translate("GradeRun", "cannot read the image \"%1\": %2")
                      .arg(path, reader.errorString()));
        return kNotGraded;
    }
    const std::vector<std::uint8_t> grey = GreyPixels(image);
    const GreyImage view{image.width(), image.height(), grey.data(), image.width()};
    const SymbolGrade graded = GradeImage(view);
    if (!graded.found) {
        Print(errors,
              QStringLiteral("quillmark-render: ") +
                  QCoreApplication::translate("GradeRun", "no bars found in \"%1\" to grade")
                      .arg(path));
        return kNotGraded;
    }
    Print(out, SymbolLine(graded));
    for (std::size_t i = 0; i < graded.profiles.size(); ++i) {
        Print(out, ProfileLine(static_cast<int>(i + 1), graded.rows[i], graded.profiles[i]));
    }
    // The last line stays the same in every language: scripts read it.
    Print(out, GradeVerdict(graded.grade));
    return kGraded;
}
