#include "PrintLabelsDialog.h"

#include "DesignSeed.h"
#include "DeviceMapping.h"
#include "LabelCatalog.h"
#include "LabelPrinterDialog.h"
#include "LabelSourceBox.h"
#include "PrintLabelsChoices.h"
#include "PrintLabelsPrinter.h"
#include "SheetLayout.h"
#include "ui_LabelSourceBox.h"
#include "ui_PrintLabelsDialog.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Changes are taken in once typing pauses: a long run takes a moment to check.
constexpr int kRefreshDelayMs = 150;
// Beyond this many labels a check takes long enough to show the wait cursor.
constexpr std::size_t kBusyLabels = 10'000;
// Refused lines listed; the rest are counted.
constexpr int kListedLines = 500;

QString Plural(qsizetype count, const QString& one, const QString& many) {
    return (count == 1 ? one : many).arg(count);
}

} // namespace

CPrintLabelsDialog::CPrintLabelsDialog(const RenderRequest& symbol, const QString& fieldText,
                                       QPrinter& printer, QWidget* parent)
    : QDialog(parent), m_form(std::make_unique<Ui::CPrintLabelsDialog>()), m_symbol(symbol) {
    m_symbol.zoom = 1; // labels are printed at true size
    m_form->setupUi(this);
    CompleteForm();
    m_source->SetFieldText(fieldText);
    m_fieldText = fieldText;
    m_ui.barHeight->setValue(static_cast<double>(m_symbol.heightMils) / kMilsPerInch);
    m_printer = std::make_unique<PrintLabelsPrinter>(m_ui, printer, m_job);
    RestorePrintLabelsChoices(m_ui);
    m_printer->ShowOffset();
    m_refreshTimer.setSingleShot(true);
    m_refreshTimer.setInterval(kRefreshDelayMs);
    connect(&m_refreshTimer, &QTimer::timeout, this, &CPrintLabelsDialog::Refresh);
    Connect();
    Refresh();
}

CPrintLabelsDialog::~CPrintLabelsDialog() = default;

void CPrintLabelsDialog::CompleteForm() {
    Ui::CPrintLabelsDialog& form = *m_form;
    m_source = form.labelsBox;
    const Ui::CLabelSourceBox& source = m_source->Form();
    // A search over the stock: the built-in and the system's label catalog.
    m_findStock = new QLineEdit(this);
    m_findStock->setPlaceholderText(tr("part number, brand or words: 5160, L7160, address"));
    auto* findLabel = new QLabel(tr("Fi&nd stock:"), this);
    findLabel->setBuddy(m_findStock);
    form.stockForm->insertRow(0, findLabel, m_findStock);
    setTabOrder(m_findStock, form.layout);
    ListStock();
    form.copies->setMaximum(kMaxCopies);
    form.refused->setMaximumHeight(fontMetrics().height() * 6);
    // A form cannot put buttons of its own in a button box; made here, before
    // Close, they also come before it in the tab order.
    QPushButton* print = form.buttons->addButton(tr("&Print..."), QDialogButtonBox::ActionRole);
    QPushButton* printPreview =
        form.buttons->addButton(tr("Print Pre&view..."), QDialogButtonBox::ActionRole);
    QPushButton* alignment =
        form.buttons->addButton(tr("Print ali&gnment page"), QDialogButtonBox::ActionRole);
    QPushButton* labelPrinter =
        form.buttons->addButton(tr("To label p&rinter..."), QDialogButtonBox::ActionRole);
    QPushButton* design = form.buttons->addButton(tr("&Design..."), QDialogButtonBox::ActionRole);
    QPushButton* close = form.buttons->addButton(QDialogButtonBox::Close);
    print->setDefault(true);
    m_ui = Controls{.findStock = m_findStock,
                    .layout = form.layout,
                    .customLayout = form.customLayout,
                    .barHeight = form.barHeight,
                    .fromText = source.fromText,
                    .fromSequence = source.fromSequence,
                    .fromFile = source.fromFile,
                    .sourcePages = source.sourcePages,
                    .prefix = source.prefix,
                    .first = source.first,
                    .step = source.step,
                    .count = source.count,
                    .digits = source.digits,
                    .suffix = source.suffix,
                    .file = source.file,
                    .browse = source.browse,
                    .textColumn = source.textColumn,
                    .captionColumn = source.captionColumn,
                    .caption = source.caption,
                    .startAt = form.startAt,
                    .copies = form.copies,
                    .outlines = form.outlines,
                    .offsetPrinter = form.offsetPrinter,
                    .offsetX = form.offsetX,
                    .offsetY = form.offsetY,
                    .offsetUnit = form.offsetUnit,
                    .calibrate = form.calibrate,
                    .preview = form.preview,
                    .summary = form.summary,
                    .reason = form.reason,
                    .refused = form.refused,
                    .print = print,
                    .printPreview = printPreview,
                    .alignment = alignment,
                    .labelPrinter = labelPrinter,
                    .design = design,
                    .close = close};
}

void CPrintLabelsDialog::Connect() {
    const auto refresh = [this] { ScheduleRefresh(); };
    for (QLineEdit* edit : {m_ui.customLayout, m_ui.prefix, m_ui.first, m_ui.step, m_ui.suffix,
                            m_ui.file, m_ui.caption}) {
        connect(edit, &QLineEdit::textChanged, this, refresh);
    }
    for (QSpinBox* spin : {m_ui.count, m_ui.digits, m_ui.startAt, m_ui.copies}) {
        connect(spin, &QSpinBox::valueChanged, this, refresh);
    }
    connect(m_ui.barHeight, &QDoubleSpinBox::valueChanged, this, refresh);
    for (QComboBox* combo : {m_ui.layout, m_ui.textColumn, m_ui.captionColumn}) {
        connect(combo, &QComboBox::currentIndexChanged, this, refresh);
    }
    // The places on a sheet bound "Start at label" at once.
    const auto applyLayout = [this] {
        std::string error;
        ApplyLayout(&error);
    };
    connect(m_ui.layout, &QComboBox::currentIndexChanged, this, applyLayout);
    connect(m_findStock, &QLineEdit::textChanged, this, [this] {
        ListStock();
        std::string error;
        ApplyLayout(&error);
    });
    connect(m_ui.customLayout, &QLineEdit::textChanged, this, applyLayout);
    connect(m_ui.outlines, &QCheckBox::toggled, this, refresh);
    for (QRadioButton* source : {m_ui.fromText, m_ui.fromSequence, m_ui.fromFile}) {
        connect(source, &QRadioButton::toggled, this, [refresh](bool on) {
            if (on) {
                refresh();
            }
        });
    }
    connect(m_ui.browse, &QPushButton::clicked, this, [this] {
        if (m_source->Browse()) {
            Refresh();
        }
    });
    connect(m_ui.offsetX, &QDoubleSpinBox::valueChanged, this,
            [this] { m_printer->OnOffsetEdited(true); });
    connect(m_ui.offsetY, &QDoubleSpinBox::valueChanged, this,
            [this] { m_printer->OnOffsetEdited(false); });
    connect(m_ui.offsetUnit, &QComboBox::currentIndexChanged, this,
            [this] { m_printer->ShowOffset(); });
    connect(m_ui.calibrate, &QPushButton::clicked, this, [this] {
        Refresh();
        if (m_layoutUsable) {
            m_printer->Calibrate(this);
        }
    });
    connect(m_ui.print, &QPushButton::clicked, this, &CPrintLabelsDialog::Print);
    // The designer goes on from what the dialog shows; the dialog closes.
    connect(m_ui.design, &QPushButton::clicked, this, [this] {
        Refresh();
        m_designer = SeedDesign(m_ui, m_job, m_fieldText);
        done(QDialog::Rejected);
    });
    connect(m_ui.printPreview, &QPushButton::clicked, this, &CPrintLabelsDialog::PrintPreview);
    connect(m_ui.alignment, &QPushButton::clicked, this, &CPrintLabelsDialog::PrintAlignment);
    connect(m_ui.labelPrinter, &QPushButton::clicked, this, [this] {
        Refresh();
        if (m_ui.print->isEnabled()) {
            CLabelPrinterDialog(m_job, this).exec();
        }
    });
    connect(m_ui.close, &QPushButton::clicked, this, &QDialog::reject);
}

void CPrintLabelsDialog::ListStock() {
    QComboBox* list = m_form->layout;
    const QString chosen = list->currentData().toString();
    const bool custom = list->count() > 0 && list->currentIndex() == list->count() - 1;
    const QStringList words = m_findStock->text().split(u' ', Qt::SkipEmptyParts);
    const QSignalBlocker quiet(list);
    list->clear();
    for (const SheetLayout& sheet : BuiltInSheets()) {
        const QString text = QString::fromStdString(sheet.name + ": " + DescribeSheet(sheet));
        if (std::all_of(words.begin(), words.end(), [&text](const QString& word) {
                return text.contains(word, Qt::CaseInsensitive);
            })) {
            list->addItem(text, QString::fromStdString(sheet.name));
        }
    }
    for (const CatalogStock* stock : FindStock(SystemLabelCatalog(), words)) {
        const QString name = QString::fromStdString(stock->layout.name);
        list->addItem(QStringLiteral("%1: %2; %3")
                          .arg(name, QString::fromStdString(DescribeSheet(stock->layout)),
                               stock->description),
                      name);
    }
    list->addItem(tr("Custom"), QString());
    const int kept = custom ? list->count() - 1 : list->findData(chosen);
    list->setCurrentIndex(kept >= 0 ? kept : 0);
    if (list->currentData().toString() != chosen ||
        (list->currentIndex() == list->count() - 1) != custom) {
        ScheduleRefresh();
    }
}

void CPrintLabelsDialog::ScheduleRefresh() {
    m_refreshTimer.start();
}

void CPrintLabelsDialog::ApplyLayout(std::string* error) {
    const QString name = m_ui.layout->currentData().toString();
    m_ui.customLayout->setEnabled(name.isEmpty());
    const std::optional<SheetLayout> layout =
        ParseStock((name.isEmpty() ? m_ui.customLayout->text() : name).toStdString(), error);
    m_layoutUsable = layout.has_value();
    if (layout) {
        m_job.layout = *layout;
        m_ui.startAt->setMaximum(layout->LabelsPerSheet());
        m_ui.startAt->setSuffix(tr(" of %1").arg(layout->LabelsPerSheet()));
    }
}

void CPrintLabelsDialog::Refresh() {
    m_refreshTimer.stop();
    m_source->Update();
    std::string layoutError;
    ApplyLayout(&layoutError);
    m_job.symbol = m_symbol;
    m_job.symbol.heightMils =
        static_cast<std::int32_t>(std::lround(m_ui.barHeight->value() * kMilsPerInch));
    m_job.startAt = m_ui.startAt->value();
    m_job.copies = m_ui.copies->value();
    m_job.outlines = m_ui.outlines->isChecked();
    m_printer->ApplyCorrection();
    m_job.labels.clear();

    QString reason;
    QStringList lines;
    QString sourceError;
    const QList<LabelText> texts =
        m_layoutUsable ? m_source->Labels(&sourceError) : QList<LabelText>();
    const bool busy = static_cast<std::size_t>(texts.size()) > kBusyLabels;
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    if (!m_layoutUsable) {
        reason = tr("The layout cannot be used: %1").arg(QString::fromStdString(layoutError));
    } else if (!sourceError.isEmpty()) {
        reason = tr("No labels: %1").arg(sourceError);
    } else {
        // A record without text would print a symbol of nothing.
        QList<LabelText> present;
        present.reserve(texts.size());
        for (const LabelText& label : texts) {
            if (label.text.isEmpty()) {
                lines.append(tr("line %1: there is no text").arg(label.line));
            } else {
                present.append(label);
            }
        }
        CheckedLabels checked = CheckLabels(m_symbol.symbology, present, m_symbol.widths.codeSets);
        lines += checked.refused;
        m_job.labels = std::move(checked.labels);
        FitContinuousLength(m_job);
        if (!lines.isEmpty()) {
            reason = tr("Nothing is printed while any label cannot be drawn: %1 of %2:")
                         .arg(lines.size())
                         .arg(texts.size());
        } else if (const QString fault = SheetJobFault(m_job); !fault.isEmpty()) {
            reason = tr("Nothing can be printed: %1").arg(fault);
        } else if (lines = LabelsThatDoNotFit(m_job); !lines.isEmpty()) {
            reason = tr("Nothing is printed while any symbol is larger than its "
                        "label: %1 of %2:")
                         .arg(lines.size())
                         .arg(texts.size());
        }
    }
    ShowProblems(reason, lines);
    ShowPreview();
    if (busy) {
        QApplication::restoreOverrideCursor();
    }
}

void CPrintLabelsDialog::ShowProblems(const QString& reason, const QStringList& lines) {
    m_reason = reason;
    m_refusedLines = lines;
    m_ui.reason->setText(reason);
    m_ui.reason->setVisible(!reason.isEmpty());
    m_ui.refused->clear();
    m_ui.refused->addItems(lines.mid(0, kListedLines));
    if (lines.size() > kListedLines) {
        m_ui.refused->addItem(tr("... and %1 more").arg(lines.size() - kListedLines));
    }
    m_ui.refused->setVisible(!lines.isEmpty());
    const bool printable = reason.isEmpty() && !m_job.labels.empty();
    m_ui.print->setEnabled(printable);
    m_ui.printPreview->setEnabled(printable);
    m_ui.labelPrinter->setEnabled(printable);
    m_ui.alignment->setEnabled(m_layoutUsable);
    m_ui.calibrate->setEnabled(m_layoutUsable);
    const QString why = reason.isEmpty() ? QString() : reason;
    m_ui.print->setToolTip(why);
    m_ui.printPreview->setToolTip(why);
}

QStringList CPrintLabelsDialog::Problems() const {
    if (m_reason.isEmpty()) {
        return {};
    }
    return QStringList{m_reason} + m_refusedLines;
}

void CPrintLabelsDialog::ShowPreview() {
    if (!m_layoutUsable) {
        m_ui.preview->SetSheet({}, {});
        m_ui.summary->clear();
        return;
    }
    m_ui.preview->ShowFirstSheet(m_job);
    if (m_job.labels.empty()) {
        m_ui.summary->clear();
        return;
    }
    const int pages = SheetPageCount(m_job);
    m_ui.summary->setText(
        tr("%1 on %2")
            .arg(Plural(static_cast<qsizetype>(m_job.labels.size()) * m_job.copies, tr("%1 label"),
                        tr("%1 labels")),
                 pages == 1 ? tr("one sheet") : tr("%1 sheets; the first is shown").arg(pages)));
}

void CPrintLabelsDialog::Print() {
    Refresh();
    if (m_ui.print->isEnabled() && m_printer->Print(this)) {
        accept();
    }
}

void CPrintLabelsDialog::PrintPreview() {
    Refresh();
    if (m_ui.printPreview->isEnabled()) {
        m_printer->Preview(this);
    }
}

void CPrintLabelsDialog::PrintAlignment() {
    Refresh();
    if (m_layoutUsable) {
        m_printer->PrintAlignment(this);
    }
}

void CPrintLabelsDialog::done(int result) {
    RememberPrintLabelsChoices(m_ui);
    QDialog::done(result);
}
