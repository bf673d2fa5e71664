#include "LabelPrinterDialog.h"

#include "FileCommit.h"
#include "LabelPrinterStore.h"
#include "PrinterLink.h"
#include "SettingsStore.h"
#include "ZplWriter.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

const QString kKindKey = QStringLiteral("PrintLabels/LabelPrinterKind");
const QString kTargetKey = QStringLiteral("PrintLabels/LabelPrinter");
constexpr int kHeadDpis[] = {203, 300, 600};

// The media modes in the list's order, the printer's own first.
constexpr MediaMode kModes[] = {MediaMode::Printer, MediaMode::TearOff, MediaMode::Peel,
                                MediaMode::Cutter};

} // namespace

CLabelPrinterDialog::CLabelPrinterDialog(const SheetJob& job, QWidget* parent)
    : QDialog(parent), m_job(job) {
    // The label printer places labels by its own label home: the offset and
    // scale of the sheet printers are not this printer's.
    m_job.offsetX = m_job.offsetY = 0;
    m_job.scaleX = m_job.scaleY = 1;
    setWindowTitle(tr("Print to Label Printer"));
    auto* form = new QFormLayout;
    m_kind = new QComboBox(this);
    m_kind->addItems({tr("CUPS queue"), tr("Network printer (raw port)"), tr("File or device")});
    m_target = new QComboBox(this);
    m_target->setEditable(true);
    m_target->setMinimumContentsLength(24);
    m_dpi = new QComboBox(this);
    for (const int dpi : kHeadDpis) {
        m_dpi->addItem(tr("%1 dpi").arg(dpi), dpi);
    }
    m_darkness = new QSpinBox(this);
    m_darkness->setRange(-1, kMaxDarkness);
    m_darkness->setSpecialValueText(tr("the printer's own"));
    m_speed = new QSpinBox(this);
    m_speed->setRange(kMinPrintSpeed - 1, kMaxPrintSpeed);
    m_speed->setSpecialValueText(tr("the printer's own"));
    m_speed->setSuffix(tr(" in/s"));
    m_mode = new QComboBox(this);
    m_mode->addItems({tr("the printer's own"), tr("tear-off"), tr("peel"), tr("cutter")});
    const std::pair<QString, QWidget*> rows[] = {
        {tr("Send &to:"), m_kind},      {tr("&Printer:"), m_target}, {tr("&Resolution:"), m_dpi},
        {tr("&Darkness:"), m_darkness}, {tr("&Speed:"), m_speed},    {tr("&Media:"), m_mode},
    };
    for (const auto& [text, field] : rows) {
        auto* label = new QLabel(text, this);
        label->setBuddy(field);
        form->addRow(label, field);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(this);
    m_test = buttons->addButton(tr("Test &label"), QDialogButtonBox::ActionRole);
    m_send = buttons->addButton(tr("S&end labels"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Close);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_test, &QPushButton::clicked, this, [this] { Send(true); });
    connect(m_send, &QPushButton::clicked, this, [this] {
        if (Send(false)) {
            accept();
        }
    });

    const std::unique_ptr<QSettings> store = OpenSettingsStore();
    m_kind->setCurrentIndex(std::clamp(store->value(kKindKey, kQueue).toInt(), 0, int{kFile}));
    ShowDestination();
    m_target->setCurrentText(store->value(kTargetKey).toString());
    connect(m_kind, &QComboBox::currentIndexChanged, this, &CLabelPrinterDialog::ShowDestination);
    connect(m_target, &QComboBox::currentTextChanged, this, [this](const QString& name) {
        const std::unique_ptr<QSettings> settings = OpenSettingsStore();
        if (const std::optional<PrinterProfile> stored = ReadLabelPrinter(*settings, name)) {
            ShowProfile(*stored);
        }
    });
    if (const std::optional<PrinterProfile> stored =
            ReadLabelPrinter(*store, m_target->currentText())) {
        ShowProfile(*stored);
    }
}

void CLabelPrinterDialog::ShowDestination() {
    const QString typed = m_target->currentText();
    m_target->clear();
    if (m_kind->currentIndex() == kQueue) {
        m_target->addItems(QPrinterInfo::availablePrinterNames());
    }
    m_target->setCurrentText(typed);
    const QString hints[] = {tr("the CUPS queue of the label printer"),
                             tr("host or host:port (port 9100 unless given)"),
                             tr("a file, or a device such as /dev/usb/lp0")};
    m_target->lineEdit()->setPlaceholderText(hints[m_kind->currentIndex()]);
}

void CLabelPrinterDialog::ShowProfile(const PrinterProfile& profile) {
    m_dpi->setCurrentIndex(std::max(0, m_dpi->findData(profile.dpi)));
    m_darkness->setValue(profile.darkness.value_or(-1));
    m_speed->setValue(profile.speed.value_or(0));
    for (int i = 0; i < static_cast<int>(std::size(kModes)); ++i) {
        if (kModes[i] == profile.mediaMode) {
            m_mode->setCurrentIndex(i);
        }
    }
}

PrinterProfile CLabelPrinterDialog::Profile() const {
    PrinterProfile profile;
    const std::unique_ptr<QSettings> store = OpenSettingsStore();
    if (const std::optional<PrinterProfile> stored =
            ReadLabelPrinter(*store, m_target->currentText())) {
        profile = *stored; // what this dialog does not show stays as stored
    }
    profile.name = m_target->currentText().trimmed();
    profile.dpi = m_dpi->currentData().toInt();
    profile.darkness =
        m_darkness->value() >= 0 ? std::optional<int>(m_darkness->value()) : std::nullopt;
    profile.speed = m_speed->value() > 0 ? std::optional<int>(m_speed->value()) : std::nullopt;
    profile.mediaMode = kModes[m_mode->currentIndex()];
    return profile;
}

bool CLabelPrinterDialog::Send(bool testLabel) {
    m_error.clear();
    const PrinterProfile profile = Profile();
    if (profile.name.isEmpty()) {
        m_error = tr("Name the printer, its address or a file first.");
    } else if (const QString fault = ProfileFault(profile); !fault.isEmpty()) {
        m_error = fault;
    }
    SheetJob job = m_job;
    if (testLabel) {
        // The first label, outlined: where it lands shows the label home.
        job.labels.resize(std::min<std::size_t>(job.labels.size(), 1));
        job.copies = 1;
        job.startAt = 1;
        job.outlines = true;
    }
    const int pages = SheetPageCount(job);
    const auto produce = [&job, &profile, pages,
                          this](const std::function<bool(const QByteArray&)>& put) {
        for (int page = 0; page < pages && m_error.isEmpty(); ++page) {
            const QByteArray label =
                ZplLabel(RenderSheetPage(job, page, profile.dpi, profile.dpi), profile);
            if (label.isEmpty()) {
                m_error = tr("Label %1 is too large for the printer at %2 dpi.")
                              .arg(page + 1)
                              .arg(profile.dpi);
            } else if (!put(label)) {
                return;
            }
        }
    };
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString error;
    bool sent = false;
    if (m_error.isEmpty()) {
        std::unique_ptr<CPrinterLink> link;
        switch (m_kind->currentIndex()) {
        case kQueue:
            link = StartQueueJob(profile.name, tr("Quillmark labels"), &error);
            break;
        case kNetwork:
            if (const std::optional<SocketAddress> address =
                    ParseSocketOutput(QStringLiteral("socket://") + profile.name, &error)) {
                link = ConnectToPrinter(*address, &error);
            }
            break;
        default: {
            CFileCommitter files;
            sent = files.Write(
                       profile.name,
                       [&produce](const ByteSink& put) {
                           produce([&put](const QByteArray& bytes) { return put(bytes); });
                       },
                       &error) &&
                   m_error.isEmpty() && files.Sync(&error);
            break;
        }
        }
        if (link != nullptr) {
            produce(
                [&link, &error](const QByteArray& bytes) { return link->Write(bytes, &error); });
            sent = error.isEmpty() && m_error.isEmpty() && link->Finish(&error);
        }
    }
    QApplication::restoreOverrideCursor();
    if (m_error.isEmpty() && !sent) {
        m_error = error.isEmpty() ? tr("The labels could not be sent.") : error;
    }
    if (!m_error.isEmpty()) {
        if (isVisible()) {
            QMessageBox::warning(this, windowTitle(), m_error);
        }
        return false;
    }
    const std::unique_ptr<QSettings> store = OpenSettingsStore();
    WriteLabelPrinter(*store, profile);
    store->setValue(kKindKey, m_kind->currentIndex());
    store->setValue(kTargetKey, profile.name);
    return true;
}
