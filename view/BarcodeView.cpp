#include "BarcodeView.h"

#include "Factory.h"
#include "InputValues.h"
#include "Layout.h"
#include "QPainterSurface.h"
#include "ResourceIds.h"
#include "ResourceTables.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>

#include <algorithm>
#include <array>

namespace {

constexpr int kOrientationCount = 4;
constexpr double kMetresPerInch = 0.0254;
// Far beyond any device; keeps a bitmap's dots-per-metre field in range.
constexpr int kMaxImageDpi = 1'000'000;

} // namespace

CBarcodeView::CBarcodeView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent); // the draw paints the whole area
    // A click takes the focus, as in any document view: a panel field being
    // edited is left, and leaving it redraws.
    setFocusPolicy(Qt::StrongFocus);
}

CBarcodeView::~CBarcodeView() = default;

std::span<const CBarcodeView::NotifyEntry> CBarcodeView::NotifyMap() {
    static constexpr std::array kMap{
        NotifyEntry{ids::kZoomInButton, NotifyCode::Clicked, &CBarcodeView::OnZoomIn},
        NotifyEntry{ids::kZoomOutButton, NotifyCode::Clicked, &CBarcodeView::OnZoomOut},
        NotifyEntry{ids::kTurnLeftButton, NotifyCode::Clicked, &CBarcodeView::OnTurnLeft},
        NotifyEntry{ids::kTurnRightButton, NotifyCode::Clicked, &CBarcodeView::OnTurnRight},
        NotifyEntry{ids::kShowTextCheck, NotifyCode::Clicked, &CBarcodeView::OnShowText},
        NotifyEntry{ids::kTileModeCheck, NotifyCode::Clicked, &CBarcodeView::OnTileMode},
        NotifyEntry{ids::kTextEdit, NotifyCode::FocusLost, &CBarcodeView::OnFieldLeft},
        NotifyEntry{ids::kHeightEdit, NotifyCode::FocusLost, &CBarcodeView::OnFieldLeft},
        NotifyEntry{ids::kTextEdit, NotifyCode::EnterPressed, &CBarcodeView::OnFieldEntered},
        NotifyEntry{ids::kHeightEdit, NotifyCode::EnterPressed, &CBarcodeView::OnFieldEntered},
        NotifyEntry{ids::kSymbologyList, NotifyCode::SelectionChanged,
                    &CBarcodeView::OnSymbologyChanged},
    };
    return kMap;
}

std::span<const CBarcodeView::CommandEntry> CBarcodeView::CommandMap() {
    static constexpr std::array kMap{
        CommandEntry{ids::kZoomIn, &CBarcodeView::OnZoomIn},
        CommandEntry{ids::kZoomOut, &CBarcodeView::OnZoomOut},
        CommandEntry{ids::kFilePrint, &CBarcodeView::OnFilePrint},
        CommandEntry{ids::kFilePrintDirect, &CBarcodeView::OnFilePrintDirect},
        CommandEntry{ids::kFilePrintPreview, &CBarcodeView::OnFilePrintPreview},
        CommandEntry{ids::kEditCopy, &CBarcodeView::OnEditCopy},
        CommandEntry{ids::kFileSave, &CBarcodeView::OnFileSave},
    };
    return kMap;
}

bool CBarcodeView::DispatchMessage(QEvent& message) {
    if (message.type() == QEvent::ContextMenu) {
        // A right click on the panel opens the view's menu too.
        ShowContextMenu(static_cast<QContextMenuEvent&>(message).globalPos());
        return true;
    }
    if (message.type() != CNotifyEvent::EventType()) {
        return false; // paint, resize, focus...: never replayed here
    }
    const auto& notify = static_cast<const CNotifyEvent&>(message);
    for (const NotifyEntry& entry : NotifyMap()) {
        if (entry.controlId == notify.ControlId() && entry.code == notify.Code()) {
            (this->*entry.handler)();
            return true;
        }
    }
    return false;
}

bool CBarcodeView::OnCommand(int id) {
    for (const CommandEntry& entry : CommandMap()) {
        if (entry.id == id) {
            (this->*entry.handler)();
            return true;
        }
    }
    return false;
}

bool CBarcodeView::OnUpdateCommand(int id, CommandState& state) {
    for (const CommandEntry& entry : CommandMap()) {
        if (entry.id == id) {
            state.enabled = true;
            return true;
        }
    }
    return false;
}

void CBarcodeView::OnInitialUpdate() {
    m_nSymbology = static_cast<int>(SymbologyId::Code39);
    m_pBarcode.reset();
    m_nZoom = kMinZoom;
    if (m_pPanel != nullptr) {
        m_pPanel->SetStartValues(QString::fromLatin1(kStartHeight), QString::fromLatin1(kStartData),
                                 true);
        // Attached after the sample is in, so the sample is not filtered.
        if (QLineEdit* field = m_pPanel->TextField(); field != nullptr) {
            m_editDigits.Detach();
            m_editAlnum.Attach(field);
        }
        QStringList names;
        for (const std::string_view name : kSymbologyNames) {
            names << res::Text(name);
        }
        m_pPanel->FillSymbologyList(names, m_nSymbology);
    }
    Redraw();
}

void CBarcodeView::Redraw() {
    update();
}

void CBarcodeView::OnZoomIn() {
    m_nZoom = m_nZoom < kMaxZoom ? m_nZoom + 1 : kMaxZoom;
    Redraw();
}

void CBarcodeView::OnZoomOut() {
    m_nZoom = m_nZoom > kMinZoom ? m_nZoom - 1 : kMinZoom;
    Redraw();
}

void CBarcodeView::OnTurnLeft() {
    m_nOrientation = (m_nOrientation + 1) % kOrientationCount;
    Redraw();
}

void CBarcodeView::OnTurnRight() {
    m_nOrientation = (m_nOrientation + kOrientationCount - 1) % kOrientationCount;
    Redraw();
}

void CBarcodeView::OnShowText() {
    Redraw(); // the box's state is read at draw time
}

void CBarcodeView::OnTileMode() {
    m_bTileMode = !m_bTileMode; // toggled, not read from the box
    Redraw();
}

void CBarcodeView::OnFieldLeft() {
    Redraw();
}

void CBarcodeView::OnFieldEntered() {
    Redraw(); // the field keeps the focus
}

void CBarcodeView::OnSymbologyChanged() {
    m_nSymbology = m_pPanel != nullptr ? m_pPanel->SelectedSymbology() : -1;
    const SymbologyRule* rule = RuleFor(m_nSymbology);
    if (rule != nullptr) {
        ApplyInputRule(*rule);
    }
    ShowStatusText(rule != nullptr ? res::Text(rule->ruleText) : QString());
    Redraw();
}

void CBarcodeView::ApplyInputRule(const SymbologyRule& rule) {
    const QString text = m_pPanel->DataText();
    // The chosen filter takes its setting before it sees the text: a filter
    // swapped in under its old, shorter limit would drop digits that the new
    // limit allows (the eleven-digit sample going to UPC A).
    if (rule.filter == TextFilter::Digits) {
        m_editDigits.SetDigitLimit(-rule.digitLimit); // negative: the sign is refused
        AttachTextFilter(m_editDigits, m_editAlnum, text);
    } else {
        m_editAlnum.SetExcluded(QString::fromUtf16(rule.excluded.data(), rule.excluded.size()));
        AttachTextFilter(m_editAlnum, m_editDigits, text);
    }
}

void CBarcodeView::AttachTextFilter(CFilterEdit& chosen, CFilterEdit& other, const QString& text) {
    QLineEdit* field = m_pPanel->TextField();
    if (field == nullptr || chosen.Field() == field) {
        return;
    }
    other.Detach();
    chosen.Attach(field);
    chosen.SetWindowText(text); // at once reduced to what the filter accepts
}

void CBarcodeView::ShowStatusText(const QString& text) {
    if (auto* status = dynamic_cast<CStatusText*>(window()); status != nullptr) {
        status->SetStatusText(text);
    }
}

QPrinter& CBarcodeView::Printer() {
    if (m_pPrinter != nullptr) {
        return *m_pPrinter;
    }
    if (!m_pOwnPrinter) {
        m_pOwnPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *m_pOwnPrinter;
}

void CBarcodeView::OnFilePrint() {
    QPrinter& printer = Printer();
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, 1);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() == QDialog::Accepted) {
        PrintPage(printer);
    }
}

void CBarcodeView::OnFilePrintDirect() {
    PrintPage(Printer()); // the current printer, no dialog
}

void CBarcodeView::OnFilePrintPreview() {
    QPrintPreviewDialog preview(&Printer(), this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { PrintPage(*target); });
    preview.exec();
}

DeviceMapping CBarcodeView::OnPrepareDC(const QPaintDevice& device, const QRect& outputRect) const {
    return PrepareMapping(m_nZoom, device.logicalDpiX(), device.logicalDpiY(), outputRect);
}

std::int32_t CBarcodeView::DrawBarLength() const {
    if (m_nSymbology == static_cast<int>(SymbologyId::Postnet)) {
        return kPostnetBarLength;
    }
    return BarLengthFromHeight(m_pPanel->HeightText());
}

void CBarcodeView::OnDraw(QPainter& painter, const DeviceMapping& mapping) {
    m_pBarcode.reset();
    if (m_pPanel == nullptr) {
        return;
    }
    const std::int32_t barLength = DrawBarLength();
    // The Text field's text as the attached filter keeps it.
    m_pBarcode = CreateBarcode(m_nSymbology, EngineText(m_pPanel->DataText()));
    if (!m_pBarcode) {
        return; // no symbology selected: nothing drawn, Width left as it was
    }
    m_pPanel->SetWidthText(WidthText(m_pBarcode->TotalWidth()));
    const bool showText = m_pPanel->IsShowTextChecked();

    painter.save();
    painter.resetTransform();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (m_bTileMode) {
        DrawTiled(painter, mapping, barLength, showText);
    } else {
        DrawCentred(painter, mapping, barLength, showText);
    }
    painter.restore();
}

void CBarcodeView::DrawCentred(QPainter& painter, const DeviceMapping& mapping,
                               std::int32_t barLength, bool showText) const {
    DrawSymbol(painter, mapping.MilsToDevice(), barLength, showText);
}

void CBarcodeView::DrawTiled(QPainter& painter, const DeviceMapping& mapping,
                             std::int32_t barLength, bool showText) const {
    const TileGrid grid =
        LayOutTiles(TileCellMils(m_pBarcode->TotalWidth(), barLength, m_nOrientation), mapping);
    DeviceMapping cellMapping = mapping;
    for (std::int64_t column = 0; column < grid.columns; ++column) {
        for (std::int64_t row = 0; row < grid.rows; ++row) {
            cellMapping.viewportOrigin = grid.CellCentre(column, row);
            DrawSymbol(painter, cellMapping.MilsToDevice(), barLength, showText);
        }
    }
}

void CBarcodeView::DrawSymbol(QPainter& painter, const QTransform& milsToDevice,
                              std::int32_t barLength, bool showText) const {
    QPainterSurface surface(painter, milsToDevice);
    Point origin = SymbolOrigin(m_pBarcode->TotalWidth(), barLength, m_nOrientation);
    m_pBarcode->Draw(surface, origin, barLength, showText, m_nOrientation);
}

QSize CBarcodeView::DrawnCellSize(const DeviceMapping& mapping) const {
    if (!m_pBarcode) {
        return {};
    }
    const CellSize cell =
        LayOutTiles(TileCellMils(m_pBarcode->TotalWidth(), DrawBarLength(), m_nOrientation),
                    mapping)
            .cell;
    const auto side = [](std::int64_t pixels) {
        return static_cast<int>(std::clamp<std::int64_t>(pixels, 0, QWIDGETSIZE_MAX));
    };
    return {side(cell.width), side(cell.height)};
}

void CBarcodeView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const DeviceMapping mapping = OnPrepareDC(*this, rect());
    OnDraw(painter, mapping);
    emit SymbolDrawn(DrawnCellSize(mapping));
}

bool CBarcodeView::PrintPage(QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    // The painter's origin is the printable area's top-left corner, and the
    // device's size is that area's. One page only: no newPage() ever.
    OnDraw(painter, OnPrepareDC(printer, QRect(0, 0, printer.width(), printer.height())));
    return painter.end();
}

QImage CBarcodeView::RenderToImage(int dpiX, int dpiY, const QSize& pixelSize) {
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
    OnDraw(painter, OnPrepareDC(image, image.rect()));
    painter.end();
    return image;
}

QImage CBarcodeView::RenderBitmap(bool wholeViewInTileMode) {
    if (!m_pBarcode || m_pPanel == nullptr) {
        return {};
    }
    const int dpiX = logicalDpiX();
    const int dpiY = logicalDpiY();
    QSize size;
    if (wholeViewInTileMode && m_bTileMode) {
        size = rect().size();
    } else {
        // The height follows the Height field, Postnet included: only the
        // draw itself uses Postnet's fixed bars.
        const CellSize cell = TileCellMils(
            m_pBarcode->TotalWidth(), BarLengthFromHeight(m_pPanel->HeightText()), m_nOrientation);
        size = BitmapPixelSize(cell, dpiX, dpiY, m_nZoom);
    }
    if (size.isEmpty()) {
        return {};
    }
    const QImage image = RenderToImage(dpiX, dpiY, size);
    return image.isNull()
               ? image
               : image.convertToFormat(QImage::Format_Mono, Qt::MonoOnly | Qt::ThresholdDither);
}

bool CBarcodeView::SaveBitmap(const QImage& bitmap, const QString& path, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    if (!bitmap.save(&file, "BMP")) {
        file.cancelWriting();
        *error = QStringLiteral("The bitmap could not be encoded.");
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

void CBarcodeView::OnEditCopy() {
    const QImage bitmap = RenderBitmap(true);
    if (!bitmap.isNull()) {
        QGuiApplication::clipboard()->setImage(bitmap);
    }
}

void CBarcodeView::OnFileSave() {
    if (!m_pBarcode) {
        return;
    }
    // Rendered before asking for the name: the bitmap is what was on screen.
    const QImage bitmap = RenderBitmap(false);
    if (bitmap.isNull()) {
        QMessageBox::warning(window(), QStringLiteral("Quillmark"),
                             QStringLiteral("The barcode is too large to save as a bitmap."));
        return;
    }
    QFileDialog dialog(window(), QStringLiteral("Save"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("Graphics Files (*.bmp)"));
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QString path = dialog.selectedFiles().constFirst();
    QString error;
    if (!SaveBitmap(bitmap, path, &error)) {
        QMessageBox::warning(window(), QStringLiteral("Quillmark"),
                             QStringLiteral("Cannot save the bitmap to %1:\n%2").arg(path, error));
    }
}

void CBarcodeView::RaiseCommand(int id) {
    if (auto* router = dynamic_cast<CCommandRouter*>(window()); router != nullptr) {
        router->RouteCommand(id);
    } else {
        OnCommand(id);
    }
}

std::unique_ptr<QMenu> CBarcodeView::BuildContextMenu() {
    auto menu = std::make_unique<QMenu>(this);
    const auto popups = res::Menu(ids::kContextMenu);
    if (popups.empty()) {
        return menu;
    }
    const QSize imageSize(res::kToolbarImageWidth, res::kToolbarImageHeight);
    for (const res::MenuItem& item : popups.front().items) {
        if (item.command == 0) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(res::Text(item.text));
        if (const std::string_view image = res::ToolbarImageFor(item.command); !image.empty()) {
            action->setIcon(QIcon(res::RenderImage(image, imageSize)));
        }
        const int id = item.command;
        connect(action, &QAction::triggered, this, [this, id] { RaiseCommand(id); });
    }
    return menu;
}

void CBarcodeView::ShowContextMenu(const QPoint& globalPos) {
    const std::unique_ptr<QMenu> menu = BuildContextMenu();
    menu->exec(globalPos);
}

void CBarcodeView::contextMenuEvent(QContextMenuEvent* event) {
    ShowContextMenu(event->globalPos());
}
