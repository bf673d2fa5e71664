#include "PrintLabelsDialog.h"

#include "LabelData.h"
#include "LabelPrinting.h"
#include "SettingsStore.h"
#include "SheetLayout.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSettings>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

const QString kSection = QStringLiteral("PrintLabels");
const QString kCustomKey = QStringLiteral("custom");

// The preview's page is drawn at a printer's common resolution, where every
// usual Density is a whole number of dots (at a screen's resolution modules
// would round to whole pixels and symbols grow past their labels), then
// shrunk by averaging each block of dots into one grey pixel.
constexpr int kPreviewDpi = 300;
constexpr int kPreviewShrink = 3;
// Changes are taken in once typing pauses: a long run takes a moment to check.
constexpr int kRefreshDelayMs = 150;
// Beyond this many labels a check takes long enough to show the wait cursor.
constexpr std::size_t kBusyLabels = 10'000;
// Refused lines listed; the rest are counted.
constexpr int kListedLines = 500;
// A file of labels larger than this is no list of labels.
constexpr qint64 kMaxFileBytes = qint64{64} << 20;
constexpr double kMilsPerMillimetre = 1000.0 / 25.4;

enum Source { kFromText, kFromSequence, kFromFile };
enum Unit { kMillimetres, kInches };

// The dialog's title, and the caption column's choice of none; functions, so
// that they are translated once the translations are installed.
QString Title() {
    return QCoreApplication::translate("CPrintLabelsDialog", "Print Labels");
}
QString NoColumn() {
    return QCoreApplication::translate("CPrintLabelsDialog", "(none)");
}

double MilsPer(int unit) {
    return unit == kInches ? 1000.0 : kMilsPerMillimetre;
}

bool IsCsv(const QString& path) {
    return path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
}

// The whole file as UTF-8 text, a byte order mark dropped; empty with *error
// set when it cannot be read. Only a plain file is read: a FIFO would hold
// the dialog up forever.
QString ReadLabelFile(const QString& path, QString* error) {
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (!info.exists()) {
        *error = QCoreApplication::translate("CPrintLabelsDialog", "%1 does not exist").arg(shown);
        return {};
    }
    if (!info.isFile()) {
        *error =
            QCoreApplication::translate("CPrintLabelsDialog", "%1 is not a plain file").arg(shown);
        return {};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QCoreApplication::translate("CPrintLabelsDialog", "%1 cannot be read: %2")
                     .arg(shown, file.errorString());
        return {};
    }
    QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (bytes.size() > kMaxFileBytes) {
        *error = QCoreApplication::translate("CPrintLabelsDialog", "%1 is larger than %2 MB")
                     .arg(shown)
                     .arg(kMaxFileBytes >> 20);
        return {};
    }
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        bytes.remove(0, 3);
    }
    return QString::fromUtf8(bytes);
}

// A 1-bit page (colour 1 ink) shrunk by a whole factor into shades of grey:
// each pixel the share of ink in its block of dots, so that a bar thinner
// than a pixel stays visible, in its true weight.
QImage ShrinkPage(const QImage& page, int factor) {
    QImage grey((page.width() + factor - 1) / factor, (page.height() + factor - 1) / factor,
                QImage::Format_Grayscale8);
    if (grey.isNull()) {
        return grey;
    }
    std::vector<int> ink(static_cast<std::size_t>(grey.width()));
    const int blockDots = factor * factor;
    for (int row = 0; row < grey.height(); ++row) {
        std::fill(ink.begin(), ink.end(), 0);
        for (int y = row * factor; y < std::min(page.height(), (row + 1) * factor); ++y) {
            const uchar* line = page.constScanLine(y);
            for (int x = 0; x < page.width(); ++x) {
                if ((x & 7) == 0 && line[x >> 3] == 0 && x + 8 <= page.width()) {
                    x += 7; // eight white dots at once
                    continue;
                }
                if ((line[x >> 3] & (0x80 >> (x & 7))) != 0) {
                    ++ink[static_cast<std::size_t>(x / factor)];
                }
            }
        }
        uchar* out = grey.scanLine(row);
        for (int x = 0; x < grey.width(); ++x) {
            out[x] = static_cast<uchar>(255 - ink[static_cast<std::size_t>(x)] * 255 / blockDots);
        }
    }
    return grey;
}

// Puts back the paper and the pages to print that the printer had, once
// labels have been printed on it: the other print commands keep theirs.
class PaperKeeper {
public:
    explicit PaperKeeper(QPrinter& printer)
        : m_printer(printer), m_layout(printer.pageLayout()), m_fullPage(printer.fullPage()),
          m_range(printer.printRange()), m_from(printer.fromPage()), m_to(printer.toPage()) {}
    ~PaperKeeper() {
        m_printer.setFullPage(m_fullPage);
        m_printer.setPageLayout(m_layout);
        m_printer.setPrintRange(m_range);
        m_printer.setFromTo(m_from, m_to);
    }
    PaperKeeper(const PaperKeeper&) = delete;
    PaperKeeper& operator=(const PaperKeeper&) = delete;

private:
    QPrinter& m_printer;
    QPageLayout m_layout;
    bool m_fullPage;
    QPrinter::PrintRange m_range;
    int m_from;
    int m_to;
};

QString StoreKey(const char* key) {
    return kSection + QLatin1Char('/') + QLatin1String(key);
}

QString Plural(qsizetype count, const QString& one, const QString& many) {
    return (count == 1 ? one : many).arg(count);
}

QSpinBox* MakeSpin(QWidget* parent, int minimum, int maximum) {
    auto* spin = new QSpinBox(parent);
    spin->setRange(minimum, maximum);
    return spin;
}

QDoubleSpinBox* MakeOffsetSpin(QWidget* parent) {
    auto* spin = new QDoubleSpinBox(parent);
    spin->setToolTip(QCoreApplication::translate("CPrintLabelsDialog",
                                                 "Negative values move the print left or up"));
    return spin;
}

} // namespace

CSheetPreview::CSheetPreview(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CSheetPreview::SetSheet(const QImage& page, const QList<QRect>& labels) {
    m_sheet = page.isNull() ? QImage() : ShrinkPage(page, kPreviewShrink);
    m_labels.clear();
    const double scale = 1.0 / kPreviewShrink;
    for (const QRect& label : labels) {
        m_labels.append(QRectF(label.x() * scale, label.y() * scale, label.width() * scale,
                               label.height() * scale));
    }
    update();
}

QSize CSheetPreview::sizeHint() const {
    return {360, 460};
}

void CSheetPreview::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (m_sheet.isNull()) {
        return;
    }
    const QRectF area = QRectF(rect()).adjusted(4, 4, -4, -4);
    const double scale = std::min(area.width() / m_sheet.width(), area.height() / m_sheet.height());
    const QSizeF size(m_sheet.width() * scale, m_sheet.height() * scale);
    const QRectF paper(area.center() - QPointF(size.width(), size.height()) / 2, size);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(paper, m_sheet);
    // The stock's labels, faintly: never printed.
    painter.setPen(QPen(QColor(200, 200, 200), 0));
    painter.setBrush(Qt::NoBrush);
    for (const QRectF& label : std::as_const(m_labels)) {
        painter.drawRect(QRectF(paper.topLeft() + label.topLeft() * scale, label.size() * scale));
    }
    painter.setPen(QPen(palette().color(QPalette::Dark), 0));
    painter.drawRect(paper);
}

CPrintLabelsDialog::CPrintLabelsDialog(const RenderRequest& symbol, const QString& fieldText,
                                       QPrinter& printer, QWidget* parent)
    : QDialog(parent), m_symbol(symbol), m_fieldText(fieldText), m_printer(printer) {
    setWindowTitle(Title());
    m_symbol.zoom = 1; // labels are printed at true size
    CreateControls();
    DescribeControls();
    RestoreChoices();
    m_offsetPrinter = m_printer.printerName();
    m_offset = ReadPrinterOffset(*OpenSettingsStore(), m_offsetPrinter);
    ShowOffset();
    m_refreshTimer.setSingleShot(true);
    m_refreshTimer.setInterval(kRefreshDelayMs);
    connect(&m_refreshTimer, &QTimer::timeout, this, &CPrintLabelsDialog::Refresh);
    Connect();
    Refresh();
}

CPrintLabelsDialog::~CPrintLabelsDialog() = default;

void CPrintLabelsDialog::DescribeControls() {
    // The file's label stands before a row of the field and its Browse
    // button: it gets the field as its buddy here, which also makes its
    // mnemonic work instead of showing as "&".
    if (auto* form = qobject_cast<QFormLayout*>(m_ui.file->parentWidget()->layout());
        form != nullptr) {
        if (QLayoutItem* item = form->itemAt(0, QFormLayout::LabelRole); item != nullptr) {
            if (auto* label = qobject_cast<QLabel*>(item->widget()); label != nullptr) {
                label->setBuddy(m_ui.file);
            }
        }
    }
    m_ui.file->setAccessibleName(tr("Label file"));
    m_ui.layout->setAccessibleName(tr("Label stock"));
    m_ui.textColumn->setAccessibleName(tr("Text column"));
    m_ui.captionColumn->setAccessibleName(tr("Caption column"));
    m_ui.offsetX->setAccessibleName(tr("Printer offset to the right"));
    m_ui.offsetY->setAccessibleName(tr("Printer offset down"));
    m_ui.offsetUnit->setAccessibleName(tr("Unit of the printer offset"));
    m_ui.refused->setAccessibleName(tr("Labels that cannot be printed"));
    m_ui.preview->setAccessibleName(tr("First sheet"));
    m_ui.preview->setAccessibleDescription(
        tr("The first sheet of labels as it prints, the stock's labels outlined faintly"));
    m_ui.startAt->setAccessibleDescription(tr("The first free label of a partly used sheet"));
    m_ui.copies->setAccessibleDescription(tr("How many times each label is printed"));
}

void CPrintLabelsDialog::CreateControls() {
    // The stock.
    auto* stockBox = new QGroupBox(tr("Label stock"), this);
    m_ui.layout = new QComboBox(stockBox);
    for (const SheetLayout& sheet : BuiltInSheets()) {
        m_ui.layout->addItem(QString::fromStdString(sheet.name + ": " + DescribeSheet(sheet)),
                             QString::fromStdString(sheet.name));
    }
    m_ui.layout->addItem(tr("Custom"), QString());
    m_ui.layout->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_ui.layout->setMinimumContentsLength(40);
    m_ui.customLayout = new QLineEdit(stockBox);
    m_ui.customLayout->setPlaceholderText(
        QStringLiteral("page=8.5x11in,grid=3x10,label=2.625x1in,margins=0.5x0.1875in"));
    m_ui.customLayout->setToolTip(
        tr("page, grid (columns x rows), label, margins (top x left) and pitch (across "
           "x down), each pair in in or mm; margins and pitch may be left out"));
    auto* stockForm = new QFormLayout(stockBox);
    stockForm->addRow(tr("&Layout:"), m_ui.layout);
    stockForm->addRow(tr("C&ustom:"), m_ui.customLayout);

    // The labels' data.
    auto* labelsBox = new QGroupBox(tr("Labels"), this);
    m_ui.fromText = new QRadioButton(tr("&Text field"), labelsBox);
    m_ui.fromSequence = new QRadioButton(tr("&Sequence"), labelsBox);
    m_ui.fromFile = new QRadioButton(tr("&File"), labelsBox);
    auto* sources = new QButtonGroup(labelsBox);
    sources->addButton(m_ui.fromText, kFromText);
    sources->addButton(m_ui.fromSequence, kFromSequence);
    sources->addButton(m_ui.fromFile, kFromFile);
    m_ui.fromText->setChecked(true);
    auto* sourceRow = new QHBoxLayout;
    sourceRow->addWidget(m_ui.fromText);
    sourceRow->addWidget(m_ui.fromSequence);
    sourceRow->addWidget(m_ui.fromFile);
    sourceRow->addStretch(1);

    m_ui.sourcePages = new QStackedWidget(labelsBox);
    auto* textPage = new QLabel(
        tr("Copies of the symbol in the Text field: %1")
            .arg(m_fieldText.isEmpty() ? tr("(empty)") : QStringLiteral("\"%1\"").arg(m_fieldText)),
        m_ui.sourcePages);
    textPage->setTextFormat(Qt::PlainText);
    textPage->setWordWrap(true);
    textPage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_ui.sourcePages->addWidget(textPage);

    auto* sequencePage = new QWidget(m_ui.sourcePages);
    const auto* wholeNumber = new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("-?[0-9]{0,19}")), sequencePage);
    m_ui.prefix = new QLineEdit(sequencePage);
    m_ui.suffix = new QLineEdit(sequencePage);
    m_ui.first = new QLineEdit(QStringLiteral("1"), sequencePage);
    m_ui.first->setValidator(wholeNumber);
    m_ui.step = new QLineEdit(QStringLiteral("1"), sequencePage);
    m_ui.step->setValidator(wholeNumber);
    m_ui.count = MakeSpin(sequencePage, 1, static_cast<int>(kMaxSheetLabels));
    m_ui.count->setValue(10);
    m_ui.digits = MakeSpin(sequencePage, 0, 20);
    m_ui.digits->setToolTip(tr("Numbers shorter than this get leading zeros"));
    auto* sequenceGrid = new QGridLayout(sequencePage);
    sequenceGrid->setContentsMargins(0, 0, 0, 0);
    const auto addCell = [sequenceGrid, sequencePage](int row, int column, const QString& text,
                                                      QWidget* field) {
        auto* label = new QLabel(text, sequencePage);
        label->setBuddy(field);
        sequenceGrid->addWidget(label, row, column * 2);
        sequenceGrid->addWidget(field, row, column * 2 + 1);
    };
    addCell(0, 0, tr("&Prefix:"), m_ui.prefix);
    addCell(0, 1, tr("Su&ffix:"), m_ui.suffix);
    addCell(1, 0, tr("First &number:"), m_ui.first);
    addCell(1, 1, tr("St&ep:"), m_ui.step);
    addCell(2, 0, tr("Cou&nt:"), m_ui.count);
    addCell(2, 1, tr("&Digits:"), m_ui.digits);
    m_ui.sourcePages->addWidget(sequencePage);

    auto* filePage = new QWidget(m_ui.sourcePages);
    m_ui.file = new QLineEdit(filePage);
    m_ui.file->setPlaceholderText(tr("one label per line, or a CSV file"));
    m_ui.browse = new QPushButton(tr("&Browse..."), filePage);
    m_ui.textColumn = new QComboBox(filePage);
    m_ui.captionColumn = new QComboBox(filePage);
    m_ui.textColumn->setEnabled(false); // until a CSV file offers its columns
    m_ui.captionColumn->setEnabled(false);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_ui.file, 1);
    fileRow->addWidget(m_ui.browse);
    auto* fileForm = new QFormLayout(filePage);
    fileForm->setContentsMargins(0, 0, 0, 0);
    fileForm->addRow(tr("F&ile:"), fileRow);
    fileForm->addRow(tr("Te&xt column:"), m_ui.textColumn);
    fileForm->addRow(tr("Caption c&olumn:"), m_ui.captionColumn);
    m_ui.sourcePages->addWidget(filePage);

    m_ui.caption = new QLineEdit(labelsBox);
    m_ui.caption->setPlaceholderText(tr("none"));
    m_ui.caption->setToolTip(tr("A line of text above every symbol"));
    auto* captionForm = new QFormLayout;
    captionForm->addRow(tr("C&aption:"), m_ui.caption);
    auto* labelsLayout = new QVBoxLayout(labelsBox);
    labelsLayout->addLayout(sourceRow);
    labelsLayout->addWidget(m_ui.sourcePages);
    labelsLayout->addLayout(captionForm);

    // How they are printed.
    auto* printingBox = new QGroupBox(tr("Printing"), this);
    m_ui.startAt = MakeSpin(printingBox, 1, 1);
    m_ui.copies = MakeSpin(printingBox, 1, kMaxCopies);
    m_ui.outlines = new QCheckBox(tr("Print label &outlines"), printingBox);
    m_ui.offsetPrinter = new QLabel(printingBox);
    m_ui.offsetX = MakeOffsetSpin(printingBox);
    m_ui.offsetY = MakeOffsetSpin(printingBox);
    m_ui.offsetUnit = new QComboBox(printingBox);
    m_ui.offsetUnit->addItem(QStringLiteral("mm"));
    m_ui.offsetUnit->addItem(QStringLiteral("in"));
    auto* offsetRow = new QHBoxLayout;
    offsetRow->addWidget(new QLabel(tr("Right:"), printingBox));
    offsetRow->addWidget(m_ui.offsetX);
    offsetRow->addWidget(new QLabel(tr("Down:"), printingBox));
    offsetRow->addWidget(m_ui.offsetY);
    offsetRow->addWidget(m_ui.offsetUnit);
    offsetRow->addStretch(1);
    auto* printingForm = new QFormLayout(printingBox);
    printingForm->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    printingForm->addRow(tr("Start at &label:"), m_ui.startAt);
    printingForm->addRow(tr("&Copies of each label:"), m_ui.copies);
    printingForm->addRow(m_ui.outlines);
    printingForm->addRow(m_ui.offsetPrinter);
    printingForm->addRow(offsetRow);

    // The first sheet, and why nothing can be printed.
    auto* previewBox = new QGroupBox(tr("First sheet"), this);
    m_ui.preview = new CSheetPreview(previewBox);
    m_ui.summary = new QLabel(previewBox);
    auto* previewLayout = new QVBoxLayout(previewBox);
    previewLayout->addWidget(m_ui.preview, 1);
    previewLayout->addWidget(m_ui.summary);
    m_ui.reason = new QLabel(this);
    m_ui.reason->setWordWrap(true);
    m_ui.reason->setTextFormat(Qt::PlainText);
    m_ui.refused = new QListWidget(this);
    m_ui.refused->setMaximumHeight(fontMetrics().height() * 6);

    auto* buttons = new QDialogButtonBox(this);
    m_ui.print = buttons->addButton(tr("&Print..."), QDialogButtonBox::ActionRole);
    m_ui.printPreview = buttons->addButton(tr("Print Pre&view..."), QDialogButtonBox::ActionRole);
    m_ui.alignment = buttons->addButton(tr("Print ali&gnment page"), QDialogButtonBox::ActionRole);
    m_ui.close = buttons->addButton(QDialogButtonBox::Close);
    m_ui.print->setDefault(true);

    auto* left = new QVBoxLayout;
    left->addWidget(stockBox);
    left->addWidget(labelsBox);
    left->addWidget(printingBox);
    left->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addWidget(previewBox, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(m_ui.reason);
    layout->addWidget(m_ui.refused);
    layout->addWidget(buttons);
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
    for (QComboBox* combo : {m_ui.layout, m_ui.textColumn, m_ui.captionColumn}) {
        connect(combo, &QComboBox::currentIndexChanged, this, refresh);
    }
    // The places on a sheet bound "Start at label" at once.
    const auto applyLayout = [this] {
        std::string error;
        ApplyLayout(&error);
    };
    connect(m_ui.layout, &QComboBox::currentIndexChanged, this, applyLayout);
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
        const QString path =
            QFileDialog::getOpenFileName(this, tr("Labels"), QFileInfo(m_ui.file->text()).path(),
                                         tr("Label files (*.txt *.csv);;All files (*)"));
        if (!path.isEmpty()) {
            m_loadedPath.clear(); // read again, even the same file
            m_ui.file->setText(path);
            Refresh();
        }
    });
    connect(m_ui.offsetX, &QDoubleSpinBox::valueChanged, this, [this] { OnOffsetEdited(true); });
    connect(m_ui.offsetY, &QDoubleSpinBox::valueChanged, this, [this] { OnOffsetEdited(false); });
    connect(m_ui.offsetUnit, &QComboBox::currentIndexChanged, this,
            &CPrintLabelsDialog::ShowOffset);
    connect(m_ui.print, &QPushButton::clicked, this, &CPrintLabelsDialog::Print);
    connect(m_ui.printPreview, &QPushButton::clicked, this, &CPrintLabelsDialog::PrintPreview);
    connect(m_ui.alignment, &QPushButton::clicked, this, &CPrintLabelsDialog::PrintAlignment);
    connect(m_ui.close, &QPushButton::clicked, this, &QDialog::reject);
}

void CPrintLabelsDialog::ScheduleRefresh() {
    m_refreshTimer.start();
}

void CPrintLabelsDialog::LoadFile() {
    const QString path = m_ui.file->text();
    if (path == m_loadedPath) {
        return;
    }
    m_loadedPath = path;
    m_fileError.clear();
    m_fileText = path.isEmpty() ? QString() : ReadLabelFile(path, &m_fileError);
    // A CSV file's columns, keeping the ones chosen where the new file has
    // them, else those named "text" and "caption".
    const QStringList columns = IsCsv(path) ? CsvColumns(m_fileText) : QStringList();
    const auto refill = [&columns](QComboBox* combo, const QString& fallback, bool none) {
        const QString chosen = combo->currentText();
        const QSignalBlocker quiet(combo);
        combo->clear();
        if (none) {
            combo->addItem(NoColumn());
        }
        combo->addItems(columns);
        const int kept = combo->findText(chosen);
        combo->setCurrentIndex(kept >= 0 ? kept : std::max(combo->findText(fallback), 0));
        combo->setEnabled(!columns.isEmpty());
    };
    refill(m_ui.textColumn, QStringLiteral("text"), false);
    refill(m_ui.captionColumn, QStringLiteral("caption"), true);
}

QList<LabelText> CPrintLabelsDialog::SourceLabels(QString* error) const {
    const QString caption = m_ui.caption->text();
    if (m_ui.fromText->isChecked()) {
        if (m_fieldText.isEmpty()) {
            *error = tr("the Text field is empty");
            return {};
        }
        return {LabelText{1, m_fieldText, caption}};
    }
    if (m_ui.fromSequence->isChecked()) {
        LabelSequence sequence;
        bool firstOk = false;
        bool stepOk = false;
        sequence.first = m_ui.first->text().toLongLong(&firstOk);
        sequence.step = m_ui.step->text().toLongLong(&stepOk);
        if (!firstOk || !stepOk) {
            *error = firstOk ? tr("the step must be a whole number")
                             : tr("the first number must be a whole number");
            return {};
        }
        sequence.prefix = m_ui.prefix->text();
        sequence.suffix = m_ui.suffix->text();
        sequence.count = m_ui.count->value();
        sequence.width = m_ui.digits->value();
        QList<LabelText> labels = SequenceLabels(sequence, error);
        for (LabelText& label : labels) {
            label.caption = caption;
        }
        return labels;
    }
    const QString path = m_ui.file->text();
    if (path.isEmpty()) {
        *error = tr("choose a file of labels");
        return {};
    }
    if (!m_fileError.isEmpty()) {
        *error = m_fileError;
        return {};
    }
    QList<LabelText> labels;
    if (!IsCsv(path)) {
        labels = LineLabels(m_fileText, caption);
    } else if (m_ui.textColumn->count() == 0) {
        *error = tr("the CSV file has no header row");
        return {};
    } else {
        const bool captionColumn = m_ui.captionColumn->currentIndex() > 0;
        labels = CsvLabels(m_fileText, m_ui.textColumn->currentText(),
                           captionColumn ? m_ui.captionColumn->currentText() : QString(), error);
        for (LabelText& label : labels) {
            label.caption = captionColumn ? label.caption : caption;
        }
    }
    if (labels.isEmpty() && error->isEmpty()) {
        *error = tr("the file holds no labels");
    }
    return labels;
}

void CPrintLabelsDialog::ApplyLayout(std::string* error) {
    const QString name = m_ui.layout->currentData().toString();
    m_ui.customLayout->setEnabled(name.isEmpty());
    const std::optional<SheetLayout> layout =
        ParseSheetLayout((name.isEmpty() ? m_ui.customLayout->text() : name).toStdString(), error);
    m_layoutUsable = layout.has_value();
    if (layout) {
        m_job.layout = *layout;
        m_ui.startAt->setMaximum(layout->LabelsPerSheet());
        m_ui.startAt->setSuffix(tr(" of %1").arg(layout->LabelsPerSheet()));
    }
}

void CPrintLabelsDialog::Refresh() {
    m_refreshTimer.stop();
    const int source = m_ui.fromSequence->isChecked() ? kFromSequence
                       : m_ui.fromFile->isChecked()   ? kFromFile
                                                      : kFromText;
    m_ui.sourcePages->setCurrentIndex(source);
    if (source == kFromFile) {
        LoadFile();
    }
    const bool csvCaptions =
        source == kFromFile && IsCsv(m_ui.file->text()) && m_ui.captionColumn->currentIndex() > 0;
    m_ui.caption->setEnabled(!csvCaptions);

    std::string layoutError;
    ApplyLayout(&layoutError);
    m_job.symbol = m_symbol;
    m_job.startAt = m_ui.startAt->value();
    m_job.copies = m_ui.copies->value();
    m_job.outlines = m_ui.outlines->isChecked();
    m_job.offsetX = m_offset.x;
    m_job.offsetY = m_offset.y;
    m_job.labels.clear();

    QString reason;
    QStringList lines;
    QString sourceError;
    const QList<LabelText> texts = m_layoutUsable ? SourceLabels(&sourceError) : QList<LabelText>();
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
    m_ui.alignment->setEnabled(m_layoutUsable);
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
    // The sheet as it should come off the printer: the printer's offset only
    // makes up for where that printer puts its page.
    const double offsetX = std::exchange(m_job.offsetX, 0.0);
    const double offsetY = std::exchange(m_job.offsetY, 0.0);
    QList<QRect> labels;
    for (int place = 0; place < m_job.layout.LabelsPerSheet(); ++place) {
        labels.append(LabelRectOnPage(m_job, place, kPreviewDpi, kPreviewDpi));
    }
    m_ui.preview->SetSheet(RenderSheetPage(m_job, 0, kPreviewDpi, kPreviewDpi), labels);
    m_job.offsetX = offsetX;
    m_job.offsetY = offsetY;
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

void CPrintLabelsDialog::FollowPrinter() {
    const QString printer = m_printer.printerName();
    if (printer == m_offsetPrinter) {
        return;
    }
    m_offsetPrinter = printer;
    m_offset = ReadPrinterOffset(*OpenSettingsStore(), printer);
    ShowOffset();
}

void CPrintLabelsDialog::ShowOffset() {
    m_ui.offsetPrinter->setText(
        tr("Printer offset for %1:")
            .arg(m_offsetPrinter.isEmpty() ? tr("PDF output") : m_offsetPrinter));
    const int unit = m_ui.offsetUnit->currentIndex();
    const double perUnit = MilsPer(unit);
    const auto show = [unit, perUnit](QDoubleSpinBox* spin, double mils) {
        const QSignalBlocker quiet(spin);
        spin->setDecimals(unit == kInches ? 4 : 3);
        spin->setSingleStep(unit == kInches ? 0.01 : 0.1);
        spin->setRange(-kMaxPrinterOffsetMils / perUnit, kMaxPrinterOffsetMils / perUnit);
        spin->setValue(mils / perUnit);
    };
    show(m_ui.offsetX, m_offset.x);
    show(m_ui.offsetY, m_offset.y);
    m_job.offsetX = m_offset.x;
    m_job.offsetY = m_offset.y;
}

void CPrintLabelsDialog::OnOffsetEdited(bool across) {
    // Only the value typed: the other keeps its mils, never rounded to the
    // field's decimals.
    const QDoubleSpinBox* spin = across ? m_ui.offsetX : m_ui.offsetY;
    (across ? m_offset.x : m_offset.y) = spin->value() * MilsPer(m_ui.offsetUnit->currentIndex());
    m_job.offsetX = m_offset.x;
    m_job.offsetY = m_offset.y;
    WritePrinterOffset(*OpenSettingsStore(), m_offsetPrinter, m_offset);
}

void CPrintLabelsDialog::Print() {
    Refresh();
    if (!m_ui.print->isEnabled()) {
        return;
    }
    const PaperKeeper keeper(m_printer);
    SetUpSheetPrinter(m_printer, m_job.layout);
    m_printer.setPrintRange(QPrinter::AllPages);
    const int pages = SheetPageCount(m_job);
    QPrintDialog dialog(&m_printer, this);
    dialog.setWindowTitle(Title());
    dialog.setMinMax(1, pages);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    FollowPrinter(); // another printer has its own offset
    int first = 0;
    int last = pages - 1;
    if (m_printer.printRange() == QPrinter::PageRange) {
        first = std::clamp(m_printer.fromPage() - 1, 0, last);
        last = std::clamp(m_printer.toPage() - 1, first, last);
    }
    switch (PrintSheetJob(m_printer, m_job, first, last, this)) {
    case PrintRun::Printed:
        accept();
        break;
    case PrintRun::Stopped:
        break;
    case PrintRun::Failed:
        QMessageBox::warning(this, Title(), tr("The labels could not be printed."));
        break;
    }
}

void CPrintLabelsDialog::PrintPreview() {
    Refresh();
    if (!m_ui.printPreview->isEnabled()) {
        return;
    }
    const PaperKeeper keeper(m_printer);
    SetUpSheetPrinter(m_printer, m_job.layout);
    m_printer.setPrintRange(QPrinter::AllPages);
    QPrintPreviewDialog preview(&m_printer, this);
    preview.setWindowTitle(Title());
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this, &preview](QPrinter* target) {
                FollowPrinter(); // the preview's own Print may choose another
                PrintSheetJob(*target, m_job, 0, SheetPageCount(m_job) - 1, &preview);
            });
    preview.exec();
}

void CPrintLabelsDialog::PrintAlignment() {
    Refresh();
    if (!m_layoutUsable) {
        return;
    }
    const PaperKeeper keeper(m_printer);
    SetUpSheetPrinter(m_printer, m_job.layout);
    m_printer.setPrintRange(QPrinter::AllPages);
    QPrintDialog dialog(&m_printer, this);
    dialog.setWindowTitle(tr("Print Alignment Page"));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    FollowPrinter();
    if (PrintAlignmentPage(m_printer, m_job) == PrintRun::Failed) {
        QMessageBox::warning(this, Title(), tr("The alignment page could not be printed."));
    }
}

void CPrintLabelsDialog::done(int result) {
    RememberChoices();
    QDialog::done(result);
}

void CPrintLabelsDialog::RestoreChoices() {
    const std::unique_ptr<QSettings> store = OpenSettingsStore();
    const auto text = [&store](const char* key, const QString& fallback = {}) {
        return store->value(StoreKey(key), fallback).toString();
    };
    const auto number = [&store](const char* key, int fallback) {
        return ReadProfileInt(*store, kSection, QLatin1String(key), fallback);
    };
    const QString layout = text("Layout");
    const int index = layout == kCustomKey ? m_ui.layout->count() - 1
                      : layout.isEmpty()   ? 0
                                           : m_ui.layout->findData(layout);
    m_ui.layout->setCurrentIndex(std::max(index, 0));
    m_ui.customLayout->setText(text("CustomLayout"));
    switch (number("Source", kFromText)) {
    case kFromSequence:
        m_ui.fromSequence->setChecked(true);
        break;
    case kFromFile:
        m_ui.fromFile->setChecked(true);
        break;
    default:
        m_ui.fromText->setChecked(true);
        break;
    }
    m_ui.prefix->setText(text("Prefix"));
    m_ui.suffix->setText(text("Suffix"));
    m_ui.first->setText(text("First", QStringLiteral("1")));
    m_ui.step->setText(text("Step", QStringLiteral("1")));
    m_ui.count->setValue(number("Count", m_ui.count->value()));
    m_ui.digits->setValue(number("Digits", 0));
    m_ui.file->setText(text("File"));
    // The columns are offered once the file is read: the chosen ones wait.
    if (const QString column = text("TextColumn"); !column.isEmpty()) {
        m_ui.textColumn->addItem(column);
    }
    if (store->contains(StoreKey("CaptionColumn"))) {
        const QString column = text("CaptionColumn");
        m_ui.captionColumn->addItem(column.isEmpty() ? NoColumn() : column);
    }
    m_ui.caption->setText(text("Caption"));
    m_ui.outlines->setChecked(number("Outlines", 0) != 0);
    m_ui.offsetUnit->setCurrentIndex(number("OffsetUnit", kMillimetres) == kInches ? kInches
                                                                                   : kMillimetres);
}

void CPrintLabelsDialog::RememberChoices() const {
    const std::unique_ptr<QSettings> store = OpenSettingsStore();
    const QString layout = m_ui.layout->currentData().toString();
    const int source = m_ui.fromSequence->isChecked() ? kFromSequence
                       : m_ui.fromFile->isChecked()   ? kFromFile
                                                      : kFromText;
    const std::pair<const char*, QVariant> values[] = {
        {"Layout", layout.isEmpty() ? kCustomKey : layout},
        {"CustomLayout", m_ui.customLayout->text()},
        {"Source", source},
        {"Prefix", m_ui.prefix->text()},
        {"Suffix", m_ui.suffix->text()},
        {"First", m_ui.first->text()},
        {"Step", m_ui.step->text()},
        {"Count", m_ui.count->value()},
        {"Digits", m_ui.digits->value()},
        {"File", m_ui.file->text()},
        {"Caption", m_ui.caption->text()},
        {"Outlines", m_ui.outlines->isChecked() ? 1 : 0},
        {"OffsetUnit", m_ui.offsetUnit->currentIndex()},
    };
    for (const auto& [key, value] : values) {
        store->setValue(StoreKey(key), value);
    }
    // The columns only once a CSV file has offered them.
    if (m_ui.textColumn->isEnabled()) {
        store->setValue(StoreKey("TextColumn"), m_ui.textColumn->currentText());
        store->setValue(StoreKey("CaptionColumn"), m_ui.captionColumn->currentIndex() > 0
                                                       ? m_ui.captionColumn->currentText()
                                                       : QString());
    }
}
