#pragma once

#include "SymbolGrade.h"

#include <QDialog>
#include <QString>

class QMainWindow;
class QTableWidget;
class CProfileChart;

// Tools > Grade a Scan: the print-quality grade of the symbol in an image
// file (a flatbed scan of a printed label, 600 dpi or more), each scan line's
// parameters with their values and grades, the parameter at fault, and a
// chart of one line's reflectance profile with its global threshold. Marked
// as what it is: an estimate, since a scanner is not a calibrated verifier.
class CGradeScanDialog : public QDialog {
    Q_OBJECT
public:
    CGradeScanDialog(const SymbolGrade& graded, const QString& path, QWidget* parent = nullptr);

    // The heading: the grade and the parameter at fault.
    QString Heading() const;
    QTableWidget* Table() const { return m_pTable; }

    // Asks for an image file and shows its grade; says why when the file
    // cannot be read or holds no bars to grade.
    static void GradeAScan(QWidget* parent);
    // The same for a file already chosen; the dialog is modal.
    static void GradeFile(QWidget* parent, const QString& path);

    // Adds the Tools menu with its Grade a Scan item before the window's last
    // menu (Help).
    static void AddToMenuBar(QMainWindow* window);

private:
    // A scan line's quiet zones: "11.0 / 11.0 of 10.0 / 10.0" modules.
    static QString QuietZones(const ProfileGrade& g);

    SymbolGrade m_graded;
    QString m_heading;
    QTableWidget* m_pTable = nullptr;
    CProfileChart* m_pChart = nullptr;
};
