#include "BarcodeOutput.h"

#include "AchievedSize.h"
#include "BarcodeView.h"
#include "FileCommit.h"
#include "OutputFormat.h"
#include "ScanCheck.h"
#include "SymbolPainter.h"
#include "SymbolRender.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

const QString kTitle = QStringLiteral("Quillmark");
constexpr double kMetresPerInch = 0.0254;
// Far beyond any device; keeps a bitmap's dots-per-metre field in range.
constexpr int kMaxImageDpi = 1'000'000;
// A saved SVG or PDF file is checked as a printer of this resolution prints it.
constexpr int kVectorCheckDpi = 600;

// Whether a file saved at true size scans printed at kVectorCheckDpi; a plain
// warning when it does not, naming the Density at which it would.
void WarnUnlessTheFileScans(QWidget* parent, const RenderRequest& saved, const QString& path) {
    RenderRequest printed = saved;
    printed.dpiX = printed.dpiY = kVectorCheckDpi;
    ScanJob job = MakeScanJob(printed);
    job.trueSize = true;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const ScanResult result = CheckScan(job);
    QGuiApplication::restoreOverrideCursor();
    if (result.verdict != ScanVerdict::DoesNotScan && result.verdict != ScanVerdict::EqualWidths) {
        return;
    }
    QString text =
        QCoreApplication::translate(
            "CBarcodeOutput", "%1 is saved at true size, but it does not scan printed at %2 dpi.")
            .arg(QDir::toNativeSeparators(path))
            .arg(kVectorCheckDpi);
    if (result.scansAtDensity > 0) {
        text += QCoreApplication::translate("CBarcodeOutput", " It does at Density %1.")
                    .arg(result.scansAtDensity);
    }
    QMessageBox::warning(parent, kTitle, text);
}

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

QString CBarcodeOutput::TileMisfit(const DeviceMapping& page) const {
    CSymbolDocument& document = m_view.Document();
    document.Update();
    if (document.Barcode() == nullptr || !m_view.IsTileMode()) {
        return {};
    }
    const QSize cell = SymbolCellSize(page, document.Scene());
    if (cell.width() <= page.area.width() && cell.height() <= page.area.height()) {
        return {};
    }
    const auto inches = [](int units, int dpi) {
        return QString::number(static_cast<double>(units) / dpi, 'f', 2);
    };
    return QCoreApplication::translate(
               "CBarcodeOutput", "A tile of the barcode (%1 x %2 in) is larger than the printable "
                                 "area (%3 x %4 in). Nothing was printed.")
        .arg(inches(cell.width(), page.dpiX), inches(cell.height(), page.dpiY),
             inches(page.area.width(), page.dpiX), inches(page.area.height(), page.dpiY));
}

QString CBarcodeOutput::RefusalNow() const {
    m_view.Document().Update();
    const QString& refusal = m_view.Document().Refusal();
    return refusal.isEmpty()
               ? QString()
               : QCoreApplication::translate("CBarcodeView", "Not drawn: %1").arg(refusal);
}

bool CBarcodeOutput::PrintPage(QPrinter& printer, QString* error) {
    // A text the symbology refuses prints no blank page.
    if (const QString refused = RefusalNow(); !refused.isEmpty()) {
        if (error != nullptr) {
            *error = refused;
        }
        return false;
    }
    // The painter's origin is the printable area's top-left corner, and the
    // device's size is that area's.
    const DeviceMapping page =
        m_view.OnPrepareDC(printer, QRect(0, 0, printer.width(), printer.height()));
    // Asked before the job starts: no blank sheet comes out.
    QString why = TileMisfit(page);
    QPainter painter;
    if (why.isEmpty() && !painter.begin(&printer)) {
        why = QCoreApplication::translate("CBarcodeOutput", "The printer could not be opened.");
    }
    if (!why.isEmpty()) {
        if (error != nullptr) {
            *error = why;
        }
        return false;
    }
    m_view.OnPrint(painter, page); // one page only: no newPage() ever
    return painter.end();
}

void CBarcodeOutput::Print() {
    QPrinter& printer = Printer();
    QPrintDialog dialog(&printer, m_view.window());
    dialog.setMinMax(1, 1);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() == QDialog::Accepted) {
        PrintAndSay(printer);
    }
}

void CBarcodeOutput::PrintDirect() {
    PrintAndSay(Printer()); // the current printer, no dialog
}

void CBarcodeOutput::PrintAndSay(QPrinter& printer) {
    QString error;
    if (!PrintPage(printer, &error)) {
        QMessageBox::warning(m_view.window(), kTitle, error);
    }
}

QString CBarcodeOutput::PrinterSizeText(const QPrinter& printer) const {
    CSymbolDocument& document = m_view.Document();
    document.Update();
    if (document.Barcode() == nullptr) {
        return {};
    }
    return AchievedSizeText(*document.Barcode(), m_view.OnPrepareDC(printer, QRect()),
                            QCoreApplication::translate("CBarcodeOutput", "dots"));
}

void CBarcodeOutput::PrintPreview() {
    QPrintPreviewDialog preview(&Printer(), m_view.window());
    // What the printer's own resolution makes of the symbol, below the pages.
    auto* sizes = new QLabel(PrinterSizeText(Printer()), &preview);
    sizes->setObjectName(QStringLiteral("printerSizes"));
    if (preview.layout() != nullptr) {
        preview.layout()->addWidget(sizes);
    }
    // A page that cannot be printed is said in the same place.
    QObject::connect(
        &preview, &QPrintPreviewDialog::paintRequested, sizes, [this, sizes](QPrinter* target) {
            QString error;
            sizes->setText(PrintPage(*target, &error) ? PrinterSizeText(*target) : error);
        });
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
    const int dpiX = m_view.logicalDpiX();
    const int dpiY = m_view.logicalDpiY();
    const std::optional<RenderRequest> request = m_view.RequestOf(OutputFormat::Bmp, dpiX, dpiY);
    if (!request) {
        return {};
    }
    m_view.Redraw(); // the view shows what is taken out
    if (wholeViewInTileMode && m_view.IsTileMode()) {
        const QImage image = RenderToImage(dpiX, dpiY, m_view.rect().size());
        return image.isNull()
                   ? image
                   : image.convertToFormat(QImage::Format_Mono, Qt::MonoOnly | Qt::ThresholdDither);
    }
    return RenderSymbolImage(*request).bitmap;
}

bool CBarcodeOutput::SaveBitmap(const QImage& bitmap, const QString& path, QString* error) {
    const QByteArray bytes = EncodeBitmap(bitmap, OutputFormat::Bmp);
    if (bytes.isEmpty()) {
        *error = QCoreApplication::translate("CBarcodeOutput", "The bitmap could not be encoded.");
        return false;
    }
    return WriteWholeFile(path, bytes, error);
}

void CBarcodeOutput::Copy() {
    if (const QString refused = RefusalNow(); !refused.isEmpty()) {
        QMessageBox::warning(m_view.window(), kTitle, refused);
        return;
    }
    if (!m_view.RequestOf(OutputFormat::Bmp, 1, 1)) {
        return;
    }
    const QImage bitmap = RenderBitmap(true);
    if (bitmap.isNull()) {
        // The clipboard keeps what it held.
        QMessageBox::warning(
            m_view.window(), kTitle,
            QCoreApplication::translate("CBarcodeOutput",
                                        "The barcode is too large to copy as a bitmap."));
        return;
    }
    QGuiApplication::clipboard()->setImage(bitmap);
}

void CBarcodeOutput::Save() {
    if (const QString refused = RefusalNow(); !refused.isEmpty()) {
        QMessageBox::warning(m_view.window(), kTitle, refused);
        return;
    }
    // The request is taken before asking for the name: the file is what was
    // on screen.
    std::optional<RenderRequest> request =
        m_view.RequestOf(OutputFormat::Bmp, m_view.logicalDpiX(), m_view.logicalDpiY());
    if (!request) {
        return;
    }
    m_view.Redraw(); // the view shows what is taken out
    RenderResult bitmap = RenderSymbol(*request);
    // SVG and PDF keep true size, whatever the zoom: the bitmap's limit is
    // no part of them, and their pages may be larger than a bitmap's.
    RenderRequest vector = *request;
    vector.format = OutputFormat::Svg;
    vector.zoom = 1;
    const bool bitmapFits = bitmap.error.isEmpty();
    if (const QString error = bitmapFits ? QString() : RenderSymbol(vector).error;
        !error.isEmpty()) {
        QMessageBox::warning(
            m_view.window(), kTitle,
            QCoreApplication::translate("CBarcodeOutput", "The barcode is too large to save: %1.")
                .arg(error));
        return;
    }
    QFileDialog dialog(m_view.window(), QCoreApplication::translate("CBarcodeOutput", "Save"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The bitmap first and by default, when there is one; every format the
    // output library writes.
    const QString trueSize =
        request->zoom > 1
            ? QCoreApplication::translate("CBarcodeOutput",
                                          ", true size \u2014 the zoom applies to bitmaps only")
            : QString();
    QStringList filters;
    QStringList suffixes;
    for (const FormatFacts& row : OutputFormats()) {
        // A printer's language is written at the printer's own dots, when
        // printing to it, never at the screen's.
        if (row.kind == FormatKind::PrinterLanguage) {
            continue;
        }
        const bool raster = row.kind == FormatKind::Raster;
        if (raster && !bitmapFits) {
            continue;
        }
        const QString filter = QCoreApplication::translate("CBarcodeOutput", row.filter);
        filters.append(raster ? filter : filter.arg(trueSize));
        suffixes.append(QString::fromLatin1(row.name));
    }
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(suffixes.constFirst());
    SuggestPlace(dialog, *request, suffixes.constFirst());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, &filters, &suffixes](const QString& filter) {
                         dialog.setDefaultSuffix(suffixes.value(filters.indexOf(filter)));
                     });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QString typed = dialog.selectedFiles().constFirst();
    const SaveTarget target = SaveTargetOf(
        typed, FormatByName(suffixes.value(filters.indexOf(dialog.selectedNameFilter())))
                   .value_or(OutputFormat::Bmp));
    if (target.path != typed && !MayReplace(target.path)) {
        return;
    }
    const QString& path = target.path;
    request->format = target.format;
    if (!IsRaster(request->format)) {
        request->zoom = vector.zoom;
    }
    // A saved document is titled by its name (symbology and text, as Save
    // suggests it), for the reader's window.
    request->title = QFileInfo(path).completeBaseName();
    const RenderResult file = request->format == OutputFormat::Bmp && bitmapFits
                                  ? std::move(bitmap)
                                  : RenderSymbol(*request);
    QString error = file.error;
    if (!error.isEmpty() || !WriteWholeFile(path, file.bytes, &error)) {
        QMessageBox::warning(
            m_view.window(), kTitle,
            QCoreApplication::translate("CBarcodeOutput", "Cannot save the barcode to %1:\n%2")
                .arg(path, error));
        return;
    }
    if (m_saved) {
        m_saved(path);
    }
    if (!IsRaster(request->format)) {
        WarnUnlessTheFileScans(m_view.window(), *request, path);
    }
}

SaveTarget SaveTargetOf(const QString& typed, OutputFormat chosen) {
    if (const std::optional<OutputFormat> named = FormatOfPath(typed)) {
        return {typed, *named};
    }
    QString path = typed;
    if (!path.endsWith(QLatin1Char('.'))) {
        path += QLatin1Char('.');
    }
    return {path + ExtensionOf(chosen), chosen};
}

void CBarcodeOutput::SuggestPlace(QFileDialog& dialog, const RenderRequest& request,
                                  const QString& extension) const {
    if (!m_savePlace) {
        return;
    }
    const SavePlace place = m_savePlace(request);
    if (!place.folder.isEmpty()) {
        dialog.setDirectory(place.folder);
    }
    if (!place.baseName.isEmpty()) {
        dialog.selectFile(place.baseName + QLatin1Char('.') + extension);
    }
}

bool CBarcodeOutput::MayReplace(const QString& path) const {
    if (!QFileInfo::exists(path)) {
        return true;
    }
    return QMessageBox::question(
               m_view.window(), kTitle,
               QCoreApplication::translate("CBarcodeOutput",
                                           "%1 already exists.\nDo you want to replace it?")
                   .arg(QDir::toNativeSeparators(path))) == QMessageBox::Yes;
}
