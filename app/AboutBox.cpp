#include "AboutBox.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

QString VersionText(int major, int minor, int build) {
    return QStringLiteral("Corvane Quillmark V%1.%2, Build %3.").arg(major).arg(minor).arg(build);
}

CAboutBox::CAboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Quillmark"));
    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/images/appicon.svg")).pixmap(32, 32));
    m_pVersion = new QLabel(QStringLiteral("Quillmark Version 1.0"), this);
    m_pVersion->setTextFormat(Qt::PlainText);
    auto* notice =
        new QLabel(QStringLiteral("Copyright \u00A9 Corvane.\nAll rights reserved."), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, Qt::Vertical, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* grid = new QGridLayout(this);
    grid->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(m_pVersion, 0, 1);
    grid->addWidget(notice, 1, 1);
    grid->addWidget(buttons, 0, 2, 2, 1, Qt::AlignTop);
}

void CAboutBox::SetVersionText(const QString& text) {
    m_pVersion->setText(text);
}
QString CAboutBox::VersionLine() const {
    return m_pVersion->text();
}
