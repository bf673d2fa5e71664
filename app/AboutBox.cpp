#include "AboutBox.h"

#include "DialogUnits.h"
#include "ResourceIds.h"
#include "ResourceTables.h"

#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

QString VersionText(int major, int minor, int build) {
    return QCoreApplication::translate("CAboutBox", "Corvane Quillmark V%1.%2, Build %3.")
        .arg(major)
        .arg(minor)
        .arg(build);
}

QString UnknownVersionText() {
    return QCoreApplication::translate("CAboutBox", "Corvane Quillmark, version unknown.");
}

CAboutBox::CAboutBox(QWidget* parent) : QDialog(parent) {
    const res::DialogTemplate* layout = res::Dialog(ids::kAboutBoxTemplate);
    if (layout == nullptr) {
        return;
    }
    setWindowTitle(res::Text(layout->caption));
    setFont(DialogUnits::TemplateFont(*layout));
    const DialogUnits units(font());
    setFixedSize(units.ToPixels(0, 0, layout->cx, layout->cy).size());
    for (const res::DialogItem& item : layout->items) {
        QWidget* control = nullptr;
        switch (item.kind) {
        case res::ControlKind::Icon: {
            auto* icon = new QLabel(this);
            const QRect box = units.ToPixels(item.x, item.y, item.cx, item.cy);
            icon->setPixmap(QIcon(QStringLiteral(":/images/appicon.svg")).pixmap(box.size()));
            control = icon;
            break;
        }
        case res::ControlKind::DefaultButton: {
            auto* ok = new QPushButton(res::Text(item.text), this);
            ok->setDefault(true);
            connect(ok, &QPushButton::clicked, this, &QDialog::accept);
            control = ok;
            break;
        }
        default: {
            auto* label = new QLabel(res::Text(item.text), this);
            label->setTextFormat(Qt::PlainText); // no mnemonic or markup
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            if (item.id == ids::kAboutVersionText) {
                m_pVersion = label;
            }
            control = label;
            break;
        }
        }
        control->setGeometry(units.ToPixels(item.x, item.y, item.cx, item.cy));
    }
    DescribeControls();
}

void CAboutBox::DescribeControls() {
    for (QLabel* label : findChildren<QLabel*>()) {
        if (!label->pixmap().isNull()) {
            label->setAccessibleName(tr("Program icon"));
        }
    }
}

QString CAboutBox::VersionLine() const {
    return m_pVersion != nullptr ? m_pVersion->text() : QString();
}

void CAboutBox::showEvent(QShowEvent* event) {
    // Like a dialog's data exchange at initialisation: the text goes into the
    // control when the box appears.
    if (m_pVersion != nullptr) {
        m_pVersion->setText(m_strVersion);
    }
    QDialog::showEvent(event);
}
