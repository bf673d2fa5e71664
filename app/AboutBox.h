#pragma once

#include <QDialog>

class QLabel;

// The version line: "Corvane Quillmark V<major>.<minor>, Build <build>."
QString VersionText(int major, int minor, int build);
// The line shown when the program's own version block cannot be read.
QString UnknownVersionText();

// Help > About, laid out from dialog template 100: the program's icon, its
// version line (control 1001), the legal notice and OK.
class CAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit CAboutBox(QWidget* parent = nullptr);
    // The text that control 1001 shows once the box is shown.
    void SetVersionText(const QString& text) { m_strVersion = text; }
    QString VersionLine() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Names the program's icon for screen readers.
    void DescribeControls();

    QString m_strVersion;
    QLabel* m_pVersion = nullptr;
};
