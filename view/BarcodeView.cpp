#include "BarcodeView.h"

#include "AchievedSize.h"
#include "DeviceGrid.h"
#include "FieldValues.h"
#include "FocusFrame.h"
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

CBarcodeView::CBarcodeView(QWidget* parent)
    : QWidget(parent), m_pOwnDoc(std::make_unique<CSymbolDocument>()) {
    SetDocument(m_pOwnDoc.get());
    setAttribute(Qt::WA_OpaquePaintEvent); // the draw paints the whole area
    // A click takes the focus, as in any document view: a panel field being
    // edited is left, and leaving it redraws.
    setFocusPolicy(Qt::StrongFocus);
    UpdateAccessibleName();
}

CBarcodeView::~CBarcodeView() = default;

void CBarcodeView::SetDocument(CSymbolDocument* document) {
    if (m_pDoc != nullptr) {
        disconnect(m_pDoc, nullptr, this, nullptr);
        document->SetInputValues(m_pDoc->InputValues());
    }
    m_pDoc = document != nullptr ? document : m_pOwnDoc.get();
    connect(m_pDoc, &CSymbolDocument::Changed, this, &CBarcodeView::Redraw);
}

void CBarcodeView::SetInputValues(CInputValues* panel) {
    m_pDoc->SetInputValues(panel);
}

void CBarcodeView::SetSymbology(int symbologyId) {
    m_pDoc->SetSymbology(SymbologyAt(symbologyId));
}

int CBarcodeView::Symbology() const {
    const std::optional<SymbologyId> id = m_pDoc->Value().symbology;
    return id ? static_cast<int>(*id) : -1;
}

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
    m_pDoc->SetSymbology(SymbologyId::Code39);
    m_pDoc->SetZoom(kMinZoom);
    if (CInputValues* panel = m_pDoc->InputValues(); panel != nullptr) {
        panel->SetStartValues(QString::fromLatin1(kStartHeight), QString::fromLatin1(kStartData),
                              true);
        m_filters.AttachStartUp(panel->TextField());
        QStringList names;
        for (const SymbologyFacts& facts : Symbologies()) {
            names << res::Text(facts.name);
        }
        panel->FillSymbologyList(names, Symbology());
    }
    Redraw();
}

void CBarcodeView::Redraw() {
    update();
}

void CBarcodeView::OnZoomIn() {
    m_pDoc->SetZoom(Zoom() + 1);
    Redraw();
}

void CBarcodeView::OnZoomOut() {
    m_pDoc->SetZoom(Zoom() - 1);
    Redraw();
}

void CBarcodeView::OnTurnLeft() {
    m_pDoc->SetOrientation(Orientation() + 1);
    Redraw();
}

void CBarcodeView::OnTurnRight() {
    m_pDoc->SetOrientation(Orientation() - 1);
    Redraw();
}

void CBarcodeView::OnTileMode() {
    m_pDoc->SetTiled(!IsTileMode()); // toggled, not read from the box
    Redraw();
}

void CBarcodeView::OnSymbologyChanged() {
    CInputValues* panel = m_pDoc->InputValues();
    m_pDoc->SetSymbology(SymbologyAt(panel != nullptr ? panel->SelectedSymbology() : -1));
    if (const std::optional<SymbologyId> id = m_pDoc->Value().symbology) {
        m_filters.Apply(FactsOf(*id), panel->TextField());
    }
    emit StatusTextChanged(StatusText());
    Redraw();
}

QString CBarcodeView::StatusText() const {
    if (!m_heightRefusal.isEmpty()) {
        return m_heightRefusal;
    }
    const std::optional<SymbologyId> id = m_pDoc->Value().symbology;
    return id ? res::Text(FactsOf(*id).ruleText) : QString();
}

DeviceMapping CBarcodeView::OnPrepareDC(const QPaintDevice& device, const QRect& outputRect) const {
    return PrepareMapping(Zoom(), device, outputRect);
}

QString CBarcodeView::StandardsAdviceOf(const DeviceMapping& mapping) const {
    const std::optional<SymbologyId> id = m_pDoc->Value().symbology;
    // The symbol as the size field describes it: its X on this device's grid.
    const Encoding& encoding = m_pDoc->Encoded();
    if (!Barcode() || !id || PublishedRange(*id) == nullptr || encoding.module <= 0 ||
        mapping.dpiX <= 0) {
        return {};
    }
    const double achieved =
        AchievedModuleMils(encoding.module, static_cast<double>(mapping.dpiX) * mapping.zoom);
    return StandardsAdvice({*id, achieved, static_cast<double>(m_pDoc->DrawBarLength()),
                            CellMarginAlong(encoding) * achieved / encoding.module});
}

std::optional<RenderRequest> CBarcodeView::RequestOf(OutputFormat format, int dpiX, int dpiY,
                                                     bool asDrawn) const {
    if (!asDrawn) {
        m_pDoc->Update();
    }
    return m_pDoc->Request(format, dpiX, dpiY);
}

void CBarcodeView::OnDraw(QPainter& painter, const DeviceMapping& mapping) {
    DrawSymbol(painter, mapping, TileEdge::Overhang);
}

void CBarcodeView::OnPrint(QPainter& painter, const DeviceMapping& mapping) {
    DrawSymbol(painter, mapping, TileEdge::WholeCells);
}

void CBarcodeView::DrawSymbol(QPainter& painter, const DeviceMapping& mapping, TileEdge edge) {
    m_pDoc->Update();
    CInputValues* panel = m_pDoc->InputValues();
    if (panel == nullptr || !Barcode()) {
        return; // no symbology selected: nothing drawn, Width left as it was
    }
    SymbolScene scene = m_pDoc->Scene();
    // The length a ruler measures on the drawn bars.
    panel->SetWidthText(WidthText(ClampToInt32(scene.encoding.SymbolLength())));
    scene.tileEdge = edge;
    // Whole cells only is the printed page, where the printer's ink spreads.
    scene.barReduction = edge == TileEdge::WholeCells ? BarReduction() : 0;
    PaintSymbol(painter, mapping, scene);
    m_drawnCell = SymbolCellSize(mapping, scene);
}

void CBarcodeView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const DeviceMapping mapping = OnPrepareDC(*this, rect());
    OnDraw(painter, mapping);
    if (hasFocus()) {
        DrawFocusFrame(painter, *this);
    }
    if (m_pDoc->InputValues() != nullptr) {
        if (QString refusal = HeightRefusal(m_pDoc->Value().height); refusal != m_heightRefusal) {
            m_heightRefusal = std::move(refusal);
            emit StatusTextChanged(StatusText());
        }
    }
    if (Barcode() != nullptr) {
        emit AchievedSizeChanged(AchievedSizeText(*Barcode(), mapping, QStringLiteral("px")),
                                 StandardsAdviceOf(mapping));
    }
    emit SymbolDrawn(m_drawnCell / mapping.devicePixelRatio); // in the widget's own units

    UpdateAccessibleName();
}

QString CBarcodeView::AccessibleNameOfDrawn() const {
    const std::optional<SymbologyId> id = m_pDoc->Value().symbology;
    if (!Barcode() || !id) {
        return tr("Barcode: none");
    }
    const QString name = res::Text(FactsOf(*id).name);
    const QString width = WidthText(ClampToInt32(m_pDoc->Encoded().SymbolLength()));
    const std::string& text = m_pDoc->Value().text;
    if (text.empty()) {
        return tr("Barcode: %1, no text, %2 inches").arg(name, width);
    }
    return tr("Barcode: %1, %2, %3 inches")
        .arg(name, QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())), width);
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
