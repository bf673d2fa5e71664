#include "BarcodeOutput.h"

#include "AchievedSize.h"
#include "BarcodeView.h"
#include "FieldValues.h"
#include "FileCommit.h"
#include "OutputFormat.h"
#include "Placement.h"
#include "VectorScene.h"
#include "WholeBlockWriter.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImageWriter>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>

namespace {

const QString kTitle = QStringLiteral("Quillmark");
constexpr double kMetresPerInch = 0.0254;
// Far beyond any device; keeps a bitmap's dots-per-metre field in range.
constexpr int kMaxImageDpi = 1'000'000;

} // namespace

CBarcodeOutput::CBarcodeOutput(CBarcodeView& view) : m_view(view) {}

CBarcodeOutput::~CBarcodeOutput() = default;

QPrinter& CBarcodeOutput::Printer() {
    if (m_pPrinter != nullptr) {
        return *m_pPrinter;
    }
    if (!m_pOwnPrinter) {
        m_pOwnPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *m_pOwnPrinter;
}

bool CBarcodeOutput::PrintPage(QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    // The painter's origin is the printable area's top-left corner, and the
    // device's size is that area's. One page only: no newPage() ever.
    m_view.OnDraw(painter,
                  m_view.OnPrepareDC(printer, QRect(0, 0, printer.width(), printer.height())));
    return painter.end();
}

void CBarcodeOutput::Print() {
    QPrinter& printer = Printer();
    QPrintDialog dialog(&printer, m_view.window());
    dialog.setMinMax(1, 1);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() == QDialog::Accepted) {
        PrintPage(printer);
    }
}

void CBarcodeOutput::PrintDirect() {
    PrintPage(Printer()); // the current printer, no dialog
}

QString CBarcodeOutput::PrinterSizeText(const QPrinter& printer) const {
    const std::unique_ptr<CBarcode> barcode = m_view.BuildSymbol();
    if (!barcode) {
        return {};
    }
    return AchievedSizeText(*barcode, m_view.OnPrepareDC(printer, QRect()), QStringLiteral("dots"));
}

void CBarcodeOutput::PrintPreview() {
    QPrintPreviewDialog preview(&Printer(), m_view.window());
    // What the printer's own resolution makes of the symbol, below the pages.
    auto* sizes = new QLabel(PrinterSizeText(Printer()), &preview);
    sizes->setObjectName(QStringLiteral("printerSizes"));
    if (preview.layout() != nullptr) {
        preview.layout()->addWidget(sizes);
    }
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, sizes,
                     [this, sizes](QPrinter* target) { sizes->setText(PrinterSizeText(*target)); });
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &m_view,
                     [this](QPrinter* target) { PrintPage(*target); });
    preview.exec();
}

QImage CBarcodeOutput::RenderToImage(int dpiX, int dpiY, const QSize& pixelSize) {
    if (pixelSize.isEmpty() || dpiX <= 0 || dpiY <= 0 || dpiX > kMaxImageDpi ||
        dpiY > kMaxImageDpi) {
        return {};
    }
    QImage image(pixelSize, QImage::Format_RGB32);
    if (image.isNull()) {
        return image; // too large to allocate
    }
    image.setDotsPerMeterX(qRound(dpiX / kMetresPerInch));
    image.setDotsPerMeterY(qRound(dpiY / kMetresPerInch));
    image.fill(Qt::white);
    QPainter painter(&image);
    // Bitmaps become monochrome: keep the text's edges as clean as the bars'.
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    m_view.OnDraw(painter, m_view.OnPrepareDC(image, image.rect()));
    painter.end();
    return image;
}

QImage CBarcodeOutput::RenderBitmap(bool wholeViewInTileMode) {
    // Sized and drawn from the same, current values: the fields may have
    // changed since the last draw (the caret still in the Text field).
    const std::unique_ptr<CBarcode> barcode = m_view.BuildSymbol();
    if (!barcode) {
        return {};
    }
    m_view.Redraw(); // the view shows what is taken out
    const int dpiX = m_view.logicalDpiX();
    const int dpiY = m_view.logicalDpiY();
    if (wholeViewInTileMode && m_view.IsTileMode()) {
        const QImage image = RenderToImage(dpiX, dpiY, m_view.rect().size());
        return image.isNull()
                   ? image
                   : image.convertToFormat(QImage::Format_Mono, Qt::MonoOnly | Qt::ThresholdDither);
    }
    // The cell's height follows the Height field, Postnet included: only the
    // draw itself uses Postnet's fixed bars.
    return RenderSymbolCell(m_view.SceneOf(*barcode), BarLengthFromHeight(m_view.HeightText()),
                            dpiX, dpiY, m_view.Zoom());
}

bool CBarcodeOutput::SaveBitmap(const QImage& bitmap, const QString& path, QString* error) {
    QSaveFile file(path);
    // Unbuffered: the block writer below is the only buffer, and it sees
    // every write the system refuses.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *error = file.errorString();
        // An existing file the save may not replace: the system's reason
        // (a read-only file system, no permission) says more than that.
        QFile existing(path);
        if (existing.exists() && !existing.open(QIODevice::ReadWrite)) {
            *error += QStringLiteral(" (%1)").arg(existing.errorString());
        }
        return false;
    }
    CWholeBlockWriter blocks(file);
    QImageWriter writer(&blocks, "BMP");
    const bool encoded = writer.write(bitmap);
    // A write that failed on the file (no space left, a size limit, an I/O
    // error) says the file's own error; only a failure of the encoder itself
    // is an encoding problem. The last block is written before the commit,
    // which would otherwise replace the old file with a cut-short one.
    if (!encoded || !blocks.Flush()) {
        *error = file.error() != QFileDevice::NoError
                     ? file.errorString()
                     : QStringLiteral("The bitmap could not be encoded.");
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

void CBarcodeOutput::Copy() {
    if (!m_view.BuildSymbol()) {
        return;
    }
    const QImage bitmap = RenderBitmap(true);
    if (bitmap.isNull()) {
        // The clipboard keeps what it held.
        QMessageBox::warning(m_view.window(), kTitle,
                             QStringLiteral("The barcode is too large to copy as a bitmap."));
        return;
    }
    QGuiApplication::clipboard()->setImage(bitmap);
}

void CBarcodeOutput::Save() {
    if (!m_view.BuildSymbol()) {
        return;
    }
    // Rendered before asking for the name: the bitmap is what was on screen.
    const QImage bitmap = RenderBitmap(false);
    if (bitmap.isNull()) {
        QMessageBox::warning(m_view.window(), kTitle,
                             QStringLiteral("The barcode is too large to save as a bitmap."));
        return;
    }
    QFileDialog dialog(m_view.window(), QStringLiteral("Save"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The bitmap first and by default; the other formats through the
    // command-line tool's writers.
    const QStringList filters{
        QStringLiteral("Graphics Files (*.bmp)"), QStringLiteral("PNG Files (*.png)"),
        QStringLiteral("SVG Files (*.svg)"), QStringLiteral("PDF Files (*.pdf)")};
    const QStringList suffixes{QStringLiteral("bmp"), QStringLiteral("png"), QStringLiteral("svg"),
                               QStringLiteral("pdf")};
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(suffixes.constFirst());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, &filters, &suffixes](const QString& filter) {
                         dialog.setDefaultSuffix(suffixes.value(filters.indexOf(filter)));
                     });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QString path = dialog.selectedFiles().constFirst();
    const OutputFormat format = FormatOfPath(path).value_or(
        FormatByName(suffixes.value(filters.indexOf(dialog.selectedNameFilter())))
            .value_or(OutputFormat::Bmp));
    QString error;
    if (format != OutputFormat::Bmp) {
        const std::unique_ptr<CBarcode> barcode = m_view.BuildSymbol();
        if (!barcode) {
            return;
        }
        const Encoding encoding = barcode->Encode();
        const std::int32_t height = BarLengthFromHeight(m_view.HeightText());
        const std::int32_t barLength =
            BarLengthOf(static_cast<SymbologyId>(m_view.Symbology()), height);
        const CellSize cell = TileCellMils(encoding.totalWidth, height, m_view.Orientation());
        const VectorJob job{&encoding,
                            barLength,
                            m_view.IsShowTextOn(),
                            m_view.Orientation(),
                            cell.width,
                            cell.height,
                            SymbolOrigin(encoding.totalWidth, barLength, m_view.Orientation())};
        const QByteArray bytes =
            format == OutputFormat::Png
                ? EncodeBitmap(bitmap, format)
                : WriteVectorFile(job, m_view.Zoom(), format == OutputFormat::Pdf);
        CFileCommitter files;
        if (!files.Write(path, bytes, &error) || !files.Sync(&error)) {
            QMessageBox::warning(
                m_view.window(), kTitle,
                QStringLiteral("Cannot save the barcode to %1:\n%2").arg(path, error));
        }
    } else if (!SaveBitmap(bitmap, path, &error)) {
        QMessageBox::warning(m_view.window(), kTitle,
                             QStringLiteral("Cannot save the bitmap to %1:\n%2").arg(path, error));
    }
}
