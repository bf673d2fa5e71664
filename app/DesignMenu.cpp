#include "DesignMenu.h"

#include "DesignerWindow.h"
#include "RecentDesigns.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("DesignMenu", text);
}

// The designer window that was active last, or any open one.
CDesignerWindow* LastDesigner() {
    static QPointer<CDesignerWindow> last;
    if (auto* active = qobject_cast<CDesignerWindow*>(QApplication::activeWindow())) {
        last = active;
    }
    if (last == nullptr) {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* designer = qobject_cast<CDesignerWindow*>(window);
                designer != nullptr && designer->isVisible()) {
                last = designer;
            }
        }
    }
    return last;
}

void ListRecent(QMenu& menu, QMainWindow& frame) {
    menu.clear();
    const QStringList recent = RecentDesigns();
    for (qsizetype i = 0; i < recent.size(); ++i) {
        // "&1 name" for the first nine: a digit reaches each one.
        const QString text = QStringLiteral("&%1 %2").arg(i + 1).arg(
            QDir::toNativeSeparators(recent[i]).replace(u'&', QStringLiteral("&&")));
        menu.addAction(text, &frame, [path = recent[i], &frame] {
            DesignerStart start;
            CDesignerWindow* window = CDesignerWindow::Open(start, &frame);
            if (!window->OpenFile(path)) {
                window->close();
            }
        });
    }
    menu.setEnabled(!recent.isEmpty());
}

// Closing the main window closes its designers first, each asking about its
// unsaved changes; one kept open keeps the main window open too, so that no
// design is lost with the program.
class DesignersCloseFirst : public QObject {
public:
    explicit DesignersCloseFirst(QMainWindow& frame) : QObject(&frame), m_frame(frame) {
        frame.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &m_frame && event->type() == QEvent::Close) {
            for (CDesignerWindow* designer : m_frame.findChildren<CDesignerWindow*>()) {
                if (designer->isVisible() && !designer->close()) {
                    event->ignore();
                    return true;
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QMainWindow& m_frame;
};

} // namespace

void AddDesignMenuItems(QMainWindow& frame) {
    const QList<QAction*> menus = frame.menuBar()->actions();
    QMenu* file = menus.isEmpty() ? nullptr : menus.first()->menu();
    if (file == nullptr) {
        return;
    }
    QAction* before = file->actions().isEmpty() ? nullptr : file->actions().first();
    auto* newDesign = new QAction(Tr("New Label &Design"), file);
    newDesign->setObjectName(QStringLiteral("newLabelDesign"));
    QObject::connect(newDesign, &QAction::triggered, &frame,
                     [&frame] { CDesignerWindow::Open(DesignerStart{}, &frame); });
    auto* open = new QAction(Tr("&Open Label Design..."), file);
    open->setObjectName(QStringLiteral("openLabelDesign"));
    QObject::connect(open, &QAction::triggered, &frame, [&frame] {
        const QString path = QFileDialog::getOpenFileName(
            &frame, Tr("Open Label Design"), QString(), Tr("Label designs (*.qmd);;All files (*)"));
        if (!path.isEmpty()) {
            CDesignerWindow* window = CDesignerWindow::Open(DesignerStart{}, &frame);
            if (!window->OpenFile(path)) {
                window->close();
            }
        }
    });
    auto* recent = new QMenu(Tr("Recent Desi&gns"), file);
    recent->setObjectName(QStringLiteral("recentDesigns"));
    QObject::connect(recent, &QMenu::aboutToShow, &frame,
                     [recent, &frame] { ListRecent(*recent, frame); });
    auto* save = new QAction(Tr("Save Label Desig&n"), file);
    save->setObjectName(QStringLiteral("saveLabelDesign"));
    QObject::connect(save, &QAction::triggered, &frame, [] {
        if (CDesignerWindow* designer = LastDesigner()) {
            designer->Save();
        }
    });
    auto* saveAs = new QAction(Tr("Save Label Design &As..."), file);
    saveAs->setObjectName(QStringLiteral("saveLabelDesignAs"));
    QObject::connect(saveAs, &QAction::triggered, &frame, [] {
        if (CDesignerWindow* designer = LastDesigner()) {
            designer->SaveAs();
        }
    });
    // Save acts on a designer: with none open there is nothing to save.
    QObject::connect(file, &QMenu::aboutToShow, &frame, [save, saveAs, recent, &frame] {
        const bool designer = LastDesigner() != nullptr;
        save->setEnabled(designer);
        saveAs->setEnabled(designer);
        ListRecent(*recent, frame);
    });
    file->insertActions(before, {newDesign, open});
    file->insertMenu(before, recent);
    file->insertActions(before, {save, saveAs});
    file->insertSeparator(before);
    ListRecent(*recent, frame);
    save->setEnabled(false);
    saveAs->setEnabled(false);
    new DesignersCloseFirst(frame); // owned by the frame
}
