#include "BarcodeView.h"
#include "FakeInputValues.h"
#include "ResourceIds.h"

#include <QTest>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

// The main window as the view sees it: a top-level window whose status text
// follows the view's reports.
class StatusWindow : public QWidget {
public:
    std::optional<QString> status; // never set until a selection
    int updates = 0;
};

const QString kDigitsRule = "Numeric character ( 0~9) only.";
const QString kCode39Rule = "Alphanumeric characters(A-Z, 0-9, +-/%$*SPACE)";
const QString kAnyRule = "Any alphanumeric characters.";

// A view in a window, over a panel with a real Text field, after its initial
// update.
struct RulesFixture {
    RulesFixture() {
        panel.textField = &field;
        view.setParent(&window);
        QObject::connect(&view, &CBarcodeView::StatusTextChanged, [this](const QString& text) {
            window.status = text;
            ++window.updates;
        });
        view.SetInputValues(&panel);
        view.OnInitialUpdate();
    }
    void Select(int symbologyId) {
        panel.selected = symbologyId;
        CNotifyEvent event(ids::kSymbologyList, NotifyCode::SelectionChanged);
        view.DispatchMessage(event);
    }
    bool DigitsAttached() const { return view.DigitsFilter().Field() == &field; }
    bool AlnumAttached() const { return view.AlnumFilter().Field() == &field; }

    StatusWindow window;
    QLineEdit field;
    FakeInputValues panel;
    CBarcodeView view;
};

TEST(InputRules, StartUpSetIsInForceUntilTheFirstSelection) {
    RulesFixture f;
    EXPECT_EQ(f.field.text().toStdString(), "21898623818"); // the sample, not filtered
    EXPECT_TRUE(f.AlnumAttached());
    EXPECT_FALSE(f.view.DigitsFilter().IsAttached());
    EXPECT_FALSE(f.window.status.has_value()); // no rule text at start-up

    f.field.setText("A");
    QTest::keyClicks(&f.field, "%*+{");
    EXPECT_EQ(f.field.text().toStdString(), "A{");

    for (const int code39Like : {0, 1, 5}) {
        f.field.setText("A");
        f.Select(code39Like);
        QTest::keyClicks(&f.field, "%*+<>\"'{}[]\\");
        EXPECT_EQ(f.field.text().toStdString(), "A%*+") << code39Like;
    }
}

const QString kGs1Rule =
    QStringLiteral("GS1 data: each Application Identifier in parentheses, then its data, e.g. "
                   "(01)09501101530003(17)251231(10)AB-123");

const QString kIsbnRule = QStringLiteral("ISBN-13 or ISBN-10, hyphens allowed, e.g. "
                                         "978-1-56581-231-4; a space or + and a 5-digit price "
                                         "add-on may follow.");
const QString kIssnRule = QStringLiteral("ISSN, e.g. 0317-8471; then the sequence variant (00 if "
                                         "none) and a 2-digit issue add-on may follow, e.g. "
                                         "0317-8471 00 05.");

TEST(InputRules, ChoosingASymbologyShowsItsRuleText) {
    const QString rules[] = {
        kCode39Rule,
        kCode39Rule,
        kAnyRule,
        kDigitsRule,
        kAnyRule,
        kCode39Rule,
        kDigitsRule,
        kDigitsRule,
        kDigitsRule,
        kDigitsRule,
        kDigitsRule,
        kGs1Rule,
        "13 digits (0~9), or 14 with the check digit.",
        kIsbnRule,
        kIssnRule,
        "ISMN, e.g. 979-0-2600-0043-8 or M-2600-0043-8; an add-on may follow."};
    RulesFixture f;
    for (int id = 0; id < kSymbologyCount; ++id) {
        f.Select(id);
        EXPECT_EQ(f.view.Symbology(), id);
        EXPECT_EQ(f.window.status.value_or("(none)").toStdString(), rules[id].toStdString()) << id;
    }
    f.Select(static_cast<int>(SymbologyId::Itf14));
    f.Select(-1); // the list without a selection: cleared, no filter changed
    EXPECT_EQ(f.window.status.value_or("(none)").toStdString(), "");
    EXPECT_TRUE(f.DigitsAttached());
    EXPECT_EQ(f.view.DigitsFilter().DigitLimit(), 14); // ITF-14, the last chosen
}

TEST(InputRules, SwitchingSymbologiesFiltersTheText) {
    struct Step {
        int select;
        const char* typed = nullptr; // text set into the field after the selection
    };
    struct Row {
        const char* name;
        std::vector<Step> steps;
        const char* text;
        bool digits; // which filter is attached at the end
    };
    const Row rows[] = {
        {"AB-12 CD to UPC A leaves 12", {{0, "AB-12 CD"}, {7}}, "12", true},
        {"EAN 13 to EAN 8 keeps the first seven", {{9, "123456789012"}, {10}}, "1234567", true},
        {"back to EAN 13 does not restore the others",
         {{9, "123456789012"}, {10}, {9}},
         "1234567",
         true},
        {"UPC A to UPC E and back stays numeric", {{7, "12345678901"}, {8}, {7}}, "123456", true},
        {"digits to Code 128 are kept, nothing excluded",
         {{9, "123456789012"}, {2, nullptr}},
         "123456789012",
         false},
        {"Code 128 keeps braces; Code 39 then drops them", {{2, "A{B}"}, {0}}, "AB", false},
        {"the sample's eleven digits all go to UPC A", {{7}}, "21898623818", true},
        {"twelve digits from Code 128 all go to EAN 13",
         {{2, "123456789012"}, {9}},
         "123456789012",
         true},
        {"Postnet takes ZIP+4 and the delivery point after EAN 8",
         {{10}, {6, "12345678901"}},
         "12345678901",
         true},
        {"Interleaved 2 of 5 takes fourteen digits",
         {{3, "12345678901234"}},
         "12345678901234",
         true},
    };
    for (const Row& row : rows) {
        RulesFixture f;
        for (const Step& step : row.steps) {
            f.Select(step.select);
            if (step.typed != nullptr) {
                f.field.setText(step.typed);
            }
        }
        EXPECT_EQ(f.field.text().toStdString(), row.text) << row.name;
        EXPECT_EQ(f.DigitsAttached(), row.digits) << row.name;
        EXPECT_EQ(f.AlnumAttached(), !row.digits) << row.name;
    }
}

TEST(InputRules, TypingUnderTheDigitsFilter) {
    const struct {
        SymbologyId id;
        const char* start;
        const char* typed;
        const char* text;
    } rows[] = {
        {SymbologyId::Postnet, "123", "-4a5 678 9012", "12345678901"}, // eleven digits
        {SymbologyId::Ean8, "123", "-4a5 678", "12345 678"},           // a space leads an add-on
        {SymbologyId::Ean13, "978156581231", " 522501", "978156581231 52250"}, // of 5 digits
    };
    for (const auto& row : rows) {
        RulesFixture f;
        f.Select(static_cast<int>(row.id));
        f.field.setText(QString::fromLatin1(row.start));
        QTest::keyClicks(&f.field, row.typed);
        EXPECT_EQ(f.field.text().toStdString(), row.text);
    }
    // The add-on stays behind with the symbologies that take one.
    RulesFixture f;
    f.Select(static_cast<int>(SymbologyId::Ean13));
    f.field.setText(QStringLiteral("978156581231 52250"));
    f.Select(static_cast<int>(SymbologyId::Postnet));
    EXPECT_EQ(f.field.text().toStdString(), "97815658123");
}

TEST(InputRules, DrawReadsTheFilteredText) {
    RulesFixture f;
    f.Select(0);
    f.field.setText("AB-12 CD");
    f.Select(7);
    f.view.Output().RenderToImage(96, 96, QSize(400, 200));
    ASSERT_NE(f.view.Barcode(), nullptr);
    EXPECT_EQ(f.view.Barcode()->Data(), "12000000000");
}

TEST(InputRules, WithoutAFieldOrAWindowNothingBreaks) {
    FakeInputValues panel; // no Text field
    CBarcodeView view;     // nothing connected to its status text
    view.SetInputValues(&panel);
    view.OnInitialUpdate();
    for (const int id : {7, 0, -1, 11}) {
        panel.selected = id;
        CNotifyEvent event(ids::kSymbologyList, NotifyCode::SelectionChanged);
        EXPECT_TRUE(view.DispatchMessage(event));
        EXPECT_EQ(view.Symbology(), id);
    }
    EXPECT_FALSE(view.DigitsFilter().IsAttached());
    EXPECT_FALSE(view.AlnumFilter().IsAttached());
}

} // namespace
