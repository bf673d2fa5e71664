#include "MainFrame.h"

#include "ResourceIds.h"
#include "ResourceTables.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>

namespace {

// The caption: the first field of the document string.
QString Caption() {
    return res::Text(res::String(ids::kMainResources)).section('\n', 0, 0);
}

} // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(Caption());
    resize(kInitialWidth, kInitialHeight);
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    LoadAccelerators();
    // Command states follow the focus (which view is active) and every command.
    connect(qApp, &QApplication::focusChanged, this, [this] { UpdateCommandStates(); });
}

QAction* CMainFrame::CreateAction(int id) {
    auto* action = new QAction(this);
    action->setData(id);
    action->setStatusTip(res::Text(res::Prompt(id)));
    action->setToolTip(res::Text(res::Tooltip(id)));
    connect(action, &QAction::triggered, this, [this, id] { RouteCommand(id); });
    addAction(action); // so its shortcut works wherever the focus is in the window
    m_actions[id] = action;
    return action;
}

QAction* CMainFrame::Action(int id) const {
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

void CMainFrame::CreateMenus() {
    for (const res::Popup& popup : res::Menu(ids::kMainResources)) {
        QMenu* menu = menuBar()->addMenu(res::Text(popup.title));
        for (const res::MenuItem& item : popup.items) {
            if (item.command == 0) {
                menu->addSeparator();
                continue;
            }
            QAction* action = Action(item.command);
            if (action == nullptr) {
                action = CreateAction(item.command);
            }
            // The text after "\t" is shown in the shortcut column as stored.
            action->setText(res::Text(item.text));
            menu->addAction(action);
        }
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
    }
    for (const int checkable : {ids::kViewToolbar, ids::kViewStatusBar}) {
        Action(checkable)->setCheckable(true);
    }
}

void CMainFrame::CreateToolBar() {
    m_pToolBar = new QToolBar(res::Text(res::Tooltip(ids::kViewToolbar)), this);
    m_pToolBar->setObjectName(QStringLiteral("toolbar%1").arg(ids::kViewToolbar));
    m_pToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_pToolBar->setMovable(true);
    m_pToolBar->setFloatable(true);
    const QSize imageSize(res::kToolbarImageWidth, res::kToolbarImageHeight);
    m_pToolBar->setIconSize(imageSize);
    const auto images = res::ToolbarImages(ids::kMainResources);
    std::size_t image = 0;
    for (const int command : res::Toolbar(ids::kMainResources)) {
        if (command == 0) {
            m_pToolBar->addSeparator();
            continue;
        }
        QAction* action = Action(command);
        if (action == nullptr) {
            action = CreateAction(command);
        }
        if (image < images.size()) {
            action->setIcon(QIcon(res::RenderImage(images[image++], imageSize)));
        }
        m_pToolBar->addAction(action);
    }
    addToolBar(Qt::TopToolBarArea, m_pToolBar);
}

void CMainFrame::CreateStatusBar() {
    m_pPane = new QLabel(res::Text(res::String(ids::kIdleMessageString)));
    statusBar()->addWidget(m_pPane, 1);
    m_pSizePane = new QLabel;
    statusBar()->addPermanentWidget(m_pSizePane);
    m_pScanPane = new QLabel;
    statusBar()->addPermanentWidget(m_pScanPane);
    m_pZoomPane = new QLabel;
    statusBar()->addPermanentWidget(m_pZoomPane);
}

void CMainFrame::LoadAccelerators() {
    for (const res::Accelerator& accelerator : res::Accelerators(ids::kMainResources)) {
        QAction* action = Action(accelerator.command);
        if (action == nullptr) {
            action = CreateAction(accelerator.command);
        }
        QList<QKeySequence> keys = action->shortcuts();
        keys << QKeySequence(res::Text(accelerator.keys));
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
    }
}

std::vector<CCommandTarget*> CMainFrame::Route() const {
    std::vector<CCommandTarget*> route;
    if (m_pActiveView != nullptr) {
        route.push_back(m_pActiveView);
    }
    if (m_pDocument != nullptr) {
        route.push_back(m_pDocument);
    }
    for (CCommandTarget* view : m_views) {
        if (view != m_pActiveView) {
            route.push_back(view);
        }
    }
    route.push_back(const_cast<CMainFrame*>(this));
    if (m_pApplication != nullptr) {
        route.push_back(m_pApplication);
    }
    return route;
}

bool CMainFrame::RouteCommand(int id) {
    for (CCommandTarget* target : Route()) {
        if (target->OnCommand(id)) {
            UpdateCommandStates();
            return true;
        }
    }
    return false;
}

CCommandTarget::CommandState CMainFrame::QueryCommandState(int id) {
    for (CCommandTarget* target : Route()) {
        CommandState state;
        if (target->OnUpdateCommand(id, state)) {
            return state;
        }
    }
    return {false, false};
}

void CMainFrame::UpdateCommandStates() {
    for (const auto& [id, action] : m_actions) {
        const CommandState state = QueryCommandState(id);
        action->setEnabled(state.enabled);
        if (action->isCheckable()) {
            action->setChecked(state.checked);
        }
    }
}

void CMainFrame::SetStatusText(const QString& text) {
    m_pPane->setText(text);
    m_pPane->repaint();
}

QString CMainFrame::StatusText() const {
    return m_pPane->text();
}

void CMainFrame::SetAchievedSizeText(const QString& text) {
    m_pSizePane->setText(text);
}

QString CMainFrame::AchievedSizeText() const {
    return m_pSizePane->text();
}

void CMainFrame::SetZoomIndicator(int zoom) {
    m_pZoomPane->setText(QStringLiteral("Zoom %1\u00d7").arg(zoom));
}

void CMainFrame::SetScanField(const QString& text, const QString& checkedFor) {
    m_pScanPane->setText(text);
    m_pScanPane->setToolTip(checkedFor);
}

QString CMainFrame::ScanFieldText() const {
    return m_pScanPane->text();
}

QString CMainFrame::ZoomIndicatorText() const {
    return m_pZoomPane->text();
}

bool CMainFrame::OnCommand(int id) {
    switch (id) {
    case ids::kViewToolbar:
        m_pToolBar->setVisible(m_pToolBar->isHidden());
        return true;
    case ids::kViewStatusBar:
        statusBar()->setVisible(statusBar()->isHidden());
        return true;
    default:
        return false;
    }
}

bool CMainFrame::OnUpdateCommand(int id, CommandState& state) {
    switch (id) {
    case ids::kViewToolbar:
        state.checked = !m_pToolBar->isHidden();
        return true;
    case ids::kViewStatusBar:
        state.checked = !statusBar()->isHidden();
        return true;
    default:
        return false;
    }
}
