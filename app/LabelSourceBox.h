#pragma once

#include "LabelData.h"

#include <QGroupBox>
#include <QHash>
#include <QList>
#include <QString>

#include <memory>
#include <utility>

namespace Ui {
class CLabelSourceBox;
}

// Print Labels' Labels box (LabelSourceBox.ui): where the labels' data comes
// from, copies of the Text field, a numbered sequence, or a file of lines or
// CSV records with its text and caption columns; each label with the caption.
class CLabelSourceBox : public QGroupBox {
    Q_OBJECT
public:
    // The stored numbers of the choices: keep them.
    enum Kind { kFromText, kFromSequence, kFromFile };

    explicit CLabelSourceBox(QWidget* parent = nullptr);
    ~CLabelSourceBox() override;

    const Ui::CLabelSourceBox& Form() const { return *m_form; }
    // The Text field's text: the Text source's label.
    void SetFieldText(const QString& text);

    Kind Chosen() const;
    // Shows the chosen source's fields, reads the file when its name has
    // changed since the last read and offers a CSV file's columns.
    void Update();
    // The labels to print as the fields give them; *error (empty on entry)
    // says why there are none.
    QList<LabelText> Labels(QString* error) const;
    // Asks for a file of labels; true when one was chosen (it is read again,
    // even the same file).
    bool Browse();

    // The caption column's choice of none.
    static QString NoColumn();

private:
    void LoadFile();

    std::unique_ptr<Ui::CLabelSourceBox> m_form;
    QString m_fieldText;
    QString m_loadedPath;
    QString m_fileText;
    QString m_fileError;
    // The text and caption columns last chosen for each CSV file, by path.
    QHash<QString, std::pair<QString, QString>> m_columnsOf;
};
