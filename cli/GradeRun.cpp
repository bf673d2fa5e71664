#include "GradeRun.h"

#include "GradeScale.h"
#include "SymbolGrade.h"

#include <QCoreApplication>
#include <QImageReader>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// The tool's exit statuses: graded, and nothing graded (as a failed entry).
constexpr int kGraded = 0;
constexpr int kNotGraded = 1;

QString Tr(const char* text) {
    return QCoreApplication::translate("GradeRun", text);
}

QString Number(double value) {
    return QString::number(value, 'f', 1);
}

// A grade to one decimal, cut rather than rounded, so that the number never
// reaches a letter the grade does not (2.47 is 2.4, C, not 2.5).
QString GradeNumber(double grade) {
    return QString::number(std::floor(grade * 10.0 + 1e-6) / 10.0, 'f', 1);
}

// "value (grade)" of one parameter.
QString Graded(const QString& value, double grade) {
    return QStringLiteral("%1 (%2)").arg(value, GradeNumber(grade));
}

// The image as reflectances see it: grey, anything transparent on white paper.
std::vector<std::uint8_t> GreyPixels(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    std::vector<std::uint8_t> grey(static_cast<std::size_t>(argb.width()) *
                                   static_cast<std::size_t>(argb.height()));
    for (int y = 0; y < argb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            const int alpha = qAlpha(row[x]);
            const int value = (qGray(row[x]) * alpha + 255 * (255 - alpha)) / 255;
            grey[static_cast<std::size_t>(y) * static_cast<std::size_t>(argb.width()) +
                 static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(value);
        }
    }
    return grey;
}

// The parameter that held a line's grade down, in the user's language.
QString ParameterName(const std::string& worst) {
    static const struct {
        const char* name;
        const char* text;
    } kNames[] = {
        {"symbol contrast", QT_TRANSLATE_NOOP("GradeRun", "symbol contrast")},
        {"minimum reflectance", QT_TRANSLATE_NOOP("GradeRun", "minimum reflectance")},
        {"minimum edge contrast", QT_TRANSLATE_NOOP("GradeRun", "minimum edge contrast")},
        {"modulation", QT_TRANSLATE_NOOP("GradeRun", "modulation")},
        {"defects", QT_TRANSLATE_NOOP("GradeRun", "defects")},
        {"quiet zone", QT_TRANSLATE_NOOP("GradeRun", "quiet zone")},
        {"decode", QT_TRANSLATE_NOOP("GradeRun", "decode")},
        {"decodability", QT_TRANSLATE_NOOP("GradeRun", "decodability")},
    };
    for (const auto& entry : kNames) {
        if (worst == entry.name) {
            return Tr(entry.text);
        }
    }
    return QString::fromStdString(worst);
}

QString ProfileLine(int number, int row, const ProfileGrade& g) {
    const ProfileMeasures& m = g.measures;
    QStringList parts{
        Tr("SC %1").arg(Graded(Number(m.symbolContrast) + QStringLiteral(" %"), g.contrastGrade)),
        Tr("Rmin %1 of Rmax %2")
            .arg(Number(m.rmin) + QStringLiteral(" %"),
                 Graded(Number(m.rmax) + QStringLiteral(" %"), g.rminGrade)),
        Tr("ECmin %1")
            .arg(Graded(Number(m.edgeContrastMin) + QStringLiteral(" %"), g.edgeContrastGrade)),
        Tr("MOD %1").arg(Graded(Number(m.modulation) + QStringLiteral(" %"), g.modulationGrade)),
        Tr("defects %1").arg(Graded(Number(m.defects) + QStringLiteral(" %"), g.defectsGrade)),
    };
    if (!g.decodeGrade) {
        parts << Tr("decode not graded");
    } else if (!g.decode.decoded) {
        parts << Tr("decode fails (0.0)");
    } else {
        parts << Tr("decode passes, quiet zones %1 and %2 modules of %3 and %4 (%5)")
                     .arg(Number(g.quietLeft), Number(g.quietRight), Number(g.decode.quietLeft),
                          Number(g.decode.quietRight), GradeNumber(*g.decodeGrade))
              << (g.decodabilityGrade
                      ? Tr("decodability %1")
                            .arg(Graded(QString::number(g.decode.decodability, 'f', 2),
                                        *g.decodabilityGrade))
                      : Tr("decodability not graded"));
    }
    QString line = Tr("line %1 at row %2: %3; grade %4")
                       .arg(number)
                       .arg(row)
                       .arg(parts.join(QStringLiteral(", ")), GradeNumber(g.grade));
    if (g.grade < 4.0) {
        line += QStringLiteral(" (%1)").arg(ParameterName(g.worst));
    }
    return line;
}

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

int RunGrade(const QString& path, std::FILE* out, std::FILE* errors) {
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) {
        Print(errors, QStringLiteral("quillmark-render: ") +
                          Tr("cannot read the image \"%1\": %2").arg(path, reader.errorString()));
        return kNotGraded;
    }
    const std::vector<std::uint8_t> grey = GreyPixels(image);
    const GreyImage view{image.width(), image.height(), grey.data(), image.width()};
    const SymbolGrade graded = GradeImage(view);
    if (!graded.found) {
        Print(errors, QStringLiteral("quillmark-render: ") +
                          Tr("no bars found in \"%1\" to grade").arg(path));
        return kNotGraded;
    }
    const auto decoded = std::find_if(graded.profiles.begin(), graded.profiles.end(),
                                      [](const ProfileGrade& g) { return g.decode.decoded; });
    if (decoded != graded.profiles.end()) {
        Print(out, Tr("symbol: %1 \"%2\", bars in rows %3 to %4, module %5 pixels")
                       .arg(QString::fromStdString(decoded->decode.symbology),
                            QString::fromStdString(decoded->decode.text))
                       .arg(graded.top)
                       .arg(graded.bottom - 1)
                       .arg(QString::number(decoded->decode.module, 'f', 2)));
    } else {
        Print(out, Tr("symbol: not decoded (decode not graded), bars in rows %1 to %2")
                       .arg(graded.top)
                       .arg(graded.bottom - 1));
    }
    for (std::size_t i = 0; i < graded.profiles.size(); ++i) {
        Print(out, ProfileLine(static_cast<int>(i + 1), graded.rows[i], graded.profiles[i]));
    }
    // The last line stays the same in every language: scripts read it.
    Print(out, QStringLiteral("grade %1 (%2)")
                   .arg(QChar::fromLatin1(GradeLetter(graded.grade)))
                   .arg(GradeNumber(graded.grade)));
    return kGraded;
}
