#pragma once

#include "DesignData.h"
#include "LabelSheet.h"
#include "PrintLabelsControls.h"
#include "SymbolRender.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <memory>
#include <optional>

class QLineEdit;
#include <string>

class CLabelSourceBox;
class PrintLabelsPrinter;
class QPrinter;
namespace Ui {
class CPrintLabelsDialog;
}

// File > Print Labels: a run of labels on label stock, each with the main
// window's symbol settings (symbology, bar length, Density and Ratio, turn,
// text shown) at true size. The labels come from the Text field (copies of
// its symbol), a numbered sequence, or a file of lines or CSV records; the
// dialog shows the first sheet, and refuses to print while any label cannot
// be drawn or does not fit, saying why. Each printer's offset is kept in the
// settings store; the other choices are remembered there too.
//
// The form is PrintLabelsDialog.ui; CLabelSourceBox gives the labels,
// CSheetPreview shows the first sheet, PrintLabelsPrinter prints and keeps
// the offsets, and PrintLabelsChoices reads and writes the settings.
class CPrintLabelsDialog : public QDialog {
    Q_OBJECT
public:
    // symbol: the main window's symbol; its text is the Text source's label.
    // printer: the program's printer (shared with Print Setup), not owned; its
    // paper is set for the stock only while labels print on it.
    CPrintLabelsDialog(const RenderRequest& symbol, const QString& fieldText, QPrinter& printer,
                       QWidget* parent = nullptr);
    ~CPrintLabelsDialog() override;

    using Controls = PrintLabelsControls;
    const Controls& Widgets() const { return m_ui; }

    // Brings the job, the reasons against printing it, the buttons and the
    // preview up to date with the fields (each change does so a moment later).
    void Refresh();
    // The run as the fields make it; printable when Problems() is empty.
    const SheetJob& Job() const { return m_job; }
    // Why nothing can be printed now: the reason shown, then each refused
    // label's line.
    QStringList Problems() const;

    // What the designer starts with once Design... closed the dialog; nothing
    // when the dialog closed otherwise.
    const std::optional<DesignerStart>& DesignerWanted() const { return m_designer; }

    void Print();
    void PrintPreview();
    void PrintAlignment();

protected:
    void done(int result) override;

private:
    // What the form cannot say: the stock's list, the buttons, sizes from
    // the font.
    void CompleteForm();
    void Connect();
    void ScheduleRefresh();
    // Takes the chosen layout, if it can be used; *error says why not.
    void ApplyLayout(std::string* error);
    // Fills the stock list with what the search words find, Custom last,
    // keeping the stock chosen where it is still listed.
    void ListStock();
    void ShowProblems(const QString& reason, const QStringList& lines);
    void ShowPreview();

    std::unique_ptr<Ui::CPrintLabelsDialog> m_form;
    QLineEdit* m_findStock = nullptr;
    Controls m_ui;
    RenderRequest m_symbol;
    SheetJob m_job;
    CLabelSourceBox* m_source = nullptr; // in the form
    std::unique_ptr<PrintLabelsPrinter> m_printer;
    bool m_layoutUsable = false;
    QString m_reason;
    QStringList m_refusedLines;
    QTimer m_refreshTimer;
    QString m_fieldText;
    std::optional<DesignerStart> m_designer;
};
