#pragma once

#include "LabelSheet.h"
#include "PrinterOffset.h"
#include "SymbolRender.h"

#include <QDialog>
#include <QImage>
#include <QList>
#include <QRect>
#include <QStringList>
#include <QTimer>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPrinter;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;

// The first sheet, whole, scaled to the widget: the page as the printer gets
// it, each label's edge drawn faintly over it to show where the stock's
// labels lie (the printed outlines, when asked for, are part of the page).
class CSheetPreview : public QWidget {
    Q_OBJECT
public:
    explicit CSheetPreview(QWidget* parent = nullptr);

    // A 1-bit page (colour 1 ink) and its labels' rectangles in its dots; a
    // null page shows none.
    void SetSheet(const QImage& page, const QList<QRect>& labels);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_sheet;         // the page at a fraction of its resolution, in grey
    QList<QRectF> m_labels; // in m_sheet's pixels
};

// File > Print Labels: a run of labels on label stock, each with the main
// window's symbol settings (symbology, bar length, Density and Ratio, turn,
// text shown) at true size. The labels come from the Text field (copies of
// its symbol), a numbered sequence, or a file of lines or CSV records; the
// dialog shows the first sheet, and refuses to print while any label cannot
// be drawn or does not fit, saying why. Each printer's offset is kept in the
// settings store; the other choices are remembered there too.
class CPrintLabelsDialog : public QDialog {
    Q_OBJECT
public:
    // symbol: the main window's symbol; its text is the Text source's label.
    // printer: the program's printer (shared with Print Setup), not owned; its
    // paper is set for the stock only while labels print on it.
    CPrintLabelsDialog(const RenderRequest& symbol, const QString& fieldText, QPrinter& printer,
                       QWidget* parent = nullptr);
    ~CPrintLabelsDialog() override;

    struct Controls {
        QComboBox* layout = nullptr; // the built-in stock, then "Custom"
        QLineEdit* customLayout = nullptr;
        QRadioButton* fromText = nullptr;
        QRadioButton* fromSequence = nullptr;
        QRadioButton* fromFile = nullptr;
        QStackedWidget* sourcePages = nullptr;
        QLineEdit* prefix = nullptr;
        QLineEdit* first = nullptr;
        QLineEdit* step = nullptr;
        QSpinBox* count = nullptr;
        QSpinBox* digits = nullptr;
        QLineEdit* suffix = nullptr;
        QLineEdit* file = nullptr;
        QPushButton* browse = nullptr;
        QComboBox* textColumn = nullptr;
        QComboBox* captionColumn = nullptr; // "(none)" first
        QLineEdit* caption = nullptr;
        QSpinBox* startAt = nullptr;
        QSpinBox* copies = nullptr;
        QCheckBox* outlines = nullptr;
        QLabel* offsetPrinter = nullptr;
        QDoubleSpinBox* offsetX = nullptr;
        QDoubleSpinBox* offsetY = nullptr;
        QComboBox* offsetUnit = nullptr; // mm, in
        CSheetPreview* preview = nullptr;
        QLabel* summary = nullptr;
        QLabel* reason = nullptr;
        QListWidget* refused = nullptr;
        QPushButton* print = nullptr;
        QPushButton* printPreview = nullptr;
        QPushButton* alignment = nullptr;
        QPushButton* close = nullptr;
    };
    const Controls& Widgets() const { return m_ui; }

    // Brings the job, the reasons against printing it, the buttons and the
    // preview up to date with the fields (each change does so a moment later).
    void Refresh();
    // The run as the fields make it; printable when Problems() is empty.
    const SheetJob& Job() const { return m_job; }
    // Why nothing can be printed now: the reason shown, then each refused
    // label's line.
    QStringList Problems() const;

    void Print();
    void PrintPreview();
    void PrintAlignment();

protected:
    void done(int result) override;

private:
    void CreateControls();
    // Names and descriptions for screen readers where no label names a
    // control, or where a drop-down list would be named by its choice.
    void DescribeControls();
    void Connect();
    void ScheduleRefresh();
    // Takes the chosen layout, if it can be used; *error says why not.
    void ApplyLayout(std::string* error);
    // Reads the file when its name has changed since the last read, and
    // offers a CSV file's columns.
    void LoadFile();
    // The labels' data as the chosen source gives it; *error when there is none.
    QList<LabelText> SourceLabels(QString* error) const;
    void ShowProblems(const QString& reason, const QStringList& lines);
    void ShowPreview();
    // Shows and uses the offset of the printer now chosen, should it have
    // changed since it was last shown.
    void FollowPrinter();
    void ShowOffset();
    void OnOffsetEdited(bool across);
    void RestoreChoices();
    void RememberChoices() const;

    Controls m_ui;
    RenderRequest m_symbol;
    QString m_fieldText;
    QPrinter& m_printer;
    QString m_offsetPrinter; // the printer whose offset is shown
    PrinterOffset m_offset;  // in mils
    QString m_loadedPath;
    QString m_fileText;
    QString m_fileError;
    SheetJob m_job;
    bool m_layoutUsable = false;
    QString m_reason;
    QStringList m_refusedLines;
    QTimer m_refreshTimer;
};
