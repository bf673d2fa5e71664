#include "NumericEdit.h"

#include <QKeySequence>

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The character a locale's symbol stands for: its first character, passing
// over bidirectional marks that some locales put in front of their signs. The
// fallback stays when the locale has no such character.
QChar FirstCharacter(const QString& symbol, QChar fallback) {
    for (const QChar c : symbol) {
        if (c.category() != QChar::Other_Format) {
            return c;
        }
    }
    return fallback;
}

// The magnitude of a signed limit, computed wide so that INT_MIN has one.
int Magnitude(int signedLimit) {
    const std::int64_t magnitude = signedLimit < 0 ? -static_cast<std::int64_t>(signedLimit)
                                                   : static_cast<std::int64_t>(signedLimit);
    return static_cast<int>(std::min<std::int64_t>(magnitude, INT_MAX));
}

} // namespace

CNumericBehavior::CNumericBehavior(CFilterEdit& edit, int signedDigitLimit, int decimals,
                                   const QLocale& locale)
    : CEditBehavior(edit), m_nDigitLimit(Magnitude(signedDigitLimit)),
      m_nDecimals(std::max(decimals, 0)), m_bSignAllowed(signedDigitLimit >= 0) {
    m_negativeSign = FirstCharacter(locale.negativeSign(), m_negativeSign);
    m_decimalSeparator = FirstCharacter(locale.decimalPoint(), m_decimalSeparator);
    m_localeSeparator = m_decimalSeparator;
    m_groupSeparator = FirstCharacter(locale.groupSeparator(), m_groupSeparator);
}

void CNumericBehavior::SetDigitLimit(int signedDigitLimit) {
    const int limit = Magnitude(signedDigitLimit);
    const bool signAllowed = signedDigitLimit >= 0;
    if (limit == m_nDigitLimit && signAllowed == m_bSignAllowed) {
        return;
    }
    m_nDigitLimit = limit;
    m_bSignAllowed = signAllowed;
    RequestRevalidate();
}

void CNumericBehavior::SetFraction(int decimals, QChar separator) {
    decimals = std::max(decimals, 0);
    separator = separator.isNull() ? m_localeSeparator : separator;
    if (decimals == m_nDecimals && separator == m_decimalSeparator) {
        return;
    }
    m_nDecimals = decimals;
    m_decimalSeparator = separator;
    RequestRevalidate();
}

QString CNumericBehavior::ValidText(const QString& text) const {
    QString valid;
    int integerDigits = 0;
    int fractionDigits = 0;
    bool inFraction = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == m_negativeSign) {
            if (i == 0 && m_bSignAllowed) {
                valid += c;
            }
        } else if (IsDigit(c) && !inFraction) {
            if (integerDigits < m_nDigitLimit) {
                valid += c;
                ++integerDigits;
            }
        } else if (IsDigit(c)) {
            if (fractionDigits == m_nDecimals) {
                break;
            }
            valid += c;
            ++fractionDigits;
        } else if (c == m_decimalSeparator && !inFraction) {
            if (m_nDecimals == 0) {
                break;
            }
            valid += c;
            inFraction = true;
        }
        // Letters, blanks, group separators, further separators and signs: dropped.
    }
    return valid;
}

CNumericBehavior::NumberShape CNumericBehavior::Shape(const QString& text) const {
    NumberShape shape;
    shape.hasSign = text.startsWith(m_negativeSign);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == m_decimalSeparator && m_nDecimals > 0) {
            shape.separatorAt = static_cast<int>(i);
            break;
        }
        if (IsDigit(c)) {
            ++shape.integerDigits;
        }
    }
    return shape;
}

void CNumericBehavior::OnChar(QChar c) {
    CFilterEdit& edit = Edit();
    if (edit.IsReadOnly()) {
        return;
    }
    if (c == m_negativeSign && m_bSignAllowed) {
        OnSignChar();
        return;
    }
    if (c == m_decimalSeparator && m_nDecimals > 0) {
        OnSeparatorChar();
        return;
    }
    if (IsDigit(c)) {
        const NumberShape shape = Shape(edit.WindowText());
        if (shape.separatorAt < 0 || edit.GetSel().start <= shape.separatorAt) {
            OnIntegerDigit(c, shape);
        } else if (edit.IsCharAllowed(c)) {
            // A digit of the fraction; reformatting keeps at most decimals of them.
            edit.DefaultChar(c);
            edit.Reformat();
        }
        return;
    }
    if (c.isPrint()) {
        return; // refused silently
    }
    edit.DefaultChar(c); // Backspace and other control characters
    edit.Reformat();
}

void CNumericBehavior::OnSignChar() {
    CFilterEdit& edit = Edit();
    const CFilterEdit::Selection selection = edit.GetSel();
    const QString text = edit.WindowText();
    const bool hasSign = text.startsWith(m_negativeSign);
    if (selection.start == 0) {
        if (hasSign) {
            // Typed over the sign there is (or over everything when selected).
            const bool toEnd = selection.end == text.size();
            edit.SetSel(0, toEnd ? selection.end : 1);
            edit.ReplaceSel(QString(m_negativeSign));
        } else {
            edit.DefaultChar(m_negativeSign);
        }
        edit.Reformat();
        return;
    }
    // Anywhere else the sign is toggled at the front; the selection follows.
    const int shift = hasSign ? -1 : 1;
    edit.SetSel(0, hasSign ? 1 : 0);
    edit.ReplaceSel(hasSign ? QString() : QString(m_negativeSign));
    edit.SetSel(selection.start + shift, selection.end + shift);
}

void CNumericBehavior::OnSeparatorChar() {
    CFilterEdit& edit = Edit();
    const CFilterEdit::Selection selection = edit.GetSel();
    const int separatorAt = static_cast<int>(edit.WindowText().indexOf(m_decimalSeparator));
    if (separatorAt >= 0 && (separatorAt < selection.start || separatorAt >= selection.end)) {
        edit.SetSel(separatorAt + 1, separatorAt + 1); // behind the one there is
        return;
    }
    edit.DefaultChar(m_decimalSeparator);
    edit.Reformat();
}

void CNumericBehavior::OnIntegerDigit(QChar digit, const NumberShape& shape) {
    CFilterEdit& edit = Edit();
    const CFilterEdit::Selection selection = edit.GetSel();
    const std::int64_t fullNumberEnd =
        static_cast<std::int64_t>(shape.hasSign ? 1 : 0) + m_nDigitLimit;
    if (selection.start == fullNumberEnd) {
        return; // behind a number that has all its digits
    }
    if (shape.integerDigits >= m_nDigitLimit) {
        if (!edit.IsCharAllowed(digit)) {
            return;
        }
        // Typed over: a selection as a whole, else the digit after the caret.
        const int end = selection.end > selection.start ? selection.end : selection.start + 1;
        edit.SetSel(selection.start, end);
        edit.ReplaceSel(QString(digit));
    } else {
        edit.DefaultChar(digit);
    }
    edit.Reformat();
}

void CNumericBehavior::OnKeyDown(int key) {
    CFilterEdit& edit = Edit();
    if (key != Qt::Key_Delete) {
        edit.DefaultKeyDown(key);
        return;
    }
    const CFilterEdit::Selection selection = edit.GetSel();
    const bool reachedEnd = selection.end == edit.WindowText().size();
    edit.DefaultKeyDown(key);
    edit.Reformat();
    if (reachedEnd) {
        edit.SetSel(selection.start, selection.start);
    }
}

CNumericEdit::CNumericEdit(int signedDigitLimit, int decimals, const QLocale& locale)
    : m_behavior(*this, signedDigitLimit, decimals, locale) {}
