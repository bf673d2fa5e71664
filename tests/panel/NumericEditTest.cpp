#include "NumericEdit.h"
#include "FieldTest.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <climits>

namespace {

// Tests never depend on the machine's locale: "." is the decimal separator.
const QLocale kPointLocale = QLocale::c();

// A field with a numeric filter attached, counting the filter's beeps.
struct NumericField {
    NumericField(int signedLimit, const QString& state, int decimals = 0)
        : edit(signedLimit, decimals, kPointLocale) {
        SetState(field, state);
        edit.SetBeep([this] { ++beeps; });
        edit.Attach(&field);
    }
    QLineEdit field;
    CNumericEdit edit;
    int beeps = 0;
};

TEST(NumericEdit, ValidTextKeepsAWellFormedNumber) {
    struct Row {
        const char* name;
        int signedLimit;
        int decimals;
        QString text;
        QString valid;
    };
    const Row rows[] = {
        {"letters dropped, the separator ends the scan", -7, 0, "12a34.56789", "1234"},
        {"digits beyond the limit dropped", -7, 0, "123456789", "1234567"},
        {"refused sign dropped", -7, 0, "-42", "42"},
        {"allowed sign kept only in front", 7, 0, "-4-2", "-42"},
        {"a sign not in front is dropped", 7, 0, "4-2", "42"},
        {"group separators and blanks dropped", 7, 0, "1,234 5", "12345"},
        {"limit 0 takes no digits", 0, 0, "-12", "-"},
        {"decimals up to their number, then the end", 5, 2, "-1.2345", "-1.23"},
        {"further separators dropped", 5, 2, "1.2.3", "1.23"},
        {"the scan goes on past the integer limit", -3, 2, "12345.67", "123.67"},
        {"empty stays empty", -7, 0, "", ""},
    };
    for (const Row& row : rows) {
        const CNumericEdit edit(row.signedLimit, row.decimals, kPointLocale);
        const QString valid = edit.Behavior().ValidText(row.text);
        EXPECT_EQ(Str(valid), Str(row.valid)) << row.name;
        EXPECT_EQ(Str(edit.Behavior().ValidText(valid)), Str(valid))
            << row.name << " (fixed point)";
    }
}

TEST(NumericEdit, SignAndSeparatorsComeFromTheLocale) {
    struct Row {
        const char* name;
        QLocale locale;
        QChar sign, decimal, group;
        QString text, valid;
    };
    const Row rows[] = {
        {"C", QLocale::c(), u'-', u'.', u',', "1,234.5", "1234"},
        {"German", QLocale(QLocale::German, QLocale::Germany), u'-', u',', u'.', "1.234,5", "1234"},
        // The sign behind a right-to-left mark is still the hyphen-minus.
        {"Hebrew", QLocale(QLocale::Hebrew, QLocale::Israel), u'-', u'.', u',', "-12.5", "-12"},
    };
    for (const Row& row : rows) {
        const CIntegerEdit edit(7, row.locale);
        EXPECT_EQ(edit.Behavior().NegativeSign(), row.sign) << row.name;
        EXPECT_EQ(edit.Behavior().DecimalSeparator(), row.decimal) << row.name;
        EXPECT_EQ(edit.Behavior().GroupSeparator(), row.group) << row.name;
        EXPECT_EQ(Str(edit.Behavior().ValidText(row.text)), Str(row.valid)) << row.name;
    }
}

TEST(NumericEdit, TypingKeepsTheNumberWithinItsLimit) {
    struct Row {
        const char* name;
        int signedLimit;
        QString before;
        QString keys;
        QString after;
    };
    const Row rows[] = {
        {"at the end of seven digits nothing happens", -7, "1234567", "8", "1234567"},
        {"before the third digit a digit replaces it", -7, "12|34567", "9", "129|4567"},
        {"a selection is replaced whole", -7, "12[34]567", "9", "129|567"},
        {"a selection to the end is replaced", -7, "12[34567]", "9", "129"},
        {"with fewer digits a digit is inserted", -7, "1|23", "9", "19|23"},
        {"refused sign does nothing", -7, "12|3", "-", "12|3"},
        {"letters and separators do nothing", -7, "12", "a., ", "12"},
        {"backspace deletes", -7, "12|3", "\b", "1|3"},
        {"allowed sign, caret in the middle: added in front", 7, "12|3", "-", "-12|3"},
        {"a second time it goes again", 7, "12|3", "--", "12|3"},
        {"sign typed at the start is inserted", 7, "|123", "-", "-|123"},
        {"sign typed at the start over the sign", 7, "|-123", "-", "-|123"},
        {"a full number with its sign", 3, "-123", "4", "-123"},
        {"decimals: a digit of the fraction", 5, "1.|5", "2", "1.2|5"},
    };
    for (const Row& row : rows) {
        const int decimals = row.before.contains(u'.') ? 2 : 0;
        NumericField f(row.signedLimit, row.before, decimals);
        Type(f.field, row.keys);
        EXPECT_EQ(Str(MarkedState(f.field)), Str(row.after)) << row.name;
        EXPECT_EQ(f.beeps, 0) << row.name << ": the numeric edit refuses silently";
    }
}

TEST(NumericEdit, DeleteAndCutGoThroughTheKeyHandling) {
    struct Row {
        const char* name;
        QString before;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QString after;
        QString clipboard;
    };
    const Row rows[] = {
        {"delete to the end: caret at the old start", "1234[56]", Qt::Key_Delete, {}, "1234", "-"},
        {"delete in the middle", "12[34]56", Qt::Key_Delete, {}, "12|56", "-"},
        {"delete after the caret", "1|23", Qt::Key_Delete, {}, "1|3", "-"},
        {"cut copies and deletes", "12[34]567", Qt::Key_X, Qt::ControlModifier, "12|567", "34"},
        {"cut without a selection does nothing", "12|34", Qt::Key_X, Qt::ControlModifier, "12|34",
         "-"},
    };
    for (const Row& row : rows) {
        QApplication::clipboard()->setText("-");
        NumericField f(-7, row.before);
        QTest::keyClick(&f.field, row.key, row.modifiers);
        EXPECT_EQ(Str(MarkedState(f.field)), Str(row.after)) << row.name;
        EXPECT_EQ(Str(QApplication::clipboard()->text()), Str(row.clipboard)) << row.name;
    }
}

TEST(NumericEdit, PasteAndSetTextAreCorrectedToTheNumber) {
    struct Row {
        const char* name;
        QString before;
        QString clipboard;
        QString after;
    };
    const Row rows[] = {
        {"letters dropped, the selection comes back", "12|34", "5a6", "12|5634"},
        {"an over-long paste keeps the first seven digits", "12345", "6789", "12345|67"},
        {"a valid paste stays as pasted", "1|2", "34", "134|2"},
    };
    for (const Row& row : rows) {
        NumericField f(-7, row.before);
        QApplication::clipboard()->setText(row.clipboard);
        QTest::keyClick(&f.field, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(Str(MarkedState(f.field)), Str(row.after)) << row.name;
    }

    NumericField f(-7, "");
    for (const auto& [text, valid] : {std::pair<QString, QString>{"12a34.56789", "1234"},
                                      {"123456789", "1234567"},
                                      {"-42", "42"}}) {
        f.field.setText(text);
        EXPECT_EQ(Str(f.field.text()), Str(valid)) << Str(text);
    }
}

TEST(NumericEdit, ChangedLimitRevalidatesAtOnce) {
    NumericField f(-12, "123456789012");
    QSignalSpy changes(&f.field, &QLineEdit::textChanged);
    f.edit.SetDigitLimit(-12); // the same limit and sign: nothing happens
    EXPECT_EQ(changes.count(), 0);

    f.edit.SetDigitLimit(-7);
    EXPECT_EQ(Str(f.field.text()), "1234567");
    f.edit.SetDigitLimit(-12); // the dropped digits do not come back
    EXPECT_EQ(Str(f.field.text()), "1234567");

    f.field.setText("-12");
    EXPECT_EQ(Str(f.field.text()), "12");
    f.edit.SetDigitLimit(7); // same digits, sign now allowed: stored
    EXPECT_TRUE(f.edit.IsSignAllowed());
    f.field.setText("-12");
    EXPECT_EQ(Str(f.field.text()), "-12");
}

TEST(NumericEdit, LimitOfTheMostNegativeIntegerHasAMagnitude) {
    CIntegerEdit edit(INT_MIN);
    EXPECT_EQ(edit.DigitLimit(), INT_MAX);
    EXPECT_FALSE(edit.IsSignAllowed());
    edit.SetDigitLimit(INT_MIN);
    EXPECT_EQ(edit.DigitLimit(), INT_MAX);
    QLineEdit field;
    edit.Attach(&field);
    Type(field, "-98");
    EXPECT_EQ(Str(field.text()), "98");
}

} // namespace
