#include "LabelDesign.h"

#include <QCoreApplication>
#include <QLocale>

#include <limits>

namespace {

constexpr double kMilsPerInch = 1000;
constexpr double kMillimetresPerInch = 25.4;

const QString kNumberField = QStringLiteral("n");
const QString kDateField = QStringLiteral("date");
const QString kDefaultDateFormat = QStringLiteral("yyyy-MM-dd");

void AddLiteral(FieldTemplate& parts, const QString& text) {
    if (text.isEmpty()) {
        return;
    }
    if (!parts.empty() && parts.back().kind == TemplatePart::Kind::Literal) {
        parts.back().text += text;
    } else {
        parts.push_back({TemplatePart::Kind::Literal, text, -1, {}, {}, {}});
    }
}

// {n:START,STEP,DIGITS}: each part empty or a whole number in its range.
std::optional<TemplatePart> NumberPart(const QString& inside, qsizetype at, QString* error) {
    TemplatePart part{TemplatePart::Kind::Number, {}, -1, {}, {}, {}};
    const QStringList values = inside.mid(kNumberField.size() + 1).split(QLatin1Char(','));
    const auto fault = [&](const QString& value, const QString& what) {
        *error = QCoreApplication::translate("LabelDesign",
                                             "the field at character %1 numbers with \"%2\": %3")
                     .arg(at)
                     .arg(value, what);
        return std::nullopt;
    };
    if (values.size() > 3) {
        return fault(inside, QCoreApplication::translate(
                                 "LabelDesign", "it takes a start, a step and digits, no more"));
    }
    for (qsizetype i = 0; i < values.size(); ++i) {
        const QString value = values[i].trimmed();
        if (value.isEmpty()) {
            continue;
        }
        bool ok = false;
        const qlonglong number = value.toLongLong(&ok);
        const qlonglong limit = i == 2 ? kMaxSequenceDigits : kMaxSequence;
        if (!ok || number > limit || number < (i == 2 ? 0 : -limit)) {
            return fault(value,
                         QCoreApplication::translate("LabelDesign", "a whole number from %1 to %2")
                             .arg(i == 2 ? 0 : -limit)
                             .arg(limit));
        }
        if (i == 0) {
            part.start = number;
        } else if (i == 1) {
            part.step = number;
        } else {
            part.digits = static_cast<int>(number);
        }
    }
    return part;
}

TemplatePart FieldPart(const QString& inside) {
    if (inside == kNumberField) {
        return {TemplatePart::Kind::Number, {}, -1, {}, {}, {}};
    }
    if (inside == kDateField) {
        return {TemplatePart::Kind::Date, kDefaultDateFormat, -1, {}, {}, {}};
    }
    if (inside.startsWith(kDateField + QLatin1Char(':'))) {
        return {TemplatePart::Kind::Date, inside.mid(kDateField.size() + 1), -1, {}, {}, {}};
    }
    return {TemplatePart::Kind::Column, inside, -1, {}, {}, {}};
}

} // namespace

double MilsPer(DesignUnit unit) {
    return unit == DesignUnit::Inch ? kMilsPerInch : kMilsPerInch / kMillimetresPerInch;
}

QString ObjectName(const DesignObject& object, std::size_t index) {
    return object.name.isEmpty()
               ? QCoreApplication::translate("LabelDesign", "object %1").arg(index + 1)
               : QCoreApplication::translate("LabelDesign", "object \"%1\"").arg(object.name);
}

std::optional<FieldTemplate> ParseTemplate(const QString& text, QString* error) {
    FieldTemplate parts;
    QString literal;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool doubled = i + 1 < text.size() && text[i + 1] == c;
        if ((c == QLatin1Char('{') || c == QLatin1Char('}')) && doubled) {
            literal += c;
            ++i;
            continue;
        }
        if (c == QLatin1Char('}')) {
            *error = QCoreApplication::translate(
                         "LabelDesign", "a \"}\" at character %1 closes no field (write \"}}\" "
                                        "for the brace itself)")
                         .arg(i + 1);
            return std::nullopt;
        }
        if (c != QLatin1Char('{')) {
            literal += c;
            continue;
        }
        const qsizetype end = text.indexOf(QLatin1Char('}'), i + 1);
        const qsizetype nextOpen = text.indexOf(QLatin1Char('{'), i + 1);
        if (end < 0 || (nextOpen >= 0 && nextOpen < end)) {
            *error = QCoreApplication::translate(
                         "LabelDesign", "the field begun at character %1 is not closed with \"}\" "
                                        "(write \"{{\" for the brace itself)")
                         .arg(i + 1);
            return std::nullopt;
        }
        const QString inside = text.mid(i + 1, end - i - 1).trimmed();
        if (inside.isEmpty()) {
            *error = QCoreApplication::translate("LabelDesign",
                                                 "the field at character %1 names nothing")
                         .arg(i + 1);
            return std::nullopt;
        }
        AddLiteral(parts, literal);
        literal.clear();
        if (inside.startsWith(kNumberField + QLatin1Char(':'))) {
            std::optional<TemplatePart> number = NumberPart(inside, i + 1, error);
            if (!number) {
                return std::nullopt;
            }
            parts.push_back(*number);
        } else {
            parts.push_back(FieldPart(inside));
        }
        i = end;
    }
    AddLiteral(parts, literal);
    return parts;
}

bool BindTemplate(FieldTemplate& fields, const QStringList& columns, QString* error) {
    for (TemplatePart& part : fields) {
        if (part.kind != TemplatePart::Kind::Column) {
            continue;
        }
        part.column = static_cast<int>(columns.indexOf(part.text));
        if (part.column < 0) {
            *error =
                columns.isEmpty()
                    ? QCoreApplication::translate(
                          "LabelDesign", "the field {%1} needs a column, and the data has none")
                          .arg(part.text)
                    : QCoreApplication::translate("LabelDesign",
                                                  "the field {%1} names no column of the data (%2)")
                          .arg(part.text, columns.join(QStringLiteral(", ")));
            return false;
        }
    }
    return true;
}

QString SequenceNumber(const DesignSequence& sequence, std::int64_t index) {
    // A run long enough to leave the 64-bit range stays at its edge.
    constexpr std::int64_t kEdge = std::numeric_limits<std::int64_t>::max();
    std::int64_t offset = 0;
    std::int64_t number = 0;
    if (__builtin_mul_overflow(index, sequence.step, &offset) ||
        __builtin_add_overflow(sequence.start, offset, &number) || number < -kEdge) {
        number = (index < 0) == (sequence.step < 0) ? kEdge : -kEdge;
    }
    const QString digits = QString::number(number < 0 ? -number : number)
                               .rightJustified(sequence.digits, QLatin1Char('0'));
    return number < 0 ? QLatin1Char('-') + digits : digits;
}

QString ExpandTemplate(const FieldTemplate& fields, const DesignRecord& record,
                       const DesignSequence& sequence, const QDate& today) {
    QString text;
    for (const TemplatePart& part : fields) {
        switch (part.kind) {
        case TemplatePart::Kind::Literal:
            text += part.text;
            break;
        case TemplatePart::Kind::Column:
            if (part.column >= 0 && part.column < record.values.size()) {
                text += record.values[part.column];
            }
            break;
        case TemplatePart::Kind::Number:
            text += SequenceNumber({part.start.value_or(sequence.start),
                                    part.step.value_or(sequence.step),
                                    part.digits.value_or(sequence.digits)},
                                   record.index);
            break;
        case TemplatePart::Kind::Date:
            text += QLocale::c().toString(today, part.text);
            break;
        }
    }
    return text;
}
