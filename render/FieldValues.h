#pragma once

#include "Symbologies.h"

#include <QString>

#include <cstdint>
#include <string>
#include <string_view>

// Conversions between the panel's fields and the engine's values.

// The panel's values at start-up.
inline constexpr const char* kStartHeight = "0.75";
inline constexpr const char* kStartData = "21898623818";

// Bar length used when the Height field holds no positive length.
inline constexpr std::int32_t kDefaultBarLength = 750;

// The bar length in mils for the Height field's text: its leading decimal
// number in inches (strtod rules in the C locale, whatever the user's locale,
// and a decimal comma read as the point),
// times 1000, truncated toward zero. No number, NaN, or a result of 0 or less
// gives kDefaultBarLength; a length beyond the 32-bit range is clamped to
// INT32_MAX mils.
std::int32_t BarLengthFromHeight(std::string_view heightText);
std::int32_t BarLengthFromHeight(const QString& heightText);

// Why the Height field's text gives no bar length of its own, naming what was
// typed and the length used instead, or what follows its number and is not
// read; empty when the whole text is a length.
QString HeightRefusal(const QString& heightText);

// The data text as the engine's 8-bit text: every character of Latin-1 (up to
// U+00FF) becomes its byte; any other character is dropped, so that it cannot
// turn into a different, encodable character such as "?".
std::string EngineText(const QString& text);

// A number for a message, with the decimal sign of the language the
// messages are in (the translation names its locale): "13,33" in German.
QString MessageNumber(double value, int decimals);

// The Width display's text for a symbol length in mils: inches, two decimals.
QString WidthText(std::int32_t totalWidthMils);

// An engine's message in the user's language: each pattern looked up under
// the engine's context ("Symbology"), each literal as the 8-bit text it is.
QString TranslatedMessage(const EngineMessage& message);

// Why the symbology refuses a text drawn with the code sets given (its row's
// refusal: GS1 AIs, check digits, whole numbers), in the user's language and
// led by the symbology's name unless the message begins with it; empty when
// the text is accepted.
QString SymbologyRefusal(SymbologyId id, std::string_view text, CodeSetChoice codeSets);
