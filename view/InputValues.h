#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <string>
#include <string_view>

class QLineEdit;

// The values the draw reads from the input panel, and the Width display it
// writes. The panel implements this; the view reads it afresh at every draw and
// never caches what it returns.
class CInputValues {
public:
    virtual ~CInputValues() = default;

    // The Height field: the bar length in inches, as typed.
    virtual QString HeightText() const = 0;
    // The Text field: the data text, as its input filter left it.
    virtual QString DataText() const = 0;
    // The Text field itself, for the filter that guards it; null if none.
    virtual QLineEdit* TextField() const = 0;
    // Whether the Show Text box is checked.
    virtual bool IsShowTextChecked() const = 0;
    // Shows the symbol length in the Width display.
    virtual void SetWidthText(const QString& text) = 0;
    // The Symbology list's selection: a SymbologyId, or -1 for none.
    virtual int SelectedSymbology() const = 0;

    // Start-up: the fields' first values, and the Symbology list filled with
    // the names in SymbologyId order with one position selected.
    virtual void SetStartValues(const QString& height, const QString& data, bool showText) = 0;
    virtual void FillSymbologyList(const QStringList& names, int selected) = 0;
};

// The panel's values at start-up.
inline constexpr const char* kStartHeight = "0.75";
inline constexpr const char* kStartData = "21898623818";

// Bar length used when the Height field holds no positive length.
inline constexpr std::int32_t kDefaultBarLength = 750;
// Postnet bars are always this long, whatever the Height field holds.
inline constexpr std::int32_t kPostnetBarLength = 125;

// The bar length in mils for the Height field's text: its leading decimal
// number in inches (strtod rules in the C locale, whatever the user's locale),
// times 1000, truncated toward zero. No number, NaN, or a result of 0 or less
// gives kDefaultBarLength; a length beyond the 32-bit range is clamped to
// INT32_MAX mils.
std::int32_t BarLengthFromHeight(std::string_view heightText);
std::int32_t BarLengthFromHeight(const QString& heightText);

// The data text as the engine's 8-bit text: every character of Latin-1 (up to
// U+00FF) becomes its byte; any other character is dropped, so that it cannot
// turn into a different, encodable character such as "?".
std::string EngineText(const QString& text);

// The Width display's text for a symbol length in mils: inches, two decimals.
QString WidthText(std::int32_t totalWidthMils);
