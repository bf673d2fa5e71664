#include "FilterEdit.h"
#include "FieldTest.h"

#include <gtest/gtest.h>

namespace {

// A rule that is no fixed point: every text it sees wants one more "!". The
// field must take one correction per change, never chase the rule forever.
class RestlessEdit : public CFilterEdit {
public:
    QString GetValidText() const override { return WindowText() + u'!'; }
};

TEST(FilterEdit, ACorrectionIsMadeOncePerChange) {
    QLineEdit field;
    RestlessEdit edit;
    edit.Attach(&field);
    field.setText("a");
    EXPECT_EQ(Str(field.text()), "a!");
    edit.SetWindowText("b");
    EXPECT_EQ(Str(field.text()), "b!");
    QTest::keyClicks(&field, "c");
    EXPECT_EQ(Str(field.text()), "b!c!");
}

TEST(FilterEdit, WithoutABehaviourTheFieldEditsPlainly) {
    QLineEdit field;
    SetState(field, "a|b");
    CFilterEdit edit;
    int beeps = 0;
    edit.SetBeep([&beeps] { ++beeps; });
    edit.Attach(&field);
    QTest::keyClicks(&field, "{x\b");
    QTest::keyClick(&field, Qt::Key_Delete);
    EXPECT_EQ(Str(MarkedState(field)), "a{");
    EXPECT_EQ(beeps, 0);
}

TEST(FilterEdit, AttachingElsewhereLeavesTheFirstFieldPlain) {
    QLineEdit first;
    QLineEdit second;
    RestlessEdit edit;
    edit.Attach(&first);
    edit.Attach(&second);
    EXPECT_EQ(edit.Field(), &second);
    first.setText("a");
    second.setText("b");
    EXPECT_EQ(Str(first.text()), "a");
    EXPECT_EQ(Str(second.text()), "b!");
}

} // namespace
