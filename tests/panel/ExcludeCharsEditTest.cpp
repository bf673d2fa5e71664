#include "ExcludeCharsEdit.h"
#include "FieldTest.h"
#include "Symbologies.h"
#include "TextFilterSwitch.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <memory>

namespace {

QString FromView(std::u16string_view set) {
    return QString::fromUtf16(set.data(), static_cast<qsizetype>(set.size()));
}
const QString kCode39 =
    QString::fromLatin1(FactsOf(SymbologyId::Code39).excluded.data(),
                        static_cast<qsizetype>(FactsOf(SymbologyId::Code39).excluded.size()));
const QString kStartUp = FromView(kStartUpExcluded);
const QString kNone;

// A field with the filter attached to it, counting the filter's beeps.
struct ExcludeField {
    ExcludeField(int maxLength, const QString& excluded, const QString& state)
        : edit(maxLength, excluded) {
        SetState(field, state);
        edit.SetBeep([this] { ++beeps; });
        edit.Attach(&field);
    }
    QLineEdit field;
    CExcludeCharsEdit edit;
    int beeps = 0;
};

TEST(ExcludeCharsEdit, TypingRefusesExcludedCharactersWithABeep) {
    struct Row {
        const char* name;
        int maxLength;
        const QString& excluded;
        QString before;
        QString keys;
        QString after;
        int beeps;
    };
    const Row rows[] = {
        {"backslash under the Code 39 set", 0, kCode39, "AB|C", "\\", "AB|C", 1},
        {"every one of the nine beeps", 0, kCode39, "AB", "<>\"'{}[]\\", "AB", 9},
        {"the start-up set's own characters pass", 0, kCode39, "AB", "%$*+ -", "AB%$*+ -", 0},
        {"the start-up set refuses % * +", 0, kStartUp, "", "%A*+", "A", 3},
        {"an empty set refuses nothing", 0, kNone, "A", "{\\%", "A{\\%", 0},
        {"backspace deletes", 0, kCode39, "AB|C", "\b", "A|C", 0},
        {"at the limit a character writes over the next", 4, kNone, "A|BCD", "X", "AX|CD", 0},
        {"at the limit behind the last one it is dropped", 4, kNone, "ABCD", "X", "ABCD", 0},
        {"at the limit a selection is replaced whole", 4, kNone, "A[BC]D", "X", "AX|D", 0},
        {"below the limit characters are inserted", 4, kNone, "A|B", "XY", "AXY|B", 0},
        {"an excluded character at the limit still beeps", 4, kCode39, "ABCD", "{", "ABCD", 1},
    };
    for (const Row& row : rows) {
        ExcludeField f(row.maxLength, row.excluded, row.before);
        Type(f.field, row.keys);
        EXPECT_EQ(Str(MarkedState(f.field)), Str(row.after)) << row.name;
        EXPECT_EQ(f.beeps, row.beeps) << row.name;
    }
}

TEST(ExcludeCharsEdit, PasteDropsExcludedCharactersAndPutsTheSelectionBack) {
    struct Row {
        const char* name;
        int maxLength;
        QString before;
        QString clipboard;
        QString after;
    };
    const Row rows[] = {
        {"braces dropped, caret back before the paste", 0, "AB|CD", "x{y}z", "AB|xyzCD"},
        {"the selection before the paste comes back", 0, "A[BC]D", "{x}", "A[xD]"},
        {"a valid paste stays as pasted", 0, "AB|CD", "xyz", "ABxyz|CD"},
        {"an over-long paste keeps the accepted characters that fit", 5, "AB", "{{{CDEFG",
         "AB|CDE"},
    };
    for (const Row& row : rows) {
        ExcludeField f(row.maxLength, kCode39, row.before);
        QApplication::clipboard()->setText(row.clipboard);
        QTest::keyClick(&f.field, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(Str(MarkedState(f.field)), Str(row.after)) << row.name;
        EXPECT_EQ(f.beeps, 0) << row.name;
    }
}

TEST(ExcludeCharsEdit, ChangesBesideTheKeyboardAreCorrectedAtOnce) {
    ExcludeField f(0, kCode39, "AB|CD");
    QApplication::clipboard()->setText("x{y}");
    f.field.paste(); // as the field's own context menu pastes
    EXPECT_EQ(Str(MarkedState(f.field)), "AB|xyCD");

    f.field.setText("a<b>c\\");
    EXPECT_EQ(Str(f.field.text()), "abc");

    f.field.setCursorPosition(1);
    f.field.insert("'q'"); // a drop or an input method's commit
    EXPECT_EQ(Str(MarkedState(f.field)), "a|qbc");
    EXPECT_EQ(f.beeps, 0);
}

TEST(ExcludeCharsEdit, SettingTheSameSetLeavesTheTextAlone) {
    // Attaching does not filter: the text keeps what it had.
    ExcludeField f(0, kCode39, "A{B");
    QSignalSpy changes(&f.field, &QLineEdit::textChanged);
    f.edit.SetExcluded(kCode39);
    EXPECT_EQ(Str(f.field.text()), "A{B");
    EXPECT_EQ(changes.count(), 0);

    f.edit.SetExcluded("{");
    EXPECT_EQ(Str(f.field.text()), "AB");
}

TEST(ExcludeCharsEdit, CutCopiesTheSelectionAndDeletesIt) {
    ExcludeField f(0, kCode39, "A[BC]D");
    QTest::keyClick(&f.field, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(Str(MarkedState(f.field)), "A|D");
    EXPECT_EQ(Str(QApplication::clipboard()->text()), "BC");

    QApplication::clipboard()->setText("unchanged");
    QTest::keyClick(&f.field, Qt::Key_X, Qt::ControlModifier); // nothing selected
    EXPECT_EQ(Str(f.field.text()), "AD");
    EXPECT_EQ(Str(QApplication::clipboard()->text()), "unchanged");
}

TEST(ExcludeCharsEdit, DetachedFilterKeepsItsSettingsAndLeavesTheFieldPlain) {
    ExcludeField f(0, kCode39, "AB");
    f.edit.Detach();
    EXPECT_FALSE(f.edit.IsAttached());
    Type(f.field, "{");
    f.field.setText("x{y}");
    EXPECT_EQ(Str(f.field.text()), "x{y}");
    EXPECT_EQ(f.beeps, 0);

    f.edit.SetExcluded("y"); // nothing to revalidate without a field
    EXPECT_EQ(Str(f.field.text()), "x{y}");

    f.edit.Attach(&f.field);
    EXPECT_EQ(Str(f.edit.Excluded()), "y");
    Type(f.field, "y");
    EXPECT_EQ(f.beeps, 1);
    f.edit.SetWindowText("a{y}"); // written through the filter
    EXPECT_EQ(Str(f.field.text()), "a{}");
}

TEST(ExcludeCharsEdit, FieldDestroyedWhileAttached) {
    CExcludeCharsEdit edit(0, kCode39);
    auto field = std::make_unique<QLineEdit>();
    edit.Attach(field.get());
    field.reset();
    EXPECT_FALSE(edit.IsAttached());
    edit.SetExcluded("x");
    edit.SetWindowText("x");
    edit.Revalidate();
    EXPECT_EQ(Str(edit.GetValidText()), "");
}

TEST(ExcludeCharsEdit, ReadOnlyFieldTakesNothing) {
    ExcludeField f(0, kCode39, "AB");
    f.field.setReadOnly(true);
    Type(f.field, "C{\b");
    EXPECT_EQ(Str(f.field.text()), "AB");
    EXPECT_EQ(f.beeps, 0);
}

} // namespace
