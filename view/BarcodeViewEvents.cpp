// The view's message and command maps, its handlers of the panel's
// notifications and of the commands, its context menu and its focus frame.
#include "BarcodeView.h"

#include "InputValues.h"
#include "OwnerDrawMenu.h"
#include "ResourceIds.h"
#include "ResourceTables.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QMetaMethod>

#include <array>

std::span<const CBarcodeView::NotifyEntry> CBarcodeView::NotifyMap() {
    static constexpr std::array kMap{
        NotifyEntry{ids::kZoomInButton, NotifyCode::Clicked, &CBarcodeView::OnZoomIn},
        NotifyEntry{ids::kZoomOutButton, NotifyCode::Clicked, &CBarcodeView::OnZoomOut},
        NotifyEntry{ids::kTurnLeftButton, NotifyCode::Clicked, &CBarcodeView::OnTurnLeft},
        NotifyEntry{ids::kTurnRightButton, NotifyCode::Clicked, &CBarcodeView::OnTurnRight},
        NotifyEntry{ids::kShowTextCheck, NotifyCode::Clicked, &CBarcodeView::Redraw},
        NotifyEntry{ids::kTileModeCheck, NotifyCode::Clicked, &CBarcodeView::OnTileMode},
        NotifyEntry{ids::kTextEdit, NotifyCode::FocusLost, &CBarcodeView::Redraw},
        NotifyEntry{ids::kHeightEdit, NotifyCode::FocusLost, &CBarcodeView::Redraw},
        NotifyEntry{ids::kTextEdit, NotifyCode::EnterPressed, &CBarcodeView::Redraw},
        NotifyEntry{ids::kHeightEdit, NotifyCode::EnterPressed, &CBarcodeView::Redraw},
        NotifyEntry{ids::kSymbologyList, NotifyCode::SelectionChanged,
                    &CBarcodeView::OnSymbologyChanged},
    };
    return kMap;
}

std::span<const CBarcodeView::CommandEntry> CBarcodeView::CommandMap() {
    static constexpr std::array kMap{
        CommandEntry{ids::kZoomIn, [](CBarcodeView& v) { v.OnZoomIn(); }},
        CommandEntry{ids::kZoomOut, [](CBarcodeView& v) { v.OnZoomOut(); }},
        CommandEntry{ids::kFilePrint, [](CBarcodeView& v) { v.m_output.Print(); }},
        CommandEntry{ids::kFilePrintDirect, [](CBarcodeView& v) { v.m_output.PrintDirect(); }},
        CommandEntry{ids::kFilePrintPreview, [](CBarcodeView& v) { v.m_output.PrintPreview(); }},
        CommandEntry{ids::kEditCopy, [](CBarcodeView& v) { v.m_output.Copy(); }},
        CommandEntry{ids::kFileSave, [](CBarcodeView& v) { v.m_output.Save(); }},
    };
    return kMap;
}

bool CBarcodeView::DispatchMessage(QEvent& message) {
    if (message.type() == QEvent::ContextMenu) {
        // A right click on the panel opens the view's menu too.
        ShowContextMenu(static_cast<QContextMenuEvent&>(message).globalPos());
        return true;
    }
    if (message.type() != CNotifyEvent::EventType()) {
        return false; // paint, resize, focus...: never replayed here
    }
    const auto& notify = static_cast<const CNotifyEvent&>(message);
    for (const NotifyEntry& entry : NotifyMap()) {
        if (entry.controlId == notify.ControlId() && entry.code == notify.Code()) {
            (this->*entry.handler)();
            return true;
        }
    }
    return false;
}

bool CBarcodeView::OnCommand(int id) {
    for (const CommandEntry& entry : CommandMap()) {
        if (entry.id == id) {
            entry.handler(*this);
            return true;
        }
    }
    return false;
}

bool CBarcodeView::OnUpdateCommand(int id, CommandState& state) {
    for (const CommandEntry& entry : CommandMap()) {
        if (entry.id == id) {
            state.enabled = true;
            return true;
        }
    }
    return false;
}

void CBarcodeView::Redraw() {
    update();
}

void CBarcodeView::OnZoomIn() {
    m_pDoc->SetZoom(Zoom() + 1);
    Redraw();
}

void CBarcodeView::OnZoomOut() {
    m_pDoc->SetZoom(Zoom() - 1);
    Redraw();
}

void CBarcodeView::OnTurnLeft() {
    m_pDoc->SetOrientation(Orientation() + 1);
    Redraw();
}

void CBarcodeView::OnTurnRight() {
    m_pDoc->SetOrientation(Orientation() - 1);
    Redraw();
}

void CBarcodeView::OnTileMode() {
    m_pDoc->SetTiled(!IsTileMode()); // toggled, not read from the box
    Redraw();
}

void CBarcodeView::OnSymbologyChanged() {
    CInputValues* panel = m_pDoc->InputValues();
    m_pDoc->SetSymbology(SymbologyAt(panel != nullptr ? panel->SelectedSymbology() : -1));
    if (const std::optional<SymbologyId> id = m_pDoc->Value().symbology) {
        m_filters.Apply(FactsOf(*id), panel->TextField());
    }
    emit StatusTextChanged(StatusText());
    Redraw();
}

void CBarcodeView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void CBarcodeView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void CBarcodeView::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (hasFocus()) {
        update(); // the frame moved with the pixels the scroll took along
    }
}

void CBarcodeView::RaiseCommand(int id) {
    if (isSignalConnected(QMetaMethod::fromSignal(&CBarcodeView::CommandRaised))) {
        emit CommandRaised(id);
    } else {
        OnCommand(id);
    }
}

std::unique_ptr<COwnerDrawMenu> CBarcodeView::BuildContextMenu() {
    // The popup belongs to the top-level window.
    auto menu = std::make_unique<COwnerDrawMenu>(window());
    if (menu->LoadMenu(ids::kContextMenu)) {
        menu->LoadToolbarImages(ids::kMainResources);
    }
    if (COwnerDrawMenu* popup = menu->GetSubMenu(0); popup != nullptr) {
        connect(popup, &QMenu::triggered, this,
                [this](QAction* action) { RaiseCommand(action->data().toInt()); });
    }
    return menu;
}

void CBarcodeView::ShowContextMenu(const QPoint& globalPos) {
    const std::unique_ptr<COwnerDrawMenu> menu = BuildContextMenu();
    if (COwnerDrawMenu* popup = menu->GetSubMenu(0); popup != nullptr) {
        popup->exec(globalPos);
    }
    menu->DestroyMenu();
}

void CBarcodeView::contextMenuEvent(QContextMenuEvent* event) {
    ShowContextMenu(event->globalPos());
}
