#include "MainFrame.h"

#include "GradeScanDialog.h"
#include "ResourceIds.h"
#include "ResourceTables.h"

#include <QAction>
#include <QApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>
#include <cmath>

namespace {

// The caption: the first field of the document string.
QString Caption() {
    return res::Text(res::String(ids::kMainResources)).section('\n', 0, 0);
}

// The fewest characters a status field keeps room for, "…" included.
constexpr int kFewestShownCharacters = 4;

// The most of the status bar's width the size field and the scan field may
// take: a long reading or size advice ends in "…" there, the size itself
// stays whole, and the message field keeps the rest (a fifth of the bar or
// more beside the zoom).
constexpr double kSizeFieldShare = 0.35;
constexpr double kScanFieldShare = 0.27;

} // namespace

// A field of the status bar that asks for room for its whole text but gives
// way to a narrow window: the text is cut to the room it gets, ending in "…",
// and the tip holds all of it (and what the field adds to it).
class CStatusField : public QLabel {
public:
    explicit CStatusField(const QString& text = QString()) {
        setTextFormat(Qt::PlainText); // a reading may hold "<" and "&"
        SetText(text);
    }

    void SetText(const QString& text, const QString& more = QString()) {
        m_text = text;
        setToolTip(more.isEmpty() || text.isEmpty() ? text : text + u'\n' + more);
        Fit();
        updateGeometry();
    }
    const QString& Text() const { return m_text; }

    // Caps the field at a share of the status bar's width, following the bar
    // as the window is resized.
    void KeepToShareOf(QWidget* bar, double share) {
        m_share = share;
        bar->installEventFilter(this);
    }

    QSize sizeHint() const override {
        // The exact advance rounded up: eliding measures in fractions of a
        // pixel, and a text one fraction wider than its room loses its end.
        const auto advance =
            static_cast<int>(std::ceil(QFontMetricsF(font()).horizontalAdvance(m_text)));
        return {advance + Frame(), QLabel::sizeHint().height()};
    }
    QSize minimumSizeHint() const override {
        return {std::min(sizeHint().width(),
                         kFewestShownCharacters * fontMetrics().averageCharWidth() + Frame()),
                QLabel::minimumSizeHint().height()};
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        Fit();
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize) {
            const int barWidth = static_cast<QResizeEvent*>(event)->size().width();
            setMaximumWidth(
                std::max(minimumSizeHint().width(), static_cast<int>(barWidth * m_share)));
        }
        return QLabel::eventFilter(watched, event);
    }

private:
    // What the label keeps clear either side of its text inside the frame. An
    // indent of -1 is the label's default: half an "x" when framed, else none.
    int Padding() const {
        const int indentation =
            indent() >= 0 ? indent()
                          : (frameWidth() > 0 ? fontMetrics().horizontalAdvance(u'x') / 2 : 0);
        return 2 * (margin() + indentation);
    }
    int Frame() const { return 2 * frameWidth() + Padding(); }
    void Fit() {
        setText(
            fontMetrics().elidedText(m_text, Qt::ElideRight, contentsRect().width() - Padding()));
    }

    QString m_text;
    double m_share = 1.0;
};

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(Caption());
    resize(kInitialWidth, kInitialHeight);
    CreateMenus();
    CGradeScanDialog::AddToMenuBar(this);
    CreateToolBar();
    CreateStatusBar();
    LoadAccelerators();
    // Command states follow the focus (which view is active) and every command.
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { FollowFocus(now); });
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
    m_pPane = new CStatusField(res::Text(res::String(ids::kIdleMessageString)));
    statusBar()->addWidget(m_pPane, 1);
    m_pSizePane = new CStatusField;
    m_pSizePane->setObjectName(QStringLiteral("sizeField"));
    statusBar()->addPermanentWidget(m_pSizePane);
    m_pSizePane->KeepToShareOf(statusBar(), kSizeFieldShare);
    m_pScanPane = new CStatusField;
    m_pScanPane->setObjectName(QStringLiteral("scanField"));
    statusBar()->addPermanentWidget(m_pScanPane);
    m_pScanPane->KeepToShareOf(statusBar(), kScanFieldShare);
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

void CMainFrame::FollowFocus(QWidget* now) {
    if (now != nullptr && qobject_cast<QMenuBar*>(now) == nullptr &&
        qobject_cast<QMenu*>(now) == nullptr) {
        auto* field = qobject_cast<QLineEdit*>(now);
        m_editField.SetField(field != nullptr && isAncestorOf(field) ? field : nullptr);
    }
    UpdateCommandStates();
}

std::vector<CCommandTarget*> CMainFrame::Route() const {
    std::vector<CCommandTarget*> route;
    if (m_editField.Field() != nullptr) {
        route.push_back(const_cast<CEditFieldTarget*>(&m_editField));
    }
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
    m_pPane->SetText(text);
    m_pPane->repaint();
}

QString CMainFrame::StatusText() const {
    return m_pPane->Text();
}

void CMainFrame::SetAchievedSizeText(const QString& text, const QString& advice) {
    m_pSizePane->SetText(text, advice);
}

QString CMainFrame::AchievedSizeText() const {
    return m_pSizePane->Text();
}

void CMainFrame::SetZoomIndicator(int zoom) {
    m_pZoomPane->setText(tr("Zoom %1\u00d7").arg(zoom));
}

void CMainFrame::SetScanField(const QString& text, const QString& checkedFor) {
    m_pScanPane->SetText(text, checkedFor);
}

QString CMainFrame::ScanFieldText() const {
    return m_pScanPane->Text();
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
