#pragma once

#include "CommandRoute.h"
#include "EditFieldTarget.h"

#include <QMainWindow>

#include <map>
#include <vector>

class CStatusField;
class QAction;
class QLabel;
class QToolBar;

// The main window: menu 128, the dockable toolbar 128, a one-pane status bar,
// and the command route that carries every command to whoever handles it.
class CMainFrame : public QMainWindow, public CCommandTarget {
    Q_OBJECT
public:
    // The first size of the window, in pixels.
    static constexpr int kInitialWidth = 620;
    static constexpr int kInitialHeight = 490;

    explicit CMainFrame(QWidget* parent = nullptr);

    // The route, in order: the active view and then its document, the other
    // views of the document (in the document's order, the active one skipped),
    // the frame, and last the application.
    void SetActiveView(CCommandTarget* view) { m_pActiveView = view; }
    void SetDocument(CCommandTarget* document, std::vector<CCommandTarget*> views) {
        m_pDocument = document;
        m_views = std::move(views);
    }
    void SetApplication(CCommandTarget* application) { m_pApplication = application; }
    CCommandTarget* ActiveView() const { return m_pActiveView; }

    // Offers the command along the route until one link handles it.
    bool RouteCommand(int id);
    // The command's state as the route reports it; a command that nobody
    // handles is disabled.
    CommandState QueryCommandState(int id);
    // Refreshes the enabled and checked state of every command's action.
    void UpdateCommandStates();

    // The action of a command (menus, toolbar and accelerators share it).
    QAction* Action(int id) const;

    // Sets the text of the status bar's first pane. The first pane, the size
    // field and the scan field give way to a narrow window: a text longer than
    // its field's room ends in "…", and the field's tip holds all of it.
    void SetStatusText(const QString& text);
    QString StatusText() const;
    // Shows what the screen makes of the symbol's sizes, at the right of the
    // status bar.
    // The size field; advice on the symbology's published ranges goes into
    // its tip after the text.
    void SetAchievedSizeText(const QString& text, const QString& advice = QString());
    QString AchievedSizeText() const;
    // Shows the barcode view's zoom at the right of the status bar: "Zoom 3×".
    void SetZoomIndicator(int zoom);
    QString ZoomIndicatorText() const;
    // Shows what a scanner reads from the symbol, beside the zoom; the tip
    // names the output it was checked for.
    void SetScanField(const QString& text, const QString& checkedFor);
    QString ScanFieldText() const;

    QToolBar* ToolBar() const { return m_pToolBar; }

    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState& state) override;

private:
    QAction* CreateAction(int id);
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void LoadAccelerators();
    std::vector<CCommandTarget*> Route() const;
    // The Edit menu follows the focus: a field of this window that takes it
    // gets Undo, Cut, Copy and Paste; anything else of this window passes them
    // on. The menu bar, worked from the keyboard, takes the focus for a while
    // without changing what the commands act on.
    void FollowFocus(QWidget* now);

    std::map<int, QAction*> m_actions;
    QToolBar* m_pToolBar = nullptr;
    CStatusField* m_pPane = nullptr;
    QLabel* m_pZoomPane = nullptr;
    CStatusField* m_pScanPane = nullptr;
    CStatusField* m_pSizePane = nullptr;
    CCommandTarget* m_pActiveView = nullptr;
    CCommandTarget* m_pDocument = nullptr;
    std::vector<CCommandTarget*> m_views;
    CCommandTarget* m_pApplication = nullptr;
    CEditFieldTarget m_editField{[this] { UpdateCommandStates(); }};
};
