#include "InputRule.h"

#include "EanAddOn.h"
#include "EanUpc.h"
#include "FieldValues.h"
#include "TextRule.h"

#include <QCoreApplication>
#include <QList>

#include <array>
#include <string>
#include <vector>

namespace {

QString Describe(char32_t c) {
    QString code =
        QStringLiteral("U+%1").arg(static_cast<unsigned>(c), 4, 16, QLatin1Char('0')).toUpper();
    if (c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0)) {
        return code;
    }
    return QStringLiteral("\"%1\" (%2)").arg(QString::fromUcs4(&c, 1), code);
}

QString Name(SymbologyId id) {
    const std::string_view name = FactsOf(id).name;
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// Why a character is refused, in words, or nothing.
std::optional<QString> RefusalOf(SymbologyId id, char32_t c, CodeSetChoice codeSets) {
    switch (CharFaultOf(id, c, codeSets)) {
    case CharFault::None:
        break;
    case CharFault::NotADigit:
        return QCoreApplication::translate("InputRule", "takes digits only");
    case CharFault::BeyondLatin1:
        return QCoreApplication::translate("InputRule", "takes 8-bit (Latin-1) characters only");
    case CharFault::Excluded:
        return QCoreApplication::translate("InputRule", "refuses it");
    case CharFault::NoEncoding:
        return QCoreApplication::translate("InputRule", "has no encoding for it");
    }
    return std::nullopt;
}

} // namespace

CheckedText CheckText(SymbologyId id, const QString& text, bool dropInvalid, CodeSetChoice codeSets,
                      bool zeroFill) {
    const SymbologyFacts& facts = FactsOf(id);
    CheckedText checked;
    int position = 0;
    for (const char32_t c : text.toUcs4()) {
        ++position;
        if (const std::optional<QString> why = RefusalOf(id, c, codeSets)) {
            if (dropInvalid) {
                continue;
            }
            checked.refusal = TextRefusal{
                QCoreApplication::translate("InputRule", "character %1 at position %2: %3 %4")
                    .arg(Describe(c))
                    .arg(position)
                    .arg(Name(id), *why)};
            return checked;
        }
        checked.engineText += static_cast<char>(c);
    }
    // EAN and UPC take their data digits and, after them, the check digit;
    // zeroFill fills a shorter number on the right as the Text field does.
    // A space or "+" and an add-on may follow: the limits are the number's.
    const bool retail = IsEanUpc(id);
    const NumberWithAddOn number = SplitAddOn(checked.engineText);
    std::string main(retail ? number.main : std::string_view(checked.engineText));
    const std::string addOn = retail && number.separated ? " " + std::string(number.addOn) : "";
    const std::size_t most = static_cast<std::size_t>(facts.digitLimit) + (retail ? 1 : 0);
    if (facts.filter == TextFilter::Digits && main.size() > most) {
        if (!dropInvalid) {
            checked.refusal = TextRefusal{
                QCoreApplication::translate("InputRule", "%1 digits: %2 takes at most %3")
                    .arg(main.size())
                    .arg(Name(id))
                    .arg(most)};
            return checked;
        }
        main.resize(most);
    }
    if (retail && zeroFill && main.size() < most - 1) {
        main.resize(most - 1, '0');
    }
    checked.engineText = main + addOn;
    // No dropped character mends AIs or a check digit: such a text is refused
    // even when invalid characters are dropped, as its symbol would be empty.
    if (QString why = SymbologyRefusal(id, checked.engineText, codeSets); !why.isEmpty()) {
        checked.refusal = TextRefusal{std::move(why)};
        return checked;
    }
    if (retail) {
        // The symbol adds its check digit itself.
        main.resize(static_cast<std::size_t>(facts.digitLimit));
        checked.engineText = main + addOn;
    }
    return checked;
}
