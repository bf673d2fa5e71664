#pragma once

#include <QDialog>

class QLabel;

// The version line: "Corvane Quillmark V<major>.<minor>, Build <build>."
QString VersionText(int major, int minor, int build);

// Help > About: the program's icon, name, version and legal notice.
class CAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit CAboutBox(QWidget* parent = nullptr);
    void SetVersionText(const QString& text);
    QString VersionLine() const;

private:
    QLabel* m_pVersion = nullptr;
};
