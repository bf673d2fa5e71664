#pragma once

#include "ExcludeCharsEdit.h"
#include "NumericEdit.h"
#include "Symbologies.h"

#include <QString>

#include <string_view>

class QLineEdit;

// The set the Text field refuses from start-up until a symbology is chosen:
// % ' * " + ? > < : and backslash.
inline constexpr std::u16string_view kStartUpExcluded = u"%'*\"+?><:\\";
// The digits filter's limit from start-up until a symbology sets one.
inline constexpr int kStartUpDigitLimit = 9;

// The Text field's two filters and which of them guards it: digits up to a
// limit, without a sign; or free text refusing a set of characters (the
// start-up set until a symbology is chosen). At most one is attached.
class CTextFilterSwitch {
public:
    CTextFilterSwitch();

    // Start-up: the free-text filter with the start-up set guards the field;
    // attached after the sample is in, so the sample is not filtered.
    void AttachStartUp(QLineEdit* field);
    // The chosen symbology's filter, with its setting, guards the field, and
    // the field's text is written back through it (reduced to what it accepts).
    void Apply(const SymbologyFacts& facts, QLineEdit* field);

    const CIntegerEdit& DigitsFilter() const { return m_editDigits; }
    const CExcludeCharsEdit& AlnumFilter() const { return m_editAlnum; }

private:
    // Swaps the filters on the field unless the chosen one is there already.
    static void Attach(CFilterEdit& chosen, CFilterEdit& other, QLineEdit* field,
                       const QString& text);

    CIntegerEdit m_editDigits{-kStartUpDigitLimit};
    CExcludeCharsEdit m_editAlnum;
};
