#pragma once

#include "LabelData.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class QWidget;
namespace Ui {
class CPrintLabelsDialog;
}

// Where the labels' data comes from, as the dialog's Labels box chooses it:
// copies of the Text field, a numbered sequence, or a file of lines or CSV
// records with its text and caption columns; each label with the caption.
class LabelSource {
    Q_DECLARE_TR_FUNCTIONS(CPrintLabelsDialog)
public:
    // The stored numbers of the choices: keep them.
    enum Kind { kFromText, kFromSequence, kFromFile };

    // form: the dialog's, set up; fieldText: the Text field's label.
    LabelSource(Ui::CPrintLabelsDialog& form, QString fieldText);

    Kind Chosen() const;
    void Choose(Kind kind);
    // Shows the chosen source's fields, reads the file when its name has
    // changed since the last read and offers a CSV file's columns.
    void Update();
    // The labels to print as the fields give them; *error (empty on entry)
    // says why there are none.
    QList<LabelText> Labels(QString* error) const;
    // Asks for a file of labels; true when one was chosen (it is read again,
    // even the same file).
    bool Browse(QWidget* parent);

    // The caption column's choice of none.
    static QString NoColumn();

private:
    void LoadFile();

    Ui::CPrintLabelsDialog& m_form;
    QString m_fieldText;
    QString m_loadedPath;
    QString m_fileText;
    QString m_fileError;
};
