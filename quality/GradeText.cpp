#include "GradeText.h"

#include "GradeScale.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

QString Number(double value) {
    return QString::number(value, 'f', 1);
}

// "value (grade)" of one parameter.
QString Graded(const QString& value, double grade) {
    return QStringLiteral("%1 (%2)").arg(value, GradeNumber(grade));
}

QString Percent(double value) {
    return Number(value) + QStringLiteral(" %");
}

} // namespace

QString GradeNumber(double grade) {
    return QString::number(std::floor(grade * 10.0 + 1e-6) / 10.0, 'f', 1);
}

QString GradeVerdict(double grade) {
    return QStringLiteral("grade %1 (%2)")
        .arg(QChar::fromLatin1(GradeLetter(grade)))
        .arg(GradeNumber(grade));
}

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
            return QCoreApplication::translate("GradeRun", entry.text);
        }
    }
    return QString::fromStdString(worst);
}

QString ParameterAtFault(const SymbolGrade& graded) {
    const auto lowest = std::min_element(
        graded.profiles.begin(), graded.profiles.end(),
        [](const ProfileGrade& a, const ProfileGrade& b) { return a.grade < b.grade; });
    return lowest == graded.profiles.end() || lowest->grade >= 4.0 ? QString()
                                                                   : ParameterName(lowest->worst);
}

QString ProfileLine(int number, int row, const ProfileGrade& g) {
    const ProfileMeasures& m = g.measures;
    QStringList parts{
        QCoreApplication::translate("GradeRun", "SC %1")
            .arg(Graded(Percent(m.symbolContrast), g.contrastGrade)),
        QCoreApplication::translate("GradeRun", "Rmin %1 of Rmax %2")
            .arg(Percent(m.rmin), Graded(Percent(m.rmax), g.rminGrade)),
        QCoreApplication::translate("GradeRun", "ECmin %1")
            .arg(Graded(Percent(m.edgeContrastMin), g.edgeContrastGrade)),
        QCoreApplication::translate("GradeRun", "MOD %1")
            .arg(Graded(Percent(m.modulation), g.modulationGrade)),
        QCoreApplication::translate("GradeRun", "defects %1")
            .arg(Graded(Percent(m.defects), g.defectsGrade)),
    };
    if (!g.decodeGrade) {
        parts << QCoreApplication::translate("GradeRun", "decode not graded");
    } else if (!g.decode.decoded) {
        parts << QCoreApplication::translate("GradeRun", "decode fails (0.0)");
    } else if (g.decode.quietLeft == 0 && g.decode.quietRight == 0) {
        parts << QCoreApplication::translate("GradeRun", "decode passes (%1)")
                     .arg(GradeNumber(*g.decodeGrade))
              << QCoreApplication::translate(
                     "GradeRun", "decodability not graded"); // Postnet, by its bars' heights
    } else {
        parts << QCoreApplication::translate(
                     "GradeRun", "decode passes, quiet zones %1 and %2 modules of %3 and %4 (%5)")
                     .arg(Number(g.quietLeft), Number(g.quietRight), Number(g.decode.quietLeft),
                          Number(g.decode.quietRight), GradeNumber(*g.decodeGrade))
              << (g.decodabilityGrade
                      ? QCoreApplication::translate("GradeRun", "decodability %1")
                            .arg(Graded(QString::number(g.decode.decodability, 'f', 2),
                                        *g.decodabilityGrade))
                      : QCoreApplication::translate("GradeRun", "decodability not graded"));
    }
    QString line = QCoreApplication::translate("GradeRun", "line %1 at row %2: %3; grade %4")
                       .arg(number)
                       .arg(row)
                       .arg(parts.join(QStringLiteral(", ")), GradeNumber(g.grade));
    if (g.grade < 4.0) {
        line += QStringLiteral(" (%1)").arg(ParameterName(g.worst));
    }
    return line;
}

QString SymbolLine(const SymbolGrade& graded) {
    const auto decoded = std::find_if(graded.profiles.begin(), graded.profiles.end(),
                                      [](const ProfileGrade& g) { return g.decode.decoded; });
    if (decoded == graded.profiles.end()) {
        return QCoreApplication::translate(
                   "GradeRun", "symbol: not decoded (decode not graded), bars in rows %1 to %2")
            .arg(graded.top)
            .arg(graded.bottom - 1);
    }
    return QCoreApplication::translate("GradeRun",
                                       "symbol: %1 \"%2\", bars in rows %3 to %4, module %5 pixels")
        .arg(QString::fromStdString(decoded->decode.symbology),
             QString::fromStdString(decoded->decode.text))
        .arg(graded.top)
        .arg(graded.bottom - 1)
        .arg(QString::number(decoded->decode.module, 'f', 2));
}

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
