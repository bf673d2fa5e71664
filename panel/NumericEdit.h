#pragma once

#include "FilterEdit.h"

#include <QLocale>

// Keeps a number well-formed while it is typed, pasted or set: an optional
// leading negative sign, at most a limit of integer digits, and (with
// decimals) one decimal separator followed by at most that many digits. The
// sign and separator characters come from the locale.
//
// Built for integers and for plain decimals: the integer digits are never
// grouped, no prefix is shown, and nothing is padded when the field is left.
class CNumericBehavior : public CEditBehavior {
public:
    // signedDigitLimit: the magnitude is the digit limit; the sign is allowed
    // when it is 0 or more and refused when it is negative. decimals below 0
    // count as 0 (no fraction and no separator).
    CNumericBehavior(CFilterEdit& edit, int signedDigitLimit, int decimals, const QLocale& locale);

    int DigitLimit() const { return m_nDigitLimit; }
    int Decimals() const { return m_nDecimals; }
    bool IsSignAllowed() const { return m_bSignAllowed; }
    QChar NegativeSign() const { return m_negativeSign; }
    QChar DecimalSeparator() const { return m_decimalSeparator; }
    QChar GroupSeparator() const { return m_groupSeparator; }
    // A different limit or sign setting is stored and the text revalidated.
    void SetDigitLimit(int signedDigitLimit);
    // The digits after the number and the separator that leads them: an EAN
    // or UPC add-on after a space; a null separator is the locale's decimal
    // one. The text is revalidated when either changes.
    void SetFraction(int decimals, QChar separator);

    // One scan: the sign only as the very first character, integer digits up
    // to the limit (further ones dropped), and at the first decimal separator
    // either the end (no decimals) or the separator and up to decimals digits,
    // ending at the first digit beyond them; anything else is dropped.
    QString ValidText(const QString& text) const override;
    void OnChar(QChar c) override;
    // Delete: the plain deletion, then the text reformatted; a deletion that
    // reached the end leaves the caret at the selection's old start.
    void OnKeyDown(int key) override;

private:
    struct NumberShape {
        bool hasSign = false;
        int integerDigits = 0;
        int separatorAt = -1; // position of the decimal separator, or -1
    };
    NumberShape Shape(const QString& text) const;
    void OnSignChar();
    void OnSeparatorChar();
    void OnIntegerDigit(QChar digit, const NumberShape& shape);

    int m_nDigitLimit = 0;
    int m_nDecimals = 0;
    bool m_bSignAllowed = true;
    QChar m_negativeSign{u'-'};
    QChar m_decimalSeparator{u'.'};
    QChar m_localeSeparator{u'.'};
    QChar m_groupSeparator{u','};
};

// A field filter for numbers with a digit limit and a number of decimals.
class CNumericEdit : public CFilterEdit {
public:
    CNumericEdit(int signedDigitLimit, int decimals, const QLocale& locale = QLocale());
    ~CNumericEdit() override { Detach(); } // before the behaviour goes

    int DigitLimit() const { return m_behavior.DigitLimit(); }
    bool IsSignAllowed() const { return m_behavior.IsSignAllowed(); }
    const CNumericBehavior& Behavior() const { return m_behavior; }
    void SetDigitLimit(int signedDigitLimit) { m_behavior.SetDigitLimit(signedDigitLimit); }
    void SetFraction(int decimals, QChar separator) { m_behavior.SetFraction(decimals, separator); }

    QString GetValidText() const override { return m_behavior.GetValidText(); }

protected:
    void OnChar(QChar c) override { m_behavior.OnChar(c); }
    void OnKeyDown(int key) override { m_behavior.OnKeyDown(key); }

private:
    CNumericBehavior m_behavior;
};

// A field filter for whole numbers: a numeric edit without decimals.
class CIntegerEdit : public CNumericEdit {
public:
    explicit CIntegerEdit(int signedDigitLimit, const QLocale& locale = QLocale())
        : CNumericEdit(signedDigitLimit, 0, locale) {}
};
