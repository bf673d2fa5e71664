#include "BarcodeView.h"
#include "BarcodeOutput.h"
#include "FakeInputValues.h"
#include "ModalDialogs.h"
#include "ResourceIds.h"

#include <QFocusEvent>
#include <QMessageBox>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

namespace {

bool Notify(CBarcodeView& view, int controlId, NotifyCode code = NotifyCode::Clicked) {
    CNotifyEvent event(controlId, code);
    return view.DispatchMessage(event);
}

TEST(BarcodeView, ZoomStaysWithinOneToEight) {
    struct Row {
        const char* name;
        std::vector<int> clicks; // panel buttons or zoom commands, in order
        int zoom;
    };
    const Row rows[] = {
        {"nine zoom-ins from 1 stay at 8", std::vector<int>(9, ids::kZoomInButton), 8},
        {"zoom-out at 1 stays at 1", {ids::kZoomOutButton}, 1},
        {"in, in, out", {ids::kZoomInButton, ids::kZoomInButton, ids::kZoomOutButton}, 2},
        {"menu commands act like the buttons", {ids::kZoomIn, ids::kZoomIn, ids::kZoomOut}, 2},
        {"twelve menu zoom-ins stay at 8", std::vector<int>(12, ids::kZoomIn), 8},
    };
    for (const Row& row : rows) {
        CBarcodeView view;
        for (const int id : row.clicks) {
            const bool isCommand = id == ids::kZoomIn || id == ids::kZoomOut;
            EXPECT_TRUE(isCommand ? view.OnCommand(id) : Notify(view, id));
        }
        EXPECT_EQ(view.Zoom(), row.zoom) << row.name;
    }
}

TEST(BarcodeView, TurnButtonsStayWithinZeroToThree) {
    struct Row {
        const char* name;
        std::vector<int> clicks;
        int orientation;
    };
    const Row rows[] = {
        {"first button turns counter-clockwise", {ids::kTurnLeftButton}, 1},
        {"second button from 0 gives 3", {ids::kTurnRightButton}, 3},
        {"first button from 3 gives 0", std::vector<int>(4, ids::kTurnLeftButton), 0},
        {"three first-button turns give 3", std::vector<int>(3, ids::kTurnLeftButton), 3},
        {"the buttons undo each other", {ids::kTurnLeftButton, ids::kTurnRightButton}, 0},
        {"seven second-button turns give 1", std::vector<int>(7, ids::kTurnRightButton), 1},
    };
    for (const Row& row : rows) {
        CBarcodeView view;
        for (const int id : row.clicks) {
            EXPECT_TRUE(Notify(view, id));
        }
        EXPECT_EQ(view.Orientation(), row.orientation) << row.name;
    }
}

TEST(BarcodeView, TileModeIsInvertedOnEveryClick) {
    CBarcodeView view;
    for (const bool expected : {true, false, true}) {
        EXPECT_TRUE(Notify(view, ids::kTileModeCheck));
        EXPECT_EQ(view.IsTileMode(), expected);
    }
}

TEST(BarcodeView, MessageMapHandlesOnlyItsEntries) {
    struct Row {
        const char* name;
        int controlId;
        NotifyCode code;
        bool handled;
    };
    const Row rows[] = {
        {"show text click", ids::kShowTextCheck, NotifyCode::Clicked, true},
        {"text field left", ids::kTextEdit, NotifyCode::FocusLost, true},
        {"height field left", ids::kHeightEdit, NotifyCode::FocusLost, true},
        {"typing is no entry", ids::kTextEdit, NotifyCode::Clicked, false},
        {"zoom button losing focus is no entry", ids::kZoomInButton, NotifyCode::FocusLost, false},
        {"the width display is no control of ours", ids::kWidthDisplay, NotifyCode::Clicked, false},
        {"unknown id", 4242, NotifyCode::Clicked, false},
    };
    for (const Row& row : rows) {
        CBarcodeView view;
        EXPECT_EQ(Notify(view, row.controlId, row.code), row.handled) << row.name;
        EXPECT_EQ(view.Zoom(), 1) << row.name;
        EXPECT_EQ(view.Orientation(), 0) << row.name;
        EXPECT_FALSE(view.IsTileMode()) << row.name;
    }
}

TEST(BarcodeView, WindowEventsAreNeverHandledAsMessages) {
    CBarcodeView view;
    QPaintEvent paint(QRect(0, 0, 10, 10));
    QResizeEvent resize(QSize(10, 10), QSize(5, 5));
    QFocusEvent focus(QEvent::FocusOut);
    EXPECT_FALSE(view.DispatchMessage(paint));
    EXPECT_FALSE(view.DispatchMessage(resize));
    EXPECT_FALSE(view.DispatchMessage(focus));
}

TEST(BarcodeView, CommandsItHandlesAreEnabledAndOthersPassOn) {
    CBarcodeView view;
    for (const int id : {ids::kZoomIn, ids::kZoomOut, ids::kFilePrint, ids::kFilePrintDirect,
                         ids::kFilePrintPreview, ids::kEditCopy, ids::kFileSave}) {
        CCommandTarget::CommandState state{false, false};
        EXPECT_TRUE(view.OnUpdateCommand(id, state)) << id;
        EXPECT_TRUE(state.enabled) << id;
    }
    for (const int id : {ids::kEditPaste, ids::kAppAbout, 0, ids::kZoomInButton}) {
        CCommandTarget::CommandState state;
        EXPECT_FALSE(view.OnUpdateCommand(id, state)) << id;
        EXPECT_FALSE(view.OnCommand(id)) << id;
    }
}

TEST(BarcodeView, DrawRebuildsTheBarcodeFromThePanelEveryTime) {
    FakeInputValues panel;
    CBarcodeView view;
    view.SetInputValues(&panel);
    view.OnInitialUpdate();

    view.Output().RenderToImage(96, 96, QSize(300, 150));
    ASSERT_NE(view.Barcode(), nullptr);
    EXPECT_EQ(view.Barcode()->Data(), "21898623818");
    EXPECT_EQ(panel.width, "2.07");

    panel.data = QString::fromUtf8("ab\u20AC");
    view.SetSymbology(5); // Code 39 with its check character upper-cases
    view.Output().RenderToImage(96, 96, QSize(300, 150));
    ASSERT_NE(view.Barcode(), nullptr);
    EXPECT_EQ(view.Barcode()->Data(), "AB");
    EXPECT_EQ(panel.width, "0.79"); // start, A, B, check, stop: 5 x 160 mils, the last gap none
}

TEST(BarcodeView, NoSelectionDrawsNothingAndKeepsTheWidthDisplay) {
    FakeInputValues panel;
    CBarcodeView view;
    view.SetInputValues(&panel);
    view.Output().RenderToImage(96, 96, QSize(300, 150));
    ASSERT_EQ(panel.width, "2.07");

    view.SetSymbology(-1);
    panel.data = "LONGER TEXT";
    const QImage image = view.Output().RenderToImage(96, 96, QSize(300, 150));
    EXPECT_EQ(view.Barcode(), nullptr);
    EXPECT_EQ(panel.width, "2.07");
    QImage white(image.size(), image.format());
    white.fill(Qt::white);
    EXPECT_EQ(image, white);
}

// A Height that gives no length is said, naming what was typed and what is
// drawn instead, until one that does brings the rule text back.
TEST(BarcodeView, HeightThatIsNoLengthIsSaid) {
    FakeInputValues panel;
    CBarcodeView view;
    view.SetInputValues(&panel);
    view.OnInitialUpdate();
    QSignalSpy said(&view, &CBarcodeView::StatusTextChanged);
    for (const auto& [typed, status] :
         {std::pair{"abc", "Height \"abc\" is not a number of inches: 0.75 in is used instead."},
          std::pair{"-2", "Height \"-2\" is less than 0.001 in: 0.75 in is used instead."},
          std::pair{"1.5in", "Height \"1.5in\": \"in\" after the number is not read; 1.50 in "
                             "is used."},
          std::pair{"1,5", "Alphanumeric characters(A-Z, 0-9, +-/%$*SPACE)"}}) {
        panel.height = typed;
        view.grab();
        ASSERT_FALSE(said.isEmpty()) << typed;
        EXPECT_EQ(said.takeLast().at(0).toString(), status) << typed;
    }
}

// A text the symbology refuses is said in the status bar and in the view,
// shows no width, and Save and Copy refuse it with the same words.
TEST(BarcodeView, RefusedTextIsSaidAndNotTakenOut) {
    const struct {
        SymbologyId id;
        const char* text;
        const char* status;
    } rows[] = {
        {SymbologyId::Gs1128, "(00)009501234567890018",
         "Not drawn: (00) check digit 8 is wrong: it should be 0"},
        {SymbologyId::Itf14, "15400141288760",
         "Not drawn: ITF-14 check digit 0 is wrong: it should be 3"},
        {SymbologyId::UpcE, "120453",
         "Not drawn: UPC E 120453 stands for UPC-A 012000000454, whose UPC-E form is 120450"},
        {SymbologyId::Ean8, "9638507 123",
         "Not drawn: an add-on takes 2 or 5 digits: \"123\" is "
         "no add-on"},
        {SymbologyId::Isbn, "1-56581-231-5",
         "Not drawn: ISBN check digit 5 is wrong: it should be X"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        FakeInputValues panel;
        CBarcodeView view;
        view.SetInputValues(&panel);
        view.OnInitialUpdate();
        QSignalSpy said(&view, &CBarcodeView::StatusTextChanged);
        view.SetSymbology(static_cast<int>(row.id));
        panel.data = row.text;
        view.grab();
        ASSERT_FALSE(said.isEmpty());
        EXPECT_EQ(said.takeLast().at(0).toString(), row.status);
        EXPECT_EQ(panel.width, "");
        for (const auto take : {&CBarcodeOutput::Save, &CBarcodeOutput::Copy}) {
            QString message;
            WhenModalOpens([&message](QWidget& modal) {
                message = qobject_cast<QMessageBox*>(&modal)->text();
                modal.close();
            });
            (view.Output().*take)();
            EXPECT_EQ(message, row.status);
        }
    }
}

TEST(BarcodeView, WithoutPanelNothingIsBuilt) {
    CBarcodeView view;
    view.Output().RenderToImage(96, 96, QSize(100, 100));
    EXPECT_EQ(view.Barcode(), nullptr);
}

TEST(BarcodeView, UnusableBitmapRequestsGiveNullImages) {
    FakeInputValues panel;
    CBarcodeView view;
    view.SetInputValues(&panel);
    EXPECT_TRUE(view.Output().RenderToImage(0, 96, QSize(10, 10)).isNull());
    EXPECT_TRUE(view.Output().RenderToImage(96, -1, QSize(10, 10)).isNull());
    EXPECT_TRUE(view.Output().RenderToImage(INT_MAX, INT_MAX, QSize(10, 10)).isNull());
    EXPECT_TRUE(view.Output().RenderToImage(96, 96, QSize(0, 10)).isNull());
}

} // namespace
