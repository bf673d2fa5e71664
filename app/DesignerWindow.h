#pragma once

#include "DesignData.h"
#include "DesignJob.h"
#include "DesignLayout.h"

#include <QMainWindow>
#include <QPrinter>
#include <QUndoStack>

#include <memory>
#include <optional>

class CDesignCanvas;
class CDesignDataPanel;
class CDesignProperties;
class CDesignSequenceRow;
class CSheetPreview;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;

// The label designer: a design's label drawn large as it prints, its objects
// added, selected, moved and resized there, their properties in a side
// panel; the data's records stepped through, each shown as it makes the
// label with the faults that keep it from printing; the first sheet; undo
// and redo of every edit; print, preview and PDF; the design file saved and
// opened, with unsaved changes asked about before they could be lost.
class CDesignerWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit CDesignerWindow(const DesignerStart& start, QWidget* parent = nullptr);
    ~CDesignerWindow() override;

    // A new window on its own, deleted when closed.
    static CDesignerWindow* Open(const DesignerStart& start, QWidget* parent);

    const LabelDesign& Design() const { return m_design; }
    const QString& Path() const { return m_path; }
    QUndoStack& Undo() { return m_undo; }
    CDesignCanvas* Canvas() const { return m_canvas; }
    CDesignProperties* Properties() const { return m_properties; }
    CDesignDataPanel* DataPanel() const { return m_data; }
    // The faults of the record shown (empty when it prints as designed).
    QStringList Faults() const { return m_faults; }
    // The run as the design and the data make it; null when the design
    // cannot make any label (Faults() says why).
    DesignJob Job() const;

    // Adds an object of the kind in the middle of the label, selected.
    void AddObject(ObjectKind kind);
    void DeleteSelected();
    // Gives every length of the design in the unit.
    void SetUnit(DesignUnit unit);
    // Saves to the path (asked for when empty); false when nothing was saved.
    bool Save(const QString& path = QString());
    bool SaveAs();
    // Opens a design file into this window, once unsaved changes are dealt with.
    bool OpenFile(const QString& path);
    bool ExportPdf(const QString& path = QString());
    void Print();
    void PrintPreview();
    // Whether the design holds what no file has: edits since it was last
    // saved or opened, or a design made elsewhere (Print Labels) not saved yet.
    bool Modified() const { return !m_undo.isClean() || m_unsavedStart; }
    // Asks what to do with unsaved changes; false: keep the window open.
    bool MaybeSave();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateMenus();
    QWidget* CreateSidePanel();
    // Applies a design as an undoable edit.
    void Edit(const QString& what, const LabelDesign& edited, int selected, bool keyMove = false);
    // Makes the design current (from an edit, undo or redo) and shows it.
    void Apply(const LabelDesign& design, int selected);
    // Lays the design out for the record shown and shows it everywhere.
    void Refresh();
    void ShowSheet();
    void ShowTitle();
    void Warn(const QString& message);

    LabelDesign m_design;
    QString m_path;
    QUndoStack m_undo;
    bool m_unsavedStart = false;
    std::unique_ptr<CDesignRun> m_run;
    QStringList m_faults;
    QPrinter m_printer;
    CDesignCanvas* m_canvas = nullptr;
    CDesignProperties* m_properties = nullptr;
    CDesignDataPanel* m_data = nullptr;
    CSheetPreview* m_sheet = nullptr;
    QLineEdit* m_stock = nullptr;
    QComboBox* m_unit = nullptr;              // in, mm
    CDesignSequenceRow* m_sequence = nullptr; // what {n} counts from, by and pads to
    QLabel* m_faultText = nullptr;
};
