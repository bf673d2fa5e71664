#include "DesignDataPanel.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>

#include <algorithm>

namespace {
// The most numbers a sequence shows in the designer.
constexpr int kMostNumbers = 100'000;
} // namespace

CDesignDataPanel::CDesignDataPanel(QWidget* parent) : QGroupBox(tr("Data"), parent) {
    auto* form = new QFormLayout(this);
    m_ui.kind = new QComboBox(this);
    m_ui.kind->addItems({tr("Numbered sequence"), tr("Lines of a file"), tr("CSV file")});
    auto* kindLabel = new QLabel(tr("&Records from:"), this);
    kindLabel->setBuddy(m_ui.kind);
    form->addRow(kindLabel, m_ui.kind);
    m_ui.file = new QLineEdit(this);
    m_ui.file->setAccessibleName(tr("Data file"));
    m_ui.browse = new QPushButton(tr("&Browse..."), this);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_ui.file, 1);
    fileRow->addWidget(m_ui.browse);
    auto* fileLabel = new QLabel(tr("File:"), this);
    fileLabel->setBuddy(m_ui.file);
    form->addRow(fileLabel, fileRow);
    m_ui.count = new QSpinBox(this);
    m_ui.count->setRange(1, kMostNumbers);
    m_ui.count->setKeyboardTracking(false);
    auto* countLabel = new QLabel(tr("Labels:"), this);
    countLabel->setBuddy(m_ui.count);
    form->addRow(countLabel, m_ui.count);
    // The stepper: first, previous, where, next, last.
    auto* stepper = new QHBoxLayout;
    const auto button = [this, stepper](const QString& text, const QString& name) {
        auto* b = new QToolButton(this);
        b->setText(text);
        b->setAccessibleName(name);
        b->setToolTip(name);
        stepper->addWidget(b);
        return b;
    };
    m_ui.first = button(QStringLiteral("|<"), tr("First record"));
    m_ui.previous = button(QStringLiteral("<"), tr("Previous record"));
    m_ui.position = new QLabel(this);
    m_ui.position->setAlignment(Qt::AlignCenter);
    stepper->addWidget(m_ui.position, 1);
    m_ui.next = button(QStringLiteral(">"), tr("Next record"));
    m_ui.last = button(QStringLiteral(">|"), tr("Last record"));
    form->addRow(stepper);

    connect(m_ui.kind, &QComboBox::currentIndexChanged, this, &CDesignDataPanel::Reload);
    connect(m_ui.file, &QLineEdit::editingFinished, this, &CDesignDataPanel::Reload);
    connect(m_ui.count, &QSpinBox::valueChanged, this, &CDesignDataPanel::Reload);
    connect(m_ui.browse, &QPushButton::clicked, this, &CDesignDataPanel::Browse);
    connect(m_ui.first, &QToolButton::clicked, this, [this] { SetRecord(0); });
    connect(m_ui.previous, &QToolButton::clicked, this, [this] { SetRecord(m_record - 1); });
    connect(m_ui.next, &QToolButton::clicked, this, [this] { SetRecord(m_record + 1); });
    connect(m_ui.last, &QToolButton::clicked, this,
            [this] { SetRecord(static_cast<int>(m_data.records.size()) - 1); });
    Reload();
}

void CDesignDataPanel::SetSource(DesignSourceKind kind, const QString& file, int count) {
    {
        const QSignalBlocker kindBlocker(m_ui.kind);
        const QSignalBlocker countBlocker(m_ui.count);
        m_ui.kind->setCurrentIndex(static_cast<int>(kind));
        m_ui.file->setText(file);
        m_ui.count->setValue(count);
    }
    Reload();
}

void CDesignDataPanel::Reload() {
    const auto kind = static_cast<DesignSourceKind>(m_ui.kind->currentIndex());
    const bool sequence = kind == DesignSourceKind::Sequence;
    m_ui.file->setEnabled(!sequence);
    m_ui.browse->setEnabled(!sequence);
    m_ui.count->setEnabled(sequence);
    m_data = LoadDesignData(kind, m_ui.file->text(), m_ui.count->value());
    m_record = std::clamp(m_record, 0, std::max(0, static_cast<int>(m_data.records.size()) - 1));
    ShowPosition();
    emit DataChanged();
}

void CDesignDataPanel::Browse() {
    const bool csv = m_ui.kind->currentIndex() == static_cast<int>(DesignSourceKind::Csv);
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Records from a file"), m_ui.file->text(),
        csv ? tr("CSV files (*.csv);;All files (*)") : tr("Text files (*.txt);;All files (*)"));
    if (!path.isEmpty()) {
        m_ui.file->setText(path);
        Reload();
    }
}

void CDesignDataPanel::SetRecord(int record) {
    const int last = std::max(0, static_cast<int>(m_data.records.size()) - 1);
    record = std::clamp(record, 0, last);
    if (record != m_record) {
        m_record = record;
        ShowPosition();
        emit RecordChanged(record);
    }
}

void CDesignDataPanel::ShowPosition() {
    const auto records = static_cast<int>(m_data.records.size());
    m_ui.position->setText(records == 0 ? tr("no records")
                                        : tr("%1/%2").arg(m_record + 1).arg(records));
    m_ui.position->setAccessibleName(tr("Record %1 of %2").arg(m_record + 1).arg(records));
    m_ui.first->setEnabled(m_record > 0);
    m_ui.previous->setEnabled(m_record > 0);
    m_ui.next->setEnabled(m_record + 1 < records);
    m_ui.last->setEnabled(m_record + 1 < records);
}
