#include "FieldValues.h"

#include "Barcode.h"
#include "DeviceMapping.h"

#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <vector>

#include <QCoreApplication>
#include <QLocale>

namespace {

#ifdef _WIN32
using CLocale = _locale_t;
CLocale MakeCLocale() {
    return _create_locale(LC_NUMERIC, "C");
}
double StrtodC(const char* text, char** end, CLocale locale) {
    return _strtod_l(text, end, locale);
}
#else
using CLocale = locale_t;
CLocale MakeCLocale() {
    return newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr));
}
double StrtodC(const char* text, char** end, CLocale locale) {
    return strtod_l(text, end, locale);
}
#endif

// The leading number of a NUL-terminated text as strtod reads it in the C
// locale. The GUI toolkit adopts the user's locale at start-up, in which plain
// strtod would want a decimal comma; the field has always used a point.
// found: whether the text starts with a number at all.
// A decimal comma counts as the point (a height has no thousands): the first
// comma before any point becomes one.
// rest: what follows the number, blanks around it removed.
double LeadingNumber(std::string text, bool* found = nullptr, std::string* rest = nullptr) {
    static const CLocale cLocale = MakeCLocale();
    if (const std::size_t comma = text.find(','); comma < text.find('.')) {
        text[comma] = '.';
    }
    char* end = nullptr;
    const double number = cLocale ? StrtodC(text.c_str(), &end, cLocale)
                                  : std::strtod(text.c_str(), &end); // "C" always exists
    if (found != nullptr) {
        *found = end != text.c_str();
    }
    if (rest != nullptr) {
        *rest = end != text.c_str() ? std::string(end) : std::string();
        const std::size_t first = rest->find_first_not_of(" \t");
        const std::size_t last = rest->find_last_not_of(" \t");
        *rest = first == std::string::npos ? "" : rest->substr(first, last - first + 1);
    }
    return number;
}

// The least bar length a Height gives: one mil.
constexpr double kLeastHeightInches = 0.001;
// A longer text is shown by its start in a message.
constexpr qsizetype kLongestShownText = 20;

} // namespace

std::int32_t BarLengthFromHeight(std::string_view heightText) {
    const double mils = LeadingNumber(std::string(heightText)) * kMilsPerInch;
    // Below one mil the length truncates to 0 or less; NaN is no length at all.
    if (std::isnan(mils) || mils < 1.0) {
        return kDefaultBarLength;
    }
    // Converting a double beyond the int range is undefined: clamp first.
    if (mils >= static_cast<double>(INT32_MAX)) {
        return INT32_MAX;
    }
    return static_cast<std::int32_t>(mils);
}

std::int32_t BarLengthFromHeight(const QString& heightText) {
    // A character outside Latin-1 reads as "?", which ends the number there.
    const QByteArray bytes = heightText.toLatin1();
    return BarLengthFromHeight(std::string_view(bytes.constData(), bytes.size()));
}

QString HeightRefusal(const QString& heightText) {
    const QByteArray bytes = heightText.toLatin1();
    bool found = false;
    std::string rest;
    const double inches =
        LeadingNumber(std::string(bytes.constData(), bytes.size()), &found, &rest);
    const bool number = found && !std::isnan(inches);
    const QString typed = heightText.size() > kLongestShownText
                              ? heightText.left(kLongestShownText - 1) + u'\u2026'
                              : heightText;
    if (number && inches * kMilsPerInch >= 1.0) {
        if (rest.empty()) {
            return {};
        }
        // The number is used; what follows it is not, and the user is told.
        return QCoreApplication::translate(
                   "FieldValues", "Height \"%1\": \"%2\" after the number is not read; %3 in "
                                  "is used.")
            .arg(typed, QString::fromLatin1(rest.data(), static_cast<qsizetype>(rest.size())),
                 WidthText(BarLengthFromHeight(heightText)));
    }
    return (number ? QCoreApplication::translate(
                         "FieldValues", "Height \"%1\" is less than %2 in: %3 in is used instead.")
                         .arg(typed)
                         .arg(kLeastHeightInches)
                   : QCoreApplication::translate(
                         "FieldValues", "Height \"%1\" is not a number of inches: %2 in is used "
                                        "instead.")
                         .arg(typed))
        .arg(WidthText(kDefaultBarLength));
}

std::string EngineText(const QString& text) {
    constexpr char16_t kLastLatin1 = 0xFF;
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        if (c.unicode() <= kLastLatin1) {
            out.push_back(static_cast<char>(c.unicode()));
        }
    }
    return out;
}

QString MessageNumber(double value, int decimals) {
    // The source messages are English, written the C way.
    const QLocale locale(QCoreApplication::translate("MessageNumber", "C"));
    return locale.toString(value, 'f', decimals);
}

QString WidthText(std::int32_t totalWidthMils) {
    // QString::asprintf formats in the C locale: always a decimal point.
    return QString::asprintf("%0.2f", totalWidthMils * 0.001);
}

QString TranslatedMessage(const EngineMessage& message) {
    if (message.pattern.empty()) {
        return QString::fromLatin1(message.literal.data(),
                                   static_cast<qsizetype>(message.literal.size()));
    }
    std::vector<std::string> arguments;
    arguments.reserve(message.arguments.size());
    for (const EngineMessage& argument : message.arguments) {
        arguments.push_back(TranslatedMessage(argument).toStdString());
    }
    const QString pattern =
        QCoreApplication::translate("Symbology", std::string(message.pattern).c_str());
    return QString::fromStdString(FillPattern(pattern.toStdString(), arguments));
}

QString SymbologyRefusal(SymbologyId id, std::string_view text, CodeSetChoice codeSets) {
    const SymbologyFacts& facts = FactsOf(id);
    if (facts.refusal == nullptr) {
        return {};
    }
    const EngineMessage why = facts.refusal(text, codeSets);
    if (why.Empty()) {
        return {};
    }
    QString reason = TranslatedMessage(why);
    if (why.English().starts_with(facts.name)) {
        return reason;
    }
    return QStringLiteral("%1: %2").arg(
        QString::fromLatin1(facts.name.data(), static_cast<qsizetype>(facts.name.size())), reason);
}
