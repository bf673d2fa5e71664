#include "EanAddOn.h"

#include "Barcode.h"
#include "EanUpc.h"
#include "Encoding.h"

#include <cstddef>

namespace {

constexpr std::string_view kAddOnStart = "bsbb";
constexpr std::string_view kAddOnSeparator = "sb";
constexpr std::size_t kShortAddOn = 2;
constexpr std::size_t kLongAddOn = 5;
constexpr std::size_t kModulesPerDigit = 7;

// EAN-2: the parity of its two digits by the value modulo 4.
constexpr std::array<std::string_view, 4> kEan2Parity{"OO", "OE", "EO", "EE"};
// EAN-5: the parity of its five digits by its check value.
constexpr EanTable kEan5Parity{
    "0EEOOO", "1EOEOO", "2EOOEO", "3EOOOE", "4OEEOO",
    "5OOEEO", "6OOOEE", "7OEOEO", "8OEOOE", "9OOEOE",
};

int Digit(char c) {
    return c - '0';
}

} // namespace

NumberWithAddOn SplitAddOn(std::string_view text) {
    const std::size_t at = text.find_first_of(" +");
    if (at == std::string_view::npos) {
        return {text, {}, false};
    }
    return {text.substr(0, at), text.substr(at + 1), true};
}

EngineMessage AddOnRefusal(std::string_view addOn) {
    if (IsAllDigits(addOn) && (addOn.size() == kShortAddOn || addOn.size() == kLongAddOn)) {
        return {};
    }
    return {QT_TRANSLATE_NOOP("Symbology", "an add-on takes 2 or 5 digits: \"%1\" is no add-on"),
            {Literal(std::string(addOn))}};
}

std::string AddOnParity(std::string_view addOn) {
    if (!AddOnRefusal(addOn).Empty()) {
        return {};
    }
    constexpr int kTens = 10;
    constexpr int kOddWeight = 3;
    constexpr int kEvenWeight = 9;
    if (addOn.size() == kShortAddOn) {
        const int value = kTens * Digit(addOn[0]) + Digit(addOn[1]);
        return std::string(kEan2Parity[static_cast<std::size_t>(value % 4)]);
    }
    int sum = 0;
    for (std::size_t i = 0; i < addOn.size(); ++i) {
        sum += (i % 2 == 0 ? kOddWeight : kEvenWeight) * Digit(addOn[i]);
    }
    return std::string(kEan5Parity[static_cast<std::size_t>(sum % kTens)].substr(1));
}

std::int64_t AddOnModules(std::size_t digits) {
    if (digits == 0) {
        return 0;
    }
    return static_cast<std::int64_t>(kAddOnStart.size() + digits * kModulesPerDigit +
                                     (digits - 1) * kAddOnSeparator.size());
}

void AppendAddOn(EncodingBuilder& builder, std::string_view addOn, int gapModules,
                 std::int32_t lead, std::int32_t lift, std::int32_t bottom) {
    const std::string parity = AddOnParity(addOn);
    if (parity.empty()) {
        return;
    }
    builder.BarShape(-(lift + bottom), lift);
    builder.Modules(std::string(static_cast<std::size_t>(AddOnGapOrDefault(gapModules)), 's'));
    const std::int64_t start = lead + builder.Position();
    builder.Modules(kAddOnStart);
    for (std::size_t i = 0; i < addOn.size(); ++i) {
        if (i > 0) {
            builder.Modules(kAddOnSeparator);
        }
        const char digit = addOn[i];
        const EanTable& set = parity[i] == 'O' ? kEanLeftOdd : kEanLeftEven;
        builder.Modules(set[static_cast<std::size_t>(Digit(digit))].substr(1));
    }
    builder.TopLabel(addOn, start, lead + builder.Position() - start);
    builder.BarShape(0, 0);
}
