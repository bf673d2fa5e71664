#include "BarcodeView.h"

#include "AchievedSize.h"
#include "DeviceGrid.h"
#include "FieldValues.h"
#include "InputValues.h"
#include "OwnerDrawMenu.h"
#include "Placement.h"
#include "ResourceIds.h"
#include "ResourceTables.h"
#include "StandardsAdvice.h"
#include "SymbolPainter.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QMetaMethod>
#include <QPaintEvent>
#include <QPainter>

#include <array>
#include <utility>

constexpr int kOrientationCount = 4; // quarter turns of a full turn

CBarcodeView::CBarcodeView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent); // the draw paints the whole area
    // A click takes the focus, as in any document view: a panel field being
    // edited is left, and leaving it redraws.
    setFocusPolicy(Qt::StrongFocus);
    UpdateAccessibleName();
}

CBarcodeView::~CBarcodeView() = default;

std::span<const CBarcodeView::NotifyEntry> CBarcodeView::NotifyMap() {
    static constexpr std::array kMap{
        NotifyEntry{ids::kZoomInButton, NotifyCode::Clicked, &CBarcodeView::OnZoomIn},
        NotifyEntry{ids::kZoomOutButton, NotifyCode::Clicked, &CBarcodeView::OnZoomOut},
        NotifyEntry{ids::kTurnLeftButton, NotifyCode::Clicked, &CBarcodeView::OnTurnLeft},
        NotifyEntry{ids::kTurnRightButton, NotifyCode::Clicked, &CBarcodeView::OnTurnRight},
        NotifyEntry{ids::kShowTextCheck, NotifyCode::Clicked, &CBarcodeView::Redraw},
        NotifyEntry{ids::kTileModeCheck, NotifyCode::Clicked, &CBarcodeView::OnTileMode},
        NotifyEntry{ids::kTextEdit, NotifyCode::FocusLost, &CBarcodeView::Redraw},
        NotifyEntry{ids::kHeightEdit, NotifyCode::FocusLost, &CBarcodeView::Redraw},
        NotifyEntry{ids::kTextEdit, NotifyCode::EnterPressed, &CBarcodeView::Redraw},
        NotifyEntry{ids::kHeightEdit, NotifyCode::EnterPressed, &CBarcodeView::Redraw},
        NotifyEntry{ids::kSymbologyList, NotifyCode::SelectionChanged,
                    &CBarcodeView::OnSymbologyChanged},
    };
    return kMap;
}

std::span<const CBarcodeView::CommandEntry> CBarcodeView::CommandMap() {
    static constexpr std::array kMap{
        CommandEntry{ids::kZoomIn, [](CBarcodeView& v) { v.OnZoomIn(); }},
        CommandEntry{ids::kZoomOut, [](CBarcodeView& v) { v.OnZoomOut(); }},
        CommandEntry{ids::kFilePrint, [](CBarcodeView& v) { v.m_output.Print(); }},
        CommandEntry{ids::kFilePrintDirect, [](CBarcodeView& v) { v.m_output.PrintDirect(); }},
        CommandEntry{ids::kFilePrintPreview, [](CBarcodeView& v) { v.m_output.PrintPreview(); }},
        CommandEntry{ids::kEditCopy, [](CBarcodeView& v) { v.m_output.Copy(); }},
        CommandEntry{ids::kFileSave, [](CBarcodeView& v) { v.m_output.Save(); }},
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
            entry.handler(*this);
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
        m_filters.AttachStartUp(m_pPanel->TextField());
        QStringList names;
        for (const SymbologyFacts& facts : Symbologies()) {
            names << res::Text(facts.name);
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

void CBarcodeView::OnTileMode() {
    m_bTileMode = !m_bTileMode; // toggled, not read from the box
    Redraw();
}

void CBarcodeView::OnSymbologyChanged() {
    m_nSymbology = m_pPanel != nullptr ? m_pPanel->SelectedSymbology() : -1;
    const std::optional<SymbologyId> id = SymbologyAt(m_nSymbology);
    if (id) {
        m_filters.Apply(FactsOf(*id), m_pPanel->TextField());
    }
    emit StatusTextChanged(StatusText());
    Redraw();
}

QString CBarcodeView::StatusText() const {
    if (!m_heightRefusal.isEmpty()) {
        return m_heightRefusal;
    }
    const std::optional<SymbologyId> id = SymbologyAt(m_nSymbology);
    return id ? res::Text(FactsOf(*id).ruleText) : QString();
}

DeviceMapping CBarcodeView::OnPrepareDC(const QPaintDevice& device, const QRect& outputRect) const {
    return PrepareMapping(m_nZoom, device, outputRect);
}

QString CBarcodeView::StandardsAdviceOf(const DeviceMapping& mapping) const {
    const std::optional<SymbologyId> id = SymbologyAt(m_nSymbology);
    if (!m_pBarcode || !id || PublishedRange(*id) == nullptr) {
        return {};
    }
    // The symbol as the size field describes it: its X on this device's grid.
    const Encoding encoding = m_pBarcode->Encode();
    if (encoding.module <= 0 || mapping.dpiX <= 0) {
        return {};
    }
    const double achieved =
        AchievedModuleMils(encoding.module, static_cast<double>(mapping.dpiX) * mapping.zoom);
    return StandardsAdvice({*id, achieved, static_cast<double>(DrawBarLength()),
                            CellMarginAlong(encoding) * achieved / encoding.module});
}

std::int32_t CBarcodeView::DrawBarLength() const {
    const std::int32_t requested = BarLengthFromHeight(m_pPanel->HeightText());
    const std::optional<SymbologyId> id = SymbologyAt(m_nSymbology);
    return id ? BarLengthOf(*id, requested) : requested;
}

QString CBarcodeView::HeightText() const {
    return m_pPanel != nullptr ? m_pPanel->HeightText() : QString();
}

std::unique_ptr<CBarcode> CBarcodeView::BuildSymbol() const {
    const std::optional<SymbologyId> id = SymbologyAt(m_nSymbology);
    if (m_pPanel == nullptr || !id) {
        return nullptr;
    }
    // The Text field's text as the attached filter keeps it.
    return CreateBarcode(*id, EngineText(m_pPanel->DataText()));
}

SymbolScene CBarcodeView::SceneOf(const CBarcode& barcode) const {
    return {barcode.Encode(), DrawBarLength(), m_pPanel->IsShowTextChecked(), m_nOrientation,
            m_bTileMode};
}

std::optional<RenderRequest> CBarcodeView::RequestOf(OutputFormat format, int dpiX, int dpiY,
                                                     bool asDrawn) const {
    const std::optional<SymbologyId> id = SymbologyAt(m_nSymbology);
    std::unique_ptr<CBarcode> built;
    const CBarcode* barcode = asDrawn ? m_pBarcode.get() : nullptr;
    if (barcode == nullptr) {
        built = BuildSymbol();
        barcode = built.get();
    }
    if (!id || barcode == nullptr) {
        return std::nullopt;
    }
    RenderRequest request;
    request.symbology = *id;
    request.text = built ? EngineText(m_pPanel->DataText()) : m_drawnText;
    // The cell's height follows the Height field, Postnet included: only the
    // draw itself uses Postnet's fixed bars.
    request.heightMils = BarLengthFromHeight(m_pPanel->HeightText());
    request.widths = barcode->Widths(); // the settings as read now
    request.zoom = m_nZoom;
    request.orientation = m_nOrientation;
    request.showText = m_pPanel->IsShowTextChecked();
    request.format = format;
    request.dpiX = dpiX;
    request.dpiY = dpiY;
    return request;
}

void CBarcodeView::OnDraw(QPainter& painter, const DeviceMapping& mapping) {
    DrawSymbol(painter, mapping, TileEdge::Overhang);
}

void CBarcodeView::OnPrint(QPainter& painter, const DeviceMapping& mapping) {
    DrawSymbol(painter, mapping, TileEdge::WholeCells);
}

void CBarcodeView::DrawSymbol(QPainter& painter, const DeviceMapping& mapping, TileEdge edge) {
    m_pBarcode.reset();
    if (m_pPanel == nullptr) {
        return;
    }
    m_drawnText = EngineText(m_pPanel->DataText());
    m_pBarcode = BuildSymbol();
    if (!m_pBarcode) {
        return; // no symbology selected: nothing drawn, Width left as it was
    }
    SymbolScene scene = SceneOf(*m_pBarcode);
    // The length a ruler measures on the drawn bars.
    m_pPanel->SetWidthText(WidthText(ClampToInt32(scene.encoding.SymbolLength())));
    scene.tileEdge = edge;
    // Whole cells only is the printed page, where the printer's ink spreads.
    scene.barReduction = edge == TileEdge::WholeCells ? m_barReduction : 0;
    PaintSymbol(painter, mapping, scene);
    m_drawnCell = SymbolCellSize(mapping, scene);
}

void CBarcodeView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const DeviceMapping mapping = OnPrepareDC(*this, rect());
    OnDraw(painter, mapping);
    if (hasFocus()) {
        DrawFocusFrame(painter);
    }
    if (m_pPanel != nullptr) {
        if (QString refusal = HeightRefusal(m_pPanel->HeightText()); refusal != m_heightRefusal) {
            m_heightRefusal = std::move(refusal);
            emit StatusTextChanged(StatusText());
        }
    }
    if (m_pBarcode) {
        emit AchievedSizeChanged(AchievedSizeText(*m_pBarcode, mapping, QStringLiteral("px")),
                                 StandardsAdviceOf(mapping));
    }
    emit SymbolDrawn(m_drawnCell / mapping.devicePixelRatio); // in the widget's own units

    UpdateAccessibleName();
}

QString CBarcodeView::AccessibleNameOfDrawn() const {
    const std::optional<SymbologyId> id = SymbologyAt(m_nSymbology);
    if (!m_pBarcode || !id) {
        return tr("Barcode: none");
    }
    const QString name = res::Text(FactsOf(*id).name);
    const QString width = WidthText(ClampToInt32(m_pBarcode->Encode().SymbolLength()));
    if (m_drawnText.empty()) {
        return tr("Barcode: %1, no text, %2 inches").arg(name, width);
    }
    return tr("Barcode: %1, %2, %3 inches")
        .arg(name,
             QString::fromLatin1(m_drawnText.data(), static_cast<qsizetype>(m_drawnText.size())),
             width);
}

void CBarcodeView::UpdateAccessibleName() {
    if (const QString name = AccessibleNameOfDrawn(); name != accessibleName()) {
        setAccessibleName(name);
    }
    if (accessibleDescription().isEmpty()) {
        setAccessibleDescription(tr("The symbol at its true size times the zoom. Copy, Print "
                                    "and Save take it out of the program; its menu holds them."));
    }
}

void CBarcodeView::DrawFocusFrame(QPainter& painter) const {
    // Within the visible part, so that it shows however the view is scrolled;
    // in the palette's highlight colour, two pixels wide, inside the quiet
    // zones of a symbol that fits.
    constexpr int kFrameWidth = 2;
    const QRect visible = visibleRegion().boundingRect();
    if (visible.width() <= 2 * kFrameWidth || visible.height() <= 2 * kFrameWidth) {
        return;
    }
    painter.save();
    painter.resetTransform();
    painter.setClipping(false);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    QPen pen(palette().color(QPalette::Highlight), kFrameWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    const int inset = kFrameWidth / 2;
    painter.drawRect(visible.adjusted(inset, inset, -inset - 1, -inset - 1));
    painter.restore();
}

void CBarcodeView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void CBarcodeView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void CBarcodeView::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (hasFocus()) {
        update(); // the frame moved with the pixels the scroll took along
    }
}

void CBarcodeView::RaiseCommand(int id) {
    if (isSignalConnected(QMetaMethod::fromSignal(&CBarcodeView::CommandRaised))) {
        emit CommandRaised(id);
    } else {
        OnCommand(id);
    }
}

std::unique_ptr<COwnerDrawMenu> CBarcodeView::BuildContextMenu() {
    // The popup belongs to the top-level window.
    auto menu = std::make_unique<COwnerDrawMenu>(window());
    if (menu->LoadMenu(ids::kContextMenu)) {
        menu->LoadToolbarImages(ids::kMainResources);
    }
    if (COwnerDrawMenu* popup = menu->GetSubMenu(0); popup != nullptr) {
        connect(popup, &QMenu::triggered, this,
                [this](QAction* action) { RaiseCommand(action->data().toInt()); });
    }
    return menu;
}

void CBarcodeView::ShowContextMenu(const QPoint& globalPos) {
    const std::unique_ptr<COwnerDrawMenu> menu = BuildContextMenu();
    if (COwnerDrawMenu* popup = menu->GetSubMenu(0); popup != nullptr) {
        popup->exec(globalPos);
    }
    menu->DestroyMenu();
}

void CBarcodeView::contextMenuEvent(QContextMenuEvent* event) {
    ShowContextMenu(event->globalPos());
}
